#include "SwfWriter.h"
#include <QBuffer>
#include <QPainterPath>
#include <cmath>
#include <lzma.h>
#include <zlib.h>

namespace swfw {

void BitWriter::ub(uint32_t v, int bits)
{
    for (int i = bits - 1; i >= 0; --i) {
        cur_ = uint8_t((cur_ << 1) | ((v >> i) & 1));
        if (++n_ == 8) { out_.append(char(cur_)); cur_ = 0; n_ = 0; }
    }
}

void BitWriter::align()
{
    if (n_) { cur_ = uint8_t(cur_ << (8 - n_)); out_.append(char(cur_)); cur_ = 0; n_ = 0; }
}

int BitWriter::sbits(int32_t v)
{
    int n = 1;
    while (n < 32 && !(v >= -(int64_t(1) << (n - 1)) && v < (int64_t(1) << (n - 1)))) ++n;
    return n;
}
int BitWriter::sbits(std::initializer_list<int32_t> vs)
{
    int n = 1;
    for (int32_t v : vs) n = std::max(n, sbits(v));
    return n;
}

void BitWriter::rect(int32_t x0, int32_t x1, int32_t y0, int32_t y1)
{
    align();
    int n = sbits({x0, x1, y0, y1});
    ub(uint32_t(n), 5);
    sb(x0, n); sb(x1, n); sb(y0, n); sb(y1, n);
    align();
}

void BitWriter::matrix(const QTransform& m)
{
    align();
    auto fx = [](double v) { return int32_t(std::lround(v * 65536.0)); };
    bool scale = m.m11() != 1 || m.m22() != 1;
    ub(scale, 1);
    if (scale) { int n = sbits({fx(m.m11()), fx(m.m22())}); ub(uint32_t(n), 5); sb(fx(m.m11()), n); sb(fx(m.m22()), n); }
    bool rot = m.m12() != 0 || m.m21() != 0;
    ub(rot, 1);
    if (rot) { int n = sbits({fx(m.m12()), fx(m.m21())}); ub(uint32_t(n), 5); sb(fx(m.m12()), n); sb(fx(m.m21()), n); }
    int32_t tx = int32_t(std::lround(m.dx())), ty = int32_t(std::lround(m.dy()));
    int n = (tx == 0 && ty == 0) ? 0 : sbits({tx, ty});
    ub(uint32_t(n), 5);
    if (n) { sb(tx, n); sb(ty, n); }
    align();
}

Fill Fill::linear(double x, double y, double w, double h, std::vector<std::pair<uint8_t, uint32_t>> stops)
{
    Fill f;
    f.kind = Linear;
    f.stops = std::move(stops);
    f.matrix = QTransform(w / 32768.0, 0, 0, h / 32768.0, x + w / 2, y + h / 2);
    return f;
}
Fill Fill::radial(double cx, double cy, double r, std::vector<std::pair<uint8_t, uint32_t>> stops)
{
    Fill f;
    f.kind = Radial;
    f.stops = std::move(stops);
    f.matrix = QTransform(r / 16384.0, 0, 0, r / 16384.0, cx, cy);
    return f;
}
Fill Fill::bitmap(uint16_t id, double x, double y, double scale, bool repeat, bool smooth)
{
    Fill f;
    f.kind = Bitmap;
    f.bitmapId = id;
    f.repeat = repeat;
    f.smooth = smooth;
    f.matrix = QTransform(20 * scale, 0, 0, 20 * scale, x, y);
    return f;
}

void ShapeBuilder::grow(int32_t x, int32_t y)
{
    minX_ = std::min(minX_, x); maxX_ = std::max(maxX_, x);
    minY_ = std::min(minY_, y); maxY_ = std::max(maxY_, y);
}
void ShapeBuilder::style(int f0, int f1, int ln) { recs_.push_back({0, 0, 0, 0, 0, f0, f1, ln}); }
void ShapeBuilder::moveTo(int32_t x, int32_t y) { recs_.push_back({1, x, y, 0, 0, -1, -1, -1}); x_ = x; y_ = y; grow(x, y); }
void ShapeBuilder::lineTo(int32_t x, int32_t y) { recs_.push_back({2, x - x_, y - y_, 0, 0, -1, -1, -1}); x_ = x; y_ = y; grow(x, y); }
void ShapeBuilder::curveTo(int32_t cx, int32_t cy, int32_t x, int32_t y)
{
    recs_.push_back({3, cx - x_, cy - y_, x - cx, y - cy, -1, -1, -1});
    x_ = x; y_ = y;
    grow(cx, cy); grow(x, y);
}
void ShapeBuilder::rect(int32_t x, int32_t y, int32_t w, int32_t h, int fill, int line)
{
    style(0, fill, line);
    moveTo(x, y); lineTo(x + w, y); lineTo(x + w, y + h); lineTo(x, y + h); lineTo(x, y);
}
void ShapeBuilder::ellipse(int32_t cx, int32_t cy, int32_t rx, int32_t ry, int fill, int line)
{
    style(0, fill, line);
    const int n = 8;
    moveTo(cx + rx, cy);
    for (int i = 1; i <= n; ++i) {
        double a0 = 2 * M_PI * (i - 1) / n, a1 = 2 * M_PI * i / n, am = (a0 + a1) / 2;
        double k = 1 / std::cos(M_PI / n);
        curveTo(int32_t(cx + rx * k * std::cos(am)), int32_t(cy + ry * k * std::sin(am)),
                int32_t(cx + rx * std::cos(a1)), int32_t(cy + ry * std::sin(a1)));
    }
}
void ShapeBuilder::polygon(const std::vector<QPoint>& pts, int fill, int line)
{
    if (pts.empty()) return;
    style(0, fill, line);
    moveTo(pts[0].x(), pts[0].y());
    for (size_t i = 1; i < pts.size(); ++i) lineTo(pts[i].x(), pts[i].y());
    lineTo(pts[0].x(), pts[0].y());
}
void ShapeBuilder::path(const QPainterPath& pp, int fill, int line)
{
    // Filled with fill on the left side and nothing on the right: the even-odd
    // rule of the player gives holes where the outline says so.
    style(0, fill, line);
    QPointF cur, start;
    auto pt = [](QPointF q) { return QPoint(int(std::lround(q.x())), int(std::lround(q.y()))); };
    bool open = false;
    for (int i = 0; i < pp.elementCount(); ++i) {
        const QPainterPath::Element& e = pp.elementAt(i);
        if (e.isMoveTo()) {
            if (open && cur != start) lineTo(pt(start).x(), pt(start).y());
            moveTo(pt(e).x(), pt(e).y());
            cur = start = e;
            open = true;
        } else if (e.isLineTo()) {
            lineTo(pt(e).x(), pt(e).y());
            cur = e;
        } else if (e.isCurveTo() && i + 2 < pp.elementCount()) {
            QPointF c1 = e, c2 = pp.elementAt(i + 1), p3 = pp.elementAt(i + 2);
            // Split the cubic in two halves, each close to a quadratic.
            QPointF p0 = cur;
            QPointF m01 = (p0 + c1) / 2, m12 = (c1 + c2) / 2, m23 = (c2 + p3) / 2;
            QPointF a = (m01 + m12) / 2, b = (m12 + m23) / 2, mid = (a + b) / 2;
            QPointF qa = (m01 * 3 - p0 + a * 3 - mid) / 4, qb = (b * 3 - mid + m23 * 3 - p3) / 4;
            curveTo(pt(qa).x(), pt(qa).y(), pt(mid).x(), pt(mid).y());
            curveTo(pt(qb).x(), pt(qb).y(), pt(p3).x(), pt(p3).y());
            cur = p3;
            i += 2;
        }
    }
    if (open && cur != start) lineTo(pt(start).x(), pt(start).y());
}

size_t ShapeBuilder::edgeCount() const
{
    size_t n = 0;
    for (const Rec& r : recs_) n += r.type >= 2;
    return n;
}

static int ubits(uint32_t v) { int n = 0; while (v >> n) ++n; return n; }

QByteArray ShapeBuilder::body(int version) const
{
    BitWriter w;
    if (recs_.empty()) w.rect(0, 0, 0, 0);
    else w.rect(minX_, maxX_, minY_, maxY_);
    if (version >= 4) { if (recs_.empty()) w.rect(0, 0, 0, 0); else w.rect(minX_, maxX_, minY_, maxY_); w.u8(0); }
    auto color = [&](uint32_t argb) { if (version >= 3) w.rgba(argb); else w.rgb(argb); };
    auto count = [&](size_t n) { if (n < 255) w.u8(uint8_t(n)); else { w.u8(0xFF); w.u16(uint16_t(n)); } };
    count(fills_.size());
    for (const Fill& f : fills_) {
        switch (f.kind) {
        case Fill::Solid: w.u8(0); color(f.argb); break;
        case Fill::Linear: case Fill::Radial:
            w.u8(f.kind == Fill::Linear ? 0x10 : 0x12);
            w.matrix(f.matrix);
            w.u8(uint8_t(std::min<size_t>(f.stops.size(), 15)));
            for (size_t i = 0; i < f.stops.size() && i < 15; ++i) { w.u8(f.stops[i].first); color(f.stops[i].second); }
            break;
        case Fill::Bitmap:
            w.u8(uint8_t(0x40 | (f.repeat ? 0 : 1) | (f.smooth ? 0 : 2)));
            w.u16(f.bitmapId);
            w.matrix(f.matrix);
            break;
        }
    }
    count(lines_.size());
    for (const Line& l : lines_) {
        w.u16(l.width);
        if (version >= 4) { w.u8(0); w.u8(0); w.rgba(l.argb); }
        else color(l.argb);
    }
    int fb = std::max(1, ubits(uint32_t(fills_.size()))), lb = std::max(1, ubits(uint32_t(lines_.size())));
    w.ub(uint32_t(fb), 4); w.ub(uint32_t(lb), 4);
    for (size_t i = 0; i < recs_.size(); ++i) {
        const Rec& r = recs_[i];
        if (r.type == 0 || r.type == 1) {
            // Merge a style record with the moveTo that follows.
            const Rec* st = r.type == 0 ? &r : nullptr;
            const Rec* mv = r.type == 1 ? &r : nullptr;
            if (st && i + 1 < recs_.size() && recs_[i + 1].type == 1) { mv = &recs_[i + 1]; ++i; }
            w.ub(0, 1);
            w.ub(0, 1); // new styles
            w.ub(st && st->ln >= 0, 1);
            w.ub(st && st->f1 >= 0, 1);
            w.ub(st && st->f0 >= 0, 1);
            w.ub(mv != nullptr, 1);
            if (mv) { int n = BitWriter::sbits({mv->a, mv->b}); w.ub(uint32_t(n), 5); w.sb(mv->a, n); w.sb(mv->b, n); }
            if (st && st->f0 >= 0) w.ub(uint32_t(st->f0), fb);
            if (st && st->f1 >= 0) w.ub(uint32_t(st->f1), fb);
            if (st && st->ln >= 0) w.ub(uint32_t(st->ln), lb);
        } else if (r.type == 2) {
            int n = std::max(2, BitWriter::sbits({r.a, r.b}));
            w.ub(1, 1); w.ub(1, 1); w.ub(uint32_t(n - 2), 4);
            w.ub(1, 1); // general line
            w.sb(r.a, n); w.sb(r.b, n);
        } else {
            int n = std::max(2, BitWriter::sbits({r.a, r.b, r.c, r.d}));
            w.ub(1, 1); w.ub(0, 1); w.ub(uint32_t(n - 2), 4);
            w.sb(r.a, n); w.sb(r.b, n); w.sb(r.c, n); w.sb(r.d, n);
        }
    }
    w.ub(0, 6); // end of shape
    return w.data();
}

void TimelineBuilder::tag(uint16_t code, const QByteArray& data)
{
    BitWriter w;
    if (data.size() < 63) w.u16(uint16_t(code << 6 | data.size()));
    else { w.u16(uint16_t(code << 6 | 63)); w.u32(uint32_t(data.size())); }
    tags_ += w.data();
    tags_ += data;
}

void TimelineBuilder::place(const Place& p)
{
    BitWriter w;
    uint8_t f = 0;
    if (p.move) f |= 0x01;
    if (p.charId >= 0) f |= 0x02;
    if (p.hasMatrix) f |= 0x04;
    if (p.hasCx) f |= 0x08;
    if (p.ratio >= 0) f |= 0x10;
    if (!p.name.isEmpty()) f |= 0x20;
    if (p.clipDepth > 0) f |= 0x40;
    w.u8(f);
    bool po3 = p.blend || !p.filters.isEmpty();
    if (po3) w.u8(uint8_t((p.blend ? 0x02 : 0) | (p.filters.isEmpty() ? 0 : 0x01)));
    w.u16(p.depth);
    if (p.charId >= 0) w.u16(uint16_t(p.charId));
    if (p.hasMatrix) w.matrix(p.matrix);
    if (p.hasCx) {
        int m[4], a[4];
        for (int i = 0; i < 4; ++i) { m[i] = int(std::lround(p.mult[i] * 256)); a[i] = p.add[i]; }
        int n = BitWriter::sbits({m[0], m[1], m[2], m[3], a[0], a[1], a[2], a[3]});
        w.ub(1, 1); w.ub(1, 1); w.ub(uint32_t(n), 4);
        for (int i = 0; i < 4; ++i) w.sb(m[i], n);
        for (int i = 0; i < 4; ++i) w.sb(a[i], n);
        w.align();
    }
    if (p.ratio >= 0) w.u16(uint16_t(p.ratio));
    if (!p.name.isEmpty()) w.string(p.name);
    if (p.clipDepth > 0) w.u16(uint16_t(p.clipDepth));
    if (!p.filters.isEmpty()) w.bytes(p.filters);
    if (p.blend) w.u8(p.blend);
    tag(po3 ? 70 : 26, w.data());
}

static void fixed16(BitWriter& w, double v) { w.u32(uint32_t(int32_t(std::lround(v * 65536)))); }

QByteArray Place::blurFilter(double bx, double by, int passes)
{
    BitWriter w;
    w.u8(1); w.u8(1);
    fixed16(w, bx); fixed16(w, by);
    w.ub(uint32_t(passes), 5); w.ub(0, 3);
    return w.data();
}

QByteArray Place::dropShadowFilter(uint32_t argb, double blur, double angle, double distance, double strength)
{
    BitWriter w;
    w.u8(1); w.u8(0);
    w.rgba(argb);
    fixed16(w, blur); fixed16(w, blur); fixed16(w, angle); fixed16(w, distance);
    w.u16(uint16_t(int16_t(std::lround(strength * 256))));
    w.ub(0, 1); w.ub(0, 1); w.ub(1, 1); w.ub(1, 5);
    return w.data();
}

void TimelineBuilder::place(uint16_t depth, uint16_t charId, double x, double y)
{
    Place p;
    p.depth = depth; p.charId = charId; p.hasMatrix = true;
    p.matrix = QTransform::fromTranslate(x, y);
    place(p);
}

void TimelineBuilder::move(uint16_t depth, const QTransform& m)
{
    Place p;
    p.depth = depth; p.move = true; p.hasMatrix = true; p.matrix = m;
    place(p);
}

void TimelineBuilder::remove(uint16_t depth) { BitWriter w; w.u16(depth); tag(28, w.data()); }
void TimelineBuilder::label(const QString& name) { BitWriter w; w.string(name); tag(43, w.data()); }

QByteArray TimelineBuilder::actionBytes(const std::vector<Act>& acts)
{
    BitWriter w;
    for (const Act& a : acts) {
        switch (a.op) {
        case Op::Stop: w.u8(0x07); break;
        case Op::Play: w.u8(0x06); break;
        case Op::NextFrame: w.u8(0x04); break;
        case Op::PrevFrame: w.u8(0x05); break;
        case Op::GotoFrame: w.u8(0x81); w.u16(2); w.u16(uint16_t(a.frame)); break;
        case Op::GotoLabel: { QByteArray s = a.text.toUtf8(); w.u8(0x8C); w.u16(uint16_t(s.size() + 1)); w.string(a.text); break; }
        case Op::GetUrl: { QByteArray s = a.text.toUtf8(); w.u8(0x83); w.u16(uint16_t(s.size() + 2)); w.string(a.text); w.u8(0); break; }
        case Op::Unknown: w.u8(0x96); w.u16(3); w.u8(7); w.u16(1); w.u8(0x3D); break; // push 1; callFunction
        }
    }
    w.u8(0);
    return w.data();
}

void TimelineBuilder::doAction(const std::vector<Act>& acts) { tag(12, actionBytes(acts)); }

void TimelineBuilder::startSound(uint16_t soundId, int loops, bool stop)
{
    BitWriter w;
    w.u16(soundId);
    w.ub(0, 2); w.ub(stop, 1); w.ub(0, 1); w.ub(0, 1); w.ub(loops > 1, 1); w.ub(0, 1); w.ub(0, 1);
    if (loops > 1) w.u16(uint16_t(loops));
    tag(15, w.data());
}

static int rateCode(int rate) { return rate >= 44100 ? 3 : rate >= 22050 ? 2 : rate >= 11025 ? 1 : 0; }

void TimelineBuilder::streamHead(uint8_t format, int rate, bool is16, bool stereo, uint16_t samplesPerBlock)
{
    BitWriter w;
    w.ub(0, 4); w.ub(uint32_t(rateCode(rate)), 2); w.ub(1, 1); w.ub(stereo, 1);
    w.ub(format, 4); w.ub(uint32_t(rateCode(rate)), 2); w.ub(is16, 1); w.ub(stereo, 1);
    w.u16(samplesPerBlock);
    if (format == 2) w.u16(0);
    tag(45, w.data());
}

void TimelineBuilder::streamBlock(const QByteArray& data) { tag(19, data); }

Writer::Writer(int widthPx, int heightPx, double fps, uint8_t version) : w_(widthPx), h_(heightPx), fps_(fps), version_(version)
{
    if (version_ >= 8) { BitWriter w; w.u32(0); tag(69, w.data()); }
}

void Writer::setBackground(uint32_t rgb) { BitWriter w; w.rgb(rgb); tag(9, w.data()); }

uint16_t Writer::defineShape(const ShapeBuilder& s, int version)
{
    uint16_t id = next_++;
    BitWriter w;
    w.u16(id);
    w.bytes(s.body(version));
    tag(version == 1 ? 2 : version == 2 ? 22 : version == 3 ? 32 : 83, w.data());
    return id;
}

static QByteArray deflate(const QByteArray& in)
{
    uLongf n = compressBound(uLong(in.size()));
    QByteArray out(qsizetype(n), 0);
    compress2(reinterpret_cast<Bytef*>(out.data()), &n, reinterpret_cast<const Bytef*>(in.constData()), uLong(in.size()), 9);
    out.resize(qsizetype(n));
    return out;
}

uint16_t Writer::defineBitmap(const QImage& src)
{
    uint16_t id = next_++;
    QImage img = src.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QByteArray px;
    px.reserve(img.width() * img.height() * 4);
    for (int y = 0; y < img.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            px.append(char(qAlpha(row[x]))); px.append(char(qRed(row[x])));
            px.append(char(qGreen(row[x]))); px.append(char(qBlue(row[x])));
        }
    }
    BitWriter w;
    w.u16(id); w.u8(5); w.u16(uint16_t(img.width())); w.u16(uint16_t(img.height()));
    w.bytes(deflate(px));
    tag(36, w.data());
    return id;
}

