// The document panel on the main window: pages, indicator, tooltips, printing
// questions and reports, display mode, exercise document, broken files.
#include "AffichageQt.h"
#include "FabriquePdf.h"
#include "FausseImpression.h"
#include "FauxModal.h"
#include "FauxServices.h"
#include "app/EtatSession.h"
#include "app/ZoneCliquable.h"
#include "media/pdf/PanneauDocument.h"
#include "media/pdf/VisionneusePdf.h"

#include <QDir>
#include <QMessageBox>
#include <QScrollBar>
#include <QWheelEvent>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace panneaupdf;

namespace {
const QString laser = QStringLiteral("Laser-Atelier");
const QString titreLecon = QStringLiteral("Tableur - Ouvrir LibreOffice Calc");

QString questionPage(int page, const QString& imprimante)
{
    return QStringLiteral("Souhaitez-vous  imprimer \r              la page %1\r sur %2 ?").arg(page).arg(imprimante);
}
QString questionDocument(int pages)
{
    return QStringLiteral("Le document complet comporte %1 pages \r Souhaitez-vous l'imprimer intégralement ?").arg(pages);
}
QString infobullePage(int page, const QString& imprimante)
{
    return QStringLiteral("Imprime la page %1 sur %2").arg(page).arg(imprimante);
}
QString infobulleDocument(int pages, const QString& imprimante)
{
    return QStringLiteral("Imprimer le document de  %1 page(s) sur %2").arg(pages).arg(imprimante);
}

struct PanneauTest : ::testing::Test
{
    void SetUp() override
    {
        reinitialiserEtat();
        ASSERT_TRUE(dossier.isValid());
        panneau = std::make_unique<PanneauDocument>();
        panneau->titreTache = [] { return titreLecon; };
        panneau->infobullesDemarrage();
    }
    QString document(int pages)
    {
        const QString chemin = dossier.filePath(QStringLiteral("doc%1.pdf").arg(pages));
        if (!QFile::exists(chemin))
            fabriquerPdf(chemin, pages);
        return chemin;
    }
    void charger(const QString& chemin)
    {
        etat().cheminDocument = chemin;
        panneau->chargePDF();
    }
    void clic(int bouton) { panneau->Label22_Click(bouton); }
    QString infobulle(int bouton) const { return panneau->Label22[size_t(bouton)]->toolTip(); }

    QTemporaryDir dossier;
    ServicesFactices services_;
    ImpressionFactice impression_;
    FausseImpression& imprimante = *impression_.faux;
    ExecuteurScripte modal;
    std::unique_ptr<PanneauDocument> panneau;
};
} // namespace

// ---------------------------------------------------------------- navigation

struct CasNavigation
{
    const char* nom;
    int pages;
    int depart;
    int bouton;
    int attendue;
};

class Navigation : public PanneauTest, public ::testing::WithParamInterface<CasNavigation>
{};

TEST_P(Navigation, StaysWithinTheDocument)
{
    const auto& c = GetParam();
    charger(document(c.pages));
    panneau->allerPage(c.depart);
    clic(c.bouton);
    EXPECT_EQ(panneau->pageCourante, c.attendue);
    EXPECT_EQ(panneau->PDFV1->page(), c.attendue);
    const bool aBouge = c.depart != 1 || c.attendue != 1;
    EXPECT_EQ(panneau->Label21->text(), aBouge ? QStringLiteral("%1 sur %2").arg(c.attendue).arg(c.pages)
                                               : QStringLiteral("Page 1 sur %1").arg(c.pages));
}

