#include "DossierEssai.h"

#include "app/EtatSession.h"
#include "catalogue/ConfigurationCours.h"
#include "journal/Windows1252.h"
#include "journal/dsEncrypt.h"

#include <gtest/gtest.h>

namespace {

const QChar CR(13), LF(10);

QString chiffrer(const QString& t)
{
    dsEncrypt d;
    d.setKeyString(QStringLiteral("BRUMAL"));
    return *d.Encrypt(t);
}

// The values a course's configuration holds, line by line.
const QStringList valeursCours = {
    QStringLiteral("C01L05.avi"), QStringLiteral("C02L03.avi"), QStringLiteral("C03L04.avi"),
    QStringLiteral("C04L02.avi"), QStringLiteral("C05L06.avi"), QStringLiteral("Bureautique"),
    QStringLiteral("Initiation à la bureautique : traitement de texte"), QStringLiteral("MIXTE"),
    QStringLiteral("20"), QStringLiteral("O"), QStringLiteral("LibreOffice Writer"),
    QStringLiteral("Firefox"), QStringLiteral("GIMP"), QString(), QStringLiteral("Éditeur \"Kate\""),
};

} // namespace

TEST(ConfigurationCours, CourseValuesReadBackAsWritten)
{
    const QStringList variantes[] = {
        valeursCours,
        {QStringLiteral("C01L01.avi"), {}, {}, {}, {}, QStringLiteral("COURS"), QStringLiteral("Sécurité"),
         QStringLiteral("SIMPLE"), QStringLiteral("10"), QStringLiteral("N"), {}, {}, {}, {}, {}},
        QStringList(15, QString()),
    };
    for (const QStringList& valeurs : variantes) {
        const ResultatEcriture r = ecrireConfiguration(valeurs);
        ASSERT_FALSE(r.refus) << r.refus->ligne << " " << qPrintable(r.refus->raison);
        EXPECT_EQ(dechiffrerConfiguration(r.contenu), valeurs);
        EXPECT_EQ(r.contenu.count("\r\n"), 15);
    }
}

TEST(ConfigurationCours, MixteHoldsACarriageReturnThatSurvivesTheLineEnd)
{
    ASSERT_TRUE(chiffrer(QStringLiteral("MIXTE")).contains(CR));
    for (int ligne = 1; ligne <= 15; ++ligne) {
        QStringList valeurs(15, QString());
        valeurs[ligne - 1] = QStringLiteral("MIXTE");
        const ResultatEcriture r = ecrireConfiguration(valeurs);
        ASSERT_FALSE(r.refus);
        EXPECT_EQ(dechiffrerConfiguration(r.contenu)[ligne - 1], QStringLiteral("MIXTE")) << ligne;
    }
}

// Every alphabet character at every key phase: either the writer refuses it,
// naming it, or it reads back through the file. The refused ones are exactly
// those whose cipher is the second space; those whose cipher is a CR or an LF
// read back.
TEST(ConfigurationCours, EveryCharacterIsRefusedOrReadsBack)
{
    const QString a = dsEncrypt::alphabet();
    int refuses = 0, finsDeLigne = 0;
    for (int phase = 0; phase < 6; ++phase)
        for (const QChar c : a) {
            const QString valeur = QString(phase, QLatin1Char('e')) + c;
            QStringList valeurs(15, QString());
            valeurs[6] = valeur;
            const ResultatEcriture r = ecrireConfiguration(valeurs);
            const QString chiffre = chiffrer(valeur);
            const bool perdu = chiffrer(chiffre).back() != c;
            finsDeLigne += chiffre.back() == LF || chiffre.back() == CR;
            if (r.refus) {
                ++refuses;
                EXPECT_TRUE(perdu) << int(c.unicode());
                EXPECT_EQ(r.refus->ligne, 7);
                EXPECT_EQ(r.refus->rang, phase + 1);
                EXPECT_EQ(r.refus->caractere, c);
                EXPECT_TRUE(r.contenu.isEmpty());
            } else {
                EXPECT_FALSE(perdu) << int(c.unicode());
                EXPECT_EQ(dechiffrerConfiguration(r.contenu)[6], valeur) << int(c.unicode()) << " phase " << phase;
            }
        }
    EXPECT_EQ(refuses, 6); // one per key phase
    EXPECT_EQ(finsDeLigne, 12);
}