uint16_t Writer::defineJpeg(const QImage& img, int quality)
{
    uint16_t id = next_++;
    QByteArray jpg;
    QBuffer b(&jpg);
    b.open(QIODevice::WriteOnly);
    img.convertToFormat(QImage::Format_RGB32).save(&b, "JPEG", quality);
    BitWriter w;
    w.u16(id);
    w.bytes(jpg);
    tag(21, w.data());
    return id;
}

uint16_t Writer::defineSprite(const TimelineBuilder& t)
{
    uint16_t id = next_++;
    BitWriter w;
    w.u16(id); w.u16(uint16_t(t.frames()));
    w.bytes(t.tags());
    w.u16(0); // End
    tag(39, w.data());
    return id;
}

uint16_t Writer::defineButton(uint16_t shapeUp, uint16_t shapeOver, const std::vector<Act>& onRelease)
{
    uint16_t id = next_++;
    BitWriter w;
    w.u16(id); w.u8(0);
    BitWriter recs;
    auto rec = [&](uint8_t states, uint16_t ch) {
        recs.u8(states); recs.u16(ch); recs.u16(1); recs.matrix(QTransform());
        recs.ub(0, 1); recs.ub(0, 1); recs.ub(1, 4); recs.align(); // empty cxform
    };
    rec(0x01 | 0x08, shapeUp);
    rec(0x02 | 0x04, shapeOver);
    recs.u8(0);
    QByteArray r = recs.data();
    w.u16(uint16_t(r.size() + 2));
    w.bytes(r);
    w.u16(0);          // last condition record
    w.u8(0x08); w.u8(0); // OverDownToOverUp
    w.bytes(actionBytes(onRelease));
    tag(34, w.data());
    return id;
}

