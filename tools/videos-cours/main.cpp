// pedavin-videos: frames of the sample course's videos.
//   pedavin-videos --liste                   keys, one a line ("L" lesson or "I" intro, then the key)
//   pedavin-videos --narration KEY           the narration segments, one a line (empty line: a tone)
//   pedavin-videos --images KEY FPS D1 D2…   raw RGB24 640x480 frames on stdout, segment i lasting Di s
//   pedavin-videos --png KEY T D1 D2… FILE   the frame at time T, for looking at one picture
#include "Dessin.h"
#include "Scenes.h"

#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

#include <cmath>
#include <cstdio>

namespace {
int usage()
{
    std::fputs("usage: pedavin-videos --liste | --narration KEY | --images KEY FPS D1 D2... | --png KEY T D1 D2... FILE\n", stderr);
    return 2;
}

QImage image(const video::Scene& s, const video::Temps& t)
{
    QImage img(video::largeur, video::hauteur, QImage::Format_RGB888);
    img.fill(Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    s.dessiner(p, t);
    p.end();
    return img;
}

bool durees(const QStringList& a, int debut, int fin, const video::Scene& s, video::Temps& t)
{
    if (fin - debut != s.narrations.size())
        return false;
    double cumul = 0;
    for (int i = debut; i < fin; ++i) {
        bool ok = false;
        const double d = a[i].toDouble(&ok);
        if (!ok || d <= 0)
            return false;
        t.debuts.append(cumul);
        t.durees.append(d);
        cumul += d;
    }
    return true;
}
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() < 2)
        return usage();
    QTextStream out(stdout);
    if (a[1] == u"--liste") {
        for (const auto& s : video::scenes())
            out << (s.introduction ? "I " : "L ") << s.cle << '\n';
        return 0;
    }
    if (a.size() < 3)
        return usage();
    const video::Scene* s = video::scene(a[2]);
    if (!s) {
        std::fprintf(stderr, "pedavin-videos: unknown key %s\n", qPrintable(a[2]));
        return 1;
    }
    if (a[1] == u"--narration") {
        for (const QString& n : s->narrations)
            out << n << '\n';
        return 0;
    }
    if (a[1] == u"--images" && a.size() > 4) {
        const double fps = a[3].toDouble();
        video::Temps t;
        if (fps <= 0 || !durees(a, 4, int(a.size()), *s, t))
            return usage();
        const double total = t.debuts.last() + t.durees.last();
        const int n = int(std::ceil(total * fps - 1e-6));
        for (int i = 0; i < n; ++i) {
            // the last frame shows the finished picture
            t.t = i == n - 1 ? total : i / fps;
            const QImage img = image(*s, t);
            for (int y = 0; y < img.height(); ++y)
                std::fwrite(img.constScanLine(y), 1, size_t(img.width()) * 3, stdout);
        }
        std::fflush(stdout);
        return 0;
    }
    if (a[1] == u"--png" && a.size() > 5) {
        video::Temps t;
        if (!durees(a, 4, int(a.size()) - 1, *s, t))
            return usage();
        t.t = a[3].toDouble();
        return image(*s, t).save(a.last()) ? 0 : 1;
    }
    return usage();
}
