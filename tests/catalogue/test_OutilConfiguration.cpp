#include "DossierEssai.h"

#include "catalogue/ConfigurationCours.h"

#include <QProcess>

#include <gtest/gtest.h>

namespace {

struct Sortie
{
    int code = -1;
    QString sortie, erreurs;
};

Sortie lancer(const QStringList& arguments)
{
    QProcess p;
    p.start(QStringLiteral(PEDAVIN_BIN_DIR "/pedavin-config"), arguments);
    p.waitForFinished(-1);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

const QStringList valeurs = {
    QStringLiteral("C01L05.avi"), QStringLiteral("C02L03.avi"), QString(), QString(), QString(),
    QStringLiteral("Bureautique"), QStringLiteral("Initiation à la bureautique"), QStringLiteral("MIXTE"),
    QStringLiteral("20"), QStringLiteral("O"), QStringLiteral("LibreOffice Writer"), QString(), QString(),
    QString(), QStringLiteral("Éditeur \"Kate\""),
};

QByteArray lireFichier(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(OutilConfiguration, WritesFromArgumentsOrFileAndPrintsBack)
{
    DossierEssai d;
    ASSERT_EQ(lancer(QStringList{"ecrire", d("a.dat")} + valeurs).code, 0);
    d.fichier(QStringLiteral("valeurs.txt"), valeurs.join(QStringLiteral("\r\n")).toUtf8() + "\r\n");
    ASSERT_EQ(lancer({"ecrire", d("b.dat"), "--valeurs", d("valeurs.txt")}).code, 0);
    EXPECT_EQ(lireFichier(d("a.dat")), lireFichier(d("b.dat")));
    EXPECT_EQ(dechiffrerConfiguration(lireFichier(d("a.dat"))), valeurs);

    const Sortie s = lancer({"lire", d("a.dat")});
    EXPECT_EQ(s.code, 0);
    EXPECT_EQ(s.sortie, valeurs.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    EXPECT_TRUE(s.erreurs.isEmpty()) << qPrintable(s.erreurs);
}

TEST(OutilConfiguration, RefusalsNameTheLineAndTheCharacter)
{
    DossierEssai d;
    const struct { const char* nom; int ligne; QString valeur; const char* attendu; } cas[] = {
        {"HorsAlphabet", 7, QStringLiteral("Fenêtre"), "ligne 7 (intitulé du cours) : caractère « ê » (U+00EA) en position 4"},
        {"Tabulation", 11, QStringLiteral("a\tb"), "ligne 11 (logiciel externe 1) : caractère U+0009 en position 2"},
        {"SecondeEspace", 6, QStringLiteral("xxxa"), "ligne 6 (dossier du cours) : caractère « a » (U+0061) en position 4"},
        {"FinDeLigne", 12, QStringLiteral("FD"), "ligne 12 (logiciel externe 2) : caractère « F » (U+0046) en position 1"},
    };
    for (const auto& c : cas) {
        QStringList v = valeurs;
        v[c.ligne - 1] = c.valeur;
        const Sortie s = lancer(QStringList{"ecrire", d("refus.dat")} + v);
        EXPECT_EQ(s.code, 1) << c.nom;
        EXPECT_TRUE(s.erreurs.contains(QString::fromUtf8(c.attendu))) << c.nom << ": " << qPrintable(s.erreurs);
        EXPECT_FALSE(QFile::exists(d("refus.dat"))) << c.nom;
    }
    d.fichier(QStringLiteral("long.txt"), QByteArray("x\n").repeated(16));
    EXPECT_EQ(lancer({"ecrire", d("refus.dat"), "--valeurs", d("long.txt")}).code, 1);
    EXPECT_EQ(lancer({"ecrire", d("refus.dat"), "un", "deux"}).code, 2);
}

TEST(OutilConfiguration, ReadingReportsPlainAndMissingLines)
{
    DossierEssai d;
    d.fichier(QStringLiteral("plain.dat"), "Fen\xeatre\r\n");
    const Sortie s = lancer({"lire", d("plain.dat")});
    EXPECT_EQ(s.code, 0);
    EXPECT_TRUE(s.sortie.startsWith(QStringLiteral("Fenêtre\n")));
    EXPECT_TRUE(s.erreurs.contains(QStringLiteral("ligne 1 non chiffrée")));
    EXPECT_TRUE(s.erreurs.contains(QStringLiteral("ligne 15 absente")));
    EXPECT_EQ(lancer({"lire", d("absent.dat")}).code, 1);
}
