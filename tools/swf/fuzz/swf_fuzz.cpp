// libFuzzer entry: load any bytes as a movie, play a few frames, seek, draw.
// Run: LSAN_OPTIONS=suppressions=tools/swf/fuzz/lsan.supp \
//        build-fuzz/bin/swf-fuzz -max_len=65536 -rss_limit_mb=2048 -timeout=10 corpus/ seeds/
// Seeds: the development set movies (their CWS bodies also as FWS help the fuzzer).
#include "Player.h"
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication* app = new QGuiApplication(*argc, *argv);
    (void)app;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    swf::Limits lim;
    lim.maxBodyBytes = 16u << 20;
    lim.maxBitmapPixels = 4u << 20;
    lim.maxTotalBitmapBytes = 64u << 20;
    lim.maxEdgesPerShape = 100'000;
    lim.maxTotalEdges = 400'000;
    lim.maxFrames = 20'000;
    lim.maxInstances = 20'000;
    lim.maxSoundBytes = 8u << 20;
    auto movie = swf::Movie::load(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), lim);
    if (!movie->ok()) return 0;
    swf::Player p(movie);
    for (int i = 0; i < 3; ++i) p.tick();
    p.seek(p.frameCount() / 2);
    p.click(QPointF(100, 100));
    QImage img(64, 48, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&img);
    const QRectF st = movie->header().stage;
    double s = (st.width() > 0 && st.height() > 0) ? std::min(64 / st.width(), 48 / st.height()) : 0.05;
    p.renderer().render(painter, p.root(), QTransform::fromTranslate(-st.left(), -st.top()) * QTransform::fromScale(s, s));
    return 0;
}
