// The viewer: fit modes, scrolling within and across pages, rendering at the
// viewer's own size and pixel density, on demand.
#include "ComparaisonImages.h"
#include "AffichageQt.h"
#include "FabriquePdf.h"
#include "media/pdf/VisionneusePdf.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPdfDocument>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {
// The main window's viewer: 9855 x 2640 twips.
const QSize tailleDuPanneau(657, 176);

struct VisionneuseTest : ::testing::Test
{
    void SetUp() override
    {
        ASSERT_TRUE(dossier.isValid());
        vue.resize(tailleDuPanneau);
        vue.show();
    }
    QString document(int pages, QSizeF points = QSizeF(595, 842))
    {
        const QString chemin = dossier.filePath(
            QStringLiteral("d%1_%2x%3.pdf").arg(pages).arg(points.width()).arg(points.height()));
        if (!QFile::exists(chemin))
            fabriquerPdf(chemin, pages, points);
        return chemin;
    }
    QImage ecran() { return vue.viewport()->grab().toImage(); }
    void molette(int delta)
    {
        QWheelEvent e(QPointF(50, 50), QPointF(50, 50), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(vue.viewport(), &e);
    }
    void touche(int cle)
    {
        QKeyEvent e(QEvent::KeyPress, cle, Qt::NoModifier);
        QCoreApplication::sendEvent(&vue, &e);
    }
    // The page as the printer or any renderer would draw it at this size.
    QImage reference(int page, QSize taille)
    {
        QPdfDocument d;
        d.load(vue.property("chemin").toString());
        QPdfDocumentRenderOptions o;
        o.setRenderFlags(QPdfDocumentRenderOptions::RenderFlag::Annotations);
        // The same rendering path as the viewer's tiles, over the whole page.
        o.setScaledSize(taille);
        o.setScaledClipRect(QRect(QPoint(0, 0), taille));
        QImage blanc(taille, QImage::Format_RGB32);
        blanc.fill(Qt::white);
        QPainter p(&blanc);
        p.drawImage(0, 0, d.render(page - 1, taille, o));
        return blanc;
    }
    // Opens and lets the scroll bars settle, as the event loop would.
    bool ouvrir(const QString& chemin)
    {
        vue.setProperty("chemin", chemin);
        const bool ouvert = vue.ouvrir(chemin);
        QCoreApplication::processEvents();
        return ouvert;
    }
    void ajuster(int mode)
    {
        vue.setAjustement(mode);
        QCoreApplication::processEvents();
    }

    QTemporaryDir dossier;
    VisionneusePdf vue;
};
} // namespace

// ----------------------------------------------------------------- fit modes

enum class Cote { Largeur, Hauteur };

struct CasAjustement
{
    const char* nom;
    QSize viewer;
    QSizeF points;
    int mode;
    Cote ajuste;     // the side that fills the viewport
    bool defileV;    // vertical scrolling within the page
    bool defileH;
};

class Ajustement : public VisionneuseTest, public ::testing::WithParamInterface<CasAjustement>
{};

