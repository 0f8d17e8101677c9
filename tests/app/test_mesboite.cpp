#include "FauxModal.h"
#include "FauxServices.h"
#include "app/EtatSession.h"
#include "app/Mesboite.h"
#include "app/ZoneCliquable.h"

#include <QLabel>
#include <gtest/gtest.h>

namespace {
struct MessageBoxTest : ::testing::Test
{
    void SetUp() override { reinitialiserEtat(); }
    ServicesFactices services_;
    ExecuteurScripte modal;
};

QStringList boutonsVisibles(QDialog& d)
{
    QStringList tags;
    std::vector<ZoneCliquable*> visibles;
    for (auto* b : d.findChildren<ZoneCliquable*>())
        if (b->isVisible())
            visibles.push_back(b);
    std::sort(visibles.begin(), visibles.end(),
              [](auto* a, auto* b) { return a->mapToGlobal(QPoint()).x() < b->mapToGlobal(QPoint()).x(); });
    for (auto* b : visibles)
        tags << b->tag;
    return tags;
}
} // namespace

struct CasBoutons
{
    const char* nom;
    int16_t jeu;
    QStringList attendus;
};

class ButtonSets : public MessageBoxTest, public ::testing::WithParamInterface<CasBoutons>
{};

TEST_P(ButtonSets, ShowsItsButtonsLeftToRightAndEachWritesItsTag)
{
    const auto& cas = GetParam();
    for (const QString& reponse : cas.attendus) {
        QStringList vus;
        modal.ensuite([&](QDialog& d) {
            vus = boutonsVisibles(d);
            cliquer(boutonVisible(d, reponse));
        });
        afficherMessage(0, QStringLiteral("texte"), cas.jeu, QStringLiteral("titre"));
        EXPECT_EQ(vus, cas.attendus);
        EXPECT_EQ(etat().reponseMessage, reponse);
    }
}

INSTANTIATE_TEST_SUITE_P(
    MessageBox, ButtonSets,
    ::testing::Values(CasBoutons{"OkAnnuler", 0, {"Ok", "Annuler"}}, CasBoutons{"Ok", 1, {"Ok"}},
                      CasBoutons{"OuiNonAnnuler", 2, {"Oui", "Non", "Annuler"}},
                      CasBoutons{"OuiNon", 3, {"Oui", "Non"}}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST_F(MessageBoxTest, StoresItsArgumentsAndShowsTextAndCaption)
{
    QString texteAffiche, titre;
    modal.ensuite([&](QDialog& d) {
        auto& boite = static_cast<Mesboite&>(d);
        texteAffiche = boite.Label1->text();
        titre = boite.windowTitle();
        cliquer(boutonVisible(d, QStringLiteral("Ok")));
    });
    afficherMessage(2, QStringLiteral("ligne 1\rligne 2"), 1, QStringLiteral(" Quitter"));
    EXPECT_EQ(etat().iconeMessage, 2);
    EXPECT_EQ(etat().texteMessage, QStringLiteral("ligne 1\rligne 2")); // kept as given
    EXPECT_EQ(etat().boutonsMessage, 1);
    EXPECT_EQ(etat().titreMessage, QStringLiteral(" Quitter"));
    EXPECT_EQ(texteAffiche, QStringLiteral("ligne 1\nligne 2")); // a lone CR breaks the line
    EXPECT_EQ(titre, QStringLiteral(" Quitter"));
}

TEST_F(MessageBoxTest, IconFourHidesThePictureAndMovesTheTextToTheLeftEdge)
{
    for (int16_t icone : {0, 1, 2, 3, 4}) {
        bool iconeVisible = false;
        int gaucheTexte = -1;
        modal.ensuite([&](QDialog& d) {
            auto& boite = static_cast<Mesboite&>(d);
            iconeVisible = boite.Image1->isVisible();
            gaucheTexte = boite.Label1->x();
            cliquer(boutonVisible(d, QStringLiteral("Ok")));
        });
        afficherMessage(icone, QStringLiteral("x"), 1, QString());
        EXPECT_EQ(iconeVisible, icone != 4) << icone;
        EXPECT_EQ(gaucheTexte, icone == 4 ? 2 : 60) << icone;
    }
}

TEST_F(MessageBoxTest, AnswerIsKeptUntilAnotherBoxCloses)
{
    modal.repondre(QStringLiteral("Non"));
    afficherMessage(3, QStringLiteral("?"), 3, QString());
    ASSERT_EQ(etat().reponseMessage, QStringLiteral("Non"));

    // A new box does not clear it while it is open.
    QString pendant;
    modal.ensuite([&](QDialog& d) {
        pendant = etat().reponseMessage;
        cliquer(boutonVisible(d, QStringLiteral("Ok")));
    });
    afficherMessage(0, QStringLiteral("!"), 1, QString());
    EXPECT_EQ(pendant, QStringLiteral("Non"));
    EXPECT_EQ(etat().reponseMessage, QStringLiteral("Ok"));
}

TEST_F(MessageBoxTest, OpeningABoxPlaysTheClickFirstAndLowersThePermission)
{
    modal.repondre(QStringLiteral("Ok"));
    afficherMessage(0, QStringLiteral("x"), 1, QString());
    ASSERT_EQ(services_.son->joues.size(), 1);
    EXPECT_TRUE(services_.son->joues[0].endsWith(QStringLiteral("/sons/clic.wav")));
    EXPECT_EQ(etat().sonAutorise, 0);
}

TEST_F(MessageBoxTest, HiddenButtonsOfOtherSetsCannotAnswer)
{
    modal.ensuite([](QDialog& d) {
        EXPECT_EQ(boutonVisible(d, QStringLiteral("Oui")), nullptr);
        EXPECT_EQ(boutonVisible(d, QStringLiteral("Annuler")), nullptr);
        cliquer(boutonVisible(d, QStringLiteral("Ok")));
    });
    afficherMessage(0, QStringLiteral("x"), 1, QString());
}
