#include "DossierProgramme.h"
#include "FauxLecteurs.h"
#include "FauxModal.h"
#include "FauxServices.h"
#include "app/EtatSession.h"
#include "app/Form1.h"
#include "app/ZoneCliquable.h"
#include "catalogue/ArbreLecons.h"
#include "catalogue/ConfigurationCours.h"
#include "media/pdf/PanneauDocument.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {
constexpr int blanc = 0xFFFFFF, gris = 0x808080, bleu = 0xFF0000, rouge = 0x0000FF;

// A course of one chapter, lessons, a questionnaire and a test, and their
// animations, beside the program.
struct CoursEssai : DossierProgramme
{
    QString racine = ajouterCours(
        {QStringLiteral("T-COURS QZ Tableur.pdf"), QStringLiteral("C01-Chapitre 1 - Découvrir le tableur.pdf"),
         QStringLiteral("C01L01-Ouvrir LibreOffice Calc.pdf"), QStringLiteral("C01L02-Problème de cellules.pdf"),
         QStringLiteral("C01L03-Saisir sans animation.pdf"), QStringLiteral("C01L04-Questionnaire N°1.pdf"),
         QStringLiteral("C01L05-Test N°1.pdf")},
        {QStringLiteral("C01L01.avi"), QStringLiteral("C01L01.swf"), QStringLiteral("C01L02.swf"),
         QStringLiteral("C01L04.avi"), QStringLiteral("T.swf")});
};

struct LessonTest : ::testing::Test
{
    void SetUp() override
    {
        reinitialiserEtat();
        form = std::make_unique<Form1>();
        video = new FauxVideo;
        flash = new FauxFlash;
        form->installerLecteurs(flash, video);
        form->chargerDocument = [this] { documents << etat().cheminDocument; };
        form->lancer_Q = [this] { ++questionnaires; };
        form->Form_Load();
    }
    NoeudLecon* noeud(const char* cle) { return form->treeview1->noeudParCle(QString::fromLatin1(cle)); }
    void cliquer(const char* cle) { form->treeview1_NodeClick(noeud(cle)); }
    const QString& derniereAction() const { return etat().parcours.action[size_t(etat().nombreEtapes)]; }

    CoursEssai cours;
    ServicesFactices services_;
    ExecuteurScripte modal;
    std::unique_ptr<Form1> form;
    FauxVideo* video = nullptr;
    FauxFlash* flash = nullptr;
    QStringList documents;
    int questionnaires = 0;
};
} // namespace

TEST_F(LessonTest, LoadingGivesTheTitleMovieAndDocument)
{
    EXPECT_EQ(flash->film, cours.racine + QStringLiteral("/anim/T.swf"));
    EXPECT_FALSE(flash->enLecture);
    EXPECT_EQ(etat().cheminAnimation, flash->film);
    ASSERT_EQ(documents.size(), 1);
    EXPECT_EQ(documents[0], cours.racine + QStringLiteral("/textes/T-COURS QZ Tableur.pdf"));
}

TEST_F(LessonTest, ALessonBecomesCurrentWithItsDocumentCaptionVideoAndJournalLine)
{
    ASSERT_EQ(etat().nombreEtapes, 1) << "start-up leaves the session line only";
    cliquer("C01L01");
    NoeudLecon* n = noeud("C01L01");
    EXPECT_EQ(n->couleurTexte(), blanc);
    EXPECT_TRUE(n->gras());
    EXPECT_EQ(n->marque(), 1);
    EXPECT_EQ(etat().titreLecon, QStringLiteral("Ouvrir LibreOffice Calc"));
    EXPECT_EQ(etat().cleLecon, QStringLiteral("C01L01"));
    EXPECT_EQ(documents.last(), cours.racine + QStringLiteral("/textes/C01L01-Ouvrir LibreOffice Calc.pdf"));
    EXPECT_EQ(form->Label8[0]->text(), QStringLiteral("1 - 1 : Ouvrir LibreOffice Calc ..."));
    // Both an .avi and a .swf: the video wins.
    EXPECT_EQ(etat().cheminAnimation, cours.racine + QStringLiteral("/anim/C01L01.avi"));
    EXPECT_TRUE(video->isVisibleTo(form.get()));
    EXPECT_FALSE(flash->isVisibleTo(form.get()));
    EXPECT_TRUE(video->enLecture);
    EXPECT_EQ(form->Label9->text(), QStringLiteral("0/250"));
    // The journal line.
    EXPECT_EQ(etat().nombreEtapes, 2);
    EXPECT_EQ(etat().parcours.numero[2], QStringLiteral("002"));
    EXPECT_EQ(derniereAction(), QStringLiteral("       1 - 1 : Ouvrir LibreOffice Calc ..."));
    EXPECT_EQ(etat().parcours.reference[2], QStringLiteral("C01L01"));
    EXPECT_FALSE(form->Label19->isEnabled());
}

