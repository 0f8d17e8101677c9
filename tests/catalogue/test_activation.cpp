#include "catalogue/Activation.h"

#include <gtest/gtest.h>

TEST(ActivityCaption, FromKeyAndText)
{
    struct Cas
    {
        const char* cle;
        const char* texte;
        const char* legende;
    };
    for (const Cas& c : {
             Cas{"C02L05", "Les tableaux", "2 - 5 : Les tableaux ..."},
             Cas{"C12", "Bilan", "12 -  : Bilan ..."},
             Cas{"C01L01", "Problème de mise en page", "1 - 1 : Problème de mise en page ?"},
             Cas{"C01L01", "problème", "1 - 1 : problème ..."}, // " ?" only for "Prob" as written
             Cas{"C10L12", "Dix", "10 - 12 : Dix ..."},
             Cas{"C01Q01", "Questionnaire N°1", "1 -  : Questionnaire N°1 ..."},
             Cas{"T", "COURS QZ Tableur", ""},
             Cas{"X", "Court", " -  : Court ..."}, // a key too short for its digits
         })
        EXPECT_EQ(legendeActivite(QString::fromUtf8(c.cle), QString::fromUtf8(c.texte)), QString::fromUtf8(c.legende))
            << c.cle << " " << c.texte;
}

TEST(ActivityCaption, HeadIsCutToNinetyCharacters)
{
    const QString texte(120, QLatin1Char('a'));
    EXPECT_EQ(legendeActivite(QStringLiteral("C01L02"), texte), QStringLiteral("1 - 2 : ") + texte.left(90) + QStringLiteral(" ..."));
}

TEST(LeavingCurrent, LookOfEachKindOfNode)
{
    constexpr int bleu = 0xFF0000, rouge = 0x0000FF;
    struct Cas
    {
        const char* texte;
        bool gras;
        double facteur;
        std::optional<int> couleur;
        bool sansMarque;
    };
    for (const Cas& c : {
             Cas{"Ouvrir LibreOffice Calc", false, 1.0, std::nullopt, false},
             Cas{"Questionnaire N°1", true, 1.1, bleu, true},
             Cas{"Questionnaire N°1 -  14/20", true, 1.1, bleu, false},
             Cas{"questionnaire n°2", true, 1.1, bleu, true},
             Cas{"Test N°2", true, 1.1, bleu, true},
             Cas{"Test N°2 bis", true, 1.1, bleu, false},
             Cas{"Exercice 1 - Une fiche de stock", true, 1.1, bleu, false},
             Cas{"Activité pratique 2", true, 1.1, bleu, false},
             Cas{"Synthèse générale", false, 1.1, bleu, true}, // 17 characters
             Cas{"Travaux pratiques", false, 1.1, bleu, false},
             Cas{"Situation professionnelle", true, 1.2, rouge, false},
         }) {
        const RetraitCourant r = retraitCourant(QString::fromUtf8(c.texte));
        EXPECT_EQ(r.gras, c.gras) << c.texte;
        EXPECT_DOUBLE_EQ(r.facteurTaille, c.facteur) << c.texte;
        EXPECT_EQ(r.couleurTexte, c.couleur) << c.texte;
        EXPECT_EQ(r.sansMarque, c.sansMarque) << c.texte;
    }
}

TEST(NodeKinds, HighlightAndAssessmentRules)
{
    for (const char* t : {"Chapitre 1", "chapitre 2", "COURS QZ Tableur", "Séquence 3", "SÉQUENCE 4"})
        EXPECT_FALSE(surlignable(QString::fromUtf8(t))) << t;
    for (const char* t : {"Ouvrir", "Questionnaire N°1", "Test N°1", "Cours"})
        EXPECT_TRUE(surlignable(QString::fromUtf8(t))) << t;

    EXPECT_TRUE(epreuveLancable(QStringLiteral("Questionnaire N°1")));
    EXPECT_TRUE(epreuveLancable(QStringLiteral("test N°2")));
    EXPECT_FALSE(epreuveLancable(QStringLiteral("Questionnaire N°1 -  14/20")));
    EXPECT_FALSE(epreuveLancable(QStringLiteral("Quest N°1")));
    EXPECT_TRUE(epreuveRealisee(QStringLiteral("Test N°1 -  9 /20")));
}