INSTANTIATE_TEST_SUITE_P(
    Boutons, Navigation,
    ::testing::Values(CasNavigation{"PreviousOnFirstPage", 5, 1, PagePrecedente, 1},
                      CasNavigation{"NextOnLastPage", 5, 5, PageSuivante, 5},
                      CasNavigation{"NextFromTheMiddle", 5, 3, PageSuivante, 4},
                      CasNavigation{"PreviousFromTheMiddle", 5, 3, PagePrecedente, 2},
                      CasNavigation{"FirstPage", 5, 4, PremierePage, 1},
                      CasNavigation{"LastPage", 5, 2, DernierePage, 5},
                      CasNavigation{"NextOnAOnePageDocument", 1, 1, PageSuivante, 1},
                      CasNavigation{"FitModeKeepsThePage", 5, 3, AuMieux, 3}),
    [](const auto& i) { return std::string(i.param.nom); });

TEST_F(PanneauTest, GoToPageOutsideTheDocumentDoesNothing)
{
    charger(document(5));
    panneau->allerPage(3);
    for (int n : {0, -1, 6, 1000}) {
        panneau->allerPage(n);
        EXPECT_EQ(panneau->pageCourante, 3) << n;
        EXPECT_EQ(panneau->PDFV1->page(), 3) << n;
    }
}

// ----------------------------------------------------------------- indicator

TEST_F(PanneauTest, IndicatorAfterALoadAndAfterPageEvents)
{
    charger(document(12));
    EXPECT_EQ(panneau->Label21->text(), QStringLiteral("Page 1 sur 12"));
    EXPECT_EQ(panneau->nombrePages, 12);
    EXPECT_EQ(panneau->pageCourante, 1);
    EXPECT_TRUE(panneau->documentCharge);

    panneau->PDFV1_OnPage(3);
    EXPECT_EQ(panneau->Label21->text(), QStringLiteral("3 sur 12"));
    EXPECT_EQ(panneau->pageCourante, 3);

    // A page 0 from the viewer is ignored.
    panneau->PDFV1_OnPage(0);
    EXPECT_EQ(panneau->Label21->text(), QStringLiteral("3 sur 12"));
    EXPECT_EQ(panneau->pageCourante, 3);
}

