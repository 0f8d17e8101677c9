// The lesson tree is built from the document names of the course's text
// folder alone; these checks hold the committed sample course to the rules
// the catalogue scan reads them with.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPdfDocument>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>
#include <map>

namespace {

const QString racine = QStringLiteral(PEDAVIN_SOURCE_DIR "/cours/COURS-TABLEUR");
const QString sources = QStringLiteral(PEDAVIN_SOURCE_DIR "/cours/sources");

QStringList documents()
{
    return QDir(racine + "/textes").entryList({"*.pdf"}, QDir::Files, QDir::Name);
}

// The three independent tests of the catalogue scan.
bool titre(const QString &n) { return n.size() > 1 && n[1] == '-'; }
bool chapitre(const QString &n) { return n.size() > 3 && n[3] == '-'; }
bool lecon(const QString &n) { return n.size() > 6 && n[6] == '-'; }
QString texte(const QString &n, int debut) { return n.mid(debut).chopped(4); }

bool commencePar(const QString &t, const char *debut)
{
    return t.startsWith(QString::fromUtf8(debut), Qt::CaseInsensitive);
}

bool evaluation(const QString &t)
{
    return t.startsWith(QStringLiteral("Questionnaire N°")) || t.startsWith(QStringLiteral("Test N°"));
}

QStringList configuration()
{
    QFile f(sources + "/configuration.txt");
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList l = QString::fromUtf8(f.readAll()).split('\n');
    if (!l.isEmpty() && l.back().isEmpty())
        l.removeLast();
    return l;
}

} // namespace

TEST(CoursExemple, ChaqueNomRelveDUnSeulNiveauAvecUneCleBienFormee)
{
    static const QRegularExpression cleChapitre(QStringLiteral("^C\\d\\d$"));
    static const QRegularExpression cleLecon(QStringLiteral("^C\\d\\dL\\d\\d$"));
    static const QRegularExpression interdits(QStringLiteral("[\\\\/:*?\"<>|]"));
    const QStringList noms = documents();
    ASSERT_FALSE(noms.isEmpty());
    for (const QString &n : noms) {
        SCOPED_TRACE(qPrintable(n));
        EXPECT_EQ(int(titre(n)) + int(chapitre(n)) + int(lecon(n)), 1);
        EXPECT_FALSE(interdits.match(n).hasMatch()) << "not a valid Windows or CD-ROM name";
        if (chapitre(n))
            EXPECT_TRUE(cleChapitre.match(n.left(3)).hasMatch());
        if (lecon(n))
            EXPECT_TRUE(cleLecon.match(n.left(6)).hasMatch());
    }
}

TEST(CoursExemple, LeTitreDonneLeSujetTableur)
{
    QStringList titres;
    for (const QString &n : documents())
        if (titre(n))
            titres << n;
    ASSERT_EQ(titres, QStringList{"T-COURS QZ Tableur.pdf"});
    const QString fichierTitre = titres[0].chopped(4);
    EXPECT_EQ(fichierTitre.mid(11), "Tableur");
    EXPECT_TRUE(commencePar(texte(titres[0], 2), "COURS QZ"));
}

TEST(CoursExemple, LesClesSontUniquesEtChaqueLeconASonChapitre)
{
    QSet<QString> cles, chapitres;
    for (const QString &n : documents()) {
        const QString cle = titre(n) ? n.left(1) : chapitre(n) ? n.left(3) : n.left(6);
        EXPECT_FALSE(cles.contains(cle)) << qPrintable(cle);
        cles.insert(cle);
        if (chapitre(n))
            chapitres.insert(cle);
    }
    for (const QString &n : documents())
        if (lecon(n))
            EXPECT_TRUE(chapitres.contains(n.left(3))) << qPrintable(n);
}

