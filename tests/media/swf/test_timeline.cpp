#include "Fixtures.h"
#include "Player.h"
#include "ScreenCapture.h"
#include <gtest/gtest.h>

using namespace fixtures;

namespace {

// A main timeline of n frames, a square moving right, and a sprite whose own
// 7-frame timeline moves a second square down: the state at a frame depends
// on the history of both.
QByteArray twoClocks(int n)
{
    Writer w(200, 100, 24);
    w.setBackground(0xFFFFFF);
    uint16_t red = rectShape(w, 0, 0, 10, 10, 0xFFFF0000);
    uint16_t blue = rectShape(w, 0, 0, 10, 10, 0xFF0000FF);
    swfw::TimelineBuilder sp;
    sp.place(1, blue, 0, 0);
    sp.showFrame();
    for (int i = 1; i < 7; ++i) { sp.move(1, QTransform::fromTranslate(0, i * 200.0)); sp.showFrame(); }
    uint16_t sprite = w.defineSprite(sp);
    w.place(1, red, 0, 0);
    w.showFrame();
    for (int i = 1; i < n; ++i) {
        w.move(1, QTransform::fromTranslate((i % 180) * 20.0, 0));
        if (i == 3) w.place(2, sprite, 1000, 0);
        if (i == 40) w.remove(2);
        if (i == 45) w.place(2, sprite, 2000, 0);
        w.showFrame();
    }
    return w.finish();
}

QImage frameImage(swf::Player& p) { return p.renderer().renderImage(p.root(), false); }

} // namespace

TEST(SwfTimeline, seekShowsExactlyWhatPlayingShows)
{
    auto m = load(twoClocks(400));
    swf::Player played(m), sought(m);
    played.setLoop(false);
    std::vector<int> targets{0, 1, 2, 3, 9, 40, 44, 45, 46, 99, 100, 101, 250, 399};
    int at = 0;
    for (int t : targets) {
        while (at < t) { played.tick(); ++at; }
        ASSERT_EQ(played.frame(), t);
        sought.seek(t);
        ASSERT_EQ(sought.frame(), t);
        EXPECT_EQ(frameImage(played), frameImage(sought)) << "frame " << t;
    }
    // And backwards, out of order.
    swf::Player fresh(m);
    for (int t : {101, 3, 250, 45, 0, 399, 46}) {
        sought.seek(t);
        fresh.seek(0);
        swf::Player ref(m);
        for (int i = 0; i < t; ++i) ref.tick();
        EXPECT_EQ(frameImage(ref), frameImage(sought)) << "frame " << t;
    }
}

TEST(SwfTimeline, seekFarIsBuiltFromKeptStates)
{
    auto m = load(movingSquare(10000));
    swf::Player p(m);
    p.seek(5000);
    EXPECT_EQ(p.frame(), 5000);
    ASSERT_EQ(p.root().list.size(), 1u);
    EXPECT_EQ(p.root().list[0].matrix.dx(), 5000 * 20.0);
    EXPECT_GE(p.keptStates(), 2u);
    p.seek(4999);
    EXPECT_EQ(p.root().list[0].matrix.dx(), 4999 * 20.0);
    p.seek(20000); // past the end: the last frame
    EXPECT_EQ(p.frame(), 9999);
}

TEST(SwfTimeline, loopOffStopsAtTheLastFrame)
{
    auto m = load(movingSquare(5));
    swf::Player p(m);
    p.setLoop(false);
    for (int i = 0; i < 10; ++i) p.tick();
    EXPECT_EQ(p.frame(), 4);
    EXPECT_FALSE(p.playing());
    p.setPlaying(true); // at the end with loop off: stays stopped
    EXPECT_FALSE(p.playing());
}

TEST(SwfTimeline, loopOnStartsAgain)
{
    auto m = load(movingSquare(5));
    swf::Player p(m);
    for (int i = 0; i < 6; ++i) p.tick();
    EXPECT_EQ(p.frame(), 1);
    EXPECT_TRUE(p.playing());
}

TEST(SwfTimeline, stopAndGotoActions)
{
    Writer w(20, 20, 12);
    w.showFrame();                                   // 0
    w.label("boucle");
    w.showFrame();                                   // 1
    w.showFrame();                                   // 2
    w.doAction({{Op::GotoLabel, 0, "boucle"}, {Op::Play}});
    w.showFrame();                                   // 3: back to 1
    w.showFrame();                                   // 4 (never reached)
    auto m = load(w.finish());
    swf::Player p(m);
    std::vector<int> seen;
    for (int i = 0; i < 6; ++i) { p.tick(); seen.push_back(p.frame()); }
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 1, 2, 1, 2}));

    Writer w2(20, 20, 12);
    w2.showFrame();
    w2.doAction({{Op::Stop}});
    w2.showFrame();
    w2.showFrame();
    swf::Player q(load(w2.finish()));
    for (int i = 0; i < 5; ++i) q.tick();
    EXPECT_EQ(q.frame(), 1);
    EXPECT_FALSE(q.playing());
}

TEST(SwfTimeline, buttonReleaseRunsItsActions)
{
    Writer w(100, 100, 12);
    uint16_t up = rectShape(w, 0, 0, 50, 50, 0xFF00FF00);
    uint16_t over = rectShape(w, 0, 0, 50, 50, 0xFF008000);
    uint16_t b = w.defineButton(up, over, {{Op::GotoFrame, 2}});
    w.place(1, b, 0, 0);
    w.doAction({{Op::Stop}});
    w.showFrame();
    w.showFrame();
    w.showFrame();
    swf::Player p(load(w.finish()));
    EXPECT_FALSE(p.click(QPointF(80 * 20, 80 * 20))); // outside the button
    EXPECT_EQ(p.frame(), 0);
    EXPECT_TRUE(p.click(QPointF(10 * 20, 10 * 20)));
    EXPECT_EQ(p.frame(), 2);
}

TEST(SwfTimeline, videoSeekShowsWhatPlayingShows)
{
    QByteArray b = swfw::screenVideoMovie(160, 120, 130, 12, 50);
    if (b.isEmpty()) GTEST_SKIP() << "no Screen Video encoder in this libavcodec";
    auto m = load(b);
    ASSERT_EQ(m->frameCount(), 130);
    swf::Player played(m);
    played.setLoop(false);
    std::vector<QImage> seen;
    seen.push_back(frameImage(played));
    for (int i = 1; i < 130; ++i) { played.tick(); seen.push_back(frameImage(played)); }
    swf::Player sought(m);
    for (int t : {120, 7, 99, 50, 49, 51, 0, 129, 100}) {
        sought.seek(t);
        EXPECT_EQ(frameImage(sought), seen[size_t(t)]) << "frame " << t;
    }
}