TEST_P(Ajustement, FitsTheRightSideAndScrollsTheOther)
{
    const auto& c = GetParam();
    vue.resize(c.viewer);
    ASSERT_TRUE(ouvrir(document(2, c.points)));
    ajuster(c.mode);
    const QRect page = vue.rectPage();
    const QSize visible = vue.viewport()->size();
    if (c.ajuste == Cote::Largeur)
        EXPECT_EQ(page.width(), visible.width());
    else
        EXPECT_EQ(page.height(), visible.height());
    EXPECT_EQ(vue.verticalScrollBar()->maximum() > 0, c.defileV);
    EXPECT_EQ(vue.horizontalScrollBar()->maximum() > 0, c.defileH);
    // Either the page fits that way or the bar reaches all of it.
    EXPECT_EQ(vue.verticalScrollBar()->maximum(), qMax(0, page.height() - visible.height()));
    EXPECT_EQ(vue.horizontalScrollBar()->maximum(), qMax(0, page.width() - visible.width()));
    // The page keeps its shape.
    EXPECT_NEAR(double(page.width()) / page.height(), c.points.width() / c.points.height(), 0.02);
    // A page smaller than the viewer is centred.
    if (page.width() < visible.width())
        EXPECT_LE(std::abs(page.left() * 2 + page.width() - visible.width()), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, Ajustement,
    ::testing::Values(
        CasAjustement{"PortraitFullWidth", tailleDuPanneau, {595, 842}, VisionneusePdf::Largeur, Cote::Largeur, true, false},
        CasAjustement{"PortraitPageHeight", tailleDuPanneau, {595, 842}, VisionneusePdf::Hauteur, Cote::Hauteur, false, false},
        CasAjustement{"PortraitBestFit", tailleDuPanneau, {595, 842}, VisionneusePdf::AuMieux, Cote::Hauteur, false, false},
        CasAjustement{"LandscapeFullWidthInATallViewer", {300, 500}, {842, 595}, VisionneusePdf::Largeur, Cote::Largeur,
                      false, false},
        CasAjustement{"LandscapePageHeightInANarrowViewer", {200, 300}, {842, 595}, VisionneusePdf::Hauteur, Cote::Hauteur,
                      false, true},
        CasAjustement{"LandscapeBestFitInANarrowViewer", {200, 300}, {842, 595}, VisionneusePdf::AuMieux, Cote::Largeur,
                      false, false},
        CasAjustement{"WidePageBestFitInThePanel", tailleDuPanneau, {1600, 200}, VisionneusePdf::AuMieux, Cote::Largeur,
                      false, false}),
    [](const auto& i) { return std::string(i.param.nom); });

TEST_F(VisionneuseTest, FitModeIsKeptAcrossLoadsAndUnknownModesIgnored)
{
    ASSERT_TRUE(ouvrir(document(2)));
    ajuster(VisionneusePdf::Hauteur);
    ajuster(7);
    EXPECT_EQ(vue.ajustement(), VisionneusePdf::Hauteur);
    ASSERT_TRUE(ouvrir(document(3)));
    EXPECT_EQ(vue.ajustement(), VisionneusePdf::Hauteur);
    EXPECT_EQ(vue.rectPage().height(), vue.viewport()->height());
}

// ------------------------------------------------------------------- pixels

TEST_F(VisionneuseTest, ShowsThePageRenderedAtTheViewersSize)
{
    ASSERT_TRUE(ouvrir(document(3)));
    ajuster(VisionneusePdf::Largeur);
    const QRect page = vue.rectPage();
    const QImage entiere = reference(1, page.size());
    for (int decalage : {0, 300, vue.verticalScrollBar()->maximum()}) {
        vue.verticalScrollBar()->setValue(decalage);
        const QImage montre = ecran();
        const int h = vue.viewport()->height();
        const QImage attendue = entiere.copy(0, decalage, page.width(), h);
        EXPECT_LT(ecartMoyen(montre.copy(0, 0, page.width(), h), attendue), 1.0) << decalage;
    }
}

TEST_F(VisionneuseTest, EachPageShowsItsOwnContent)
{
    ASSERT_TRUE(ouvrir(document(3)));
    ajuster(VisionneusePdf::AuMieux);
    vue.setPage(2);
    const QRect r = vue.rectPage();
    const QImage montre = ecran().copy(r);
    EXPECT_LT(ecartMoyen(montre, reference(2, r.size())), 1.0);
    EXPECT_GT(ecartMoyen(montre, reference(1, r.size())), 5.0);
    // A page rendered smaller and scaled up to the viewer would not pass.
    const QImage floue = reference(2, r.size() / 2).scaled(r.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_GT(ecartMoyen(montre, floue), 2.0);
}

// Run by a second ctest entry with QT_SCALE_FACTOR=2.
TEST_F(VisionneuseTest, HighDensityRendersAtDevicePixels)
{
    const double ratio = vue.viewport()->devicePixelRatioF();
    if (ratio < 1.5)
        GTEST_SKIP() << "needs a high-density screen (QT_SCALE_FACTOR=2)";
    ASSERT_TRUE(ouvrir(document(2)));
    ajuster(VisionneusePdf::AuMieux);
    const QRect r = vue.rectPage();
    const QImage montre = ecran();
    ASSERT_EQ(montre.devicePixelRatio(), ratio);
    const QRect device(QPoint(qRound(r.left() * ratio), qRound(r.top() * ratio)),
                       QSize(qRound(r.width() * ratio), qRound(r.height() * ratio)));
    EXPECT_LT(ecartMoyen(montre.copy(device), reference(1, device.size())), 1.0);
}

// ---------------------------------------------------------------- scrolling

TEST_F(VisionneuseTest, WheelScrollsWithinThePageThenGoesOn)
{
    ASSERT_TRUE(ouvrir(document(3)));
    ajuster(VisionneusePdf::Largeur);
    QSignalSpy pages(&vue, &VisionneusePdf::OnPage);
    QScrollBar* barre = vue.verticalScrollBar();

    molette(-120);
    EXPECT_GT(barre->value(), 0);
    EXPECT_EQ(vue.page(), 1);

    barre->setValue(barre->maximum());
    molette(-40); // a touchpad's small step at the edge does not turn the page yet
    EXPECT_EQ(vue.page(), 1);
    molette(-80);
    EXPECT_EQ(vue.page(), 2);
    EXPECT_EQ(barre->value(), 0);

    molette(120); // back up from the top of page 2: bottom of page 1
    EXPECT_EQ(vue.page(), 1);
    EXPECT_EQ(barre->value(), barre->maximum());

    ASSERT_EQ(pages.size(), 2);
    EXPECT_EQ(pages[0][0].toInt(), 2);
    EXPECT_EQ(pages[1][0].toInt(), 1);
}

TEST_F(VisionneuseTest, WheelAndKeysStopAtTheDocumentsEnds)
{
    ASSERT_TRUE(ouvrir(document(2)));
    ajuster(VisionneusePdf::AuMieux);
    molette(120);
    touche(Qt::Key_PageUp);
    EXPECT_EQ(vue.page(), 1);
    touche(Qt::Key_End);
    EXPECT_EQ(vue.page(), 2);
    molette(-120);
    touche(Qt::Key_PageDown);
    EXPECT_EQ(vue.page(), 2);
    touche(Qt::Key_Home);
    EXPECT_EQ(vue.page(), 1);
    touche(Qt::Key_PageDown);
    EXPECT_EQ(vue.page(), 2);
}

TEST_F(VisionneuseTest, PageEventsOnlyWhenThePageChanges)
{
    ASSERT_TRUE(ouvrir(document(4)));
    QSignalSpy pages(&vue, &VisionneusePdf::OnPage);
    vue.setPage(3);
    vue.setPage(3);
    vue.setPage(0);
    vue.setPage(5);
    ASSERT_EQ(pages.size(), 1);
    EXPECT_EQ(pages[0][0].toInt(), 3);
    // A failed load empties the viewer and says so with page 0.
    EXPECT_FALSE(ouvrir(dossier.filePath(QStringLiteral("absent.pdf"))));
    ASSERT_EQ(pages.size(), 2);
    EXPECT_EQ(pages[1][0].toInt(), 0);
}

// --------------------------------------------------------- on-demand render

TEST_F(VisionneuseTest, ThousandPagesRenderOnlyWhatIsShown)
{
    ASSERT_TRUE(ouvrir(document(1000)));
    EXPECT_EQ(vue.nombrePages(), 1000);
    ecran();
    QCoreApplication::processEvents();
    const int apresOuverture = vue.tuilesRendues();
    // One viewport of the first page, and the top of the next one.
    EXPECT_GT(apresOuverture, 0);
    EXPECT_LE(apresOuverture, 4);

    vue.setPage(1000);
    ecran();
    QCoreApplication::processEvents();
    EXPECT_EQ(vue.page(), 1000);
    EXPECT_LE(vue.tuilesRendues() - apresOuverture, 2);

    // What was shown is kept: coming back and repainting renders nothing.
    const int vues = vue.tuilesRendues();
    vue.setPage(1);
    ecran();
    vue.setPage(1000);
    ecran();
    EXPECT_EQ(vue.tuilesRendues(), vues);
}

TEST_F(VisionneuseTest, NextPageIsReadyBeforeItIsAskedFor)
{
    ASSERT_TRUE(ouvrir(document(3)));
    ecran();
    QCoreApplication::processEvents();
    const int avant = vue.tuilesRendues();
    vue.setPage(2);
    ecran();
    EXPECT_EQ(vue.tuilesRendues(), avant);
}
