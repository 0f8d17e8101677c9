#pragma once
// Movies made for the tests with the SWF writer.
#include "Movie.h"
#include "SwfWriter.h"
#include <QTemporaryDir>
#include <QFile>

namespace fixtures {

using swfw::Writer;
using Op = swfw::TimelineBuilder::Op;

inline uint16_t rectShape(Writer& w, int x, int y, int wd, int ht, uint32_t argb)
{
    swfw::ShapeBuilder s;
    int f = s.addFill(swfw::Fill::solid(argb));
    s.rect(x * 20, y * 20, wd * 20, ht * 20, f);
    return w.defineShape(s);
}

// A movie of n frames: a red square at depth 1 moving one pixel right per frame.
inline QByteArray movingSquare(int n, Writer::Compression c = Writer::Compression::Zlib)
{
    Writer w(100, 50, 12);
    w.setBackground(0xFFFFFF);
    uint16_t sq = rectShape(w, 0, 0, 10, 10, 0xFFFF0000);
    w.place(1, sq, 0, 0);
    w.showFrame();
    for (int i = 1; i < n; ++i) {
        w.move(1, QTransform::fromTranslate(i * 20.0, 0));
        w.showFrame();
    }
    return w.finish(c);
}

inline std::shared_ptr<swf::Movie> load(const QByteArray& b) { return swf::Movie::load(b); }

inline QString writeTemp(QTemporaryDir& dir, const QString& name, const QByteArray& b)
{
    QString p = dir.filePath(name);
    QFile f(p);
    f.open(QIODevice::WriteOnly);
    f.write(b);
    return p;
}

} // namespace fixtures
