// swf-render <movie.swf> <frame> <out.png> [--aa|--no-aa]
// Renders the stage at its own size as shown after that many frames (1 = first).
#include "DisplayList.h"
#include "Player.h"
#include "Renderer.h"
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: swf-render <movie.swf> <frame> <out.png> [--aa|--no-aa]\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    bool aa = false;
    for (int i = 4; i < argc; ++i) {
        if (QByteArray(argv[i]) == "--aa") aa = true;
        if (QByteArray(argv[i]) == "--no-aa") aa = false;
    }
    auto movie = swf::Movie::loadFile(QString::fromLocal8Bit(argv[1]));
    if (!movie->ok()) {
        std::fprintf(stderr, "swf-render: %s\n", qPrintable(movie->error()));
        return 1;
    }
    int frames = std::max(1, std::atoi(argv[2]));
    // As a player shows it after that many ticks of the frame clock: actions
    // run and sprites advance even when the main timeline is shorter.
    swf::Player player(movie);
    for (int i = 1; i < frames; ++i) player.tick();
    QImage img = player.renderer().renderImage(player.root(), aa);
    if (!img.convertToFormat(QImage::Format_RGB32).save(QString::fromLocal8Bit(argv[3]))) {
        std::fprintf(stderr, "swf-render: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
