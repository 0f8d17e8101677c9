#include "Audio.h"
#include "Fixtures.h"
#include "LecteurFlash.h"
#include "Player.h"
#include <QImage>
#include <gtest/gtest.h>

using namespace fixtures;

namespace {
struct SilentSink : swf::AudioSink
{
    void write(const int16_t*, size_t) override {}
    void flush() override {}
};
LecteurFlash::FabriqueAudio fake() { return [] { return std::make_unique<SilentSink>(); }; }
}

TEST(LecteurFlash, loadsPlaysAndGivesThePathBack)
{
    QTemporaryDir dir;
    QString path = writeTemp(dir, "anim.swf", movingSquare(20));
    LecteurFlash fl(nullptr, fake());
    fl.resize(200, 100);
    fl.setMovie(path);
    EXPECT_EQ(fl.movie(), path);
    EXPECT_TRUE(fl.playing());
    EXPECT_TRUE(fl.horlogeActive());
    EXPECT_EQ(fl.frameNum(), 0);
    fl.avancer();
    fl.avancer();
    EXPECT_EQ(fl.frameNum(), 2);
}

TEST(LecteurFlash, emptyOrBlankEmptiesThePlayer)
{
    QTemporaryDir dir;
    QString path = writeTemp(dir, "anim.swf", movingSquare(5));
    for (QString vide : {QString(""), QString(" ")}) {
        LecteurFlash fl(nullptr, fake());
        fl.setMovie(path);
        ASSERT_NE(fl.moteur(), nullptr);
        fl.setMovie(vide);
        EXPECT_EQ(fl.moteur(), nullptr);
        EXPECT_FALSE(fl.playing());
        EXPECT_FALSE(fl.horlogeActive());
        EXPECT_EQ(fl.movie(), QString());
    }
}

TEST(LecteurFlash, frameNumWriteShowsThatFrame)
{
    QTemporaryDir dir;
    QString path = writeTemp(dir, "anim.swf", movingSquare(100));
    LecteurFlash fl(nullptr, fake());
    fl.setMovie(path);
    fl.setFrameNum(57);
    EXPECT_EQ(fl.frameNum(), 57);
    EXPECT_EQ(fl.moteur()->root().list[0].matrix.dx(), 57 * 20.0);
    // another window continues at the same frame
    LecteurFlash other(nullptr, fake());
    other.setMovie(path);
    other.setFrameNum(fl.frameNum());
    EXPECT_EQ(other.frameNum(), 57);
}

TEST(LecteurFlash, loopOffStopsAtTheEnd)
{
    QTemporaryDir dir;
    QString path = writeTemp(dir, "anim.swf", movingSquare(4));
    LecteurFlash fl(nullptr, fake());
    fl.setMovie(path);
    fl.setLoop(false);
    for (int i = 0; i < 10; ++i) fl.avancer();
    EXPECT_EQ(fl.frameNum(), 3);
    EXPECT_FALSE(fl.playing());
    fl.setPlaying(false);
    fl.setFrameNum(1);
    fl.setPlaying(true);
    EXPECT_TRUE(fl.playing());
}

TEST(LecteurFlash, stageKeepsItsAspectOverTheBackground)
{
    QTemporaryDir dir;
    Writer w(100, 50, 12);
    w.setBackground(0x00FF00);
    w.place(1, rectShape(w, 0, 0, 100, 50, 0xFFFF0000));
    w.showFrame();
    QString path = writeTemp(dir, "a.swf", w.finish());
    LecteurFlash fl(nullptr, fake());
    fl.resize(200, 200);
    fl.setMovie(path);
    QImage img = fl.grab().toImage();
    EXPECT_EQ(img.pixelColor(100, 100), QColor(255, 0, 0)); // the stage, 200 x 100, centred
    EXPECT_EQ(img.pixelColor(100, 20), QColor(0, 255, 0));  // above it, the background colour
    EXPECT_EQ(img.pixelColor(100, 180), QColor(0, 255, 0));
}

TEST(LecteurFlash, unreadableFileLeavesItEmpty)
{
    LecteurFlash fl(nullptr, fake());
    fl.setMovie("/nonexistent/film.swf");
    EXPECT_EQ(fl.moteur(), nullptr);
    EXPECT_FALSE(fl.playing());
}
