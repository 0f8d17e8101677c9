#include "DossierEssai.h"

#include "app/EtatSession.h"
#include "catalogue/Catalogue.h"

#include <gtest/gtest.h>

namespace {

QStringList noms(std::initializer_list<const char*> l)
{
    QStringList r;
    for (const char* n : l)
        r.append(QString::fromUtf8(n));
    return r;
}

// "relative>key:text" for each planned node, in index order.
QStringList decrire(const PlanArbre& plan)
{
    QStringList r;
    for (const NoeudPlan& n : plan.noeuds)
        r.append(n.demande.relative + QLatin1Char('>') + n.demande.cle + QLatin1Char(':') + n.demande.texte);
    return r;
}

} // namespace

struct CasNom
{
    const char* nom;
    const char* fichier;
    bool titre, chapitre, lecon;
};

class ReglesNoms : public testing::TestWithParam<CasNom>
{};

TEST_P(ReglesNoms, ThreeIndependentTests)
{
    const CasNom& c = GetParam();
    const ListesDocuments l = classerDocuments({QString::fromUtf8(c.fichier)});
    EXPECT_EQ(l.Combo1.size(), c.titre ? 1 : 0);
    EXPECT_EQ(l.Combo2.size(), c.chapitre ? 1 : 0);
    EXPECT_EQ(l.Combo3.size(), c.lecon ? 1 : 0);
    // Building requests from any of them never reads past the name.
    for (const DemandeNoeud& d : demandesNoeuds(l))
        EXPECT_LE(d.texte.size(), qsizetype(std::strlen(c.fichier)));
}