uint16_t Writer::defineSound(uint8_t format, int rate, bool is16, bool stereo, uint32_t samples, const QByteArray& data)
{
    uint16_t id = next_++;
    BitWriter w;
    w.u16(id);
    w.ub(format, 4); w.ub(uint32_t(rateCode(rate)), 2); w.ub(is16, 1); w.ub(stereo, 1);
    w.u32(samples);
    if (format == 2) w.u16(0);
    w.bytes(data);
    tag(14, w.data());
    return id;
}

uint16_t Writer::defineVideoStream(uint16_t frames, uint16_t width, uint16_t height, uint8_t codec, bool smoothing)
{
    uint16_t id = next_++;
    BitWriter w;
    w.u16(id); w.u16(frames); w.u16(width); w.u16(height);
    w.ub(0, 4); w.ub(0, 3); w.ub(smoothing, 1);
    w.u8(codec);
    tag(60, w.data());
    return id;
}

void Writer::videoFrame(uint16_t streamId, uint16_t frame, const QByteArray& data)
{
    BitWriter w;
    w.u16(streamId); w.u16(frame);
    w.bytes(data);
    tag(61, w.data());
}

QByteArray Writer::finish(Compression c) const
{
    BitWriter h;
    h.rect(0, w_ * 20, 0, h_ * 20);
    h.u16(uint16_t(std::lround(fps_ * 256)));
    h.u16(uint16_t(frames_));
    QByteArray body = h.data() + tags_ + QByteArray(2, 0);
    uint32_t len = uint32_t(body.size() + 8);
    QByteArray out;
    out.append(c == Compression::None ? 'F' : c == Compression::Zlib ? 'C' : 'Z');
    out.append("WS");
    out.append(char(c == Compression::Lzma ? std::max<uint8_t>(version_, 13) : version_));
    for (int i = 0; i < 4; ++i) out.append(char(len >> (8 * i)));
    if (c == Compression::None) return out + body;
    if (c == Compression::Zlib) return out + deflate(body);
    // ZWS: compressed length, 5 property bytes, raw LZMA data.
    lzma_options_lzma opt;
    lzma_lzma_preset(&opt, 6);
    lzma_stream zs = LZMA_STREAM_INIT;
    lzma_alone_encoder(&zs, &opt);
    QByteArray enc(qsizetype(body.size() + body.size() / 2 + 1024), 0);
    zs.next_in = reinterpret_cast<const uint8_t*>(body.constData()); zs.avail_in = size_t(body.size());
    zs.next_out = reinterpret_cast<uint8_t*>(enc.data()); zs.avail_out = size_t(enc.size());
    while (lzma_code(&zs, LZMA_FINISH) == LZMA_OK) {}
    enc.resize(qsizetype(zs.total_out));
    lzma_end(&zs);
    // The alone header: 5 property bytes + 8 size bytes; SWF keeps the properties only.
    QByteArray props = enc.left(5), data = enc.mid(13);
    uint32_t clen = uint32_t(data.size());
    for (int i = 0; i < 4; ++i) out.append(char(clen >> (8 * i)));
    return out + props + data;
}

} // namespace swfw
