#include "journal/Enregistreur.h"

#include <gtest/gtest.h>

namespace {
const QDateTime t0(QDate(2009, 6, 15), QTime(14, 5, 32));

struct RecorderTest : ::testing::Test
{
    void SetUp() override
    {
        e = EtatSession{};
        vue.legende = QStringLiteral("Chapitre 1 - Leçon 2 : L'écran de travail et la barre de formule");
        vue.sujet = QStringLiteral("LibreOffice Calc");
    }
    // Start-up: a session line, one lesson line, then the count back to 1.
    void demarrer()
    {
        continuersession(e, t0);
        ajouteretape(e, vue, t0);
        e.nombreEtapes = 1;
    }
    const QString& action(int n) const { return e.parcours.action[size_t(n)]; }
    const QString& reference(int n) const { return e.parcours.reference[size_t(n)]; }

    EtatSession e;
    VueEnregistreur vue;
};
} // namespace

TEST_F(RecorderTest, StartUpLeavesTheSessionLineAndTheFirstActionIsNumbered002)
{
    demarrer();
    EXPECT_EQ(e.parcours.numero[1], QStringLiteral("000"));
    EXPECT_EQ(e.parcours.debut[1], QStringLiteral("00:00:00"));
    EXPECT_EQ(action(1), QStringLiteral("Session du  15/06/2009   à   14:05:32"));
    e.referenceLecon = QStringLiteral("C01L02");
    ajouteretape(e, vue, t0.addSecs(75));
    EXPECT_EQ(e.nombreEtapes, 2);
    EXPECT_EQ(e.parcours.numero[2], QStringLiteral("002"));
    EXPECT_EQ(e.parcours.debut[2], QStringLiteral("14:06:47"));
    EXPECT_EQ(e.parcours.duree[1], QStringLiteral("01:15"));
    EXPECT_EQ(e.parcours.duree[2], QString()) << "the last line's duration is open";
    EXPECT_EQ(action(2), QStringLiteral("       ") + vue.legende);
    EXPECT_EQ(reference(2), QStringLiteral("C01L02"));
}

TEST(JournalFormats, NumbersAndDurations)
{
    struct Cas
    {
        int n;
        const char* numero;
    };
    for (const Cas& c : {Cas{1, "001"}, Cas{2, "002"}, Cas{47, "047"}, Cas{123, "123"}, Cas{999, "999"},
                         Cas{1000, "1000"}, Cas{32767, "32767"}})
        EXPECT_EQ(numeroEtape(c.n), QString::fromLatin1(c.numero));

    struct Duree
    {
        qint64 secondes;
        const char* texte;
    };
    for (const Duree& d : {Duree{0, "00:00"}, Duree{59, "00:59"}, Duree{3599, "59:59"}, Duree{3600, "00:00"},
                           Duree{3727, "02:07"}, Duree{90061, "01:01"}, Duree{-30, "00:00"}})
        EXPECT_EQ(dureeEtape(t0, t0.addSecs(d.secondes)), QString::fromLatin1(d.texte)) << d.secondes;

    // Two recordings within the same second.
    const QDateTime debut(QDate(2009, 6, 15), QTime(14, 5, 32, 100));
    EXPECT_EQ(dureeEtape(debut, debut.addMSecs(850)), QStringLiteral("00:00"));
    EXPECT_EQ(dureeEtape(debut, debut.addMSecs(950)), QStringLiteral("00:01")) << "the clock's seconds count";
    EXPECT_EQ(heureLongue(QDateTime(QDate(2009, 6, 15), QTime(9, 3, 4))), QStringLiteral("09:03:04"));
    EXPECT_EQ(dateCourte(t0), QStringLiteral("15/06/2009"));
}

