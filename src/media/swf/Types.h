#pragma once
// Basic SWF values: rectangles and matrices in twips, colours and colour transforms.
#include "BitReader.h"
#include <QColor>
#include <QRectF>
#include <QTransform>
#include <algorithm>
#include <cstdint>

namespace swf {

// Hard limits that keep a hostile file within bounded memory and time. They
// are checked where data is decoded, not measured afterwards.
struct Limits
{
    size_t maxBodyBytes = 256u << 20;        // decompressed movie body
    size_t maxBitmapPixels = 32u << 20;      // one decoded bitmap (pixels)
    size_t maxTotalBitmapBytes = 512u << 20; // all decoded bitmaps together
    size_t maxEdgesPerShape = 2'000'000;     // edge records in one shape
    size_t maxTotalEdges = 8'000'000;        // edge records in the whole movie
    size_t maxTagsPerTimeline = 4'000'000;
    int maxFrames = 1'000'000;
    int maxSpriteNesting = 32;               // definitions nested in definitions
    int maxInstanceDepth = 64;               // sprite instances inside instances
    size_t maxInstances = 200'000;           // display objects alive at once
    size_t maxSoundBytes = 256u << 20;       // decoded PCM per sound
    int maxRenderDepth = 64;                 // nesting while drawing
};

struct Rgba
{
    uint8_t r = 0, g = 0, b = 0, a = 255;
    QColor toQColor() const { return QColor(r, g, b, a); }
};

inline Rgba readRgb(BitReader& r) { Rgba c; c.r = r.u8(); c.g = r.u8(); c.b = r.u8(); return c; }
inline Rgba readRgba(BitReader& r) { Rgba c; c.r = r.u8(); c.g = r.u8(); c.b = r.u8(); c.a = r.u8(); return c; }

inline QRectF readRect(BitReader& r)
{
    r.align();
    unsigned n = r.ub(5);
    int32_t x0 = r.sb(n), x1 = r.sb(n), y0 = r.sb(n), y1 = r.sb(n);
    r.align();
    return QRectF(QPointF(x0, y0), QPointF(x1, y1));
}

// Flash: x' = a x + c y + tx, y' = b x + d y + ty.
inline QTransform readMatrix(BitReader& r)
{
    r.align();
    double a = 1, d = 1, b = 0, c = 0;
    if (r.flag()) { unsigned n = r.ub(5); a = r.fb(n); d = r.fb(n); }
    if (r.flag()) { unsigned n = r.ub(5); b = r.fb(n); c = r.fb(n); }
    unsigned n = r.ub(5);
    double tx = r.sb(n), ty = r.sb(n);
    r.align();
    return QTransform(a, b, c, d, tx, ty);
}

struct ColorTransform
{
    float rm = 1, gm = 1, bm = 1, am = 1;
    float ra = 0, ga = 0, ba = 0, aa = 0;

    bool isIdentity() const { return rm == 1 && gm == 1 && bm == 1 && am == 1 && ra == 0 && ga == 0 && ba == 0 && aa == 0; }
    static uint8_t clamp(float v) { return uint8_t(std::clamp(v, 0.0f, 255.0f)); }
    Rgba apply(Rgba c) const
    {
        return Rgba{clamp(c.r * rm + ra), clamp(c.g * gm + ga), clamp(c.b * bm + ba), clamp(c.a * am + aa)};
    }
    QColor apply(const QColor& q) const
    {
        Rgba c{uint8_t(q.red()), uint8_t(q.green()), uint8_t(q.blue()), uint8_t(q.alpha())};
        return apply(c).toQColor();
    }
    // this applied after inner (a parent's transform around a child's)
    ColorTransform operator*(const ColorTransform& in) const
    {
        ColorTransform o;
        o.rm = rm * in.rm; o.gm = gm * in.gm; o.bm = bm * in.bm; o.am = am * in.am;
        o.ra = rm * in.ra + ra; o.ga = gm * in.ga + ga; o.ba = bm * in.ba + ba; o.aa = am * in.aa + aa;
        return o;
    }
    bool operator==(const ColorTransform&) const = default;
};

inline ColorTransform readCxform(BitReader& r, bool withAlpha)
{
    r.align();
    ColorTransform cx;
    bool hasAdd = r.flag(), hasMult = r.flag();
    unsigned n = r.ub(4);
    if (hasMult) {
        cx.rm = r.sb(n) / 256.0f; cx.gm = r.sb(n) / 256.0f; cx.bm = r.sb(n) / 256.0f;
        if (withAlpha) cx.am = r.sb(n) / 256.0f;
    }
    if (hasAdd) {
        cx.ra = float(r.sb(n)); cx.ga = float(r.sb(n)); cx.ba = float(r.sb(n));
        if (withAlpha) cx.aa = float(r.sb(n));
    }
    r.align();
    return cx;
}

} // namespace swf
