#include "FauxServices.h"
#include "app/EtatSession.h"
#include "app/Sons.h"

#include <gtest/gtest.h>

namespace {
struct CueTest : ::testing::Test
{
    void SetUp() override
    {
        reinitialiserEtat();
        definirDossierProgramme(QStringLiteral("/prog"));
    }
    void TearDown() override { definirDossierProgramme(QString()); }
    ServicesFactices services_;
};
} // namespace

TEST_F(CueTest, PlaysOnlyWithPermissionAndADevice)
{
    struct Cas
    {
        int16_t permission;
        int peripheriques;
        bool joue;
    };
    for (const Cas& c : {Cas{0, 1, false}, Cas{-1, 0, false}, Cas{-1, 1, true}, Cas{1, 2, true}}) {
        services_.son->joues.clear();
        services_.son->commandes.clear();
        services_.son->peripheriques = c.peripheriques;
        etat().sonAutorise = c.permission;
        jouerSon(QStringLiteral("plop.wav"));
        jouerSonMCI(QStringLiteral("clic.wav"));
        EXPECT_EQ(services_.son->joues.size(), c.joue ? 1 : 0) << c.permission << " " << c.peripheriques;
        EXPECT_EQ(services_.son->commandes.size(), c.joue ? 3 : 0);
    }
}

TEST_F(CueTest, CuesComeFromTheProgramFoldersSoundFolder)
{
    etat().sonAutorise = VRAI;
    jouerSon(QStringLiteral("laser1"));
    jouerSonMCI(QStringLiteral("clic.wav"));
    EXPECT_EQ(services_.son->joues, QStringList{QStringLiteral("/prog/sons/laser1")});
    EXPECT_EQ(services_.son->commandes,
              (QStringList{QStringLiteral("close"), QStringLiteral("open /prog/sons/clic.wav"), QStringLiteral("play")}));
    // The caller of the media control leaves the permission raised.
    EXPECT_EQ(etat().sonAutorise, VRAI);
}

TEST_F(CueTest, ClickRaisesAndLowersThePermission)
{
    etat().sonAutorise = FAUX;
    jouerClic();
    EXPECT_EQ(services_.son->joues.size(), 1);
    EXPECT_EQ(etat().sonAutorise, FAUX);
}