TEST_F(LessonTest, LessonThenLessonLeavesTheFirstGreyWithItsArrow)
{
    cliquer("C01L01");
    cliquer("C01L02");
    EXPECT_EQ(noeud("C01L01")->couleurTexte(), gris);
    EXPECT_EQ(noeud("C01L01")->marque(), 1);
    EXPECT_EQ(noeud("C01L02")->couleurTexte(), blanc);
    EXPECT_EQ(form->Label8[0]->text(), QStringLiteral("1 - 2 : Problème de cellules ?"));
    // Flash only.
    EXPECT_TRUE(flash->isVisibleTo(form.get()));
    EXPECT_TRUE(flash->enLecture);
    EXPECT_FALSE(video->isVisibleTo(form.get()));
    EXPECT_FALSE(form->Label9->isVisibleTo(form.get()));
    EXPECT_EQ(video->fichier, QString());
}

TEST_F(LessonTest, QuestionnaireThenLessonTurnsItBlueLargerAndArrowless)
{
    NoeudLecon* q = noeud("C01L04");
    const double taille = q->taillePolice();
    cliquer("C01L04");
    EXPECT_TRUE(form->Label19->isEnabled()) << "a questionnaire can be started at once";
    cliquer("C01L01");
    EXPECT_EQ(q->couleurTexte(), bleu);
    EXPECT_TRUE(q->gras());
    EXPECT_EQ(q->marque(), 0);
    EXPECT_NEAR(q->taillePolice(), taille * 1.1, 0.01);
    EXPECT_FALSE(form->Label19->isEnabled());
    cliquer("C01L04");
    cliquer("C01L01");
    EXPECT_NEAR(q->taillePolice(), taille * 1.1 * 1.1, 0.01) << "larger each time it stops being current";
}

TEST_F(LessonTest, ChapterAndTitleAreOpenedButNotHighlighted)
{
    cliquer("C01L01");
    cliquer("C01");
    EXPECT_EQ(noeud("C01L01")->couleurTexte(), gris);
    EXPECT_NE(noeud("C01")->couleurTexte(), blanc);
    EXPECT_EQ(form->Label8[0]->text(), QStringLiteral("1 -  : Chapitre 1 - Découvrir le tableur ..."));
    EXPECT_EQ(derniereAction(), QStringLiteral("       1 -  : Chapitre 1 - Découvrir le tableur ..."));

    cliquer("T");
    EXPECT_EQ(form->Label8[0]->text(), QString());
    EXPECT_FALSE(video->isVisibleTo(form.get()));
    EXPECT_EQ(etat().cheminAnimation, cours.racine + QStringLiteral("/anim/T.swf"));
    EXPECT_EQ(derniereAction(), QStringLiteral("       "));
    EXPECT_EQ(etat().parcours.reference[size_t(etat().nombreEtapes)], QStringLiteral("T"));
}

TEST_F(LessonTest, NoAnimationLeavesBothPlayersEmpty)
{
    cliquer("C01L01");
    cliquer("C01L03");
    // Emptying the players hides the Flash player only; the video player is
    // left without a file, so it shows nothing.
    EXPECT_FALSE(flash->isVisibleTo(form.get()));
    EXPECT_EQ(video->fichier, QString());
    EXPECT_FALSE(video->enLecture);
    EXPECT_EQ(form->Label9->text(), QStringLiteral("00/00"));
    EXPECT_EQ(etat().nombreEtapes, 3) << "the journal line is still recorded";
}

TEST_F(LessonTest, ADoneAssessmentOnlyShowsItsScore)
{
    noeud("C01L04")->setText(QStringLiteral("Questionnaire N°1 -  14/20"));
    const int16_t lignes = etat().nombreEtapes;
    const qsizetype charges = documents.size();
    modal.repondre(QStringLiteral("Ok"));
    cliquer("C01L04");
    ASSERT_EQ(modal.vues.size(), 1u);
    EXPECT_EQ(modal.vues[0].texte, QStringLiteral("Épreuve déjà réalisée !\r Vous avez obtenu  14/20"));
    EXPECT_EQ(modal.vues[0].titre, QStringLiteral(" Questionnaire"));
    EXPECT_EQ(modal.vues[0].icone, 2);
    EXPECT_EQ(modal.vues[0].boutons, 1);
    EXPECT_EQ(etat().nombreEtapes, lignes);
    EXPECT_EQ(documents.size(), charges) << "no document loaded";
    EXPECT_FALSE(form->Label19->isEnabled());
}

