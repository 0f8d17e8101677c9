#include "DossierProgramme.h"
#include "FauxModal.h"
#include "FauxServices.h"
#include "app/EtatSession.h"
#include "app/Form1.h"
#include "app/ZoneCliquable.h"
#include "catalogue/ArbreLecons.h"
#include "catalogue/ConfigurationCours.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {
const QString avantDeQuitter = QStringLiteral(
    "Avant de quitter votre Pedavin, \rsouhaitez-vous enregistrer un journal\r"
    "pour retrouver vos actions réalisées,\rà la prochaine session de formation ?");
const QString reellementQuitter = QStringLiteral("Souhaitez-vous réellement quitter votre formation Pedavin ?");


struct MainWindowTest : ::testing::Test
{
    void SetUp() override
    {
        reinitialiserEtat();
        programme.ajouterCours();
        form = std::make_unique<Form1>();
    }
    // Loads the window as start-up does.
    void charger() { form->Form_Load(); }

    DossierProgramme programme;
    ServicesFactices services_;
    ExecuteurScripte modal;
    std::unique_ptr<Form1> form;
};
} // namespace

struct CasQuitter
{
    const char* nom;
    bool journalExistant;         // a journal file exists before quitting
    bool ecranJournalEnregistre;  // the journal screen, if opened, saves a file
    QStringList reponses;         // answers given to the boxes, in order
    QStringList textes;           // boxes expected, in order
    bool decharge;
    int enregistrements;          // silent saves
    int ecransJournal;
};

class QuitDialogue : public MainWindowTest, public ::testing::WithParamInterface<CasQuitter>
{};