INSTANTIATE_TEST_SUITE_P(
    Cas, ReglesNoms,
    testing::Values(CasNom{"Titre", "T-Cours.pdf", true, false, false},
                    CasNom{"Chapitre", "C01-Intro.pdf", false, true, false},
                    CasNom{"Lecon", "C01L01-Leçon.pdf", false, false, true},
                    CasNom{"TitreEtChapitre", "T-x-Intro.pdf", true, true, false},
                    CasNom{"TiretsPartout", "-------.pdf", true, true, true},
                    CasNom{"SixTirets", "------.pdf", true, true, false},
                    CasNom{"TitreVide", "T-.pdf", true, false, false},
                    CasNom{"Court", "T.pdf", false, false, false},
                    CasNom{"TresCourt", "-", false, false, false},
                    CasNom{"Vide", "", false, false, false},
                    CasNom{"TiretEn6", "C01L1-x.pdf", false, false, false},
                    CasNom{"TiretEn4Court", "abc-", false, true, false}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST(Catalogue, ListsAreSortedAndStartUpDocumentIsLastInListingOrder)
{
    const ListesDocuments l = classerDocuments(noms({"T-Zeta.pdf", "c02-B.pdf", "T-Alpha.pdf", "C01-A.pdf"}));
    EXPECT_EQ(l.Combo1, noms({"T-Alpha.pdf", "T-Zeta.pdf"}));
    EXPECT_EQ(l.Combo2, noms({"C01-A.pdf", "c02-B.pdf"}));
    EXPECT_EQ(l.documentDemarrage, QStringLiteral("T-Alpha.pdf"));
}

TEST(Catalogue, CourseTreeCountsAndParents)
{
    const ListesDocuments l = classerDocuments(noms({
        "T-Formation Bureautique.pdf", "C01-Chapitre 1 Le poste de travail.pdf", "C01L01-Le clavier.pdf",
        "C01L02-La souris.pdf", "C01L03-Questionnaire N°1.pdf", "C02-Chapitre 2 Le texte.pdf",
        "C02L01-Saisir.pdf", "C02L02-Test N°1.pdf", "C03-Chapitre 3 Sans leçons.pdf",
    }));
    const PlanArbre plan = planifierArbre(l);
    EXPECT_EQ(decrire(plan), noms({
        ">T:Formation Bureautique", "T>C01:Chapitre 1 Le poste de travail", "T>C02:Chapitre 2 Le texte",
        "T>C03:Chapitre 3 Sans leçons", "C01>C01L01:Le clavier", "C01>C01L02:La souris",
        "C01>C01L03:Questionnaire N°1", "C02>C02L01:Saisir", "C02>C02L02:Test N°1",
    }));
    EXPECT_EQ(plan.noeuds[4].indexParent, 2);
    EXPECT_EQ(plan.noeuds[7].indexParent, 3);
    EXPECT_EQ(plan.nombreChapitres, 3);
    EXPECT_EQ(plan.nombreQuestionnaires, 1);
    EXPECT_EQ(plan.nombreTests, 1);
    EXPECT_EQ(plan.nombreLecons, 5 - 1); // the test is not subtracted
}

TEST(Catalogue, SilentDrops)
{
    const struct { const char* nom; QStringList fichiers; QStringList noeuds; } cas[] = {
        {"DuplicateTitleKeepsTheFirstSorted", noms({"T-Zeta.pdf", "T-Alpha.pdf"}), noms({">T:Alpha"})},
        {"NoTitleDropsChaptersAndLessons", noms({"X-Cours.pdf", "C01-Chap.pdf", "C01L01-Leçon.pdf"}),
         noms({">X:Cours"})},
        {"DuplicateChapterKeepsTheFirst", noms({"T-C.pdf", "C01-B.pdf", "C01-A.pdf", "C01L01-L.pdf"}),
         noms({">T:C", "T>C01:A", "C01>C01L01:L"})},
        {"LessonWithoutChapter", noms({"T-C.pdf", "C03L01-Orpheline.pdf"}), noms({">T:C"})},
        {"DuplicateLesson", noms({"T-C.pdf", "C01-A.pdf", "C01L01-x.pdf", "C01L01-y.pdf"}),
         noms({">T:C", "T>C01:A", "C01>C01L01:x"})},
        {"TitleAndChapterFromOneName", noms({"T-x-Intro.pdf"}), noms({">T:x-Intro", "T>T-x:Intro"})},
        {"HyphensEverywhere", noms({"T-C.pdf", "-------.pdf"}),
         noms({">-:-----", ">T:C", "T>---:---", "--->------:"})},
        {"Nothing", {}, {}},
    };
    for (const auto& c : cas)
        EXPECT_EQ(decrire(planifierArbre(classerDocuments(c.fichiers))), c.noeuds) << c.nom;
}

struct CasStyle
{
    const char* nom;
    const char* texte;
    double facteur;
    bool gras, souligne;
    std::optional<int> couleur;
};

class StylesNoeuds : public testing::TestWithParam<CasStyle>
{};

TEST_P(StylesNoeuds, FirstMatchingRowApplies)
{
    const CasStyle& c = GetParam();
    const StyleNoeud s = styleNoeud(QString::fromUtf8(c.texte));
    EXPECT_DOUBLE_EQ(s.facteurTaille, c.facteur);
    EXPECT_EQ(s.gras, c.gras);
    EXPECT_EQ(s.souligne, c.souligne);
    EXPECT_EQ(s.couleurTexte, c.couleur);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, StylesNoeuds,
    testing::Values(CasStyle{"CoursQz", "Cours QZ Bureautique", 1.3, true, false, 0},
                    CasStyle{"CoursSansQz", "Cours de bureautique", 1.0, false, false, std::nullopt},
                    CasStyle{"Chapitre", "Chapitre 1", 1.2, true, true, 0x000080},
                    CasStyle{"ChapitreMinuscule", "chapitre 2", 1.2, true, true, 0x000080},
                    CasStyle{"Sequence", "Séquence 3", 1.2, true, true, 0x000080},
                    CasStyle{"SequenceMinuscule", "séquence 3", 1.2, true, true, 0x000080},
                    CasStyle{"SequenceSansAccent", "Sequence 3", 1.0, false, false, std::nullopt},
                    CasStyle{"Questionnaire", "Questionnaire N°1", 1.2, false, false, 0xFF0000},
                    CasStyle{"Synthese", "Synthèse", 1.2, false, false, 0xFF0000},
                    CasStyle{"Exercice", "EXERCICE", 1.2, false, false, 0xFF0000},
                    CasStyle{"Test", "Test N°2", 1.2, false, false, 0xFF0000},
                    CasStyle{"Activite", "Activité 1", 1.2, false, false, 0xFF0000},
                    CasStyle{"Travaux", "Travaux pratiques", 1.2, false, false, 0x0000FF},
                    CasStyle{"Situation", "Situation professionnelle", 1.2, true, false, 0x0000FF},
                    CasStyle{"Autre", "Le clavier", 1.0, false, false, std::nullopt},
                    CasStyle{"Vide", "", 1.0, false, false, std::nullopt},
                    CasStyle{"MotCoupe", "Cha", 1.0, false, false, std::nullopt}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST(Catalogue, CountsComeFromNodeTextsAnyCase)
{
    const ListesDocuments l = classerDocuments(noms({
        "T-C.pdf", "C01-A.pdf", "C01L01-QUESTIONNAIRE N°1.pdf", "C01L02-questionnaire N°2.pdf",
        "C01L03-Testament.pdf", "C01L04-test N°1.pdf", "C01L05-Quête.pdf",
        "C09L01-Questionnaire N°3.pdf", // dropped: no chapter C09, not counted, still in the list
    }));
    const PlanArbre plan = planifierArbre(l);
    EXPECT_EQ(plan.nombreQuestionnaires, 2);
    EXPECT_EQ(plan.nombreTests, 2);
    EXPECT_EQ(plan.nombreLecons, 6 - 2);
}

TEST(Catalogue, AnimationNumbersStartAtSevenAndStopAt300)
{
    const auto serie = [](const char* prefixe, int n, const char* ext) {
        QStringList r;
        for (int i = 0; i < n; ++i)
            r.append(QStringLiteral("%1%2.%3").arg(QLatin1String(prefixe)).arg(i, 4, 10, QLatin1Char('0')).arg(QLatin1String(ext)));
        return r;
    };
    const struct { const char* nom; int avi, swf, aviGardes, swfGardes; } cas[] = {
        {"Aucune", 0, 0, 0, 0},
        {"DeuxCentsEtCent", 200, 100, 200, 94},
        {"CinqCentsAvi", 500, 0, 294, 0},
        {"CinqCentsSwf", 0, 500, 0, 294},
        {"AviPleinSwfPerdu", 294, 1, 294, 0},
    };
    for (const auto& c : cas) {
        const InventaireAnimations inv = inventorierAnimations(serie("A", c.avi, "avi"), serie("S", c.swf, "swf"));
        const auto gardes = [](const auto& t) { return std::count_if(t.begin(), t.end(), [](const QString& s) { return !s.isEmpty(); }); };
        EXPECT_EQ(gardes(inv.animationsAVI), c.aviGardes) << c.nom;
        EXPECT_EQ(gardes(inv.animationsFlash), c.swfGardes) << c.nom;
        for (int i = 0; i < premiereAnimation; ++i)
            EXPECT_TRUE(inv.animationsAVI[size_t(i)].isEmpty() && inv.animationsFlash[size_t(i)].isEmpty()) << c.nom;
        if (c.avi) {
            EXPECT_EQ(inv.animationsAVI[7], QStringLiteral("A0000")) << c.nom;
        }
        if (c.swfGardes) {
            EXPECT_EQ(inv.animationsFlash[size_t(7 + c.avi)], QStringLiteral("S0000")) << c.nom;
        }
        EXPECT_EQ(inv.dernierNumero, 6 + c.avi + c.swf) << c.nom;
    }
}

TEST(Catalogue, SubjectIsTheLastTitleFromItsTwelfthCharacter)
{
    const struct { QStringList Combo1; const char* fichierTitre; const char* Label2; } cas[] = {
        {noms({"T-Formation Bureautique.pdf"}), "T-Formation Bureautique", " Bureautique"},
        {noms({"T-Alpha.pdf", "T-Formation Comptabilité.pdf"}), "T-Formation Comptabilité", " Comptabilité"},
        {noms({"T-Court.pdf"}), "T-Court", ""},
        {{}, "précédent", ""},
    };
    for (const auto& c : cas) {
        const SujetCours s = sujetCours(c.Combo1, {QStringLiteral("précédent"), QString()});
        EXPECT_EQ(s.fichierTitre, QString::fromUtf8(c.fichierTitre));
        EXPECT_EQ(s.Label2, QString::fromUtf8(c.Label2));
    }
}

TEST(Catalogue, LocationText)
{
    const struct { const char* programme; const char* lecteur; const char* texte; } cas[] = {
        {"/opt/pedavin", "/opt/pedavin", "Cours sur  /opt/pedavin"},
        {"/opt/pedavin", "/opt", "Cours sur  /opt"},
        {"/opt/pedavin", "/media/CDROM", "Les cours sont en  :   /media/cdrom"},
        {"/opt/pedavin", "/", "Les cours sont en  :   /"},
    };
    for (const auto& c : cas)
        EXPECT_EQ(emplacementCours(QString::fromUtf8(c.programme), QString::fromUtf8(c.lecteur)), QString::fromUtf8(c.texte));
}

class ScanCours : public testing::Test
{
protected:
    void SetUp() override
    {
        reinitialiserEtat();
        etat().lecteurCours = d.chemin();
        etat().dossierCours = QStringLiteral("Cours");
    }
    void TearDown() override { reinitialiserEtat(); }
    DossierEssai d;
};

TEST_F(ScanCours, ScansTheFoldersIntoListsInventoryAndRecord)
{
    for (const char* f : {"T-Formation Bureautique.pdf", "C01-Chapitre 1.pdf", "C01L01-Le clavier.PDF",
                          "C01L02-Questionnaire N°1.pdf", "C01L03-Test N°1.pdf", "notes.txt", "C01L04-x.pdf.bak"})
        d.fichier(QStringLiteral("COURS/TEXTES/") + QString::fromUtf8(f));
    d.dossier(QStringLiteral("COURS/TEXTES/C02-Dossier.pdf"));
    d.fichierBrut(QStringLiteral("COURS/TEXTES"), QByteArray("C01L05-Le\xe7on.pdf"));
    for (const char* f : {"C01L01.avi", "C01L01.swf", "T.swf", "C01L02.AVI"})
        d.fichier(QStringLiteral("Cours/anim/") + QString::fromUtf8(f));

    const Catalogue c = scannerCatalogue(etat(), d(QStringLiteral("programme")));
    EXPECT_EQ(c.listes.Combo3, noms({"C01L01-Le clavier.PDF", "C01L02-Questionnaire N°1.pdf", "C01L03-Test N°1.pdf"}));
    EXPECT_EQ(c.listes.documentDemarrage, QStringLiteral("T-Formation Bureautique.pdf"));
    EXPECT_EQ(c.animations.animationsAVI[7], QStringLiteral("C01L01"));
    EXPECT_EQ(c.animations.animationsAVI[8], QStringLiteral("C01L02"));
    EXPECT_EQ(c.animations.animationsFlash[9], QStringLiteral("C01L01"));
    EXPECT_EQ(c.animations.animationsFlash[10], QStringLiteral("T"));
    EXPECT_EQ(c.sujet.Label2, QStringLiteral(" Bureautique"));
    EXPECT_EQ(etat().fichierTitre, QStringLiteral("T-Formation Bureautique"));
    EXPECT_EQ(etat().nombreChapitres, 1);
    EXPECT_EQ(etat().nombreQuestionnaires, 1);
    EXPECT_EQ(etat().nombreTests, 1);
    EXPECT_EQ(etat().nombreLecons, 2);
    EXPECT_TRUE(c.emplacementCours.startsWith(QStringLiteral("Cours sur  ")) || c.emplacementCours.startsWith(QStringLiteral("Les cours")));
}

TEST_F(ScanCours, UnreadableTextFolderGivesAnEmptyCatalogue)
{
    d.fichier(QStringLiteral("Cours/textes"), "a file where the folder should be");
    const Catalogue c = scannerCatalogue(etat(), d(QStringLiteral("programme")));
    EXPECT_TRUE(c.listes.Combo1.isEmpty() && c.listes.Combo2.isEmpty() && c.listes.Combo3.isEmpty());
    EXPECT_TRUE(c.plan.noeuds.empty());
    EXPECT_EQ(etat().nombreLecons, 0);
    EXPECT_TRUE(etat().fichierTitre.isEmpty());
}

TEST_F(ScanCours, FiveHundredAnimationFilesKeep294)
{
    for (int i = 0; i < 500; ++i)
        d.fichier(QStringLiteral("Cours/anim/C%1.avi").arg(i, 5, 10, QLatin1Char('0')));
    const Catalogue c = scannerCatalogue(etat(), d(QStringLiteral("programme")));
    EXPECT_EQ(c.animations.animationsAVI[300], QStringLiteral("C00293"));
    EXPECT_EQ(c.animations.dernierNumero, 506);
}
