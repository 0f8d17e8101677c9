// swf-bench: the figures of bench/swf.sh on a 1024 x 768 screen-capture
// movie made by the writer: render time of a frame, seek to frame 5000,
// peak memory.
#include "Player.h"
#include "ScreenCapture.h"
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int frames = 6000;
    QByteArray swfData = swfw::screenCaptureMovie(1024, 768, frames, 12);
    if (argc > 1) { QFile f(argv[1]); if (f.open(QIODevice::WriteOnly)) f.write(swfData); }
    auto movie = swf::Movie::load(swfData);
    if (!movie->ok() || movie->frameCount() != frames) { std::fprintf(stderr, "swf-bench: movie not read\n"); return 1; }

    // Render: what the control does each tick, at the stage's own size, smooth.
    swf::Player p(movie);
    QImage target(1024, 768, QImage::Format_ARGB32_Premultiplied);
    p.renderer().setAntialias(true);
    std::vector<double> ms;
    for (int i = 0; i < 300; ++i) {
        p.tick();
        QElapsedTimer t;
        t.start();
        QPainter painter(&target);
        painter.fillRect(target.rect(), Qt::black);
        p.renderer().render(painter, p.root(), QTransform::fromScale(0.05, 0.05), false);
        painter.end();
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    double median = ms[ms.size() / 2];

    // Seek: a fresh player (nothing kept yet) to frame 5000, then a second seek near it.
    swf::Player q(movie);
    QElapsedTimer t;
    t.start();
    q.seek(5000);
    double seekCold = t.nsecsElapsed() / 1e6;
    t.restart();
    q.seek(4321);
    double seekWarm = t.nsecsElapsed() / 1e6;

    // The same screen as Screen Video: decode and draw a frame, seek to 5000.
    double videoMs = -1, videoSeek = -1;
    QByteArray sv = swfw::screenVideoMovie(1024, 768, frames, 12);
    if (!sv.isEmpty()) {
        auto vm = swf::Movie::load(sv);
        swf::Player v(vm);
        v.renderer().setAntialias(true);
        std::vector<double> vms;
        for (int i = 0; i < 120; ++i) {
            QElapsedTimer t2;
            t2.start();
            v.tick();
            QPainter painter(&target);
            v.renderer().render(painter, v.root(), QTransform::fromScale(0.05, 0.05), false);
            painter.end();
            vms.push_back(t2.nsecsElapsed() / 1e6);
        }
        std::sort(vms.begin(), vms.end());
        videoMs = vms[vms.size() / 2];
        swf::Player v2(vm);
        QElapsedTimer t3;
        t3.start();
        v2.seek(5000);
        QPainter painter(&target);
        v2.renderer().render(painter, v2.root(), QTransform::fromScale(0.05, 0.05), false);
        painter.end();
        videoSeek = t3.nsecsElapsed() / 1e6;
    }

    rusage ru{};
    getrusage(RUSAGE_SELF, &ru);
    std::printf("swf.render_frame_ms: %.2f ms\n", median);
    std::printf("swf.seek_5000_ms: %.2f ms\n", seekCold);
    std::printf("swf.seek_back_ms: %.2f ms\n", seekWarm);
    if (videoMs >= 0) {
        std::printf("swf.screen_video_frame_ms: %.2f ms\n", videoMs);
        std::printf("swf.screen_video_seek_5000_ms: %.2f ms\n", videoSeek);
    }
    std::printf("swf.peak_memory_mb: %.1f MB\n", ru.ru_maxrss / 1024.0);
    return 0;
}
