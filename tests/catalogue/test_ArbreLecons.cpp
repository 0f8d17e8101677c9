#include "DossierEssai.h"

#include "catalogue/ArbreLecons.h"
#include "catalogue/Catalogue.h"
#include "catalogue/RemplissageArbre.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QImage>
#include <QMouseEvent>

#include <gtest/gtest.h>

namespace {

using Erreur = ArbreLecons::ErreurAjout;
constexpr auto Enfant = ArbreLecons::Relation::Enfant;

QStringList cles(const ArbreLecons& a)
{
    QStringList r;
    for (int i = 1; i <= a.count(); ++i)
        r.append(a.item(i)->key());
    return r;
}

} // namespace

TEST(ArbreLecons, AddAppendsOrFailsWithoutAddingAnything)
{
    ArbreLecons a;
    const struct { const char* relative; const char* cle; Erreur erreur; int compte; } cas[] = {
        {"", "T", Erreur::Aucune, 1},          {"T", "C01", Erreur::Aucune, 2},
        {"C01", "C01L01", Erreur::Aucune, 3},  {"T", "C01", Erreur::CleExistante, 3},
        {"", "T", Erreur::CleExistante, 3},    {"C02", "C02L01", Erreur::RelativeAbsente, 3},
        {"c01", "C01L02", Erreur::RelativeAbsente, 3}, // keys are exact
        {"T", "C02", Erreur::Aucune, 4},       {"", "X", Erreur::Aucune, 5},
    };
    for (const auto& c : cas) {
        Erreur e = Erreur::Aucune;
        NoeudLecon* n = a.ajouter(QString::fromUtf8(c.relative), Enfant, QString::fromUtf8(c.cle), QStringLiteral("texte"), &e);
        EXPECT_EQ(e, c.erreur) << c.relative << ">" << c.cle;
        EXPECT_EQ(n != nullptr, c.erreur == Erreur::Aucune) << c.cle;
        EXPECT_EQ(a.count(), c.compte) << c.cle;
    }
    EXPECT_EQ(cles(a), (QStringList{"T", "C01", "C01L01", "C02", "X"}));
    EXPECT_EQ(a.topLevelItemCount(), 2);
    EXPECT_EQ(a.item(3)->parent(), a.item(2));
    EXPECT_EQ(a.item(3)->element()->parent(), a.item(2)->element());
    EXPECT_EQ(a.item(4)->index(), 4);
    EXPECT_EQ(a.item(0), nullptr);
    EXPECT_EQ(a.item(6), nullptr);
    EXPECT_EQ(a.noeudParCle(QStringLiteral("C02")), a.item(4));
}

TEST(ArbreLecons, NodeDisplayAttributes)
{
    ArbreLecons a;
    a.setPoliceArbre(QStringLiteral("Arial"), 7);
    NoeudLecon* n = a.ajouter(QString(), Enfant, QStringLiteral("T"), QStringLiteral("Cours"));
    EXPECT_EQ(n->couleurTexte(), 0);
    EXPECT_DOUBLE_EQ(n->taillePolice(), 7.0);
    EXPECT_EQ(n->font().family(), QStringLiteral("Arial"));

    const struct { int bbggrr; QColor couleur; } couleurs[] = {
        {0x000080, QColor(0x80, 0, 0)}, {0xFF0000, QColor(0, 0, 0xFF)}, {0x0000FF, QColor(0xFF, 0, 0)},
        {0x808080, QColor(0x80, 0x80, 0x80)}, {0xFFFFFF, QColor(0xFF, 0xFF, 0xFF)}, {0x123456, QColor(0x56, 0x34, 0x12)},
    };
    for (const auto& c : couleurs) {
        n->setCouleurTexte(c.bbggrr);
        EXPECT_EQ(n->couleurTexte(), c.bbggrr);
        EXPECT_EQ(n->element()->foreground(0).color(), c.couleur) << std::hex << c.bbggrr;
    }

    n->setCouleurFond(0x0000FF);
    EXPECT_EQ(n->element()->background(0).color(), QColor(0xFF, 0, 0));
    EXPECT_EQ(n->couleurFond(), 0x0000FF);
    n->retirerSurbrillance();
    EXPECT_FALSE(n->element()->data(0, Qt::BackgroundRole).isValid());
    EXPECT_FALSE(n->couleurFond());

    n->setTaillePolice(9.1);
    n->setGras(true);
    n->setSouligne(true);
    EXPECT_NEAR(n->taillePolice(), 9.1, 1e-9);
    EXPECT_TRUE(n->gras());
    EXPECT_TRUE(n->souligne());
    n->setText(QStringLiteral("Cours -  15/20"));
    EXPECT_EQ(n->text(), QStringLiteral("Cours -  15/20"));

    n->setMarque(1);
    EXPECT_EQ(n->marque(), 1);
    EXPECT_FALSE(n->element()->icon(0).isNull());
    n->setMarque(0);
    EXPECT_TRUE(n->element()->icon(0).isNull());
}

