#include "catalogue/RechercheCours.h"

#include "app/EtatSession.h"
#include "catalogue/CheminCours.h"

void CHERCHEDRIVE(Emplacements& e, const ListeVolumes& volumes)
{
    e.listeEmplacements.assign(1, QString());
    e.nombreLecteurs = 0;
    for (const QString& v : volumes.volumes()) {
        if (v.isEmpty() || e.nombreLecteurs == INT16_MAX - 1)
            continue;
        e.listeEmplacements.push_back(v);
        ++e.nombreLecteurs;
    }
}

void completerEmplacements(Emplacements& e, const QString& dossierProgramme, const QString& secours)
{
    e.listeEmplacements.resize(size_t(e.nombreLecteurs) + 2);
    e.listeEmplacements[0] = dossierProgramme;
    e.listeEmplacements[size_t(e.nombreLecteurs) + 1] = secours;
}

bool contientCours(const QString& lieu, const QString& dossierCours)
{
    return existeFichier(lieu + QLatin1Char('/') + dossierCours + QStringLiteral("/textes"),
                         QStringLiteral("T-*.pdf"));
}

QString texteBoiteRecherche(const QString& dossierCours)
{
    const QChar CR(13);
    return QStringLiteral("Pedavin ne trouve pas le dossier :  ") + dossierCours + CR
           + QStringLiteral(" insérez le CDROM approprié dans un lecteur ") + CR
           + QStringLiteral("puis \"Ok\" pour recommencer,") + CR
           + QStringLiteral("sinon \"Annuler \" pour Quitter l'application");
}

IssueRecherche rechercherCours(const Emplacements& emplacements, EtatSession& e,
                               const RappelsRecherche& rappels)
{
    const auto contient = rappels.contientCours ? rappels.contientCours : contientCours;
    const size_t dernier = size_t(emplacements.nombreLecteurs) + 1;
    for (;;) {
        for (size_t i = 0; i <= dernier && i < emplacements.listeEmplacements.size(); ++i) {
            e.lecteurCours = emplacements.listeEmplacements[i];
            // Floppy drives are never probed (on Windows the probe would spin them).
            if (e.lecteurCours == QLatin1String("a:") || e.lecteurCours == QLatin1String("b:"))
                continue;
            if (contient(e.lecteurCours, e.dossierCours))
                return IssueRecherche::Trouve;
        }

        e.sonAutorise = VRAI;
        if (rappels.jouerSonMCI)
            rappels.jouerSonMCI(QStringLiteral("clic.wav"));
        if (rappels.curseurAttente)
            rappels.curseurAttente(false);
        const QString reponse = rappels.afficherMessage
                                    ? rappels.afficherMessage(2, texteBoiteRecherche(e.dossierCours), 0,
                                                              QStringLiteral("Recherche des cours"))
                                    : QString();
        if (reponse == QLatin1String("Ok")) {
            if (rappels.curseurAttente)
                rappels.curseurAttente(true);
            continue;
        }
        if (reponse == QLatin1String("Annuler"))
            return IssueRecherche::Quitter;
        return IssueRecherche::Poursuivre;
    }
}
