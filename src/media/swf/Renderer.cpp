#include "Renderer.h"
#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

namespace swf {

Renderer::Renderer(std::shared_ptr<const Movie> m) : movie_(std::move(m)) {}
Renderer::~Renderer() = default;

static double scaleOf(const QTransform& m)
{
    double sx = std::hypot(m.m11(), m.m12()), sy = std::hypot(m.m21(), m.m22());
    return (sx + sy) / 2;
}

void Renderer::render(QPainter& p, const ClipState& root, const QTransform& stageToDevice, bool background)
{
    p.save();
    stagePixel_ = scaleOf(stageToDevice) * 20.0;
    p.setRenderHint(QPainter::Antialiasing, antialias_);
    p.setRenderHint(QPainter::SmoothPixmapTransform, antialias_);
    const QRectF& st = movie_->header().stage;
    if (background) {
        p.setTransform(stageToDevice);
        p.fillRect(st, movie_->background().toQColor());
    }
    p.setTransform(stageToDevice);
    p.setClipRect(st, Qt::IntersectClip);
    p.resetTransform();
    drawList(p, root.list, stageToDevice, ColorTransform(), 0);
    p.restore();
}

QImage Renderer::renderImage(const ClipState& root, bool antialias)
{
    // A declared stage of absurd size is cut to 8192 pixels a side.
    QImage img(std::min(movie_->stageWidth(), 8192), std::min(movie_->stageHeight(), 8192), QImage::Format_ARGB32_Premultiplied);
    img.fill(movie_->background().toQColor());
    QPainter p(&img);
    bool save = antialias_;
    antialias_ = antialias;
    const QRectF& st = movie_->header().stage;
    QTransform t = QTransform::fromTranslate(-st.left(), -st.top()) * QTransform::fromScale(0.05, 0.05);
    render(p, root, t);
    antialias_ = save;
    p.end();
    return img;
}

void Renderer::drawList(QPainter& p, const std::vector<Instance>& list, const QTransform& m, const ColorTransform& cx, int level)
{
    if (level > movie_->limits().maxRenderDepth) return;
    struct Mask { uint16_t until; };
    std::vector<Mask> masks;
    for (const Instance& in : list) {
        while (!masks.empty() && in.depth > masks.back().until) { p.restore(); masks.pop_back(); }
        if (in.clipDepth > 0) {
            QPainterPath clip = clipPath(in, m, level, false);
            p.save();
            p.setClipPath(clip, Qt::IntersectClip);
            masks.push_back({in.clipDepth});
            continue;
        }
        if (!in.visible) continue;
        if (!in.filters.empty()) { drawFiltered(p, in, m, cx, level); continue; }
        if (in.blend >= 3) { drawBlended(p, in, m, cx, level); continue; }
        drawInstance(p, in, m, cx, level);
    }
    while (!masks.empty()) { p.restore(); masks.pop_back(); }
}

// Blend modes: the object is drawn alone on a transparent layer the size of
// the device, then composed onto what lies below with the matching Qt mode.
void Renderer::drawBlended(QPainter& p, const Instance& in, const QTransform& m, const ColorTransform& cx, int level)
{
    QPainter::CompositionMode mode;
    switch (in.blend) {
    case 3: mode = QPainter::CompositionMode_Multiply; break;
    case 4: mode = QPainter::CompositionMode_Screen; break;
    case 5: mode = QPainter::CompositionMode_Lighten; break;
    case 6: mode = QPainter::CompositionMode_Darken; break;
    case 7: mode = QPainter::CompositionMode_Difference; break;
    case 8: mode = QPainter::CompositionMode_Plus; break;
    case 13: mode = QPainter::CompositionMode_Overlay; break;
    case 14: mode = QPainter::CompositionMode_HardLight; break;
    default: drawInstance(p, in, m, cx, level); return; // layer, alpha, erase, subtract, invert: drawn plainly
    }
    QPaintDevice* dev = p.device();
    if (!dev || dev->width() <= 0 || dev->height() <= 0 || size_t(dev->width()) * size_t(dev->height()) > (16u << 20)) {
        drawInstance(p, in, m, cx, level);
        return;
    }
    QImage layer(dev->width(), dev->height(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter lp(&layer);
        lp.setRenderHints(p.renderHints());
        drawInstance(lp, in, m, cx, level);
    }
    p.save();
    p.resetTransform();
    p.setCompositionMode(mode);
    p.drawImage(0, 0, layer);
    p.restore();
}

namespace {

// Box blur of a premultiplied image along one axis, box width w (pixels).
void boxBlur(QImage& img, double w, bool horizontal)
{
    int r = int(std::floor(w / 2));
    if (r <= 0) return;
    int W = img.width(), H = img.height();
    int n = horizontal ? W : H, lines = horizontal ? H : W;
    std::vector<uint32_t> src(size_t(n) * 4);
    int box = 2 * r + 1;
    for (int l = 0; l < lines; ++l) {
        for (int i = 0; i < n; ++i) {
            QRgb c = horizontal ? reinterpret_cast<const QRgb*>(img.constScanLine(l))[i] : reinterpret_cast<const QRgb*>(img.constScanLine(i))[l];
            src[size_t(i) * 4] = qAlpha(c); src[size_t(i) * 4 + 1] = qRed(c); src[size_t(i) * 4 + 2] = qGreen(c); src[size_t(i) * 4 + 3] = qBlue(c);
        }
        uint32_t sum[4] = {0, 0, 0, 0};
        for (int i = -r; i <= r; ++i)
            if (i >= 0 && i < n) for (int k = 0; k < 4; ++k) sum[k] += src[size_t(i) * 4 + size_t(k)];
        for (int i = 0; i < n; ++i) {
            QRgb v = qRgba(int(sum[1] / box), int(sum[2] / box), int(sum[3] / box), int(sum[0] / box));
            if (horizontal) reinterpret_cast<QRgb*>(img.scanLine(l))[i] = v;
            else reinterpret_cast<QRgb*>(img.scanLine(i))[l] = v;
            int out = i - r, in = i + r + 1;
            if (out >= 0) for (int k = 0; k < 4; ++k) sum[k] -= src[size_t(out) * 4 + size_t(k)];
            if (in < n) for (int k = 0; k < 4; ++k) sum[k] += src[size_t(in) * 4 + size_t(k)];
        }
    }
}

void blur(QImage& img, double bx, double by, int passes)
{
    for (int i = 0; i < std::clamp(passes, 1, 3); ++i) {
        if (bx >= 2) boxBlur(img, std::min(bx, 255.0), true);
        if (by >= 2) boxBlur(img, std::min(by, 255.0), false);
    }
}

// The object's alpha, coloured, its strength applied: the shape of a shadow or glow.
QImage tinted(const QImage& src, Rgba c, double strength)
{
    QImage out(src.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < src.height(); ++y) {
        const QRgb* s = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        QRgb* d = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < src.width(); ++x) {
            int a = std::clamp(int(qAlpha(s[x]) * strength * c.a / 255.0), 0, 255);
            d[x] = qRgba(c.r * a / 255, c.g * a / 255, c.b * a / 255, a);
        }
    }
    return out;
}

} // namespace

// Filters: the object is drawn alone on a layer around its bounds, the layer
// goes through the filters in order, then it is composed in place.
void Renderer::drawFiltered(QPainter& p, const Instance& in, const QTransform& m, const ColorTransform& cx, int level)
{
    QRectF bounds = clipPath(in, m, level, false).boundingRect();
    // Filter sizes are stage pixels, whatever the object's own scale; the
    // device may show the stage zoomed.
    const double px = stagePixel_;
    double margin = 0;
    for (const Filter& f : in.filters) margin += (std::max(f.blurX, f.blurY) * std::max(1, f.passes) + f.distance) * px;
    QRect area = bounds.adjusted(-margin - 2, -margin - 2, margin + 2, margin + 2).toAlignedRect();
    if (p.device()) area &= QRect(0, 0, p.device()->width(), p.device()->height());
    if (area.isEmpty() || size_t(area.width()) * size_t(area.height()) > (16u << 20)) { drawInstance(p, in, m, cx, level); return; }
    QImage layer(area.size(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter lp(&layer);
        lp.setRenderHints(p.renderHints());
        drawInstance(lp, in, m * QTransform::fromTranslate(-area.left(), -area.top()), cx, level);
    }
    for (const Filter& f : in.filters) {
        if (f.kind == Filter::Blur) { blur(layer, f.blurX * px, f.blurY * px, f.passes); continue; }
        if (f.inner) continue; // inner shadows and glows: not drawn
        QImage shadow = tinted(layer, f.color, f.strength);
        blur(shadow, f.blurX * px, f.blurY * px, f.passes);
        QImage out(layer.size(), QImage::Format_ARGB32_Premultiplied);
        out.fill(Qt::transparent);
        QPainter op(&out);
        double d = f.kind == Filter::DropShadow ? f.distance * px : 0;
        op.drawImage(QPointF(std::cos(f.angle) * d, std::sin(f.angle) * d), shadow);
        if (f.knockout) {
            op.setCompositionMode(QPainter::CompositionMode_DestinationOut);
            op.drawImage(0, 0, layer);
        } else if (f.compositeSource) {
            op.drawImage(0, 0, layer);
        }
        op.end();
        layer = out;
    }
    p.save();
    p.resetTransform();
    p.drawImage(area.topLeft(), layer);
    p.restore();
}

const Shape* Renderer::morphAt(uint16_t id, uint16_t ratio)
{
    const MorphShape* ms = movie_->morph(id);
    if (!ms) return nullptr;
    auto key = std::make_pair(id, ratio);
    auto it = morphCache_.find(key);
    if (it == morphCache_.end()) {
        if (morphCache_.size() > 256) morphCache_.clear();
        it = morphCache_.emplace(key, ms->at(ratio / 65535.0)).first;
    }
    return &it->second;
}

void Renderer::drawInstance(QPainter& p, const Instance& in, const QTransform& parent, const ColorTransform& pcx, int level)
{
    const CharType* t = movie_->typeOf(in.charId);
    if (!t) return;
    QTransform m = in.matrix * parent;
    ColorTransform cx = pcx * in.cx;
    if (cx.am <= 0 && cx.aa <= -255) return;
    switch (*t) {
    case CharType::Shape: if (auto* s = movie_->shape(in.charId)) drawShape(p, *s, m, cx); break;
    case CharType::Morph: if (auto* s = morphAt(in.charId, in.ratio)) drawShape(p, *s, m, cx); break;
    case CharType::Text: if (auto* s = movie_->text(in.charId)) drawText(p, *s, m, cx); break;
    case CharType::EditText: if (auto* s = movie_->editText(in.charId)) drawEditText(p, *s, m, cx); break;
    case CharType::Sprite:
        for (const ClipState& c : in.child) drawList(p, c.list, m, cx, level + 1);
        break;
    case CharType::Button: {
        const Button* b = movie_->button(in.charId);
        if (!b) break;
        std::vector<Instance> list;
        for (const ButtonRecord& r : b->records) {
            if (!(r.states & in.buttonState)) continue;
            Instance k;
            k.depth = r.depth; k.charId = r.charId; k.matrix = r.matrix; k.cx = r.cx;
            if (movie_->typeOf(r.charId) && *movie_->typeOf(r.charId) == CharType::Button) continue;
            list.push_back(k);
        }
        std::stable_sort(list.begin(), list.end(), [](const Instance& a, const Instance& b) { return a.depth < b.depth; });
        drawList(p, list, m, cx, level + 1);
        break;
    }
    case CharType::Bitmap: {
        QImage img = bitmapWithCx(in.charId, cx);
        if (img.isNull()) break;
        p.save();
        p.setTransform(QTransform::fromScale(20, 20) * m);
        p.drawImage(0, 0, img);
        p.restore();
        break;
    }
    case CharType::Video: drawVideo(p, in.charId, in, m, cx); break;
    default: break;
    }
}

QImage Renderer::bitmapWithCx(uint16_t id, const ColorTransform& cx)
{
    const QImage* src = movie_->bitmap(id);
    if (!src || src->isNull()) return {};
    if (cx.isIdentity()) return *src;
    auto it = cxImages_.find(id);
    if (it != cxImages_.end() && it->second.cx == cx) return it->second.img;
    QImage out = src->convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            QRgb c = row[x];
            Rgba r = cx.apply(Rgba{uint8_t(qRed(c)), uint8_t(qGreen(c)), uint8_t(qBlue(c)), uint8_t(qAlpha(c))});
            row[x] = qRgba(r.r, r.g, r.b, r.a);
        }
    }
    out = out.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (cxImages_.size() > 64) cxImages_.clear();
    cxImages_[id] = CxImage{cx, out};
    return out;
}

