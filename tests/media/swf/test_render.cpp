#include "Fixtures.h"
#include "Player.h"
#include <gtest/gtest.h>

using namespace fixtures;

namespace {
QImage render(const QByteArray& swf, int ticks = 0)
{
    swf::Player p(load(swf));
    for (int i = 0; i < ticks; ++i) p.tick();
    return p.renderer().renderImage(p.root(), false);
}
QColor at(const QImage& i, int x, int y) { return i.pixelColor(x, y); }
}

TEST(SwfRender, solidShapeOverBackground)
{
    Writer w(40, 30, 12);
    w.setBackground(0x336699);
    w.place(1, rectShape(w, 10, 10, 10, 10, 0xFFFF0000), 0, 0);
    w.showFrame();
    QImage img = render(w.finish());
    ASSERT_EQ(img.size(), QSize(40, 30));
    EXPECT_EQ(at(img, 2, 2), QColor(0x33, 0x66, 0x99));
    EXPECT_EQ(at(img, 15, 15), QColor(255, 0, 0));
    EXPECT_EQ(at(img, 25, 15), QColor(0x33, 0x66, 0x99));
}

TEST(SwfRender, depthOrderAndColourTransform)
{
    Writer w(40, 40, 12);
    w.setBackground(0xFFFFFF);
    uint16_t red = rectShape(w, 0, 0, 20, 20, 0xFFFF0000);
    uint16_t blue = rectShape(w, 10, 10, 20, 20, 0xFF0000FF);
    w.place(2, blue);
    w.place(1, red);
    swfw::Place p;
    p.depth = 3; p.charId = red; p.hasMatrix = true; p.matrix = QTransform::fromTranslate(0, 600);
    p.hasCx = true; p.mult[0] = 0; p.add[1] = 255; // red -> green
    w.place(p);
    w.showFrame();
    QImage img = render(w.finish());
    EXPECT_EQ(at(img, 15, 15), QColor(0, 0, 255)); // depth 2 over depth 1
    EXPECT_EQ(at(img, 5, 5), QColor(255, 0, 0));
    EXPECT_EQ(at(img, 5, 35), QColor(0, 255, 0));
}

TEST(SwfRender, clipDepthMasksTheDepthsAbove)
{
    Writer w(40, 40, 12);
    w.setBackground(0xFFFFFF);
    uint16_t mask = rectShape(w, 0, 0, 20, 40, 0xFF000000);
    uint16_t green = rectShape(w, 0, 0, 40, 40, 0xFF00FF00);
    swfw::Place m;
    m.depth = 1; m.charId = mask; m.clipDepth = 2;
    w.place(m);
    w.place(2, green);
    w.showFrame();
    QImage img = render(w.finish());
    EXPECT_EQ(at(img, 10, 20), QColor(0, 255, 0));
    EXPECT_EQ(at(img, 30, 20), QColor(255, 255, 255)); // masked out; the mask itself is not drawn
}

TEST(SwfRender, linearGradientRunsAcross)
{
    Writer w(100, 10, 12);
    swfw::ShapeBuilder s;
    int f = s.addFill(swfw::Fill::linear(0, 0, 2000, 200, {{0, 0xFF000000}, {255, 0xFFFFFFFF}}));
    s.rect(0, 0, 2000, 200, f);
    w.place(1, w.defineShape(s));
    w.showFrame();
    QImage img = render(w.finish());
    EXPECT_LT(at(img, 2, 5).red(), 20);
    EXPECT_GT(at(img, 97, 5).red(), 235);
    EXPECT_NEAR(at(img, 50, 5).red(), 128, 12);
}

TEST(SwfRender, bitmapFillShowsTheBitmap)
{
    Writer w(20, 20, 12);
    QImage img(4, 4, QImage::Format_ARGB32);
    img.fill(QColor(0, 128, 255));
    uint16_t bm = w.defineBitmap(img);
    swfw::ShapeBuilder s;
    int f = s.addFill(swfw::Fill::bitmap(bm, 0, 0, 2, false, false));
    s.rect(0, 0, 160, 160, f);
    w.place(1, w.defineShape(s));
    w.showFrame();
    QImage out = render(w.finish());
    EXPECT_EQ(at(out, 3, 3), QColor(0, 128, 255));
    EXPECT_EQ(at(out, 15, 15), QColor(255, 255, 255));
}

TEST(SwfRender, spriteChildrenFollowTheirOwnClock)
{
    Writer w(40, 20, 12);
    w.setBackground(0xFFFFFF);
    uint16_t red = rectShape(w, 0, 0, 10, 10, 0xFFFF0000);
    swfw::TimelineBuilder sp;
    sp.place(1, red, 0, 0);
    sp.showFrame();
    sp.move(1, QTransform::fromTranslate(400, 0));
    sp.showFrame();
    w.place(1, w.defineSprite(sp));
    w.showFrame(); // one main frame only
    QByteArray b = w.finish();
    QImage f1 = render(b, 0), f2 = render(b, 1);
    EXPECT_EQ(at(f1, 5, 5), QColor(255, 0, 0));
    EXPECT_EQ(at(f2, 5, 5), QColor(255, 255, 255));
    EXPECT_EQ(at(f2, 25, 5), QColor(255, 0, 0));
}

