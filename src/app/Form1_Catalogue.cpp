// The main window's course: finding it, reading its catalogue into the lesson
// tree, and the tree's own events.
#include "app/EtatSession.h"
#include "app/Form1.h"
#include "app/Mesboite.h"
#include "app/Ressources.h"
#include "app/Sons.h"
#include "app/Twips.h"
#include "app/ZoneCliquable.h"
#include "catalogue/ArbreLecons.h"
#include "catalogue/CheminCours.h"
#include "media/ComposantFlash.h"
#include "media/ComposantVideo.h"
#include "media/pdf/PanneauDocument.h"
#include "catalogue/ConfigurationCours.h"
#include "catalogue/RemplissageArbre.h"
#include "plateforme/Services.h"

#include <QPainter>
#include <QPalette>

void Form1::creerArbre()
{
    treeview1 = new ArbreLecons(Picture1);
    placer(treeview1, form1::arbre);
    treeview1->setCursor(pointeurMain());
    connect(treeview1, &ArbreLecons::clic, this, &Form1::treeview1_Click);
    connect(treeview1, &ArbreLecons::noeudClique, this, &Form1::treeview1_NodeClick);
    connect(treeview1, &ArbreLecons::boutonEnfonce, this, [this] { treeview1_MouseDown(); });
    connect(treeview1, &ArbreLecons::pointeurDeplace, this, [this] { treeview1_MouseMove(); });

    const std::array<QString, 2> tips{QStringLiteral("Déployer les contenus"), QStringLiteral("Masquer les contenus")};
    for (int i = 0; i < 2; ++i) {
        auto* b = new ZoneCliquable(Picture1, i);
        placer(b, form1::deployer);
        b->setToolTip(tips[size_t(i)]);
        b->setCursor(pointeurMain());
        connect(b, &ZoneCliquable::clic, this, &Form1::arbo_Click);
        arbo[size_t(i)] = b;
    }
    // The skin draws the "+"; the collapse button shows its own "-" over it.
    QPixmap moins(arbo[1]->size());
    moins.fill(Qt::transparent);
    {
        QPainter p(&moins);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(200, 215, 235), 1));
        p.setBrush(QColor(52, 86, 130));
        p.drawRoundedRect(QRectF(moins.rect()).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
        p.setPen(QPen(QColor(250, 250, 250), 2.2));
        const QPointF c = QRectF(moins.rect()).center();
        p.drawLine(c + QPointF(-5, 0), c + QPointF(5, 0));
    }
    arbo[1]->setPixmap(moins);
    arbo[1]->hide();

    Picture2 = new QWidget(Picture1);
    placer(Picture2, form1::astuce);
    Picture2->setAutoFillBackground(true);
    QPalette jaune = Picture2->palette();
    jaune.setColor(QPalette::Window, QColor(255, 255, 192));
    Picture2->setPalette(jaune);
    Picture2->setAttribute(Qt::WA_TransparentForMouseEvents);
    Label25 = new QLabel(Picture2);
    Label25->setGeometry(Picture2->rect().adjusted(4, 2, -4, -2));
    Label25->setWordWrap(true);
    Label25->setAlignment(Qt::AlignCenter);
    Label25->setFont(policeArial(8.25));
    Label25->setStyleSheet(QStringLiteral("color: black;"));
    Label25->setText(QStringLiteral(
        "Clic sur le petit + ou double-clic sur la ligne pour déployer ou masquer son contenu"));
}

// Steps 4, 5 and 6 of loading: the drives, then the configuration file.
// Step 14 and 16: the candidates completed, then the search. False when the
// learner chose to leave.
bool Form1::chercherCours()
{
    auto& e = etat();
    RappelsRecherche rappels;
    rappels.afficherMessage = [](int16_t icone, const QString& texte, int16_t boutons, const QString& titre) {
        afficherMessage(icone, texte, boutons, titre);
        return etat().reponseMessage;
    };
    rappels.jouerSonMCI = [](const QString& son) { jouerSonMCI(son); };
    rappels.curseurAttente = [](bool attente) { attente ? pointeurSablier() : pointeurDefaut(); };
    completerEmplacements(emplacements, dossierProgramme());
    return rechercherCours(emplacements, e, rappels) != IssueRecherche::Quitter;
}

// Steps 17, 19 and 20: the documents, the animations, the subject and the tree.
void Form1::chargerCatalogue()
{
    auto& e = etat();
    const Catalogue c = scannerCatalogue(e, dossierProgramme());
    Combo1 = c.listes.Combo1;
    Combo2 = c.listes.Combo2;
    Combo3 = c.listes.Combo3;
    animations = c.animations;
    emplacementCours = c.emplacementCours;
    Label2->setText(c.sujet.Label2);

    // The title animation and document, shown until a lesson is chosen.
    const QString titre = cheminDansCours(QStringLiteral("anim/T.swf"));
    fl->setMovie(titre);
    e.cheminAnimation = titre;
    AVI->hide();
    e.cheminDocument = c.listes.documentDemarrage.isEmpty()
                           ? QString()
                           : cheminDansCours(QStringLiteral("textes/") + c.listes.documentDemarrage);
    chargePDF();
    fl->setPlaying(false);

    remplirArbre(*treeview1, c.plan);
    legende(Label2->text() + QStringLiteral(" - ") + Label7->text());
}

void Form1::treeview1_Click() { Picture2->hide(); }

void Form1::treeview1_MouseDown()
{
    finAnimationTraitee = FAUX;
    if (!Timer3.isActive())
        Timer3.start();
    Timer1.start();
}

void Form1::treeview1_MouseMove()
{
    Timer4.stop();
    ligneEtat(7, emplacementCours);
    PDF1->masquerAuPassage();
}

void Form1::arbo_Click(int index)
{
    Picture2->hide();
    if (index == 0) {
        arbo[1]->show();
        arbo[0]->hide();
        treeview1->deployerTout();
    } else {
        treeview1->masquerContenus();
        arbo[0]->show();
        arbo[1]->hide();
    }
    toutStopper();
}