TEST(ArbreLecons, PictureListHoldsARightThenADownArrowInRed)
{
    const auto image = [](int numero) { return ArbreLecons::imageListe(numero).pixmap(12, 12).toImage(); };
    const auto opaques = [](const QImage& im, bool ligne, int k) {
        int n = 0;
        for (int i = 0; i < 12; ++i)
            n += qAlpha(ligne ? im.pixel(i, k) : im.pixel(k, i)) > 128;
        return n;
    };
    const QImage droite = image(1), bas = image(2);
    // Pointing right: tall near the left edge, short near the top; down: the reverse.
    EXPECT_GT(opaques(droite, false, 3), opaques(droite, true, 3));
    EXPECT_GT(opaques(bas, true, 3), opaques(bas, false, 3));
    const QColor centre = QColor::fromRgba(droite.pixel(5, 6));
    EXPECT_GT(centre.red(), 200);
    EXPECT_LT(centre.green(), 60);
    EXPECT_TRUE(ArbreLecons::imageListe(0).isNull());
    EXPECT_TRUE(ArbreLecons::imageListe(3).isNull());
}

class ArbreCours : public testing::Test
{
protected:
    void SetUp() override
    {
        const QStringList noms = {
            QStringLiteral("T-Cours QZ Bureautique.pdf"), QStringLiteral("C01-Chapitre 1 Le clavier.pdf"),
            QStringLiteral("C01L01-Les touches.pdf"), QStringLiteral("C01L02-Questionnaire N°1.pdf"),
            QStringLiteral("C02-Séquence 2.pdf"), QStringLiteral("C02L01-Travaux pratiques.pdf"),
            QStringLiteral("C02L02-Situation professionnelle.pdf"), QStringLiteral("C03-Chapitre 3.pdf"),
            QStringLiteral("C09L01-Orpheline.pdf"),
        };
        plan = planifierArbre(classerDocuments(noms));
        remplirArbre(arbre, plan);
    }
    PlanArbre plan;
    ArbreLecons arbre;
};

TEST_F(ArbreCours, BuiltFromThePlanWithStyles)
{
    ASSERT_EQ(arbre.count(), int(plan.noeuds.size()));
    EXPECT_EQ(cles(arbre), (QStringList{"T", "C01", "C02", "C03", "C01L01", "C01L02", "C02L01", "C02L02"}));
    EXPECT_EQ(arbre.font().family(), QStringLiteral("Arial"));
    const struct { const char* cle; double taille; bool gras, souligne; int couleur; } cas[] = {
        {"T", 9.1, true, false, 0},          {"C01", 8.4, true, true, 0x000080}, {"C02", 8.4, true, true, 0x000080},
        {"C01L01", 7.0, false, false, 0},    {"C01L02", 8.4, false, false, 0xFF0000},
        {"C02L01", 8.4, false, false, 0x0000FF}, {"C02L02", 8.4, true, false, 0x0000FF},
    };
    for (const auto& c : cas) {
        const NoeudLecon* n = arbre.noeudParCle(QString::fromUtf8(c.cle));
        ASSERT_TRUE(n) << c.cle;
        EXPECT_NEAR(n->taillePolice(), c.taille, 1e-9) << c.cle;
        EXPECT_EQ(n->gras(), c.gras) << c.cle;
        EXPECT_EQ(n->souligne(), c.souligne) << c.cle;
        EXPECT_EQ(n->couleurTexte(), c.couleur) << c.cle;
    }
}