TEST_F(RecorderTest, EachKindWritesItsText)
{
    demarrer();
    e.referenceLecon = QStringLiteral("C01L02");
    e.TableauNotes.Q2 = 14;
    e.TableauNotes.T1 = 9;
    const QString courte = vue.legende.left(26);
    struct Cas
    {
        int16_t type;
        int16_t noteAnnulee;
        QString action;
        bool referenceGardee;
    };
    const std::vector<Cas> cas{
        {0, 0, QStringLiteral("       ") + vue.legende, true},
        {1, 0, QStringLiteral("Appel au document lors de la bascule pendant la séquence : ") + courte, true},
        {2, 0, QStringLiteral("Appel à l'animation lors de la bascule pendant la séquence : ") + courte, true},
        {3, 2, QStringLiteral("ANNULATION de la note de 14/20,  précédemment obtenue au  questionnaire N° 2"), false},
        {3, 6, QStringLiteral("ANNULATION de la note de 9/20,  précédemment obtenue au  Test N° 1"), false},
        {3, 0, QStringLiteral("       ") + vue.legende, false},
        {4, 0, QStringLiteral("Bascule dans LibreOffice Calc pendant la séquence : ") + courte, true},
        {7, 0, QStringLiteral("       ") + vue.legende, true},
    };
    for (const Cas& c : cas) {
        e.typeEtape = c.type;
        e.noteAnnulee = c.noteAnnulee;
        ASSERT_TRUE(ajouteretape(e, vue, t0));
        EXPECT_EQ(action(e.nombreEtapes), c.action) << c.type;
        EXPECT_EQ(reference(e.nombreEtapes), c.referenceGardee ? QStringLiteral("C01L02") : QString()) << c.type;
        EXPECT_EQ(e.typeEtape, c.type) << "the caller resets the kind";
    }
}

TEST_F(RecorderTest, ResultsLineListsTheDoneAssessments)
{
    demarrer();
    e.typeEtape = 5;
    ajouteretape(e, vue, t0);
    EXPECT_EQ(action(e.nombreEtapes), QString()) << "nothing done yet";

    e.epreuveFaite[9] = 1;
    e.TableauNotes.T4 = 12;
    ajouteretape(e, vue, t0);
    EXPECT_EQ(action(e.nombreEtapes), QStringLiteral("Résultat T4 : 12/20 - "));

    e.epreuveFaite = {};
    e.epreuveFaite[1] = 1;
    e.epreuveFaite[7] = 1;
    e.TableauNotes.Q1 = 14;
    e.TableauNotes.T2 = 9;
    ajouteretape(e, vue, t0);
    EXPECT_EQ(action(e.nombreEtapes), QStringLiteral("Résultat Q1 : 14/20 - Résultat T2 : 9/20 - "));
    EXPECT_EQ(reference(e.nombreEtapes), QString());
}

TEST_F(RecorderTest, SearchLineWhenTheSearchPanelIsShown)
{
    demarrer();
    e.referenceLecon = QStringLiteral("C01L02");
    vue.rechercheVisible = true;
    vue.motCle = QStringLiteral("formule");
    ajouteretape(e, vue, t0);
    EXPECT_EQ(action(2), QStringLiteral("Recherche hypertexte sur la chaîne : formule"));
    EXPECT_EQ(reference(2), QString());
    // A switch line still takes its own text while the panel is shown.
    e.typeEtape = 4;
    ajouteretape(e, vue, t0);
    EXPECT_TRUE(action(3).startsWith(QStringLiteral("Bascule dans ")));
}

TEST_F(RecorderTest, ANewSessionClosesTheLastLineAtZero)
{
    demarrer();
    ajouteretape(e, vue, t0.addSecs(30));
    continuersession(e, t0.addSecs(600));
    EXPECT_EQ(e.parcours.duree[2], QStringLiteral("00:00"));
    EXPECT_EQ(e.parcours.numero[3], QStringLiteral("000"));
    EXPECT_EQ(e.debutEtapeCourante, t0.addSecs(600));
}

TEST_F(RecorderTest, AFullJournalStopsRecordingWithoutOverflow)
{
    e.nombreEtapes = etapesMaximum - 1;
    e.parcours.redimensionner(e.nombreEtapes);
    EXPECT_TRUE(ajouteretape(e, vue, t0));
    EXPECT_EQ(e.nombreEtapes, etapesMaximum);
    EXPECT_EQ(e.parcours.numero[size_t(etapesMaximum)], QStringLiteral("32767"));
    EXPECT_FALSE(ajouteretape(e, vue, t0.addSecs(5)));
    EXPECT_FALSE(continuersession(e, t0.addSecs(5)));
    EXPECT_EQ(e.nombreEtapes, etapesMaximum);
    EXPECT_EQ(e.parcours.dernierIndex(), int(etapesMaximum));
    EXPECT_EQ(e.parcours.duree[size_t(etapesMaximum)], QString()) << "the last line stays open";
}
