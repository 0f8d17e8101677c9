#include "app/EtatSession.h"

#include <QCoreApplication>
#include <QDir>

int16_t& Notes::note(int index)
{
    switch (index) {
    case 1: return Q1;
    case 2: return Q2;
    case 3: return Q3;
    case 4: return Q4;
    case 5: return Q5;
    case 6: return T1;
    case 7: return T2;
    case 8: return T3;
    case 9: return T4;
    default: return MOY;
    }
}

int16_t Notes::note(int index) const
{
    return const_cast<Notes*>(this)->note(index);
}

void Parcours::redimensionner(int dernier)
{
    const auto taille = size_t(std::max(0, dernier) + 1);
    for (auto* colonne : {&numero, &debut, &duree, &action, &reference})
        colonne->resize(taille);
}

namespace {
EtatSession& instance()
{
    static EtatSession e;
    return e;
}
QString& dossierProgrammeStocke()
{
    static QString d;
    return d;
}
} // namespace

EtatSession& etat() { return instance(); }

void reinitialiserEtat() { instance() = EtatSession{}; }

QString dossierProgramme()
{
    if (dossierProgrammeStocke().isEmpty() && QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return dossierProgrammeStocke();
}

void definirDossierProgramme(const QString& dossier) { dossierProgrammeStocke() = dossier; }

QString RacineCours() { return etat().lecteurCours + QLatin1Char('/') + etat().dossierCours; }

QString dossierTemporaire()
{
    QString t = QDir::tempPath();
    if (!t.endsWith(QLatin1Char('/')))
        t += QLatin1Char('/');
    return t.left(260);
}