TEST_F(LessonTest, CourseMediumRemovedAsksForItAgain)
{
    const int16_t lignes = etat().nombreEtapes;
    QDir(cours.racine).rename(QStringLiteral("textes"), QStringLiteral("ailleurs"));
    QSignalSpy decharge(form.get(), &Form1::decharge);
    modal.repondre(QStringLiteral("Ok"));
    cliquer("C01L01");
    ASSERT_EQ(modal.vues.size(), 1u);
    EXPECT_EQ(modal.vues[0].titre, QStringLiteral("Recherche des cours"));
    EXPECT_EQ(modal.vues[0].boutons, 0);
    EXPECT_TRUE(modal.vues[0].texte.startsWith(QStringLiteral("l'application ne trouve pas les cours")));
    EXPECT_EQ(decharge.count(), 0);
    EXPECT_EQ(etat().nombreEtapes, lignes) << "no journal line";

    modal.repondre(QStringLiteral("Annuler"));
    cliquer("C01L01");
    EXPECT_EQ(decharge.count(), 1) << "Annuler ends the program";

    // Back in place, the same click works.
    QDir(cours.racine).rename(QStringLiteral("ailleurs"), QStringLiteral("textes"));
}

TEST_F(LessonTest, EndOfVideoIsHandledOnceHoweverOftenTheLastFrameIsReported)
{
    cliquer("C01L04");
    video->montrer(0);
    EXPECT_EQ(form->Label9->text(), QStringLiteral("0/250"));
    video->montrer(120);
    EXPECT_EQ(etat().positionAVI, 120);
    video->montrer(250);
    video->montrer(250);
    video->montrer(250);
    EXPECT_EQ(form->Label9->text(), QStringLiteral("250/250"));
    EXPECT_EQ(questionnaires, 1);
    // A press on the tree clears the latch; the next end is handled again.
    form->treeview1_MouseDown();
    video->montrer(250);
    EXPECT_EQ(questionnaires, 2);
}

TEST_F(LessonTest, ToutStopperTwiceLeavesTheSameState)
{
    cliquer("C01L01");
    form->Label3_Click(6);
    auto instantane = [&] {
        return QStringList{form->Label9->text(), form->Label8[0]->text(), etat().cheminDocument, flash->film,
                           QString::number(video->isVisibleTo(form.get())),
                           QString::number(flash->isVisibleTo(form.get())), QString::number(video->enLecture)};
    };
    const QStringList apresUn = instantane();
    form->Label3_Click(6);
    EXPECT_EQ(instantane(), apresUn);
    EXPECT_EQ(apresUn[2], QString());
    EXPECT_FALSE(video->enLecture);
}

TEST_F(LessonTest, VolumeSliderDrivesTheMixerFromTopToBottom)
{
    ASSERT_FALSE(services_.melangeur->volumes.empty());
    EXPECT_EQ(services_.melangeur->volumes.front(), 32500u) << "half volume at start";
    form->Slider1->setValue(-100);
    EXPECT_EQ(services_.melangeur->volumes.back(), 65000u);
    form->Slider1->setValue(0);
    EXPECT_EQ(services_.melangeur->volumes.back(), 0u);
}

TEST_F(LessonTest, HelpPlaysTheHelpMovieAndDocument)
{
    form->Label1_Click(1);
    EXPECT_EQ(flash->film, cours.dossier.path() + QStringLiteral("/aideQZ.swf"));
    EXPECT_TRUE(flash->enLecture);
    EXPECT_FALSE(flash->boucle);
    EXPECT_EQ(documents.last(), cours.dossier.path() + QStringLiteral("/aide.pdf"));
    EXPECT_EQ(etat().cheminAnimation, flash->film);
    EXPECT_EQ(etat().sonAutorise, VRAI);
}

TEST_F(LessonTest, HelpShowsTheDocumentOnlyInPermanentMode)
{
    struct Cas
    {
        const char* mode;
        bool panneauVisibleAvant;
        bool panneauVisibleApres;
    };
    for (const Cas& c : {Cas{"off", true, false}, Cas{"off", false, false}, Cas{"on", false, true}, Cas{"on", true, true}}) {
        form->show();
        form->PDF1->modeAffichage = QString::fromLatin1(c.mode);
        form->PDF1->setVisible(c.panneauVisibleAvant);
        form->Label1_Click(1);
        EXPECT_EQ(form->PDF1->isVisible(), c.panneauVisibleApres) << c.mode << " " << c.panneauVisibleAvant;
        EXPECT_TRUE(flash->isVisible());
    }
}
