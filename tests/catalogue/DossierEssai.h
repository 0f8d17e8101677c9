#pragma once
// A temporary folder of empty files, made per test.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <filesystem>
#include <ostream>

#include <fcntl.h>
#include <unistd.h>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

class DossierEssai
{
public:
    DossierEssai() { dir_.setAutoRemove(false); }
    // Removed by bytes: QDir cannot remove names that do not decode.
    ~DossierEssai()
    {
        std::error_code ignore;
        std::filesystem::remove_all(std::filesystem::path(QFile::encodeName(dir_.path()).toStdString()), ignore);
    }

    QString chemin() const { return dir_.path(); }
    QString operator()(const QString& relatif) const { return dir_.path() + QLatin1Char('/') + relatif; }

    // Creates the file (and its folders), empty unless given content.
    void fichier(const QString& relatif, const QByteArray& contenu = {}) const
    {
        const QString complet = (*this)(relatif);
        QDir().mkpath(complet.left(complet.lastIndexOf(QLatin1Char('/'))));
        QFile f(complet);
        if (f.open(QIODevice::WriteOnly))
            f.write(contenu);
    }
    void dossier(const QString& relatif) const { QDir().mkpath((*this)(relatif)); }
    // A file whose name is raw bytes (not necessarily valid UTF-8).
    void fichierBrut(const QString& dossierRelatif, const QByteArray& nom) const
    {
        dossier(dossierRelatif);
        const QByteArray complet = QFile::encodeName((*this)(dossierRelatif)) + '/' + nom;
        const int fd = ::open(complet.constData(), O_CREAT | O_WRONLY, 0644);
        if (fd >= 0)
            ::close(fd);
    }

private:
    QTemporaryDir dir_;
};
