// Making a lesson current from the tree, and recording it in the journal.
#include "app/EtatSession.h"
#include "app/Form1.h"
#include "app/Mesboite.h"
#include "app/Ressources.h"
#include "app/Sons.h"
#include "app/ZoneCliquable.h"
#include "catalogue/Activation.h"
#include "catalogue/ArbreLecons.h"
#include "catalogue/CheminCours.h"
#include "journal/Enregistreur.h"
#include "media/ComposantFlash.h"
#include "media/ComposantVideo.h"
#include "media/pdf/PanneauDocument.h"
#include "plateforme/Horloge.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {
constexpr int blanc = 0xFFFFFF, gris = 0x808080, rouge = 0x0000FF;

// The course folder can no longer be read: the medium was removed.
bool coursInaccessible()
{
    const QFileInfo textes(cheminDansCours(QStringLiteral("textes")));
    return !textes.isDir() || !textes.isReadable();
}
} // namespace

void Form1::treeview1_NodeClick(NoeudLecon* noeud)
{
    if (!noeud)
        return;
    auto& e = etat();
    e.positionAVI = 0;
    viderLecteurs();
    Label19->setEnabled(false);

    for (int i = 1; i <= treeview1->count(); ++i) {
        NoeudLecon* n = treeview1->item(i);
        if (n->couleurTexte() != blanc)
            continue;
        n->retirerSurbrillance();
        n->setCouleurTexte(gris);
        const RetraitCourant r = retraitCourant(n->text());
        if (r.gras)
            n->setGras(true);
        if (r.facteurTaille != 1.0)
            n->setTaillePolice(n->taillePolice() * r.facteurTaille);
        if (r.couleurTexte)
            n->setCouleurTexte(*r.couleurTexte);
        if (r.sansMarque)
            n->setMarque(0);
    }

    const QString texte = noeud->text();
    if (surlignable(texte))
        surligner(noeud);
    e.titreLecon = texte;

    if (epreuveLancable(texte))
        Label19->setEnabled(true);

    if (epreuveRealisee(texte)) {
        afficherMessage(2, QStringLiteral("Épreuve déjà réalisée !\r Vous avez obtenu ") + texte.right(6), 1,
                        QStringLiteral(" Questionnaire"));
        return;
    }

    pointeurSablier();
    jouerClic();
    if (coursInaccessible()) {
        pointeurDefaut();
        jouerClic();
        afficherMessage(2,
                        QStringLiteral("l'application ne trouve pas les cours, insérez le CDROM dans un lecteur puis "
                                       "\"Ok\" pour recommencer,\rsinon \"Annuler \" pour Quitter l'application"),
                        0, QStringLiteral("Recherche des cours"));
        if (e.reponseMessage == QLatin1String("Annuler"))
            decharger();
        return;
    }

    const QString cle = noeud->key();
    e.cheminDocument = cheminDansCours(QStringLiteral("textes/") + cle + QLatin1Char('-') + texte + QStringLiteral(".pdf"));
    e.cleLecon = cle;
    chargePDF();
    PDF1->afficherSelonMode();

    legende(legendeActivite(cle, texte));
    if (cle == QLatin1String("T"))
        AVI->hide();
    Label9->setText(QStringLiteral("00/00"));

    for (int i = 1; i <= derniereAnimation; ++i) {
        if (animations.animationsAVI[size_t(i)] == cle) {
            lancerVideo(cle);
            break;
        }
        if (animations.animationsFlash[size_t(i)] == cle) {
            lancerFlash(cle);
            break;
        }
    }
    pointeurDefaut();

    e.referenceLecon = cle;
    ajouteretape();
}

void Form1::surligner(NoeudLecon* noeud)
{
    noeud->setCouleurTexte(blanc);
    noeud->setGras(true);
    noeud->setCouleurFond(rouge);
    noeud->setMarque(1);
}

void Form1::ajouteretape()
{
    VueEnregistreur vue;
    vue.legende = Label8[0]->text();
    vue.sujet = Label2->text();
    ::ajouteretape(etat(), vue, horloge().maintenant());
}

void Form1::continuersession() { ::continuersession(etat(), horloge().maintenant()); }
