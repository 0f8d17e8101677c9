#include "app/EtatSession.h"

#include <gtest/gtest.h>

TEST(SessionState, StartsZeroedWithItsBounds)
{
    reinitialiserEtat();
    const auto& e = etat();
    EXPECT_TRUE(e.lecteurCours.isEmpty());
    EXPECT_EQ(e.nombreEtapes, 0);
    EXPECT_EQ(e.epreuveFaite.size(), 10u);
    EXPECT_EQ(e.animationsQuestionnaires.size(), 6u);
    EXPECT_EQ(e.reponsesChoisies.size(), 11u);
    EXPECT_EQ(e.clesExercice.size(), 21u);
    EXPECT_EQ(e.parcours.dernierIndex(), 0);
    static_assert(sizeof(e.positionAVI) == 2 && sizeof(e.nombreEtapes) == 2 && sizeof(e.TableauNotes.MOY) == 2);
}

TEST(SessionState, ScoresByAssessmentIndex)
{
    Notes n;
    for (int i = 1; i <= 9; ++i)
        n.note(i) = int16_t(i * 2);
    EXPECT_EQ(n.Q1, 2);
    EXPECT_EQ(n.Q5, 10);
    EXPECT_EQ(n.T1, 12);
    EXPECT_EQ(n.T4, 18);
    EXPECT_EQ(n.MOY, 0);
}

TEST(SessionState, CourseRootJoinsLocationAndFolder)
{
    reinitialiserEtat();
    etat().lecteurCours = QStringLiteral("/media/cdrom");
    etat().dossierCours = QStringLiteral("COURS-TABLEUR");
    EXPECT_EQ(RacineCours(), QStringLiteral("/media/cdrom/COURS-TABLEUR"));
    EXPECT_TRUE(dossierTemporaire().endsWith(QLatin1Char('/')));
}