// The 256-entry colour ramp Flash builds for a gradient: stop ratios 0..255
// index the entries; between stops colours blend in sRGB or, for linear-RGB
// gradients, in linear light; stops sharing a ratio each take one entry
// from that ratio on, the last of them starting the next blend.
static QGradientStops flashRamp(const FillStyle& f, const ColorTransform& cx)
{
    struct S { int r; double c[4]; };
    auto toLin = [](double c) { c /= 255.0; return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    auto toSrgb = [](double c) { c = c <= 0.0031308 ? c * 12.92 : 1.055 * std::pow(c, 1 / 2.4) - 0.055; return c * 255.0; };
    bool lin = f.interpolation == 1;
    std::vector<S> st;
    for (const GradientStop& g : f.stops) {
        Rgba c = cx.apply(g.color);
        S s{std::clamp(int(std::lround(g.pos * 255)), 0, 255), {double(c.r), double(c.g), double(c.b), double(c.a)}};
        if (lin) for (int k = 0; k < 3; ++k) s.c[k] = toLin(s.c[k]);
        if (!st.empty() && s.r < st.back().r) s.r = st.back().r;
        st.push_back(s);
    }
    QColor table[256];
    auto out = [&](const double* c) {
        double v[3];
        for (int k = 0; k < 3; ++k) v[k] = lin ? toSrgb(c[k]) : c[k];
        return QColor(std::clamp(int(std::lround(v[0])), 0, 255), std::clamp(int(std::lround(v[1])), 0, 255),
                      std::clamp(int(std::lround(v[2])), 0, 255), std::clamp(int(std::lround(c[3])), 0, 255));
    };
    size_t j = 0; // last stop with ratio <= i
    for (int i = 0; i < 256; ++i) {
        while (j + 1 < st.size() && st[j + 1].r <= i) ++j;
        if (i < st[0].r) { table[i] = out(st[0].c); continue; }
        if (j + 1 >= st.size()) { table[i] = out(st[j].c); continue; }
        const S& a = st[j];
        const S& b = st[j + 1];
        // In linear light Flash blends one entry ahead (seen against its own output).
        double t = std::min(1.0, double(i + (lin ? 1 : 0) - a.r) / double(b.r - a.r));
        double c[4];
        for (int k = 0; k < 4; ++k) c[k] = a.c[k] + (b.c[k] - a.c[k]) * t;
        table[i] = out(c);
    }
    for (size_t g = 0; g < st.size();) {
        size_t e = g;
        while (e + 1 < st.size() && st[e + 1].r == st[g].r) ++e;
        for (size_t k = g; k < e; ++k)
            if (st[g].r + int(k - g) < 256) table[st[g].r + int(k - g)] = out(st[k].c);
        g = e + 1;
    }
    QGradientStops stops;
    // Each entry is a band of its own colour, as Flash looks the ramp up without blending.
    for (int i = 0; i < 256; ++i) {
        stops.push_back({i / 256.0, table[i]});
        stops.push_back({(i + 1) / 256.0 - 1e-7, table[i]});
    }
    return stops;
}

QBrush Renderer::brushFor(const FillStyle& f, const ColorTransform& cx)
{
    switch (f.kind) {
    case FillKind::Solid: return QBrush(cx.apply(f.color).toQColor());
    case FillKind::Linear: case FillKind::Radial: case FillKind::Focal: {
        QGradient g;
        if (f.kind == FillKind::Linear) g = QLinearGradient(-16384, 0, 16384, 0);
        else g = QRadialGradient(QPointF(0, 0), 16384, QPointF(f.kind == FillKind::Focal ? f.focal * 16384 : 0, 0));
        g.setSpread(f.spread == 1 ? QGradient::ReflectSpread : f.spread == 2 ? QGradient::RepeatSpread : QGradient::PadSpread);
        if (f.stops.empty()) return QBrush(Qt::transparent);
        if (f.stops.size() == 1) return QBrush(cx.apply(f.stops[0].color).toQColor());
        QGradientStops stops = flashRamp(f, cx);
        g.setStops(stops);
        QBrush b(g);
        b.setTransform(f.matrix);
        return b;
    }
    case FillKind::Bitmap: {
        QImage img = bitmapWithCx(f.bitmapId, cx);
        if (img.isNull()) return QBrush(Qt::transparent);
        QBrush b(img);
        b.setTransform(f.matrix);
        return b;
    }
    }
    return QBrush();
}

// Smoothed bitmaps drawn at under half size use a halved copy, as Flash's
// mipmaps do, so that the bilinear filter sees every source pixel.
QImage Renderer::mipmap(const QImage& img, const QTransform& toDevice, QTransform& bitmapMatrix)
{
    double s = scaleOf(toDevice);
    int level = 0;
    while (s > 0 && s < 0.5 && level < 8 && (img.width() >> (level + 1)) > 0 && (img.height() >> (level + 1)) > 0) { s *= 2; ++level; }
    if (level == 0) return img;
    auto key = std::make_pair(img.cacheKey(), level);
    auto it = mips_.find(key);
    if (it == mips_.end()) {
        if (mips_.size() > 32) mips_.clear();
        QImage cur = img;
        for (int k = 0; k < level; ++k) cur = cur.scaled(std::max(1, cur.width() / 2), std::max(1, cur.height() / 2), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        it = mips_.emplace(key, cur).first;
    }
    const QImage& mip = it->second;
    bitmapMatrix = QTransform::fromScale(double(img.width()) / mip.width(), double(img.height()) / mip.height()) * bitmapMatrix;
    return mip;
}

void Renderer::drawShape(QPainter& p, const Shape& s, const QTransform& m, const ColorTransform& cx)
{
    p.save();
    p.setTransform(m);
    double sc = scaleOf(m);
    for (const ShapeLayer& L : s.layers) {
        p.setPen(Qt::NoPen);
        for (size_t i = 0; i < L.fillPaths.size() && i < L.styles.fills.size(); ++i) {
            const QPainterPath& path = L.fillPaths[i];
            if (path.isEmpty()) continue;
            const FillStyle& f = L.styles.fills[i];
            if (f.kind == FillKind::Bitmap) {
                p.setRenderHint(QPainter::SmoothPixmapTransform, f.smooth && antialias_);
                if (!f.repeat) {
                    // Clipped bitmap: the picture once, inside the path.
                    QImage img = bitmapWithCx(f.bitmapId, cx);
                    if (img.isNull()) continue;
                    QTransform bm = f.matrix;
                    if (f.smooth) img = mipmap(img, bm * m, bm);
                    p.save();
                    p.setClipPath(path, Qt::IntersectClip);
                    p.setTransform(bm * m);
                    p.drawImage(0, 0, img);
                    p.restore();
                    continue;
                }
                QImage img = bitmapWithCx(f.bitmapId, cx);
                if (img.isNull()) continue;
                QTransform bm = f.matrix;
                if (f.smooth) img = mipmap(img, bm * m, bm);
                QBrush b(img);
                b.setTransform(bm);
                p.setBrush(b);
                p.drawPath(path);
                continue;
            }
            p.setBrush(brushFor(f, cx));
            p.drawPath(path);
        }
        p.setBrush(Qt::NoBrush);
        for (size_t i = 0; i < L.linePaths.size() && i < L.styles.lines.size(); ++i) {
            const QPainterPath& path = L.linePaths[i];
            if (path.isEmpty()) continue;
            const LineStyle& l = L.styles.lines[i];
            QPen pen;
            if (l.hasFill && l.fill.kind != FillKind::Solid) pen.setBrush(brushFor(l.fill, cx));
            else pen.setColor(cx.apply(l.color).toQColor());
            // Strokes under a device pixel are drawn as one-pixel hairlines;
            // non-scaling strokes keep their width in device pixels.
            double w = l.width, dev = w * sc;
            if (l.noHScale || l.noVScale) { pen.setCosmetic(true); pen.setWidthF(std::max(1.0, w / 20.0)); }
            else if (dev < 1.0) { pen.setCosmetic(true); pen.setWidthF(1.0); }
            else pen.setWidthF(w);
            pen.setCapStyle(l.startCap == 1 ? Qt::FlatCap : l.startCap == 2 ? Qt::SquareCap : Qt::RoundCap);
            pen.setJoinStyle(l.join == 1 ? Qt::BevelJoin : l.join == 2 ? Qt::MiterJoin : Qt::RoundJoin);
            if (l.join == 2) pen.setMiterLimit(l.miterLimit);
            p.setPen(pen);
            p.drawPath(path);
        }
    }
    p.restore();
}

void Renderer::drawText(QPainter& p, const StaticText& t, const QTransform& m, const ColorTransform& cx)
{
    p.save();
    p.setPen(Qt::NoPen);
    QTransform tm = t.matrix * m;
    for (const TextRun& run : t.runs) {
        const Font* f = movie_->font(run.fontId);
        if (!f) continue;
        double scale = run.height / (f->emSquare20 ? 20480.0 : 1024.0);
        p.setBrush(cx.apply(run.color).toQColor());
        double x = run.x;
        for (const TextGlyph& g : run.glyphs) {
            if (g.index < f->glyphPaths.size() && !f->glyphPaths[g.index].isEmpty()) {
                p.setTransform(QTransform::fromScale(scale, scale) * QTransform::fromTranslate(x, run.y) * tm);
                p.drawPath(f->glyphPaths[g.index]);
            }
            x += g.advance;
        }
    }
    p.restore();
}

void Renderer::drawEditText(QPainter& p, const EditText& t, const QTransform& m, const ColorTransform& cx)
{
    p.save();
    p.setTransform(m);
    if (t.border) {
        p.setPen(QPen(cx.apply(QColor(Qt::black)), 0));
        p.setBrush(cx.apply(QColor(Qt::white)));
        p.drawRect(t.bounds);
    }
    const Font* f = t.hasFont ? movie_->font(t.fontId) : nullptr;
    QColor col = cx.apply(t.color).toQColor();
    double gutter = 40;
    QRectF box = t.bounds.adjusted(gutter + t.leftMargin, gutter, -gutter - t.rightMargin, -gutter);
    QStringList lines = QString(t.text).replace("\r\n", "\n").replace('\r', '\n').split('\n');
    if (f && t.useOutlines && !f->codes.empty()) {
        double scale = t.height / (f->emSquare20 ? 20480.0 : 1024.0);
        double ascent = f->hasLayout ? f->ascent * scale : t.height * 0.8;
        double descent = f->hasLayout ? f->descent * scale : t.height * 0.2;
        double y = box.top() + ascent;
        p.setPen(Qt::NoPen);
        p.setBrush(col);
        for (const QString& line : lines) {
            double width = 0;
            for (QChar c : line) {
                int g = f->glyphFor(c.unicode());
                width += (g >= 0 && size_t(g) < f->advances.size()) ? f->advances[size_t(g)] * scale : t.height * 0.5;
            }
            double x = box.left() + t.indent;
            if (t.align == 1) x = box.right() - width;
            else if (t.align == 2) x = box.left() + (box.width() - width) / 2;
            for (QChar c : line) {
                int g = f->glyphFor(c.unicode());
                if (g >= 0 && size_t(g) < f->glyphPaths.size()) {
                    p.setTransform(QTransform::fromScale(scale, scale) * QTransform::fromTranslate(x, y) * m);
                    p.drawPath(f->glyphPaths[size_t(g)]);
                }
                x += (g >= 0 && size_t(g) < f->advances.size()) ? f->advances[size_t(g)] * scale : t.height * 0.5;
            }
            y += ascent + descent + t.leading;
        }
    } else {
        QFont font(f && !f->name.isEmpty() ? f->name : QStringLiteral("Liberation Sans"));
        font.setPixelSize(std::max(1, int(std::lround(t.height))));
        if (f) { font.setBold(f->bold); font.setItalic(f->italic); }
        p.setFont(font);
        p.setPen(col);
        int flags = (t.align == 1 ? Qt::AlignRight : t.align == 2 ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop;
        if (t.wordWrap) flags |= Qt::TextWordWrap;
        p.drawText(box, flags, lines.join('\n'));
    }
    p.restore();
}

void Renderer::drawVideo(QPainter& p, uint16_t id, const Instance& in, const QTransform& m, const ColorTransform& cx)
{
    const VideoStreamDef* v = movie_->video(id);
    if (!v) return;
    auto& dec = videos_[id];
    if (!dec) dec = std::make_unique<VideoDecoder>(*v);
    QImage img = dec->frame(in.ratio);
    if (img.isNull()) return;
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform, v->smoothing);
    p.setTransform(m);
    // The stream's declared size in twips, whatever the decoded size.
    p.drawImage(QRectF(0, 0, v->width * 20.0, v->height * 20.0), img);
    (void)cx;
    p.restore();
}

QPainterPath Renderer::clipPath(const Instance& in, const QTransform& parent, int level, bool hitState)
{
    QPainterPath out;
    if (level > movie_->limits().maxRenderDepth) return out;
    const CharType* t = movie_->typeOf(in.charId);
    if (!t) return out;
    QTransform m = in.matrix * parent;
    switch (*t) {
    case CharType::Shape: if (auto* s = movie_->shape(in.charId)) out = m.map(s->outline()); break;
    case CharType::Morph: if (auto* s = morphAt(in.charId, in.ratio)) out = m.map(s->outline()); break;
    case CharType::Text:
        if (auto* s = movie_->text(in.charId)) {
            QTransform tm = s->matrix * m;
            for (const TextRun& run : s->runs) {
                const Font* f = movie_->font(run.fontId);
                if (!f) continue;
                double scale = run.height / (f->emSquare20 ? 20480.0 : 1024.0);
                double x = run.x;
                for (const TextGlyph& g : run.glyphs) {
                    if (g.index < f->glyphPaths.size())
                        out.addPath((QTransform::fromScale(scale, scale) * QTransform::fromTranslate(x, run.y) * tm).map(f->glyphPaths[g.index]));
                    x += g.advance;
                }
            }
        }
        break;
    case CharType::EditText: if (auto* s = movie_->editText(in.charId)) { QPainterPath r; r.addRect(s->bounds); out = m.map(r); } break;
    case CharType::Bitmap: if (auto* b = movie_->bitmap(in.charId)) { QPainterPath r; r.addRect(0, 0, b->width() * 20.0, b->height() * 20.0); out = m.map(r); } break;
    case CharType::Video: if (auto* v = movie_->video(in.charId)) { QPainterPath r; r.addRect(0, 0, v->width * 20.0, v->height * 20.0); out = m.map(r); } break;
    case CharType::Sprite:
        for (const ClipState& c : in.child)
            for (const Instance& k : c.list)
                if (k.clipDepth == 0) out.addPath(clipPath(k, m, level + 1, hitState));
        break;
    case CharType::Button:
        if (auto* b = movie_->button(in.charId))
            for (const ButtonRecord& r : b->records) {
                if (!(r.states & (hitState ? 8 : in.buttonState))) continue;
                if (movie_->typeOf(r.charId) && *movie_->typeOf(r.charId) == CharType::Button) continue;
                Instance k; k.charId = r.charId; k.matrix = r.matrix;
                out.addPath(clipPath(k, m, level + 1, hitState));
            }
        break;
    default: break;
    }
    out.setFillRule(Qt::WindingFill);
    return out;
}

QPainterPath Renderer::hitArea(const Instance& in, const QTransform& m, int level)
{
    return clipPath(in, m, level, true);
}

} // namespace swf
