// swf-capture <movie.swf> <ticks> <out.png> [width height]
// The Flash control as the windows show it (default 620 x 462, the main
// window's animation area): the movie loaded, that many clock ticks, grabbed.
#include "LecteurFlash.h"
#include <QApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 4) { std::fprintf(stderr, "usage: swf-capture <movie.swf> <ticks> <out.png> [width height]\n"); return 2; }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    LecteurFlash fl;
    fl.resize(argc > 5 ? std::atoi(argv[4]) : 620, argc > 5 ? std::atoi(argv[5]) : 462);
    fl.setMovie(QString::fromLocal8Bit(argv[1]));
    if (!fl.moteur()) { std::fprintf(stderr, "swf-capture: cannot play %s\n", argv[1]); return 1; }
    for (int i = 0, n = std::atoi(argv[2]); i < n; ++i) fl.avancer();
    return fl.grab().save(QString::fromLocal8Bit(argv[3])) ? 0 : 1;
}