namespace {
// Edges of a square of side s twips at the origin, as SHAPE records (fill 1 on the left).
QByteArray squareEdges(swfw::BitWriter& w, int s, bool withStyle)
{
    w.ub(1, 4); w.ub(0, 4); // fill bits, line bits
    // style change: fill1 = 1 (only in the start shape), moveTo(0,0)
    w.ub(0, 1); w.ub(0, 1); w.ub(0, 1); w.ub(withStyle, 1); w.ub(0, 1); w.ub(1, 1);
    int n = swfw::BitWriter::sbits(0);
    w.ub(uint32_t(n), 5); w.sb(0, n); w.sb(0, n);
    if (withStyle) w.ub(1, 1);
    int nb = std::max(2, swfw::BitWriter::sbits(s));
    auto line = [&](int dx, int dy) { w.ub(1, 1); w.ub(1, 1); w.ub(uint32_t(nb - 2), 4); w.ub(1, 1); w.sb(dx, nb); w.sb(dy, nb); };
    line(s, 0); line(0, s); line(-s, 0); line(0, -s);
    w.ub(0, 6);
    return w.data();
}
}

TEST(SwfRender, morphShapeFollowsItsRatio)
{
    swfw::BitWriter end;
    QByteArray endEdges = squareEdges(end, 800, false);
    swfw::BitWriter m;
    m.u16(5);
    m.rect(0, 400, 0, 400);
    m.rect(0, 800, 0, 800);
    swfw::BitWriter rest;
    rest.u8(1);                       // one morph fill
    rest.u8(0); rest.rgba(0xFFFF0000); rest.rgba(0xFF0000FF);
    rest.u8(0);                       // no lines
    QByteArray startEdges = squareEdges(rest, 400, true);
    QByteArray tail = rest.data();
    m.u32(uint32_t(tail.size()));
    m.bytes(tail);
    m.bytes(endEdges);
    Writer w(40, 40, 12);
    w.setBackground(0xFFFFFF);
    w.tag(46, m.data());
    swfw::Place p;
    p.depth = 1; p.charId = 5; p.ratio = 0;
    w.place(p);
    w.showFrame();
    swfw::Place q;
    q.depth = 1; q.move = true; q.ratio = 65535;
    w.place(q);
    w.showFrame();
    QByteArray b = w.finish();
    QImage start = render(b, 0), done = render(b, 1);
    EXPECT_EQ(at(start, 10, 10), QColor(255, 0, 0));
    EXPECT_EQ(at(start, 30, 30), QColor(255, 255, 255));
    EXPECT_EQ(at(done, 30, 30), QColor(0, 0, 255));
}

TEST(SwfRender, devSetVideoDecodesWhenPresent)
{
    // The reference set sits beside the project; without it there is nothing to check.
    QString path = QStringLiteral(PEDAVIN_SOURCE_DIR "/../shared/swf/visual__video__colorconversion__h263/test.swf");
    if (!QFile::exists(path)) GTEST_SKIP() << "no development set";
    auto m = swf::Movie::loadFile(path);
    ASSERT_TRUE(m->ok());
    swf::Player p(m);
    QImage img = p.renderer().renderImage(p.root(), false);
    QImage ref(QStringLiteral(PEDAVIN_SOURCE_DIR "/../shared/swf/visual__video__colorconversion__h263/output.expected.png"));
    ASSERT_EQ(img.size(), ref.size());
    long close = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            QColor a = img.pixelColor(x, y), b = ref.pixelColor(x, y);
            if (std::abs(a.red() - b.red()) <= 8 && std::abs(a.green() - b.green()) <= 8 && std::abs(a.blue() - b.blue()) <= 8) ++close;
        }
    EXPECT_GT(double(close) / (img.width() * img.height()), 0.95);
}

TEST(SwfRender, multiplyBlendMode)
{
    Writer w(40, 20, 12);
    w.setBackground(0xFFFFFF);
    w.place(1, rectShape(w, 20, 0, 20, 20, 0xFF0000FF));
    swfw::Place p;
    p.depth = 2; p.charId = rectShape(w, 0, 0, 40, 20, 0xFFFF0000); p.blend = 3;
    w.place(p);
    w.showFrame();
    QImage img = render(w.finish());
    EXPECT_EQ(at(img, 10, 10), QColor(255, 0, 0)); // red x white
    EXPECT_EQ(at(img, 30, 10), QColor(0, 0, 0));   // red x blue
}

TEST(SwfRender, dropShadowAndBlurFilters)
{
    Writer w(60, 40, 12);
    w.setBackground(0xFFFFFF);
    swfw::Place p;
    p.depth = 1; p.charId = rectShape(w, 10, 10, 20, 20, 0xFF0000FF);
    p.filters = swfw::Place::dropShadowFilter(0xFF000000, 0, 0, 6, 1); // hard shadow 6 px to the right
    w.place(p);
    swfw::Place q;
    q.depth = 2; q.charId = rectShape(w, 40, 10, 10, 10, 0xFFFF0000);
    q.filters = swfw::Place::blurFilter(8, 8, 1);
    w.place(q);
    w.showFrame();
    QImage img = render(w.finish());
    EXPECT_EQ(at(img, 20, 20), QColor(0, 0, 255));     // the object over its shadow
    EXPECT_EQ(at(img, 33, 20), QColor(0, 0, 0));       // the shadow past its right edge
    EXPECT_EQ(at(img, 20, 8), QColor(255, 255, 255));  // nothing above
    QColor edge = at(img, 40, 15);                      // the blurred square's edge is soft
    EXPECT_GT(edge.green(), 40);
    EXPECT_LT(edge.green(), 230);
}