TEST_F(PanneauTest, ViewerScrolledToTheNextPageUpdatesTheIndicator)
{
    charger(document(12));
    panneau->show();
    QScrollBar* barre = panneau->PDFV1->verticalScrollBar();
    barre->setValue(barre->maximum());
    QWheelEvent molette(QPointF(100, 100), QPointF(100, 100), QPoint(), QPoint(0, -120), Qt::NoButton,
                        Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(panneau->PDFV1->viewport(), &molette);
    EXPECT_EQ(panneau->pageCourante, 2);
    EXPECT_EQ(panneau->Label21->text(), QStringLiteral("2 sur 12"));
}

TEST_F(PanneauTest, ReloadGoesBackToPageOne)
{
    charger(document(12));
    panneau->allerPage(7);
    charger(document(3));
    EXPECT_EQ(panneau->pageCourante, 1);
    EXPECT_EQ(panneau->PDFV1->page(), 1);
    EXPECT_EQ(panneau->Label21->text(), QStringLiteral("Page 1 sur 3"));
    EXPECT_EQ(infobulleDocument(3, laser), infobulle(ImprimerTout));
}

// ------------------------------------------------------------------ tooltips

TEST_F(PanneauTest, StartUpTooltips)
{
    const std::array<const char*, 10> attendues{
        "Première page", "Page précédente", "Page suivante", "Dernière page",
        "Voir le document sur sa hauteur", "Voir le document en pleine largeur", "Voir le document au mieux",
        "Imprimer la page affichée", "Imprimer tout le document", "Choisir l'imprimante"};
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(infobulle(i), QString::fromUtf8(attendues[size_t(i)])) << i;
    EXPECT_EQ(panneau->Label23[3]->toolTip(), QStringLiteral("Lance le document dans le Reader par défaut"));
}

TEST_F(PanneauTest, PrintTooltipsFollowThePage)
{
    charger(document(12));
    EXPECT_EQ(infobulle(ImprimerPage), infobullePage(1, laser));
    EXPECT_EQ(infobulle(ImprimerTout), infobulleDocument(12, laser));
    for (int i = 0; i < 3; ++i)
        clic(PageSuivante);
    EXPECT_EQ(infobulle(ImprimerPage), infobullePage(4, laser));
    clic(DernierePage);
    EXPECT_EQ(infobulle(ImprimerPage), infobullePage(12, laser));
    clic(SurSaHauteur);
    EXPECT_EQ(infobulle(ImprimerPage), infobullePage(12, laser));
    EXPECT_EQ(infobulle(ImprimerTout), infobulleDocument(12, laser));
}

TEST_F(PanneauTest, PrinterChosenInTheDialogueIsNamedAndUsed)
{
    charger(document(12));
    clic(PageSuivante);
    imprimante.choixDialogue = QStringLiteral("Jet-Accueil");
    clic(ChoisirImprimante);
    EXPECT_EQ(imprimante.titresDialogue, QStringList{QStringLiteral("Imprimer le document pédagogique")});
    EXPECT_EQ(infobulle(ImprimerPage), infobullePage(2, QStringLiteral("Jet-Accueil")));
    EXPECT_EQ(infobulle(ImprimerTout), infobulleDocument(12, QStringLiteral("Jet-Accueil")));

    modal.repondre(QStringLiteral("Oui"));
    modal.repondre(QStringLiteral("Ok"));
    clic(ImprimerPage);
    ASSERT_EQ(imprimante.taches.size(), 1u);
    EXPECT_EQ(imprimante.taches[0].imprimante, QStringLiteral("Jet-Accueil"));
    ASSERT_EQ(modal.vues.size(), 2u);
    EXPECT_EQ(modal.vues[0].texte, questionPage(2, QStringLiteral("Jet-Accueil")));
}

TEST_F(PanneauTest, CancelledPrinterDialogueChangesNothing)
{
    charger(document(4));
    imprimante.choixDialogue.clear();
    clic(ChoisirImprimante);
    EXPECT_EQ(imprimante.titresDialogue.size(), 1);
    EXPECT_EQ(infobulle(ImprimerPage), infobullePage(1, laser));
    EXPECT_TRUE(modal.vues.empty());
}

// A "Non" to a print question, and a failed whole-document print, leave the
// tooltips as they were: a printer change behind the panel's back shows it.
struct CasRafraichissement
{
    const char* nom;
    int bouton;
    QStringList reponses;
    bool accepte;
    bool rafraichies;
};

class RafraichissementInfobulles : public PanneauTest, public ::testing::WithParamInterface<CasRafraichissement>
{};

TEST_P(RafraichissementInfobulles, FollowTheAnswer)
{
    const auto& c = GetParam();
    charger(document(6));
    imprimante.imprimante = QStringLiteral("Nouvelle");
    imprimante.accepte = c.accepte;
    for (const auto& r : c.reponses)
        modal.repondre(r);
    clic(c.bouton);
    EXPECT_EQ(modal.restantes(), 0);
    EXPECT_EQ(infobulle(ImprimerPage), infobullePage(1, c.rafraichies ? QStringLiteral("Nouvelle") : laser));
}

INSTANTIATE_TEST_SUITE_P(
    Impression, RafraichissementInfobulles,
    ::testing::Values(CasRafraichissement{"PageAnsweredNo", ImprimerPage, {"Non"}, true, false},
                      CasRafraichissement{"PageAnsweredYes", ImprimerPage, {"Oui", "Ok"}, true, true},
                      CasRafraichissement{"PageWithoutPrinter", ImprimerPage, {"Oui", "Ok"}, false, true},
                      CasRafraichissement{"DocumentAnsweredNo", ImprimerTout, {"Non"}, true, false},
                      CasRafraichissement{"DocumentPrinted", ImprimerTout, {"Oui", "Ok"}, true, true},
                      CasRafraichissement{"DocumentFailed", ImprimerTout, {"Oui", "Ok"}, false, false}),
    [](const auto& i) { return std::string(i.param.nom); });

// ------------------------------------------------------------------ printing

struct Boite
{
    QString titre;
    QString texte;
    int icone;
    int boutons;
};

struct CasImpression
{
    const char* nom;
    int pages;
    int page;              // page shown when the button is clicked
    int bouton;
    QString imprimante;    // "" = no printer
    QStringList reponses;
    std::vector<Boite> boites;
    std::vector<QList<int>> taches;
};

class ImpressionPanneau : public PanneauTest, public ::testing::WithParamInterface<CasImpression>
{};

TEST_P(ImpressionPanneau, AsksPrintsAndReports)
{
    const auto& c = GetParam();
    imprimante.imprimante = c.imprimante;
    charger(document(c.pages));
    panneau->allerPage(c.page);
    for (const auto& r : c.reponses)
        modal.repondre(r);
    clic(c.bouton);

    ASSERT_EQ(modal.vues.size(), c.boites.size());
    for (size_t i = 0; i < c.boites.size(); ++i) {
        EXPECT_EQ(modal.vues[i].titre, c.boites[i].titre) << i;
        EXPECT_EQ(modal.vues[i].texte, c.boites[i].texte) << i;
        EXPECT_EQ(modal.vues[i].icone, c.boites[i].icone) << i;
        EXPECT_EQ(modal.vues[i].boutons, c.boites[i].boutons) << i;
    }
    ASSERT_EQ(imprimante.taches.size(), c.taches.size());
    for (size_t i = 0; i < c.taches.size(); ++i) {
        EXPECT_EQ(imprimante.taches[i].pages, c.taches[i]);
        EXPECT_EQ(imprimante.taches[i].titre, titreLecon);
        EXPECT_EQ(imprimante.taches[i].imprimante, c.imprimante);
    }
    // The learner stays on the page.
    EXPECT_EQ(panneau->pageCourante, c.page);
    EXPECT_EQ(panneau->PDFV1->page(), c.page);
}

namespace {
const Boite transmisePage{QStringLiteral(" Impression transmise"),
                          QStringLiteral("La page a été transmise à l'imprimante, Laser-Atelier, patientez !"), 0, 1};
const Boite transmisDocument{QStringLiteral(" Impression transmise"),
                             QStringLiteral("Le document a été transmis à l'imprimante, Laser-Atelier, patientez !"), 0,
                             1};
const Boite pasDImprimante{QStringLiteral(" Impression"), QStringLiteral("Pas d'imprimante disponible"), 0, 1};
Boite demandePage(int page, const QString& imp = laser) { return {QStringLiteral(" Imprimer"), questionPage(page, imp), 2, 3}; }
Boite demandeDocument(int pages) { return {QStringLiteral(" Imprimer"), questionDocument(pages), 2, 3}; }
} // namespace

INSTANTIATE_TEST_SUITE_P(
    Questions, ImpressionPanneau,
    ::testing::Values(
        CasImpression{"ShownPageYes", 12, 4, ImprimerPage, laser, {"Oui", "Ok"}, {demandePage(4), transmisePage}, {{4}}},
        CasImpression{"ShownPageNo", 12, 4, ImprimerPage, laser, {"Non"}, {demandePage(4)}, {}},
        CasImpression{"WholeDocumentYes", 3, 2, ImprimerTout, laser, {"Oui", "Ok"},
                      {demandeDocument(3), transmisDocument}, {{1, 2, 3}}},
        CasImpression{"WholeDocumentNo", 3, 2, ImprimerTout, laser, {"Non"}, {demandeDocument(3)}, {}},
        CasImpression{"OnePageDocumentAsksForThePage", 1, 1, ImprimerTout, laser, {"Oui", "Ok"},
                      {demandePage(1), transmisePage}, {{1}}},
        CasImpression{"OnePageDocumentAnsweredNo", 1, 1, ImprimerTout, laser, {"Non"}, {demandePage(1)}, {}},
        CasImpression{"ShownPageWithoutPrinter", 5, 5, ImprimerPage, "", {"Oui", "Ok"},
                      {demandePage(5, ""), pasDImprimante}, {{5}}},
        CasImpression{"WholeDocumentWithoutPrinter", 5, 3, ImprimerTout, "", {"Oui", "Ok"},
                      {demandeDocument(5), pasDImprimante}, {{1, 2, 3, 4, 5}}}),
    [](const auto& i) { return std::string(i.param.nom); });

TEST_F(PanneauTest, PrinterRefusingTheJobIsReportedAsNoPrinter)
{
    imprimante.accepte = false;
    charger(document(2));
    modal.repondre(QStringLiteral("Oui"));
    modal.repondre(QStringLiteral("Ok"));
    clic(ImprimerPage);
    ASSERT_EQ(modal.vues.size(), 2u);
    EXPECT_EQ(modal.vues[1].texte, QStringLiteral("Pas d'imprimante disponible"));
    EXPECT_EQ(modal.vues[1].titre, QStringLiteral(" Impression"));
}

// ----------------------------------------------------------------- bad input

struct CasFichier
{
    const char* nom;
    std::function<QString(const QDir&, const QString& valide)> fabriquer;
};

class FichierIllisible : public PanneauTest, public ::testing::WithParamInterface<CasFichier>
{};

TEST_P(FichierIllisible, LeavesThePanelEmpty)
{
    // A good document first: the bad one must not leave it on show.
    charger(document(4));
    panneau->allerPage(3);
    const QString chemin = GetParam().fabriquer(QDir(dossier.path()), document(4));
    charger(chemin);

    EXPECT_FALSE(panneau->documentCharge);
    EXPECT_EQ(panneau->nombrePages, 0);
    EXPECT_EQ(panneau->PDFV1->nombrePages(), 0);
    EXPECT_EQ(panneau->PDFV1->page(), 0);
    EXPECT_EQ(panneau->Label21->text(), QStringLiteral("Page 1 sur 0"));
    EXPECT_EQ(infobulle(ImprimerTout), infobulleDocument(0, laser));

    // Navigation, fit modes and printing do nothing; no box is shown.
    for (int b = 0; b < 9; ++b) {
        clic(b);
        EXPECT_EQ(panneau->PDFV1->page(), 0) << b;
    }
    EXPECT_TRUE(modal.vues.empty());
    EXPECT_TRUE(imprimante.taches.empty());

    panneau->show();
    const QImage vue = panneau->grab().toImage();
    EXPECT_FALSE(vue.isNull());
}

INSTANTIATE_TEST_SUITE_P(
    Documents, FichierIllisible,
    ::testing::Values(
        CasFichier{"Missing", [](const QDir& d, const QString&) { return d.filePath(QStringLiteral("absent.pdf")); }},
        CasFichier{"Empty",
                   [](const QDir& d, const QString&) { return ecrireFichier(d.filePath(QStringLiteral("vide.pdf")), {}); }},
        CasFichier{"Truncated",
                   [](const QDir& d, const QString& v) { return fabriquerTronque(d.filePath(QStringLiteral("coupe.pdf")), v); }},
        CasFichier{"Encrypted",
                   [](const QDir& d, const QString&) { return fabriquerChiffre(d.filePath(QStringLiteral("chiffre.pdf"))); }},
        CasFichier{"NotAPdf",
                   [](const QDir& d, const QString&) {
                       return ecrireFichier(d.filePath(QStringLiteral("texte.pdf")), "Ceci n'est pas un PDF.\r\n");
                   }},
        CasFichier{"AFolder",
                   [](const QDir& d, const QString&) {
                       d.mkpath(QStringLiteral("dossier.pdf"));
                       return d.filePath(QStringLiteral("dossier.pdf"));
                   }},
        CasFichier{"NoDocument", [](const QDir&, const QString&) { return QString(); }}),
    [](const auto& i) { return std::string(i.param.nom); });

// -------------------------------------------------------------- display mode

enum class Geste { BoutonMode, SurvolZone, SurvolArbre, ActivationLecon };

struct CasAffichage
{
    const char* nom;
    bool document;
    const char* mode;
    bool visibleAvant;
    Geste geste;
    bool animationVisible;
    bool visibleApres;
    const char* modeApres;
};

class ModeAffichage : public PanneauTest, public ::testing::WithParamInterface<CasAffichage>
{};

TEST_P(ModeAffichage, RevealAndHideRules)
{
    const auto& c = GetParam();
    charger(document(5));
    panneau->allerPage(3);
    if (!c.document)
        etat().cheminDocument.clear();
    panneau->modeAffichage = QString::fromLatin1(c.mode);
    panneau->setVisible(c.visibleAvant);

    switch (c.geste) {
    case Geste::BoutonMode:
        panneau->basculerModeAffichage();
        EXPECT_EQ(services_.son->joues.size(), 1);
        EXPECT_TRUE(services_.son->joues.value(0).endsWith(QStringLiteral("clic.wav")));
        EXPECT_EQ(etat().sonAutorise, FAUX);
        // With a document the mode button reloads it: back to page 1.
        EXPECT_EQ(panneau->pageCourante, c.document ? 1 : 3);
        break;
    case Geste::SurvolZone:
        panneau->survolZone(c.animationVisible);
        break;
    case Geste::SurvolArbre:
        panneau->masquerAuPassage();
        break;
    case Geste::ActivationLecon:
        panneau->afficherSelonMode();
        break;
    }
    EXPECT_EQ(!panneau->isHidden(), c.visibleApres);
    EXPECT_EQ(panneau->modeAffichage, QString::fromLatin1(c.modeApres));
}

INSTANTIATE_TEST_SUITE_P(
    Regles, ModeAffichage,
    ::testing::Values(
        CasAffichage{"ButtonWithoutDocumentOnlyClicks", false, "off", false, Geste::BoutonMode, true, false, "off"},
        CasAffichage{"ButtonOffToOnShows", true, "off", false, Geste::BoutonMode, true, true, "on"},
        CasAffichage{"ButtonOnToOffHides", true, "on", true, Geste::BoutonMode, true, false, "off"},
        CasAffichage{"ZoneRevealsWithAnAnimation", true, "off", false, Geste::SurvolZone, true, true, "off"},
        CasAffichage{"ZoneWithoutAnimationDoesNothing", true, "off", false, Geste::SurvolZone, false, false, "off"},
        CasAffichage{"ZoneWithoutDocumentNeverReveals", false, "off", false, Geste::SurvolZone, true, false, "off"},
        CasAffichage{"TreeHidesInModeOff", true, "off", true, Geste::SurvolArbre, true, false, "off"},
        CasAffichage{"TreeLeavesItInModeOn", true, "on", true, Geste::SurvolArbre, true, true, "on"},
        CasAffichage{"LessonShowsInModeOn", true, "on", false, Geste::ActivationLecon, true, true, "on"},
        CasAffichage{"LessonLeavesItHiddenInModeOff", true, "off", false, Geste::ActivationLecon, true, false, "off"}),
    [](const auto& i) { return std::string(i.param.nom); });

TEST_F(PanneauTest, HiddenAtStartInModeOff)
{
    EXPECT_TRUE(panneau->isHidden());
    EXPECT_EQ(panneau->modeAffichage, QStringLiteral("off"));
}

TEST_F(PanneauTest, LoadLeavesVisibilityAlone)
{
    charger(document(2));
    EXPECT_TRUE(panneau->isHidden());
    panneau->show();
    charger(document(3));
    EXPECT_FALSE(panneau->isHidden());
}

// ----------------------------------------------- default application, exercise

TEST_F(PanneauTest, OpensTheDocumentInTheDefaultApplication)
{
    charger(document(2));
    panneau->Label23_Click(0);
    EXPECT_TRUE(services_.lanceur->ouverts.isEmpty());
    panneau->Label23_Click(3);
    EXPECT_EQ(services_.lanceur->ouverts, QStringList{document(2)});

    etat().cheminDocument.clear();
    panneau->Label23_Click(3);
    EXPECT_EQ(services_.lanceur->ouverts.size(), 1);
}

struct CasExercice
{
    const char* nom;
    const char* cle;
    bool fichierPresent;
    bool lanceurAccepte;
    bool notice;
};

class Exercice : public PanneauTest, public ::testing::WithParamInterface<CasExercice>
{};

TEST_P(Exercice, OpensTheDrawingOrSaysThereIsNone)
{
    const auto& c = GetParam();
    etat().lecteurCours = dossier.path();
    etat().dossierCours = QStringLiteral("COURS");
    const QString textes = dossier.filePath(QStringLiteral("COURS/exercices/textes"));
    QDir().mkpath(textes);
    const QString odg = textes + QStringLiteral("/C01L02.odg");
    if (c.fichierPresent)
        ecrireFichier(odg, "odg");
    etat().cleLecon = QString::fromLatin1(c.cle);
    services_.lanceur->reussite = c.lanceurAccepte;
    int arrets = 0;
    panneau->arreterAnimation = [&] { ++arrets; };
    if (c.notice)
        modal.ensuite([](QDialog& d) {
            auto* boite = qobject_cast<QMessageBox*>(&d);
            ASSERT_NE(boite, nullptr);
            EXPECT_EQ(boite->text(), QStringLiteral("Aucun exercice n'est disponible pour cette animation"));
            d.accept();
        });

    panneau->Label18_Click();

    EXPECT_EQ(arrets, 1);
    EXPECT_EQ(modal.vues.size(), c.notice ? 1u : 0u);
    EXPECT_EQ(modal.restantes(), 0);
    if (c.fichierPresent && !QString::fromLatin1(c.cle).isEmpty())
        EXPECT_EQ(services_.lanceur->ouverts, QStringList{odg});
}

INSTANTIATE_TEST_SUITE_P(
    Dessin, Exercice,
    ::testing::Values(CasExercice{"Present", "C01L02", true, true, false},
                      CasExercice{"Missing", "C01L02", false, true, true},
                      CasExercice{"RefusedByTheDesktop", "C01L02", true, false, true},
                      CasExercice{"NoLesson", "", false, true, true}),
    [](const auto& i) { return std::string(i.param.nom); });

TEST_F(PanneauTest, ToolbarZonesBorderWhilePressedAndActOnClick)
{
    charger(document(5));
    panneau->show();
    ZoneCliquable* suivante = panneau->Label22[PageSuivante];
    QTest::mousePress(suivante, Qt::LeftButton, {}, suivante->rect().center());
    EXPECT_TRUE(suivante->bordure());
    EXPECT_EQ(panneau->pageCourante, 1);
    QTest::mouseRelease(suivante, Qt::LeftButton, {}, suivante->rect().center());
    EXPECT_FALSE(suivante->bordure());
    EXPECT_EQ(panneau->pageCourante, 2);
    EXPECT_EQ(panneau->Label21->text(), QStringLiteral("2 sur 5"));
}

// ----------------------------------------------------------- the zoom's panel

struct PanneauZoomTest : PanneauTest
{
    void SetUp() override
    {
        PanneauTest::SetUp();
        panneau = std::make_unique<PanneauDocument>(nullptr, PanneauDocument::Variante::Zoom);
    }
};

TEST_F(PanneauZoomTest, OwnTooltipsNeverRebuiltAndPageZeroShown)
{
    EXPECT_EQ(panneau->Label18, nullptr);
    EXPECT_EQ(panneau->Label23[3]->toolTip(), QStringLiteral("Ouvrir le document dans l'éditeur de PDF par défaut."));
    charger(document(6));
    EXPECT_EQ(panneau->Label21->text(), QStringLiteral("Page 1 sur 6"));
    clic(PageSuivante);
    imprimante.choixDialogue = QStringLiteral("Jet-Accueil");
    clic(ChoisirImprimante);
    EXPECT_EQ(imprimante.titresDialogue, QStringList{QString()});
    EXPECT_EQ(infobulle(ImprimerPage), QStringLiteral("Imprimer la page affichée"));
    EXPECT_EQ(infobulle(ImprimerTout), QStringLiteral("Imprimer tout le document"));

    panneau->PDFV1_OnPage(0);
    EXPECT_EQ(panneau->pageCourante, 0);
    EXPECT_EQ(panneau->Label21->text(), QStringLiteral("0 sur 6"));
}

struct CasZoom
{
    const char* nom;
    int pages;
    int bouton;
    QString imprimante;
    QStringList reponses;
    std::vector<Boite> boites;
    std::vector<QList<int>> taches;
};

class ImpressionZoom : public PanneauZoomTest, public ::testing::WithParamInterface<CasZoom>
{};

TEST_P(ImpressionZoom, AsksPrintsAndReports)
{
    const auto& c = GetParam();
    imprimante.imprimante = c.imprimante;
    charger(document(c.pages));
    panneau->allerPage(2 <= c.pages ? 2 : 1);
    for (const auto& r : c.reponses)
        modal.repondre(r);
    clic(c.bouton);
    ASSERT_EQ(modal.vues.size(), c.boites.size());
    for (size_t i = 0; i < c.boites.size(); ++i) {
        EXPECT_EQ(modal.vues[i].titre, c.boites[i].titre) << i;
        EXPECT_EQ(modal.vues[i].texte, c.boites[i].texte) << i;
        EXPECT_EQ(modal.vues[i].icone, c.boites[i].icone) << i;
        EXPECT_EQ(modal.vues[i].boutons, c.boites[i].boutons) << i;
    }
    ASSERT_EQ(imprimante.taches.size(), c.taches.size());
    for (size_t i = 0; i < c.taches.size(); ++i) {
        EXPECT_EQ(imprimante.taches[i].pages, c.taches[i]);
        // Named after the document, the zoom having no lesson title line.
        EXPECT_EQ(imprimante.taches[i].titre, etat().cheminDocument);
    }
}

namespace {
const Boite questionActuelle{QStringLiteral(" Imprimer"), QStringLiteral("Souhaitez-vous imprimer la page actuelle ?"), 2, 3};
const Boite nonTransmise{QStringLiteral(" Impression non transmise"), QStringLiteral("Pas d'imprimante disponible"), 0, 1};
} // namespace

INSTANTIATE_TEST_SUITE_P(
    Questions, ImpressionZoom,
    ::testing::Values(
        CasZoom{"ShownPageYes", 4, ImprimerPage, laser, {"Oui", "Ok"}, {questionActuelle, transmisePage}, {{2}}},
        CasZoom{"ShownPageNo", 4, ImprimerPage, laser, {"Non"}, {questionActuelle}, {}},
        CasZoom{"ShownPageWithoutPrinter", 4, ImprimerPage, "", {"Oui", "Ok"}, {questionActuelle, nonTransmise}, {{2}}},
        CasZoom{"OnePageDocument", 1, ImprimerTout, laser, {"Oui", "Ok"}, {questionActuelle, transmisePage}, {{1}}},
        CasZoom{"WholeDocumentWithoutPrinter", 3, ImprimerTout, "", {"Oui", "Ok"},
                {demandeDocument(3), nonTransmise}, {{1, 2, 3}}}),
    [](const auto& i) { return std::string(i.param.nom); });
