#include "DossierEssai.h"

#include "app/EtatSession.h"
#include "catalogue/CheminCours.h"

#include <gtest/gtest.h>

namespace {

// A course as a CD-ROM shows it: upper-case names.
class CheminsCdRom : public testing::Test
{
protected:
    void SetUp() override
    {
        d.fichier(QStringLiteral("CD/COURS/TEXTES/T-TITRE DU COURS.PDF"));
        d.fichier(QStringLiteral("CD/COURS/TEXTES/C01-CHAPITRE.PDF"));
        d.fichier(QStringLiteral("CD/COURS/ANIM/C01L01.AVI"));
        d.fichier(QStringLiteral("CD/COURS/anim/T.swf"));
        d.fichier(QStringLiteral("CD/COURS/FONDS/SKIN7.JPG"));
    }
    DossierEssai d;
};

} // namespace

TEST_F(CheminsCdRom, FindsEachComponentIgnoringCase)
{
    const struct { const char* demande; const char* trouve; } cas[] = {
        {"CD/Cours/textes/T-Titre du cours.pdf", "CD/COURS/TEXTES/T-TITRE DU COURS.PDF"},
        {"CD/cours/fonds/skin7.jpg", "CD/COURS/FONDS/SKIN7.JPG"},
        {"CD/Cours/anim/C01L01.avi", "CD/COURS/ANIM/C01L01.AVI"},
        {"CD/COURS/TEXTES", "CD/COURS/TEXTES"},
        {"CD//Cours//textes", "CD/COURS/TEXTES"},
        // "anim" and "ANIM" both exist: the exact one is taken.
        {"CD/COURS/anim/T.swf", "CD/COURS/anim/T.swf"},
    };
    for (const auto& c : cas)
        EXPECT_EQ(cheminCours(d(QString::fromUtf8(c.demande))), d(QString::fromUtf8(c.trouve))) << c.demande;
}

TEST_F(CheminsCdRom, PathFoundNowhereIsReturnedUnchanged)
{
    for (const char* absent : {"CD/Cours/textes/absent.pdf", "CD/Autre/textes", "XX/COURS"}) {
        const QString chemin = d(QString::fromUtf8(absent));
        EXPECT_EQ(cheminCours(chemin), chemin);
    }
    EXPECT_EQ(cheminCours(QString()), QString());
}

TEST_F(CheminsCdRom, CourseRootPathsGoThroughTheSameLookup)
{
    reinitialiserEtat();
    etat().lecteurCours = d(QStringLiteral("CD"));
    etat().dossierCours = QStringLiteral("Cours");
    EXPECT_EQ(cheminDansCours(QStringLiteral("fonds/skin7.jpg")), d(QStringLiteral("CD/COURS/FONDS/SKIN7.JPG")));
    reinitialiserEtat();
}

TEST_F(CheminsCdRom, ListingMatchesPatternIgnoringCase)
{
    EXPECT_EQ(listerFichiers(d(QStringLiteral("CD/Cours/textes")), QStringLiteral("*.pdf")),
              (QStringList{QStringLiteral("C01-CHAPITRE.PDF"), QStringLiteral("T-TITRE DU COURS.PDF")}));
    EXPECT_TRUE(existeFichier(d(QStringLiteral("CD/cours/Textes")), QStringLiteral("T-*.pdf")));
    EXPECT_FALSE(existeFichier(d(QStringLiteral("CD/cours/Textes")), QStringLiteral("X-*.pdf")));
}

TEST(CheminCours, ListingKeepsFilesOnlyAndSkipsUndecodableNames)
{
    DossierEssai d;
    d.fichier(QStringLiteral("t/b.pdf"));
    d.fichier(QStringLiteral("t/A.pdf"));
    d.fichier(QStringLiteral("t/note.txt"));
    d.dossier(QStringLiteral("t/dossier.pdf"));
    d.fichierBrut(QStringLiteral("t"), QByteArray("C01L01-Le\xe7on.pdf")); // Latin-1 byte, not UTF-8
    d.fichierBrut(QStringLiteral("t"), QByteArray("\xff\xfe.pdf"));
    d.fichier(QStringLiteral("t/C02L01-Leçon.pdf"));
    EXPECT_EQ(listerFichiers(d(QStringLiteral("t")), QStringLiteral("*.pdf")),
              (QStringList{QStringLiteral("A.pdf"), QStringLiteral("b.pdf"), QStringLiteral("C02L01-Leçon.pdf")}));
}

TEST(CheminCours, UnreadableOrMissingFolderListsNothing)
{
    DossierEssai d;
    d.fichier(QStringLiteral("textes"), "not a folder");
    EXPECT_TRUE(listerFichiers(d(QStringLiteral("textes")), QStringLiteral("*")).isEmpty());
    EXPECT_TRUE(listerFichiers(d(QStringLiteral("absent")), QStringLiteral("*")).isEmpty());
    EXPECT_FALSE(existeFichier(d(QStringLiteral("absent")), QStringLiteral("*")));
}

TEST(CheminCours, PatternMatching)
{
    const struct { const char* nom; const char* motif; bool attendu; } cas[] = {
        {"T-Cours.pdf", "T-*.pdf", true},  {"t-cours.PDF", "T-*.pdf", true}, {"T-.pdf", "T-*.pdf", true},
        {"T-Cours.pdfx", "T-*.pdf", false}, {"TCours.pdf", "T-*.pdf", false}, {"a.pdf.pdf", "*.pdf", true},
        {".pdf", "*.pdf", true},           {"pdf", "*.pdf", false},          {"C01L01.avi", "*.avi", true},
        {"x", "?", true},                  {"xy", "?", false},               {"", "*", true},
        {"aaaaaaaaaaaaaaaaaaaaaaaaaaaaab", "*a*a*a*a*a*a*c", false},
    };
    for (const auto& c : cas)
        EXPECT_EQ(correspondMotif(QString::fromUtf8(c.nom), QString::fromUtf8(c.motif)), c.attendu)
            << c.nom << " ~ " << c.motif;
}

TEST(CheminCours, NameOrderIsUpperCasedUnitsThenExact)
{
    // Each pair in order. Upper-casing puts '_' (0x5F) after the letters, as
    // on NTFS; accented capitals come after Z.
    const struct { const char* avant; const char* apres; } cas[] = {
        {"abc", "ABD"}, {"AB", "a_"}, {"C01-x", "C01L01-x"}, {"C01L01", "c01l02"}, {"Z", "é"},
        {"A", "a"},     {"a", "ab"},  {"T-a", "T-B"},
    };
    for (const auto& c : cas) {
        const QString a = QString::fromUtf8(c.avant), b = QString::fromUtf8(c.apres);
        EXPECT_TRUE(ordreNoms(a, b)) << c.avant << " < " << c.apres;
        EXPECT_FALSE(ordreNoms(b, a)) << c.apres << " !< " << c.avant;
    }
}