TEST_F(ArbreCours, DeployAndMaskKeepTheTitleOpen)
{
    arbre.arbo(0);
    for (const char* cle : {"T", "C01", "C02"})
        EXPECT_TRUE(arbre.noeudParCle(QString::fromUtf8(cle))->expanded()) << cle;
    arbre.arbo(1);
    EXPECT_TRUE(arbre.item(1)->expanded());
    for (const char* cle : {"C01", "C02"})
        EXPECT_FALSE(arbre.noeudParCle(QString::fromUtf8(cle))->expanded()) << cle;
}

TEST_F(ArbreCours, MouseEventsReachTheMainWindow)
{
    arbre.resize(300, 400);
    arbre.show();
    arbre.item(1)->setExpanded(true);
    QStringList vus;
    NoeudLecon* clique = nullptr;
    QObject::connect(&arbre, &ArbreLecons::boutonEnfonce, [&](Qt::MouseButton b, Qt::KeyboardModifiers, QPoint) {
        vus.append(b == Qt::LeftButton ? QStringLiteral("enfoncé") : QStringLiteral("autre"));
    });
    QObject::connect(&arbre, &ArbreLecons::noeudClique, [&](NoeudLecon* n) {
        vus.append(QStringLiteral("noeud"));
        clique = n;
    });
    QObject::connect(&arbre, &ArbreLecons::clic, [&] { vus.append(QStringLiteral("clic")); });
    QObject::connect(&arbre, &ArbreLecons::pointeurDeplace, [&](Qt::MouseButtons, Qt::KeyboardModifiers, QPoint) {
        vus.append(QStringLiteral("déplacé"));
    });

    const QPointF point = arbre.visualItemRect(arbre.noeudParCle(QStringLiteral("C02"))->element()).center();
    const auto envoyer = [&](QEvent::Type type, Qt::MouseButton bouton, Qt::MouseButtons boutons) {
        QMouseEvent e(type, point, arbre.viewport()->mapToGlobal(point), bouton, boutons, Qt::NoModifier);
        QApplication::sendEvent(arbre.viewport(), &e);
    };
    envoyer(QEvent::MouseMove, Qt::NoButton, Qt::NoButton);
    envoyer(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);
    envoyer(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(vus, (QStringList{"déplacé", "enfoncé", "noeud", "clic"}));
    ASSERT_TRUE(clique);
    EXPECT_EQ(clique->key(), QStringLiteral("C02"));
    EXPECT_EQ(arbre.noeudSelectionne(), clique);
}

TEST_F(ArbreCours, ColumnWidensToTheLongestTextSoTitlesScrollInsteadOfBeingCut)
{
    const auto largeurTexte = [&](const NoeudLecon* n) { return QFontMetrics(n->font()).horizontalAdvance(n->text()); };
    const NoeudLecon* lecon = arbre.noeudParCle(QStringLiteral("C02L02"));
    EXPECT_GT(arbre.header()->sectionSize(0), largeurTexte(lecon) + 2 * arbre.indentation());
    NoeudLecon* autre = arbre.noeudParCle(QStringLiteral("C01L01"));
    autre->setText(QString(200, QLatin1Char('W')));
    EXPECT_GT(arbre.header()->sectionSize(0), largeurTexte(autre) + 2 * arbre.indentation());
    EXPECT_EQ(arbre.textElideMode(), Qt::ElideNone);
}