TEST_P(QuitDialogue, FollowsTheAnswers)
{
    const auto& cas = GetParam();
    charger();
    if (cas.journalExistant)
        etat().fichierJournal = QStringLiteral("/tmp/journal.rap");
    int enregistrements = 0, ecrans = 0;
    form->sauverjournal = [&] { ++enregistrements; };
    form->ouvrirEcranJournal = [&] {
        ++ecrans;
        if (cas.ecranJournalEnregistre)
            etat().fichierJournal = QStringLiteral("/tmp/nouveau.rap");
    };
    for (const auto& r : cas.reponses)
        modal.repondre(r);
    QSignalSpy decharge(form.get(), &Form1::decharge);

    form->Label1_Click(0);

    QStringList textes;
    for (const auto& v : modal.vues) {
        textes << v.texte;
        EXPECT_EQ(v.titre, QStringLiteral(" Quitter"));
        EXPECT_EQ(v.icone, 3);
    }
    EXPECT_EQ(textes, cas.textes);
    EXPECT_EQ(decharge.count(), cas.decharge ? 1 : 0);
    EXPECT_EQ(enregistrements, cas.enregistrements);
    EXPECT_EQ(ecrans, cas.ecransJournal);
    EXPECT_EQ(modal.restantes(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    MainWindow, QuitDialogue,
    ::testing::Values(
        CasQuitter{"NoJournal_Non_Closes", false, false, {"Non"}, {avantDeQuitter}, true, 0, 0},
        CasQuitter{"NoJournal_Annuler_Stays", false, false, {"Annuler"}, {avantDeQuitter}, false, 0, 0},
        CasQuitter{"NoJournal_Oui_NothingSaved_Stays", false, false, {"Oui"}, {avantDeQuitter}, false, 0, 1},
        CasQuitter{"NoJournal_Oui_Saved_ThenOk_Closes", false, true, {"Oui", "Ok"},
                   {avantDeQuitter, reellementQuitter}, true, 1, 1},
        CasQuitter{"NoJournal_Oui_Saved_ThenAnnuler_Stays", false, true, {"Oui", "Annuler"},
                   {avantDeQuitter, reellementQuitter}, false, 1, 1},
        CasQuitter{"Journal_SavedThenOk_Closes", true, false, {"Ok"}, {reellementQuitter}, true, 1, 0},
        CasQuitter{"Journal_SavedThenAnnuler_Stays", true, false, {"Annuler"}, {reellementQuitter}, false, 1, 0}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST_F(MainWindowTest, QuitButtonPlaysTheCueOnPressClickAndBox)
{
    charger();
    modal.repondre(QStringLiteral("Annuler"));
    QTest::mouseClick(form->Label1[0], Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(services_.son->joues.size(), 3);
    EXPECT_EQ(etat().sonAutorise, 0);
}

TEST_F(MainWindowTest, LoadingFillsTheDefaults)
{
    DossierProgramme mixte({QString(), QString(), QString(), QString(), QString(), QStringLiteral("COURS"),
                            QStringLiteral("Découvrir le tableur LibreOffice Calc"), QStringLiteral("MIXTE")});
    mixte.ajouterCours();
    form->Form_Load();
    const auto& e = etat();
    EXPECT_EQ(e.sauvegardeAuto, VRAI);
    EXPECT_EQ(e.rappelJournal, VRAI);
    EXPECT_EQ(e.apprenant.nom, QStringLiteral("Nom"));
    EXPECT_EQ(e.apprenant.prenom, QStringLiteral("Prénom"));
    EXPECT_EQ(e.apprenant.lieu, QStringLiteral("Lieu\\groupe\\classe"));
    EXPECT_EQ(e.nombreEtapes, 1);
    EXPECT_TRUE(form->Label1[2]->isHidden()) << "MIXTE hides the switch";
    EXPECT_EQ(form->Label7->text(), QStringLiteral("Découvrir le tableur LibreOffice Calc"));
    EXPECT_EQ(form->Label5->text(), QStringLiteral("Tableur"));
    EXPECT_EQ(e.logicielsExternes[1], QStringLiteral("Tableur"));
    EXPECT_EQ(e.lecteurCours, mixte.dossier.path()) << "the course beside the program";
    EXPECT_EQ(e.fichierTitre, QStringLiteral("T-COURS QZ Tableur"));
    EXPECT_EQ(form->treeview1->count(), 4);
    EXPECT_TRUE(form->treeview1->item(1)->expanded()) << "the title node is open";
    EXPECT_EQ(form->Label8[0]->text(), QString()) << "cleared at the end of loading";
    EXPECT_EQ(form->Label1[0]->toolTip(), QStringLiteral("Quitter Pedavin"));
    EXPECT_FALSE(form->Timer4.isActive());
    EXPECT_TRUE(form->Timer2.isActive());
    EXPECT_TRUE(form->chargementTermine());
}

TEST_F(MainWindowTest, WithoutAMixerLoadingStillFinishes)
{
    services_.melangeur->disponible = false;
    bool boiteSysteme = false;
    modal.ensuite([&](QDialog& d) {
        boiteSysteme = d.findChildren<QLabel*>().size() > 0;
        d.accept();
    });
    form->Form_Load();
    ASSERT_EQ(modal.vues.size(), 1u);
    EXPECT_EQ(modal.vues[0].classe, QStringLiteral("QMessageBox"));
    EXPECT_TRUE(boiteSysteme);
    EXPECT_TRUE(form->chargementTermine());
    EXPECT_TRUE(form->Timer2.isActive()) << "the splash still closes";
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "the hourglass is gone";
}

TEST_F(MainWindowTest, CourseSearchRetriesThenEndsOnAnnuler)
{
    DossierProgramme sansCours; // no course anywhere
    QSignalSpy decharge(form.get(), &Form1::decharge);
    modal.ensuite([&](QDialog& d) {
        // The learner inserts the course, then asks again: it is found.
        sansCours.ajouterCours();
        cliquer(boutonVisible(d, QStringLiteral("Ok")));
    });
    form->Form_Load();
    ASSERT_EQ(modal.vues.size(), 1u);
    EXPECT_EQ(modal.vues[0].titre, QStringLiteral("Recherche des cours"));
    EXPECT_EQ(modal.vues[0].icone, 2);
    EXPECT_TRUE(form->chargementTermine());
    EXPECT_EQ(etat().lecteurCours, sansCours.dossier.path());
    EXPECT_EQ(decharge.count(), 0);

    reinitialiserEtat();
    DossierProgramme toujoursSans;
    Form1 autre;
    QSignalSpy fin(&autre, &Form1::decharge);
    modal.repondre(QStringLiteral("Annuler"));
    autre.Form_Load();
    EXPECT_TRUE(autre.abandonne());
    EXPECT_FALSE(autre.chargementTermine());
    EXPECT_EQ(fin.count(), 1) << "the program ends";
}

TEST_F(MainWindowTest, TreePressStartsTheTimersAndClearsTheEndLatch)
{
    charger();
    form->finAnimationTraitee = VRAI;
    form->treeview1_MouseDown();
    EXPECT_EQ(form->finAnimationTraitee, FAUX);
    EXPECT_TRUE(form->Timer3.isActive());
    EXPECT_TRUE(form->Timer1.isActive());
    form->treeview1_MouseMove();
    EXPECT_EQ(form->Label1[5]->text(), QStringLiteral("Cours sur  ") + etat().lecteurCours.toLower());
    EXPECT_TRUE(form->Picture2->isVisibleTo(form.get()));
    form->treeview1_Click();
    EXPECT_FALSE(form->Picture2->isVisibleTo(form.get()));
}

TEST_F(MainWindowTest, ExpandAndCollapseSwapTheirButtons)
{
    charger();
    EXPECT_TRUE(form->arbo[0]->isVisibleTo(form.get()));
    EXPECT_FALSE(form->arbo[1]->isVisibleTo(form.get()));
    form->arbo_Click(0);
    EXPECT_FALSE(form->arbo[0]->isVisibleTo(form.get()));
    EXPECT_TRUE(form->arbo[1]->isVisibleTo(form.get()));
    EXPECT_TRUE(form->treeview1->item(2)->expanded());
    form->arbo_Click(1);
    EXPECT_TRUE(form->arbo[0]->isVisibleTo(form.get()));
    EXPECT_FALSE(form->treeview1->item(2)->expanded());
    EXPECT_TRUE(form->treeview1->item(1)->expanded());
}

TEST_F(MainWindowTest, StatusLineClockAndHints)
{
    charger();
    auto* ligne = form->Label1[5];

    form->Timer4_Timer();
    EXPECT_EQ(ligne->text(), QStringLiteral("14:05:32"));
    EXPECT_EQ(ligne->font().pixelSize(), qRound(14 * 96.0 / 72.0));

    // The first pass over a button tells where the switch goes, once per run.
    form->Timer4.start();
    form->Label1_MouseMove(0);
    EXPECT_EQ(ligne->text(), QStringLiteral("Basculer sur Tableur"));
    EXPECT_FALSE(form->Timer4.isActive());
    form->Label1_MouseMove(0);
    EXPECT_EQ(ligne->text(), QStringLiteral("Quitter Pedavin"));
    form->Label1_MouseMove(3);
    EXPECT_EQ(ligne->text(), QStringLiteral("Zoom plein écran de l'animation"));

    form->Label12_MouseMove();
    EXPECT_EQ(ligne->text(), QStringLiteral("Afficher l'aide pour l'utilisateur"));
    EXPECT_EQ(ligne->font().pixelSize(), qRound(7 * 96.0 / 72.0));

    // Back over the picture's background the clock resumes.
    form->Picture1_MouseMove();
    EXPECT_TRUE(form->Timer4.isActive());

    // Outside the picture: the course, then the learner once a journal exists.
    etat().etatZoom = 2;
    form->Form_MouseMove();
    EXPECT_EQ(ligne->text(), QStringLiteral("Formation à Tableur"));
    EXPECT_EQ(etat().etatZoom, 0);
    EXPECT_FALSE(form->Timer4.isActive());
    etat().fichierJournal = QStringLiteral("/tmp/j.rap");
    etat().apprenant = {QStringLiteral("Martin"), QStringLiteral("Léa"), QStringLiteral("Lyon")};
    form->Form_MouseMove();
    EXPECT_EQ(ligne->text(), QStringLiteral("Formation à Tableur : Martin Léa (Lyon)."));
}

TEST_F(MainWindowTest, DocumentToggleHintSuppressesTheSwitchHint)
{
    charger();
    form->Label16_MouseMove(0);
    EXPECT_EQ(form->survolSignale, 3);
    EXPECT_EQ(form->Label1[5]->text(), QStringLiteral("Afficher le document en permanence ou au passage de la souris"));
    form->Label1_MouseMove(2);
    EXPECT_EQ(form->Label1[5]->text(), QStringLiteral("Basculer dans un logiciel externe."));
}

TEST_F(MainWindowTest, ActivationShowsTheLearnerOnceNamed)
{
    charger();
    form->Form_Activate();
    EXPECT_EQ(form->Label24[8]->text(), QString());
    EXPECT_TRUE(form->Timer1.isActive());
    etat().apprenant = {QStringLiteral("Martin"), QStringLiteral("Léa"), QStringLiteral("Lyon")};
    form->Form_Activate();
    EXPECT_EQ(form->Label24[8]->text(), QStringLiteral("Martin Léa Lyon"));
}

namespace {
// Ticks the reminder timer n times; returns the tick numbers (1-based) at
// which the reminder showed and at which the journal was saved.
struct Ticks
{
    std::vector<int> rappels, sauvegardes;
};
Ticks tourner(Form1& f, int n)
{
    Ticks t;
    int courant = 0;
    f.afficherRappel = [&] {
        t.rappels.push_back(courant);
        etat().compteurTops = 0; // the reminder's buttons do this
    };
    f.sauverjournal = [&] { t.sauvegardes.push_back(courant); };
    for (courant = 1; courant <= n; ++courant)
        f.Timer3_Timer();
    return t;
}
} // namespace

TEST_F(MainWindowTest, ReminderAfterElevenTicksThenEveryTen)
{
    charger();
    form->showMaximized();
    const Ticks t = tourner(*form, 32);
    EXPECT_EQ(t.rappels, (std::vector<int>{11, 21, 31}));
    EXPECT_TRUE(t.sauvegardes.empty());
    EXPECT_TRUE(form->Timer3.isActive());
}

TEST_F(MainWindowTest, NoReminderWhenSwitchedOffOrNotMaximised)
{
    charger();
    etat().rappelJournal = FAUX;
    form->showMaximized();
    EXPECT_TRUE(tourner(*form, 15).rappels.empty());
    etat().rappelJournal = VRAI;
    etat().compteurTops = 0;
    form->showNormal();
    EXPECT_TRUE(tourner(*form, 15).rappels.empty());
}

TEST_F(MainWindowTest, AutomaticSaveAtTheSeventhTickThenEverySix)
{
    charger();
    form->showMaximized();
    etat().fichierJournal = QStringLiteral("/tmp/j.rap");
    Ticks t = tourner(*form, 20);
    EXPECT_EQ(t.sauvegardes, (std::vector<int>{7, 13, 19}));
    EXPECT_TRUE(t.rappels.empty());

    etat().sauvegardeAuto = FAUX;
    etat().compteurTops = 0;
    EXPECT_TRUE(tourner(*form, 20).sauvegardes.empty());
}

TEST_F(MainWindowTest, HelpProgramStartsFromTheProgramFolder)
{
    charger();
    definirDossierProgramme(QStringLiteral("/prog"));
    form->Label12_Click();
    ASSERT_EQ(services_.lanceur->demarres.size(), 1u);
    EXPECT_EQ(services_.lanceur->demarres[0].programme, QStringLiteral("/prog/Aide"));
    EXPECT_TRUE(services_.lanceur->demarres[0].arguments.isEmpty());
    services_.lanceur->reussite = false; // a missing help program fails silently
    form->Label12_Click();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    definirDossierProgramme(QString());
}
