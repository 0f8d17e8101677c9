#include "ScreenCapture.h"
#include <QPainter>
#include <QRandomGenerator>
extern "C" {
#include <libavcodec/avcodec.h>
#include <libswscale/swscale.h>
}

namespace swfw {

static QImage desktop(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(QColor(0, 96, 160));
    QPainter p(&img);
    p.fillRect(0, h - 30, w, 30, QColor(210, 210, 210));
    for (int i = 0; i < 6; ++i) p.fillRect(10 + i * 90, h - 26, 80, 22, QColor(180, 180, 200));
    p.fillRect(60, 40, w - 240, h - 140, Qt::white);
    p.fillRect(60, 40, w - 240, 24, QColor(20, 60, 140));
    p.setPen(Qt::black);
    QFont f("Liberation Sans");
    f.setPixelSize(13);
    p.setFont(f);
    for (int y = 90; y < h - 120; y += 18)
        p.drawText(80, y, QStringLiteral("Ligne %1 : exemple de texte d'un document capturé à l'écran").arg(y));
    for (int i = 0; i < 8; ++i) p.fillRect(20, 60 + i * 70, 32, 32, QColor(240, 200, 40));
    return img;
}

QByteArray screenCaptureMovie(int width, int height, int frames, double fps)
{
    Writer w(width, height, fps, 8);
    w.setBackground(0x000000);
    QImage screen = desktop(width, height);
    uint16_t bg = w.defineBitmap(screen);
    ShapeBuilder s;
    int f = s.addFill(Fill::bitmap(bg, 0, 0, 1, false, false));
    s.rect(0, 0, width * 20, height * 20, f);
    w.place(1, w.defineShape(s));
    ShapeBuilder cur;
    int black = cur.addFill(Fill::solid(0xFF000000)), white = cur.addFill(Fill::solid(0xFFFFFFFF));
    cur.polygon({{0, 0}, {0, 340}, {90, 260}, {150, 380}, {200, 360}, {140, 240}, {250, 240}}, black);
    cur.polygon({{20, 40}, {20, 290}, {95, 225}, {155, 345}, {175, 335}, {115, 215}, {200, 215}}, white);
    uint16_t cursor = w.defineShape(cur);
    w.place(1000, cursor, 400 * 20, 300 * 20);
    QRandomGenerator rng(7);
    const int tile = 64;
    int tilesAcross = width / tile, tilesDown = height / tile;
    for (int i = 0; i < frames; ++i) {
        if (i > 0 && i % 12 == 0) {
            // A tile of the screen changes (a menu opens, text is typed).
            int tx = int(rng.bounded(tilesAcross)), ty = int(rng.bounded(tilesDown));
            QImage t = screen.copy(tx * tile, ty * tile, tile, tile);
            QPainter p(&t);
            p.fillRect(4, 4, tile - 8, 16 + int(rng.bounded(30)), QColor::fromHsv(int(rng.bounded(360)), 80, 240));
            p.end();
            uint16_t tb = w.defineBitmap(t);
            ShapeBuilder ts;
            int tf = ts.addFill(Fill::bitmap(tb, tx * tile * 20.0, ty * tile * 20.0, 1, false, false));
            ts.rect(tx * tile * 20, ty * tile * 20, tile * 20, tile * 20, tf);
            uint16_t sh = w.defineShape(ts);
            uint16_t depth = uint16_t(2 + ty * tilesAcross + tx);
            w.remove(depth);
            w.place(depth, sh);
        }
        double a = i / 40.0;
        w.move(1000, QTransform::fromTranslate((width / 2 + (width / 3) * std::sin(a)) * 20, (height / 2 + (height / 3) * std::cos(a * 1.3)) * 20));
        w.showFrame();
    }
    return w.finish();
}

QByteArray screenVideoMovie(int width, int height, int frames, double fps, int keyEvery)
{
    const AVCodec* codec = avcodec_find_encoder(AV_CODEC_ID_FLASHSV);
    if (!codec) return {};
    AVCodecContext* ctx = avcodec_alloc_context3(codec);
    ctx->width = width; ctx->height = height;
    ctx->pix_fmt = AV_PIX_FMT_BGR24;
    ctx->time_base = AVRational{1, int(std::lround(fps))};
    ctx->gop_size = keyEvery;
    if (avcodec_open2(ctx, codec, nullptr) < 0) { avcodec_free_context(&ctx); return {}; }
    AVFrame* fr = av_frame_alloc();
    fr->format = ctx->pix_fmt; fr->width = width; fr->height = height;
    av_frame_get_buffer(fr, 0);
    AVPacket* pkt = av_packet_alloc();

    Writer w(width, height, fps, 8);
    w.setBackground(0x000000);
    uint16_t vid = w.defineVideoStream(uint16_t(frames), uint16_t(width), uint16_t(height), 3);
    Place p; p.depth = 1; p.charId = vid; p.ratio = 0;
    w.place(p);
    QImage screen = desktop(width, height);
    QRandomGenerator rng(7);
    for (int i = 0; i < frames; ++i) {
        QImage img = screen.copy();
        {
            QPainter q(&img);
            if (i > 0 && i % 12 == 0) {
                // A change that stays, as a menu opening or typed text.
                QPainter s(&screen);
                s.fillRect(int(rng.bounded(width - 80)), int(rng.bounded(height - 40)), 80, 24, QColor::fromHsv(int(rng.bounded(360)), 80, 240));
            }
            double a = i / 40.0;
            QPointF at(width / 2 + (width / 3) * std::sin(a), height / 2 + (height / 3) * std::cos(a * 1.3));
            q.setBrush(Qt::white); q.setPen(Qt::black);
            q.drawPolygon(QPolygonF({at, at + QPointF(0, 17), at + QPointF(5, 13), at + QPointF(12, 12)}));
        }
        av_frame_make_writable(fr);
        for (int y = 0; y < height; ++y) {
            const QRgb* src = reinterpret_cast<const QRgb*>(img.constScanLine(y));
            uchar* dst = fr->data[0] + y * fr->linesize[0];
            for (int x = 0; x < width; ++x) { dst[3 * x] = uchar(qBlue(src[x])); dst[3 * x + 1] = uchar(qGreen(src[x])); dst[3 * x + 2] = uchar(qRed(src[x])); }
        }
        fr->pts = i;
        if (avcodec_send_frame(ctx, fr) == 0)
            while (avcodec_receive_packet(ctx, pkt) == 0) {
                w.videoFrame(vid, uint16_t(pkt->pts), QByteArray(reinterpret_cast<const char*>(pkt->data), pkt->size));
                av_packet_unref(pkt);
            }
        if (i > 0) { Place m; m.depth = 1; m.move = true; m.ratio = i; w.place(m); }
        w.showFrame();
    }
    av_packet_free(&pkt);
    av_frame_free(&fr);
    avcodec_free_context(&ctx);
    return w.finish();
}

} // namespace swfw
