#include "ScreenCapture.h"
#include <QPainter>
#include <QRandomGenerator>

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

} // namespace swfw