TEST(CoursExemple, StructureDuCours)
{
    std::map<QString, int> leconsParChapitre;
    int chapitres = 0, niveauLecon = 0, questionnaires = 0, tests = 0, accentues = 0;
    QSet<QString> evaluations;
    for (const QString &n : documents()) {
        accentues += QString(n).toLatin1() != n.toUtf8() ? 1 : 0;
        if (chapitre(n)) {
            ++chapitres;
            leconsParChapitre[n.left(3)];
            EXPECT_TRUE(commencePar(texte(n, 4), "CHAP")) << qPrintable(n);
        }
        if (!lecon(n))
            continue;
        ++niveauLecon;
        ++leconsParChapitre[n.left(3)];
        const QString t = texte(n, 7);
        questionnaires += commencePar(t, "QUEST") ? 1 : 0;
        tests += commencePar(t, "TEST") ? 1 : 0;
        if (evaluation(t))
            evaluations.insert(t);
    }
    EXPECT_GE(chapitres, 4);
    EXPECT_LE(chapitres, 6);
    int sansLecon = 0;
    for (const auto &[c, n] : leconsParChapitre)
        sansLecon += n == 0 ? 1 : 0;
    EXPECT_GE(sansLecon, 1);
    // the program counts lessons as lesson-level documents minus questionnaires
    EXPECT_GE(niveauLecon - questionnaires - tests, 20);
    EXPECT_EQ(questionnaires, 5);
    EXPECT_EQ(tests, 2);
    EXPECT_EQ(evaluations,
              (QSet<QString>{"Questionnaire N°1", "Questionnaire N°2", "Questionnaire N°3", "Questionnaire N°4",
                             "Questionnaire N°5", "Test N°1", "Test N°2"}));
    EXPECT_GT(accentues, 5);
}

TEST(CoursExemple, ChaqueLigneDeStyleEstRepresentee)
{
    // first matching row of the styling table, as the catalogue applies it
    const char *lignes[][2] = {{"COURS QZ", "titre"}, {"CHAP", "chapitre"}, {"QUEST", "bleu"},
                               {"SYNTH", "bleu"},     {"EXERC", "bleu"},    {"TEST", "bleu"},
                               {"TRAV", "rouge"},     {"SITUA", "rouge gras"}};
    for (const auto &ligne : lignes) {
        SCOPED_TRACE(ligne[0]);
        int n = 0;
        for (const QString &nom : documents()) {
            const QString t = titre(nom) ? texte(nom, 2) : chapitre(nom) ? texte(nom, 4) : texte(nom, 7);
            n += commencePar(t, ligne[0]) ? 1 : 0;
        }
        EXPECT_GE(n, 1);
    }
}

TEST(CoursExemple, LesDocumentsSontDesPdfLisiblesDeLongueurAttendue)
{
    for (const QString &n : documents()) {
        SCOPED_TRACE(qPrintable(n));
        QPdfDocument pdf;
        ASSERT_EQ(pdf.load(racine + "/textes/" + n), QPdfDocument::Error::None);
        if (lecon(n) && !evaluation(texte(n, 7))) {
            EXPECT_GE(pdf.pageCount(), 2);
            EXPECT_LE(pdf.pageCount(), 4);
        } else {
            EXPECT_GE(pdf.pageCount(), 1);
        }
    }
}

TEST(CoursExemple, ChaqueSourceASonDocumentEtInversement)
{
    QStringList attendus;
    for (const QString &s : QDir(sources + "/textes").entryList({"*.txt"}, QDir::Files, QDir::Name))
        attendus << s.chopped(4) + ".pdf";
    EXPECT_EQ(documents(), attendus);
}

TEST(CoursExemple, LaConfigurationDesigneCeCoursEtSesDeclencheurs)
{
    const QStringList c = configuration();
    ASSERT_EQ(c.size(), 15);
    EXPECT_EQ(c[5], QFileInfo(racine).fileName());
    EXPECT_EQ(c[8], "10");
    // trigger k is the lesson just before questionnaire k, as key & ".avi"
    const QStringList noms = documents();
    for (int k = 1; k <= 5; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(c[k - 1].size(), 10);
        EXPECT_TRUE(c[k - 1].endsWith(".avi"));
        const QString cle = c[k - 1].left(6);
        QString suivant;
        for (int i = 0; i + 1 < noms.size(); ++i)
            if (lecon(noms[i]) && noms[i].left(6) == cle)
                suivant = noms[i + 1];
        EXPECT_EQ(lecon(suivant) ? texte(suivant, 7) : QString(), QStringLiteral("Questionnaire N°%1").arg(k));
    }
}

TEST(CoursExemple, LeDossierALaDispositionAttendue)
{
    for (const char *d : {"textes", "fonds", "anim", "exercices/textes", "exercices/imagexos", "Tests"})
        EXPECT_TRUE(QFileInfo(racine + "/" + d).isDir()) << d;
    for (int n = 1; n <= 5; ++n) {
        const QImage fond(racine + QStringLiteral("/fonds/QCM%1.jpg").arg(n));
        EXPECT_EQ(fond.size(), QSize(1024, 768)) << n;
    }
    qint64 taille = 0;
    for (QDirIterator it(racine, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        taille += QFileInfo(it.next()).size();
    EXPECT_LT(taille, 15 * 1024 * 1024);
}
