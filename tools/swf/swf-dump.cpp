// swf-dump <movie.swf>: header, characters and frames, for debugging.
#include "Movie.h"
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 2) { std::fprintf(stderr, "usage: swf-dump <movie.swf>\n"); return 2; }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    auto m = swf::Movie::loadFile(QString::fromLocal8Bit(argv[1]));
    const auto& h = m->header();
    std::printf("ok=%d truncated=%d version=%d stage=%gx%g twips rate=%g frames=%d bg=%02x%02x%02x %s\n", m->ok(), m->truncated(),
                h.version, h.stage.width(), h.stage.height(), h.frameRate, m->frameCount(), m->background().r,
                m->background().g, m->background().b, qPrintable(m->error()));
    for (int id = 0; id < 65536; ++id) {
        const swf::CharType* t = m->typeOf(uint16_t(id));
        if (!t) continue;
        std::printf("char %d type %d", id, int(*t));
        if (auto* s = m->shape(uint16_t(id))) {
            std::printf(" bounds %g,%g %gx%g layers %zu", s->bounds.x(), s->bounds.y(), s->bounds.width(), s->bounds.height(), s->layers.size());
            for (auto& L : s->layers) {
                for (size_t i = 0; i < L.fillPaths.size(); ++i) {
                    QRectF b = L.fillPaths[i].boundingRect();
                    const auto& fs = L.styles.fills[i];
                    std::printf("\n   fill %zu kind %d elems %d [%g,%g %gx%g] m(%g %g %g %g %g %g) rep%d smooth%d", i, int(fs.kind), int(L.fillPaths[i].elementCount()), b.x(), b.y(), b.width(), b.height(),
                                fs.matrix.m11(), fs.matrix.m12(), fs.matrix.m21(), fs.matrix.m22(), fs.matrix.dx(), fs.matrix.dy(), fs.repeat, fs.smooth);
                }
                for (size_t i = 0; i < L.linePaths.size(); ++i)
                    std::printf("\n   line %zu width %g elems %d", i, L.styles.lines[i].width, int(L.linePaths[i].elementCount()));
            }
        }
        if (auto* b = m->bitmap(uint16_t(id))) std::printf(" bitmap %dx%d", b->width(), b->height());
        if (auto* v = m->video(uint16_t(id))) std::printf(" video %dx%d codec %d frames %zu", v->width, v->height, v->codec, v->frames.size());
        if (auto* s = m->sprite(uint16_t(id))) std::printf(" sprite frames %zu", s->timeline.frames.size());
        std::printf("\n");
    }
    const auto& tl = m->mainTimeline();
    for (size_t f = 0; f < tl.frames.size() && f < 20; ++f) {
        std::printf("frame %zu:", f);
        for (auto& c : tl.frames[f].cmds)
            std::printf(" [%s d%d c%d m(%g %g %g %g %g %g) r%d clip%d]", c.remove ? "rm" : c.move ? "mv" : "pl", c.depth, c.charId,
                        c.matrix.m11(), c.matrix.m12(), c.matrix.m21(), c.matrix.m22(), c.matrix.dx(), c.matrix.dy(), c.ratio, c.clipDepth);
        std::printf(" actions %zu\n", tl.frames[f].actions.size());
    }
    return 0;
}
