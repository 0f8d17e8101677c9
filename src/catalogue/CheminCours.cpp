#include "catalogue/CheminCours.h"

#include "app/EtatSession.h"

#include <QFile>

#include <algorithm>
#include <optional>
#include <dirent.h>
#include <sys/stat.h>

namespace {

char16_t majuscule(char16_t u)
{
    if (u < 0x80)
        return (u >= u'a' && u <= u'z') ? char16_t(u - 32) : u;
    return QChar::toUpper(u);
}

bool egauxSansCasse(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (majuscule(a[i].unicode()) != majuscule(b[i].unicode()))
            return false;
    return true;
}

struct Entree
{
    QString nom;
    bool fichier = false;
    bool dossier = false;
};

// Lists a folder with its raw byte names so that a name that does not decode
// is recognised and skipped rather than turned into a path that names nothing.
template <typename Visiteur>
void parcourir(const QString& dossier, Visiteur&& visiter)
{
    const QByteArray chemin = QFile::encodeName(dossier);
    DIR* d = ::opendir(chemin.isEmpty() ? "." : chemin.constData());
    if (!d)
        return;
    while (const dirent* e = ::readdir(d)) {
        const char* brut = e->d_name;
        if (brut[0] == '.' && (brut[1] == 0 || (brut[1] == '.' && brut[2] == 0)))
            continue;
        const QByteArray octets(brut);
        const QString nom = QFile::decodeName(octets);
        if (QFile::encodeName(nom) != octets)
            continue;
        Entree entree{nom};
        unsigned char type = e->d_type;
        if (type == DT_UNKNOWN || type == DT_LNK) {
            struct stat s;
            const QByteArray complet = chemin + '/' + octets;
            if (::stat(complet.constData(), &s) == 0) {
                entree.fichier = S_ISREG(s.st_mode);
                entree.dossier = S_ISDIR(s.st_mode);
            }
        } else {
            entree.fichier = type == DT_REG;
            entree.dossier = type == DT_DIR;
        }
        if (!visiter(entree))
            break;
    }
    ::closedir(d);
}

bool existe(const QString& chemin)
{
    struct stat s;
    return ::stat(QFile::encodeName(chemin).constData(), &s) == 0;
}

bool correspond(QStringView nom, QStringView motif)
{
    // Iterative glob with one backtrack point: linear enough for file names.
    qsizetype n = 0, m = 0, etoile = -1, reprise = 0;
    while (n < nom.size()) {
        if (m < motif.size() && motif[m] == u'*') {
            etoile = m++;
            reprise = n;
        } else if (m < motif.size()
                   && (motif[m] == u'?' || majuscule(motif[m].unicode()) == majuscule(nom[n].unicode()))) {
            ++m;
            ++n;
        } else if (etoile >= 0) {
            m = etoile + 1;
            n = ++reprise;
        } else {
            return false;
        }
    }
    while (m < motif.size() && motif[m] == u'*')
        ++m;
    return m == motif.size();
}

} // namespace

bool correspondMotif(QStringView nom, QStringView motif) { return correspond(nom, motif); }

bool ordreNoms(const QString& a, const QString& b)
{
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t x = majuscule(a[i].unicode()), y = majuscule(b[i].unicode());
        if (x != y)
            return x < y;
    }
    if (a.size() != b.size())
        return a.size() < b.size();
    return a < b;
}

namespace {

QString joindre(const QString& base, const QString& nom)
{
    if (base.isEmpty())
        return nom;
    return base.endsWith(QLatin1Char('/')) ? base + nom : base + QLatin1Char('/') + nom;
}

// Depth first: at each component the entry spelt as given, then the others
// equal to it ignoring case in ordreNoms; a branch that cannot reach the end
// is left for the next one (a medium may hold both "anim" and "ANIM").
std::optional<QString> resoudre(const QString& base, const QStringList& parties, qsizetype i)
{
    if (i == parties.size())
        return base;
    const QString& voulu = parties[i];
    const QString tel = joindre(base, voulu);
    if (existe(tel))
        if (auto r = resoudre(tel, parties, i + 1))
            return r;
    QStringList variantes;
    parcourir(base.isEmpty() ? QStringLiteral(".") : base, [&](const Entree& e) {
        if (e.nom != voulu && egauxSansCasse(e.nom, voulu))
            variantes.append(e.nom);
        return true;
    });
    std::sort(variantes.begin(), variantes.end(), ordreNoms);
    for (const QString& v : variantes)
        if (auto r = resoudre(joindre(base, v), parties, i + 1))
            return r;
    return std::nullopt;
}

} // namespace

QString cheminCours(const QString& chemin)
{
    if (chemin.isEmpty() || existe(chemin))
        return chemin;
    const QString depart = chemin.startsWith(QLatin1Char('/')) ? QStringLiteral("/") : QString();
    return resoudre(depart, chemin.split(QLatin1Char('/'), Qt::SkipEmptyParts), 0).value_or(chemin);
}

QString cheminDansCours(const QString& relatif)
{
    return cheminCours(RacineCours() + QLatin1Char('/') + relatif);
}

QStringList listerFichiers(const QString& dossier, const QString& motif)
{
    QStringList noms;
    parcourir(cheminCours(dossier), [&](const Entree& e) {
        if (e.fichier && correspond(e.nom, motif))
            noms.append(e.nom);
        return true;
    });
    std::sort(noms.begin(), noms.end(), ordreNoms);
    return noms;
}

bool existeFichier(const QString& dossier, const QString& motif)
{
    bool trouve = false;
    parcourir(cheminCours(dossier), [&](const Entree& e) {
        trouve = e.fichier && correspond(e.nom, motif);
        return !trouve;
    });
    return trouve;
}
