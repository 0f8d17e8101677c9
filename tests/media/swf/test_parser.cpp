#include "Fixtures.h"
#include <gtest/gtest.h>

using namespace fixtures;

class Compressions : public ::testing::TestWithParam<Writer::Compression> {};

TEST_P(Compressions, headerAndFramesRoundTrip)
{
    auto m = load(movingSquare(7, GetParam()));
    ASSERT_TRUE(m->ok()) << qPrintable(m->error());
    EXPECT_FALSE(m->truncated());
    EXPECT_EQ(m->stageWidth(), 100);
    EXPECT_EQ(m->stageHeight(), 50);
    EXPECT_DOUBLE_EQ(m->header().frameRate, 12.0);
    EXPECT_EQ(m->frameCount(), 7);
    EXPECT_EQ(m->background().r, 255);
    ASSERT_NE(m->shape(1), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Swf, Compressions,
                         ::testing::Values(Writer::Compression::None, Writer::Compression::Zlib, Writer::Compression::Lzma),
                         [](const auto& info) {
                             return std::string(info.param == Writer::Compression::None ? "FWS"
                                                : info.param == Writer::Compression::Zlib ? "CWS" : "ZWS");
                         });

TEST(SwfParser, notAnSwfIsRefused)
{
    auto m = load(QByteArray("GIF89a not a movie at all"));
    EXPECT_FALSE(m->ok());
    EXPECT_FALSE(load(QByteArray()).get()->ok());
}

TEST(SwfParser, shapeFillsBecomeClosedPaths)
{
    Writer w(100, 100, 12);
    swfw::ShapeBuilder s;
    int a = s.addFill(swfw::Fill::solid(0xFF00FF00));
    s.rect(200, 200, 400, 400, a);
    uint16_t id = w.defineShape(s);
    w.place(1, id);
    w.showFrame();
    auto m = load(w.finish());
    const swf::Shape* sh = m->shape(id);
    ASSERT_NE(sh, nullptr);
    ASSERT_EQ(sh->layers.size(), 1u);
    ASSERT_EQ(sh->layers[0].fillPaths.size(), 1u);
    EXPECT_EQ(sh->layers[0].fillPaths[0].boundingRect(), QRectF(200, 200, 400, 400));
    EXPECT_TRUE(sh->layers[0].fillPaths[0].contains(QPointF(400, 400)));
}

TEST(SwfParser, unknownTagsAreSkipped)
{
    Writer w(10, 10, 12);
    w.tag(250, QByteArray(100, 'x'));
    uint16_t sq = rectShape(w, 0, 0, 5, 5, 0xFF0000FF);
    w.tag(777 & 0x3FF, QByteArray(3, 'y'));
    w.place(1, sq);
    w.showFrame();
    auto m = load(w.finish());
    ASSERT_TRUE(m->ok());
    EXPECT_NE(m->shape(sq), nullptr);
    EXPECT_EQ(m->frameCount(), 1);
    EXPECT_FALSE(m->unknownTags().empty());
}

TEST(SwfParser, labelsAndActions)
{
    Writer w(10, 10, 12);
    w.showFrame();
    w.label("fin");
    w.doAction({{Op::Stop}, {Op::GetUrl, 0, "http://example.invalid"}, {Op::Unknown}, {Op::GotoFrame, 0}});
    w.showFrame();
    auto m = load(w.finish());
    EXPECT_EQ(m->mainTimeline().frameForLabel("fin"), 1);
    ASSERT_EQ(m->mainTimeline().frames[1].actions.size(), 2u); // getURL and the unknown action skipped
    EXPECT_EQ(m->mainTimeline().frames[1].actions[0].op, swf::Action::Stop);
    EXPECT_EQ(m->mainTimeline().frames[1].actions[1].op, swf::Action::GotoFrame);
}

TEST(SwfParser, losslessBitmapKeepsItsPixels)
{
    Writer w(10, 10, 12);
    QImage img(3, 2, QImage::Format_ARGB32);
    img.fill(QColor(10, 20, 30));
    img.setPixelColor(2, 1, QColor(200, 100, 50));
    uint16_t id = w.defineBitmap(img);
    w.showFrame();
    auto m = load(w.finish());
    const QImage* b = m->bitmap(id);
    ASSERT_NE(b, nullptr);
    ASSERT_EQ(b->size(), QSize(3, 2));
    EXPECT_EQ(b->pixelColor(0, 0), QColor(10, 20, 30));
    EXPECT_EQ(b->pixelColor(2, 1), QColor(200, 100, 50));
}
