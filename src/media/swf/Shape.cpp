#include "Shape.h"
#include <algorithm>
#include <cmath>

namespace swf {

static void readGradient(BitReader& r, FillStyle& f, int version)
{
    r.align();
    f.spread = uint8_t(r.ub(2));
    f.interpolation = uint8_t(r.ub(2));
    unsigned n = r.ub(4);
    for (unsigned i = 0; i < n; ++i) {
        GradientStop s;
        s.pos = r.u8() / 255.0;
        s.color = version >= 3 ? readRgba(r) : readRgb(r);
        f.stops.push_back(s);
    }
}

FillStyle readFillStyle(BitReader& r, int version)
{
    FillStyle f;
    uint8_t type = r.u8();
    switch (type) {
    case 0x00:
        f.kind = FillKind::Solid;
        f.color = version >= 3 ? readRgba(r) : readRgb(r);
        break;
    case 0x10: case 0x12: case 0x13:
        f.kind = type == 0x10 ? FillKind::Linear : type == 0x12 ? FillKind::Radial : FillKind::Focal;
        f.matrix = readMatrix(r);
        readGradient(r, f, version);
        if (type == 0x13) f.focal = std::clamp(r.fixed8(), -1.0, 1.0);
        break;
    case 0x40: case 0x41: case 0x42: case 0x43:
        f.kind = FillKind::Bitmap;
        f.bitmapId = r.u16();
        f.matrix = readMatrix(r);
        f.repeat = type == 0x40 || type == 0x42;
        f.smooth = type == 0x40 || type == 0x41;
        break;
    default:
        // Unknown fill: a transparent solid, and what follows is likely garbage.
        f.kind = FillKind::Solid;
        f.color = Rgba{0, 0, 0, 0};
        break;
    }
    return f;
}

LineStyle readLineStyle(BitReader& r, int version)
{
    LineStyle l;
    l.width = r.u16();
    if (version < 4) {
        l.color = version >= 3 ? readRgba(r) : readRgb(r);
        return l;
    }
    l.startCap = uint8_t(r.ub(2));
    l.join = uint8_t(r.ub(2));
    l.hasFill = r.flag();
    l.noHScale = r.flag();
    l.noVScale = r.flag();
    r.ub(1); // pixel hinting
    r.ub(5);
    r.ub(1); // no close
    l.endCap = uint8_t(r.ub(2));
    r.align();
    if (l.join == 2) l.miterLimit = r.fixed8();
    if (l.hasFill) {
        l.fill = readFillStyle(r, version);
        l.color = l.fill.kind == FillKind::Solid ? l.fill.color
                  : (!l.fill.stops.empty() ? l.fill.stops.front().color : Rgba{});
    } else {
        l.color = readRgba(r);
    }
    return l;
}

static uint32_t readCount(BitReader& r, int version)
{
    uint32_t n = r.u8();
    if (n == 0xFF && version >= 2) n = r.u16();
    return n;
}

StyleSet readStyles(BitReader& r, int version)
{
    StyleSet s;
    uint32_t n = readCount(r, version);
    for (uint32_t i = 0; i < n && !r.overrun(); ++i) s.fills.push_back(readFillStyle(r, version));
    n = readCount(r, version);
    for (uint32_t i = 0; i < n && !r.overrun(); ++i) s.lines.push_back(readLineStyle(r, version));
    return s;
}

void readShapeRecords(BitReader& r, int version, RawShape& out, const Limits& lim, EdgeBudget& budget)
{
    r.align();
    unsigned fillBits = r.ub(4), lineBits = r.ub(4);
    size_t edges = 0;
    for (;;) {
        if (r.overrun()) break;
        ShapeRecord rec;
        if (r.flag()) {
            if (++edges > lim.maxEdgesPerShape || !budget.take()) break;
            bool straight = r.flag();
            unsigned nb = r.ub(4) + 2;
            if (straight) {
                rec.type = ShapeRecord::Line;
                if (r.flag()) { rec.x = r.sb(nb); rec.y = r.sb(nb); }
                else if (r.flag()) rec.y = r.sb(nb);
                else rec.x = r.sb(nb);
            } else {
                rec.type = ShapeRecord::Curve;
                rec.cx = r.sb(nb); rec.cy = r.sb(nb);
                rec.x = r.sb(nb); rec.y = r.sb(nb);
            }
            out.records.push_back(rec);
            continue;
        }
        bool newStyles = r.flag(), hasLine = r.flag(), hasF1 = r.flag(), hasF0 = r.flag(), hasMove = r.flag();
        if (!newStyles && !hasLine && !hasF1 && !hasF0 && !hasMove) break;
        if (hasMove) {
            unsigned mb = r.ub(5);
            rec.hasMove = true;
            rec.x = r.sb(mb); rec.y = r.sb(mb);
        }
        if (hasF0) rec.fill0 = int32_t(r.ub(fillBits));
        if (hasF1) rec.fill1 = int32_t(r.ub(fillBits));
        if (hasLine) rec.line = int32_t(r.ub(lineBits));
        if (newStyles && version >= 2) {
            out.styleSets.push_back(readStyles(r, version));
            rec.newStyles = int32_t(out.styleSets.size() - 1);
            r.align();
            fillBits = r.ub(4); lineBits = r.ub(4);
        }
        out.records.push_back(rec);
    }
    r.align();
}

namespace {

struct Edge
{
    int32_t x0, y0, cx, cy, x1, y1;
    bool curve;
};

inline uint64_t key(int32_t x, int32_t y) { return (uint64_t(uint32_t(x)) << 32) | uint32_t(y); }

void appendEdge(QPainterPath& p, const Edge& e)
{
    if (e.curve) p.quadTo(e.cx, e.cy, e.x1, e.y1);
    else p.lineTo(e.x1, e.y1);
}

// Joins the directed edges of one fill style into closed contours.
QPainterPath chainFill(const std::vector<Edge>& edges, bool winding)
{
    QPainterPath path;
    path.setFillRule(winding ? Qt::WindingFill : Qt::OddEvenFill);
    const size_t n = edges.size();
    if (n == 0) return path;
    std::vector<std::pair<uint64_t, uint32_t>> starts(n);
    for (size_t i = 0; i < n; ++i) starts[i] = {key(edges[i].x0, edges[i].y0), uint32_t(i)};
    std::sort(starts.begin(), starts.end());
    std::vector<uint8_t> used(n, 0);
    std::vector<uint32_t> cursor(n); // per sorted slot: next slot to try within its key group
    for (size_t i = 0; i < n; ++i) cursor[i] = uint32_t(i);
    auto findFrom = [&](uint64_t k) -> int64_t {
        auto it = std::lower_bound(starts.begin(), starts.end(), std::make_pair(k, uint32_t(0)));
        if (it == starts.end() || it->first != k) return -1;
        size_t g = size_t(it - starts.begin());
        size_t s = cursor[g];
        while (s < n && starts[s].first == k && used[starts[s].second]) ++s;
        cursor[g] = uint32_t(s);
        if (s < n && starts[s].first == k) return starts[s].second;
        return -1;
    };
    for (size_t i = 0; i < n; ++i) {
        if (used[i]) continue;
        const Edge& first = edges[i];
        uint64_t startKey = key(first.x0, first.y0);
        path.moveTo(first.x0, first.y0);
        int64_t cur = int64_t(i);
        while (cur >= 0) {
            used[size_t(cur)] = 1;
            const Edge& e = edges[size_t(cur)];
            appendEdge(path, e);
            uint64_t endKey = key(e.x1, e.y1);
            if (endKey == startKey) break;
            cur = findFrom(endKey);
        }
        path.closeSubpath();
    }
    return path;
}

struct LayerBuild
{
    const StyleSet* styles = nullptr;
    std::vector<std::vector<Edge>> fills;
    std::vector<QPainterPath> lines;
    std::vector<QPointF> lineEnd;
};

} // namespace

Shape buildShape(const RawShape& raw, bool windingRule)
{
    Shape shape;
    shape.windingRule = windingRule;
    if (raw.styleSets.empty()) return shape;
    std::vector<LayerBuild> builds;
    auto newLayer = [&](const StyleSet* s) {
        LayerBuild b;
        b.styles = s;
        b.fills.resize(s->fills.size());
        b.lines.resize(s->lines.size());
        b.lineEnd.assign(s->lines.size(), QPointF(qQNaN(), qQNaN()));
        builds.push_back(std::move(b));
    };
    newLayer(&raw.styleSets[0]);
    int32_t x = 0, y = 0;
    int32_t f0 = 0, f1 = 0, ln = 0;
    for (const ShapeRecord& rec : raw.records) {
        if (rec.type == ShapeRecord::StyleChange) {
            if (rec.newStyles >= 0 && size_t(rec.newStyles) < raw.styleSets.size()) {
                newLayer(&raw.styleSets[size_t(rec.newStyles)]);
                f0 = f1 = ln = 0;
            }
            if (rec.hasMove) { x = rec.x; y = rec.y; }
            if (rec.fill0 >= 0) f0 = rec.fill0;
            if (rec.fill1 >= 0) f1 = rec.fill1;
            if (rec.line >= 0) ln = rec.line;
            continue;
        }
        Edge e;
        e.x0 = x; e.y0 = y;
        e.curve = rec.type == ShapeRecord::Curve;
        if (e.curve) {
            e.cx = x + rec.cx; e.cy = y + rec.cy;
            e.x1 = e.cx + rec.x; e.y1 = e.cy + rec.y;
        } else {
            e.x1 = x + rec.x; e.y1 = y + rec.y;
            e.cx = e.x1; e.cy = e.y1;
        }
        x = e.x1; y = e.y1;
        LayerBuild& b = builds.back();
        if (f1 > 0 && size_t(f1) <= b.fills.size()) b.fills[size_t(f1 - 1)].push_back(e);
        if (f0 > 0 && size_t(f0) <= b.fills.size()) {
            Edge rev{e.x1, e.y1, e.cx, e.cy, e.x0, e.y0, e.curve};
            b.fills[size_t(f0 - 1)].push_back(rev);
        }
        if (ln > 0 && size_t(ln) <= b.lines.size()) {
            QPainterPath& p = b.lines[size_t(ln - 1)];
            QPointF& last = b.lineEnd[size_t(ln - 1)];
            if (last != QPointF(e.x0, e.y0)) p.moveTo(e.x0, e.y0);
            appendEdge(p, e);
            last = QPointF(e.x1, e.y1);
        }
    }
    for (LayerBuild& b : builds) {
        ShapeLayer L;
        L.styles = *b.styles;
        for (auto& edges : b.fills) L.fillPaths.push_back(chainFill(edges, windingRule));
        L.linePaths = std::move(b.lines);
        shape.layers.push_back(std::move(L));
    }
    return shape;
}

QPainterPath Shape::outline() const
{
    QPainterPath all;
    all.setFillRule(Qt::WindingFill);
    for (const ShapeLayer& L : layers)
        for (const QPainterPath& p : L.fillPaths)
            if (!p.isEmpty()) all.addPath(p.simplified());
    return all;
}

Shape readDefineShape(BitReader& r, int version, const Limits& lim, EdgeBudget& budget)
{
    QRectF bounds = readRect(r);
    bool winding = false;
    if (version >= 4) {
        readRect(r); // edge bounds
        r.ub(5);
        winding = r.flag();
        r.ub(2);
        r.align();
    }
    RawShape raw;
    raw.styleSets.push_back(readStyles(r, version));
    readShapeRecords(r, version, raw, lim, budget);
    Shape s = buildShape(raw, winding);
    s.bounds = bounds;
    return s;
}

// ---- morph shapes ----

static void readMorphFill(BitReader& r, FillStyle& a, FillStyle& b)
{
    uint8_t type = r.u8();
    switch (type) {
    case 0x00:
        a.kind = b.kind = FillKind::Solid;
        a.color = readRgba(r); b.color = readRgba(r);
        break;
    case 0x10: case 0x12: case 0x13: {
        a.kind = b.kind = type == 0x10 ? FillKind::Linear : type == 0x12 ? FillKind::Radial : FillKind::Focal;
        a.matrix = readMatrix(r); b.matrix = readMatrix(r);
        uint8_t flags = r.u8();
        a.spread = b.spread = uint8_t((flags >> 6) & 3);
        a.interpolation = b.interpolation = uint8_t((flags >> 4) & 3);
        unsigned n = flags & 15;
        for (unsigned i = 0; i < n; ++i) {
            GradientStop s1, s2;
            s1.pos = r.u8() / 255.0; s1.color = readRgba(r);
            s2.pos = r.u8() / 255.0; s2.color = readRgba(r);
            a.stops.push_back(s1); b.stops.push_back(s2);
        }
        if (type == 0x13) { a.focal = std::clamp(r.fixed8(), -1.0, 1.0); b.focal = std::clamp(r.fixed8(), -1.0, 1.0); }
        break;
    }
    case 0x40: case 0x41: case 0x42: case 0x43:
        a.kind = b.kind = FillKind::Bitmap;
        a.bitmapId = b.bitmapId = r.u16();
        a.matrix = readMatrix(r); b.matrix = readMatrix(r);
        a.repeat = b.repeat = type == 0x40 || type == 0x42;
        a.smooth = b.smooth = type == 0x40 || type == 0x41;
        break;
    default:
        a.color = b.color = Rgba{0, 0, 0, 0};
        break;
    }
}

MorphShape readDefineMorphShape(BitReader& r, int version, const Limits& lim, EdgeBudget& budget)
{
    MorphShape m;
    m.startBounds = readRect(r);
    m.endBounds = readRect(r);
    if (version >= 2) { readRect(r); readRect(r); r.u8(); }
    uint32_t offset = r.u32();
    size_t endEdgesAt = r.pos() + offset;
    StyleSet s0, s1;
    uint32_t n = readCount(r, 2);
    for (uint32_t i = 0; i < n && !r.overrun(); ++i) {
        FillStyle a, b;
        readMorphFill(r, a, b);
        s0.fills.push_back(a); s1.fills.push_back(b);
    }
    n = readCount(r, 2);
    for (uint32_t i = 0; i < n && !r.overrun(); ++i) {
        LineStyle a, b;
        a.width = r.u16(); b.width = r.u16();
        if (version >= 2) {
            a.startCap = uint8_t(r.ub(2)); a.join = uint8_t(r.ub(2));
            a.hasFill = r.flag(); a.noHScale = r.flag(); a.noVScale = r.flag();
            r.ub(1); r.ub(5); r.ub(1);
            a.endCap = uint8_t(r.ub(2));
            r.align();
            if (a.join == 2) a.miterLimit = r.fixed8();
            if (a.hasFill) {
                readMorphFill(r, a.fill, b.fill);
                a.color = a.fill.color; b.color = b.fill.color;
            } else {
                a.color = readRgba(r); b.color = readRgba(r);
            }
            b.startCap = a.startCap; b.join = a.join; b.endCap = a.endCap; b.miterLimit = a.miterLimit; b.hasFill = a.hasFill;
        } else {
            a.color = readRgba(r); b.color = readRgba(r);
        }
        s0.lines.push_back(a); s1.lines.push_back(b);
    }
    m.start.styleSets.push_back(s0);
    m.endStyles = s1;
    readShapeRecords(r, 3, m.start, lim, budget);
    if (endEdgesAt <= r.size()) r.seek(endEdgesAt);
    RawShape end;
    end.styleSets.push_back(StyleSet{});
    readShapeRecords(r, 3, end, lim, budget);
    m.endRecords = std::move(end.records);
    return m;
}

static double lerp(double a, double b, double t) { return a + (b - a) * t; }
static uint8_t lerp8(uint8_t a, uint8_t b, double t) { return uint8_t(std::lround(lerp(a, b, t))); }
static Rgba lerpC(Rgba a, Rgba b, double t) { return Rgba{lerp8(a.r, b.r, t), lerp8(a.g, b.g, t), lerp8(a.b, b.b, t), lerp8(a.a, b.a, t)}; }
static QTransform lerpM(const QTransform& a, const QTransform& b, double t)
{
    return QTransform(lerp(a.m11(), b.m11(), t), lerp(a.m12(), b.m12(), t), lerp(a.m21(), b.m21(), t),
                      lerp(a.m22(), b.m22(), t), lerp(a.dx(), b.dx(), t), lerp(a.dy(), b.dy(), t));
}
static FillStyle lerpF(const FillStyle& a, const FillStyle& b, double t)
{
    FillStyle f = a;
    f.color = lerpC(a.color, b.color, t);
    f.matrix = lerpM(a.matrix, b.matrix, t);
    f.focal = lerp(a.focal, b.focal, t);
    for (size_t i = 0; i < f.stops.size() && i < b.stops.size(); ++i) {
        f.stops[i].pos = lerp(a.stops[i].pos, b.stops[i].pos, t);
        f.stops[i].color = lerpC(a.stops[i].color, b.stops[i].color, t);
    }
    return f;
}

Shape MorphShape::at(double t) const
{
    RawShape raw;
    const StyleSet& s0 = start.styleSets.empty() ? StyleSet{} : start.styleSets[0];
    StyleSet s;
    for (size_t i = 0; i < s0.fills.size(); ++i)
        s.fills.push_back(i < endStyles.fills.size() ? lerpF(s0.fills[i], endStyles.fills[i], t) : s0.fills[i]);
    for (size_t i = 0; i < s0.lines.size(); ++i) {
        LineStyle l = s0.lines[i];
        if (i < endStyles.lines.size()) {
            l.width = lerp(l.width, endStyles.lines[i].width, t);
            l.color = lerpC(l.color, endStyles.lines[i].color, t);
            if (l.hasFill) l.fill = lerpF(l.fill, endStyles.lines[i].fill, t);
        }
        s.lines.push_back(l);
    }
    raw.styleSets.push_back(s);
    size_t j = 0;
    const size_t ne = endRecords.size();
    auto nextEnd = [&](bool wantMove) -> const ShapeRecord* {
        while (j < ne) {
            const ShapeRecord& e = endRecords[j];
            if (e.type == ShapeRecord::StyleChange) {
                ++j;
                if (wantMove && e.hasMove) return &e;
                continue;
            }
            if (wantMove) return nullptr;
            ++j;
            return &e;
        }
        return nullptr;
    };
    for (const ShapeRecord& a : start.records) {
        ShapeRecord o = a;
        if (a.type == ShapeRecord::StyleChange) {
            if (a.hasMove) {
                size_t save = j;
                const ShapeRecord* e = nextEnd(true);
                if (!e) j = save;
                int32_t ex = e ? e->x : a.x, ey = e ? e->y : a.y;
                o.x = int32_t(std::lround(lerp(a.x, ex, t)));
                o.y = int32_t(std::lround(lerp(a.y, ey, t)));
            }
            o.newStyles = -1;
            raw.records.push_back(o);
            continue;
        }
        const ShapeRecord* e = nextEnd(false);
        ShapeRecord b = e ? *e : a;
        auto asCurve = [](ShapeRecord r) {
            if (r.type == ShapeRecord::Line) {
                r.type = ShapeRecord::Curve;
                int32_t hx = r.x / 2, hy = r.y / 2;
                r.cx = hx; r.cy = hy; r.x -= hx; r.y -= hy;
            }
            return r;
        };
        if (a.type != b.type) { o = asCurve(a); b = asCurve(b); }
        o.x = int32_t(std::lround(lerp(o.x, b.x, t)));
        o.y = int32_t(std::lround(lerp(o.y, b.y, t)));
        o.cx = int32_t(std::lround(lerp(o.cx, b.cx, t)));
        o.cy = int32_t(std::lround(lerp(o.cy, b.cy, t)));
        raw.records.push_back(o);
    }
    Shape sh = buildShape(raw, false);
    sh.bounds = QRectF(QPointF(lerp(startBounds.left(), endBounds.left(), t), lerp(startBounds.top(), endBounds.top(), t)),
                       QPointF(lerp(startBounds.right(), endBounds.right(), t), lerp(startBounds.bottom(), endBounds.bottom(), t)));
    return sh;
}

} // namespace swf