struct CasRefus
{
    const char* nom;
    QString valeur;
    qsizetype rang;
    char16_t caractere;
};

class RefusValeurs : public testing::TestWithParam<CasRefus>
{};

TEST_P(RefusValeurs, NamesLineAndCharacter)
{
    const CasRefus& c = GetParam();
    QStringList valeurs = valeursCours;
    valeurs[10] = c.valeur;
    const ResultatEcriture r = ecrireConfiguration(valeurs);
    ASSERT_TRUE(r.refus);
    EXPECT_EQ(r.refus->ligne, 11);
    EXPECT_EQ(r.refus->rang, c.rang);
    EXPECT_EQ(r.refus->caractere, QChar(c.caractere));
    EXPECT_FALSE(r.refus->raison.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Cas, RefusValeurs,
    testing::Values(CasRefus{"Circonflexe", QStringLiteral("Fenêtre"), 4, u'ê'},
                    CasRefus{"Tabulation", QStringLiteral("a\tb"), 2, u'\t'},
                    CasRefus{"Euro", QStringLiteral("€"), 1, u'€'},
                    // 'a' at the fourth key position ('M') enciphers to the second space.
                    CasRefus{"SecondeEspace", QStringLiteral("xxxa"), 4, u'a'},
                    // 'F' then 'D' encipher to CR then LF: a line end inside the value.
                    CasRefus{"CrLfInterne", QStringLiteral("FD"), 1, u'F'}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST(ConfigurationCours, MoreThanFifteenValuesAreRefused)
{
    EXPECT_TRUE(ecrireConfiguration(QStringList(16, QStringLiteral("x"))).refus);
    // Fewer are padded with empty lines.
    const ResultatEcriture r = ecrireConfiguration({QStringLiteral("C01L01.avi")});
    ASSERT_FALSE(r.refus);
    EXPECT_EQ(dechiffrerConfiguration(r.contenu).value(0), QStringLiteral("C01L01.avi"));
    EXPECT_EQ(r.contenu.count("\r\n"), 15);
}

struct CasLignes
{
    const char* nom;
    QByteArray contenu;
    QStringList lignes;
};

class DecoupageLignes : public testing::TestWithParam<CasLignes>
{};

TEST_P(DecoupageLignes, LinesEndAtLfWithOptionalCr)
{
    EXPECT_EQ(decouperLignes(GetParam().contenu), GetParam().lignes);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, DecoupageLignes,
    testing::Values(CasLignes{"Vide", "", {}},
                    CasLignes{"CrLf", "a\r\nb\r\n", {"a", "b"}},
                    CasLignes{"Lf", "a\nb\n", {"a", "b"}},
                    CasLignes{"SansFinale", "a\r\nb", {"a", "b"}},
                    CasLignes{"CrSeulEstDonnee", "a\rb\r\nc\r\n", {"a\rb", "c"}},
                    CasLignes{"LfSeulEstDonneeSiCrLf", "a\nb\r\n\nc\r\n", {"a\nb", "\nc"}},
                    CasLignes{"CrEnFinDeValeur", "a\r\r\nb\r\n", {"a\r", "b"}},
                    CasLignes{"LignesVides", "\r\n\r\nx\r\n", {"", "", "x"}},
                    CasLignes{"Windows1252", "\xe9t\xe9\r\n\x80\r\n", {QStringLiteral("été"), QStringLiteral("€")}}),
    [](const auto& info) { return std::string(info.param.nom); });

class LectureDataDat : public testing::Test
{
protected:
    void SetUp() override { reinitialiserEtat(); }
    EtatSession lire(const QByteArray& contenu, bool creer = true)
    {
        if (creer)
            dossier.fichier(QStringLiteral("data.dat"), contenu);
        EtatSession e;
        lireConfigurationCours(e, dossier(QStringLiteral("data.dat")));
        return e;
    }
    DossierEssai dossier;
};

TEST_F(LectureDataDat, FieldsTakeTheirLines)
{
    const EtatSession e = lire(ecrireConfiguration(valeursCours).contenu);
    for (int k = 1; k <= 5; ++k) {
        EXPECT_EQ(e.animationsQuestionnaires[k], valeursCours[k - 1]);
        EXPECT_EQ(e.logicielsExternes[k], valeursCours[9 + k]);
    }
    EXPECT_EQ(e.dossierCours, QStringLiteral("Bureautique"));
    EXPECT_EQ(e.intituleCours, valeursCours[6]);
    EXPECT_EQ(e.modeCours, QStringLiteral("MIXTE"));
    EXPECT_EQ(e.typeQuestionnaire1, QStringLiteral("20"));
    EXPECT_EQ(e.basculeMultiple, QStringLiteral("O"));
}

TEST_F(LectureDataDat, MissingFileLeavesFieldsEmpty)
{
    const EtatSession e = lire({}, false);
    EXPECT_TRUE(e.dossierCours.isEmpty());
    EXPECT_TRUE(e.modeCours.isEmpty());
    EXPECT_TRUE(e.logicielsExternes[5].isEmpty());
}

TEST_F(LectureDataDat, ShortFileFillsWhatItHas)
{
    QByteArray contenu = ecrireConfiguration(valeursCours).contenu;
    contenu.truncate(contenu.indexOf("\r\n", contenu.indexOf("\r\n") + 2) + 2); // two lines
    const EtatSession e = lire(contenu);
    EXPECT_EQ(e.animationsQuestionnaires[1], valeursCours[0]);
    EXPECT_EQ(e.animationsQuestionnaires[2], valeursCours[1]);
    EXPECT_TRUE(e.animationsQuestionnaires[3].isEmpty());
    EXPECT_TRUE(e.dossierCours.isEmpty());
}

TEST_F(LectureDataDat, PlainLinesAreDecipheredOrKeptWhenOutsideTheAlphabet)
{
    // A plain file: alphabet-only lines go through the cipher like any other
    // (and come out scrambled); a line holding a tab, "ê" or a byte outside
    // the alphabet is kept as read.
    QByteArray contenu;
    for (int i = 1; i <= 5; ++i)
        contenu += "C01L0" + QByteArray::number(i) + ".avi\r\n";
    contenu += "Cours\r\nFen\xeatre\r\nMIXTE\r\n20\tx\r\nO\r\n\x80uro\r\n";
    const EtatSession e = lire(contenu);
    EXPECT_EQ(e.dossierCours, chiffrer(QStringLiteral("Cours")));
    EXPECT_NE(e.dossierCours, QStringLiteral("Cours"));
    EXPECT_EQ(e.intituleCours, QStringLiteral("Fenêtre"));
    EXPECT_EQ(e.typeQuestionnaire1, QStringLiteral("20\tx"));
    EXPECT_EQ(e.logicielsExternes[1], QStringLiteral("€uro"));
    EXPECT_TRUE(e.logicielsExternes[2].isEmpty());
}

TEST_F(LectureDataDat, LinesAfterTheFifteenthAreIgnored)
{
    QStringList valeurs = valeursCours;
    QByteArray contenu = ecrireConfiguration(valeurs).contenu + "garbage\r\nmore\r\n";
    const EtatSession e = lire(contenu);
    EXPECT_EQ(e.logicielsExternes[5], valeursCours[14]);
}

TEST(ConfigurationCours, FileConvertedToLfLineEndsStillReads)
{
    const ResultatEcriture r = ecrireConfiguration(valeursCours);
    ASSERT_FALSE(r.refus);
    for (const QString& v : valeursCours)
        ASSERT_FALSE(chiffrer(v).contains(LF)) << qPrintable(v); // holds for these values
    QByteArray converti = r.contenu;
    converti.replace("\r\n", "\n");
    EXPECT_EQ(dechiffrerConfiguration(converti), valeursCours);
}
