#include "Audio.h"
#include "QtAudioSink.h"
#include "Fixtures.h"
#include "Player.h"
#include <cmath>
#include <gtest/gtest.h>

using namespace fixtures;

namespace {
struct FakeSink : swf::AudioSink
{
    std::vector<int16_t> got;
    int flushes = 0;
    void write(const int16_t* f, size_t n) override { got.insert(got.end(), f, f + n * 2); }
    void flush() override { ++flushes; }
};

QByteArray tone(int rate, int samples, int amp)
{
    QByteArray b;
    for (int i = 0; i < samples; ++i) {
        int16_t v = int16_t(amp * std::sin(i * 2 * M_PI * 440 / rate));
        b.append(char(v & 0xFF)); b.append(char(v >> 8));
    }
    return b;
}
}

TEST(SwfSound, eventSoundIsMixedWhenItsFrameComes)
{
    Writer w(10, 10, 10);
    uint16_t s = w.defineSound(3, 44100, true, false, 4410, tone(44100, 4410, 10000));
    w.showFrame();
    w.startSound(s);
    w.showFrame();
    w.showFrame();
    FakeSink sink;
    swf::Player p(load(w.finish()), &sink);
    p.tick(); // frame 0 -> 1: the sound starts
    ASSERT_EQ(sink.got.size(), 4410u * 2); // 1/10 s of stereo
    int peak = 0;
    for (int16_t v : sink.got) peak = std::max(peak, std::abs(int(v)));
    EXPECT_GT(peak, 9000);
}

TEST(SwfSound, streamFollowsTheFrameNumber)
{
    Writer w(10, 10, 10);
    w.streamHead(3, 44100, true, false, 4410);
    QByteArray all = tone(44100, 4410 * 20, 8000);
    for (int f = 0; f < 20; ++f) {
        w.streamBlock(all.mid(f * 4410 * 2, 4410 * 2));
        w.showFrame();
    }
    FakeSink sink;
    swf::Player p(load(w.finish()), &sink);
    p.seek(10);
    EXPECT_GE(sink.flushes, 1);
    EXPECT_EQ(p.mixer()->streamPosition(), 10 * 4410);
    p.tick();
    EXPECT_EQ(p.frame(), 11);
    EXPECT_EQ(p.mixer()->streamPosition(), 12 * 4410); // frame 11 played from its own start
    ASSERT_FALSE(sink.got.empty());
}

TEST(SwfSound, pcm8BitAndResampling)
{
    swf::SoundFormat f;
    f.format = 3; f.rate = 11025; f.is16 = false; f.stereo = false;
    QByteArray d(1000, char(200));
    auto pcm = swf::decodeSound(f, d, 1 << 20);
    EXPECT_NEAR(double(pcm.size()) / 2, 4000, 8);
    EXPECT_EQ(pcm[10], int16_t((200 - 128) << 8));
}

TEST(SwfSound, qtOutputWithOrWithoutADeviceNeverFails)
{
    swf::QtAudioSink sink; // no device on a build machine: silent
    std::vector<int16_t> frames(4410 * 2, 100);
    sink.write(frames.data(), 4410);
    sink.flush();
    sink.write(frames.data(), 4410);
    SUCCEED() << (sink.available() ? "device" : "silent");
}

TEST(SwfSound, spriteFramesStartTheirSounds)
{
    Writer w(10, 10, 10);
    uint16_t s = w.defineSound(3, 44100, true, false, 4410, tone(44100, 4410, 10000));
    swfw::TimelineBuilder sp;
    sp.showFrame();
    sp.startSound(s);
    sp.showFrame();
    w.place(1, w.defineSprite(sp));
    w.showFrame();
    FakeSink sink;
    swf::Player p(load(w.finish()), &sink);
    p.tick(); // the sprite reaches its second frame
    EXPECT_EQ(p.mixer()->activeSounds() > 0 || !sink.got.empty(), true);
    EXPECT_FALSE(sink.got.empty());
}

TEST(SwfSound, streamStopsWithTheTimeline)
{
    Writer w(10, 10, 10);
    w.streamHead(3, 44100, true, false, 4410);
    QByteArray all = tone(44100, 4410 * 5, 8000);
    for (int f = 0; f < 5; ++f) {
        w.streamBlock(all.mid(f * 4410 * 2, 4410 * 2));
        if (f == 2) w.doAction({{Op::Stop}});
        w.showFrame();
    }
    FakeSink sink;
    swf::Player p(load(w.finish()), &sink);
    p.tick(); p.tick(); // frames 1 and 2; the stop at 2
    size_t heard = sink.got.size();
    p.tick(); p.tick();
    EXPECT_EQ(p.frame(), 2);
    EXPECT_EQ(sink.got.size(), heard);
}
