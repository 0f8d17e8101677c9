#pragma once
// A small SWF writer: enough tags to make test fixtures and the course's own
// movies (shapes with solid, gradient and bitmap fills, bitmaps, sprites,
// placement, actions, labels, buttons, sounds and sound streams).
#include <QByteArray>
#include <QImage>
#include <QString>
#include <QTransform>
#include <cstdint>
#include <vector>

namespace swfw {

class BitWriter
{
public:
    void ub(uint32_t v, int bits);
    void sb(int32_t v, int bits) { ub(uint32_t(v), bits); }
    void align();
    void u8(uint8_t v) { align(); out_.append(char(v)); }
    void u16(uint16_t v) { u8(uint8_t(v)); u8(uint8_t(v >> 8)); }
    void u32(uint32_t v) { u16(uint16_t(v)); u16(uint16_t(v >> 16)); }
    void bytes(const QByteArray& b) { align(); out_.append(b); }
    void string(const QString& s) { bytes(s.toUtf8()); u8(0); }
    void rect(int32_t x0, int32_t x1, int32_t y0, int32_t y1);
    void matrix(const QTransform& m);
    void rgb(uint32_t c) { u8(uint8_t(c >> 16)); u8(uint8_t(c >> 8)); u8(uint8_t(c)); }
    void rgba(uint32_t c) { rgb(c); u8(uint8_t(c >> 24)); }
    QByteArray data() { align(); return out_; }
    static int sbits(int32_t v);
    static int sbits(std::initializer_list<int32_t> vs);

private:
    QByteArray out_;
    uint8_t cur_ = 0;
    int n_ = 0;
};

struct Rgba { uint32_t argb; }; // 0xAARRGGBB

struct Fill
{
    enum Kind { Solid, Linear, Radial, Bitmap } kind = Solid;
    uint32_t argb = 0xFF000000;
    QTransform matrix;
    std::vector<std::pair<uint8_t, uint32_t>> stops; // ratio, argb
    uint16_t bitmapId = 0;
    bool repeat = false, smooth = true;
    static Fill solid(uint32_t argb) { Fill f; f.argb = argb; return f; }
    // A gradient across the box (twips) from left to right.
    static Fill linear(double x, double y, double w, double h, std::vector<std::pair<uint8_t, uint32_t>> stops);
    static Fill radial(double cx, double cy, double r, std::vector<std::pair<uint8_t, uint32_t>> stops);
    // A bitmap drawn at 1 pixel = 20 twips from (x, y) twips.
    static Fill bitmap(uint16_t id, double x, double y, double scale = 1, bool repeat = false, bool smooth = true);
};

struct Line { uint16_t width = 20; uint32_t argb = 0xFF000000; };

// Records of one shape. Coordinates in twips, absolute.
class ShapeBuilder
{
public:
    int addFill(const Fill& f) { fills_.push_back(f); return int(fills_.size()); }
    int addLine(const Line& l) { lines_.push_back(l); return int(lines_.size()); }
    void style(int fill0, int fill1, int line); // -1 keeps
    void moveTo(int32_t x, int32_t y);
    void lineTo(int32_t x, int32_t y);
    void curveTo(int32_t cx, int32_t cy, int32_t x, int32_t y);
    void rect(int32_t x, int32_t y, int32_t w, int32_t h, int fill, int line = 0);
    void ellipse(int32_t cx, int32_t cy, int32_t rx, int32_t ry, int fill, int line = 0);
    void polygon(const std::vector<QPoint>& pts, int fill, int line = 0);
    // Any Qt path (text outlines included), in twips; cubic curves become quadratics.
    void path(const class QPainterPath& p, int fill, int line = 0);
    // The DefineShape body after the character id (version 1..4).
    QByteArray body(int version) const;
    size_t edgeCount() const;

private:
    struct Rec { int type; int32_t a, b, c, d; int f0, f1, ln; };
    std::vector<Fill> fills_;
    std::vector<Line> lines_;
    std::vector<Rec> recs_;
    int32_t x_ = 0, y_ = 0;
    int32_t minX_ = INT32_MAX, minY_ = INT32_MAX, maxX_ = INT32_MIN, maxY_ = INT32_MIN;
    void grow(int32_t x, int32_t y);
};

struct Place
{
    uint16_t depth = 1;
    int charId = -1;          // -1: none (a move)
    bool move = false;
    bool hasMatrix = false;
    QTransform matrix;
    bool hasCx = false;
    float mult[4] = {1, 1, 1, 1}; // r g b a
    int add[4] = {0, 0, 0, 0};
    int ratio = -1;
    int clipDepth = 0;
    QString name;
    uint8_t blend = 0; // > 0: written as PlaceObject3 with this blend mode
    QByteArray filters; // a FILTERLIST (count + filters): written as PlaceObject3
    static QByteArray blurFilter(double bx, double by, int passes);
    static QByteArray dropShadowFilter(uint32_t argb, double blur, double angle, double distance, double strength);
};

// Frames of a timeline (the movie's or a sprite's).
class TimelineBuilder
{
public:
    void place(const Place& p);
    void place(uint16_t depth, uint16_t charId, double x = 0, double y = 0);
    void move(uint16_t depth, const QTransform& m);
    void remove(uint16_t depth);
    void showFrame() { tag(1, {}); ++frames_; }
    void label(const QString& name);
    enum class Op { Stop, Play, NextFrame, PrevFrame, GotoFrame, GotoLabel, GetUrl, Unknown };
    struct Act { Op op; int frame = 0; QString text; };
    void doAction(const std::vector<Act>& acts);
    void startSound(uint16_t soundId, int loops = 1, bool stop = false);
    void streamHead(uint8_t format, int rate44, bool is16, bool stereo, uint16_t samplesPerBlock);
    void streamBlock(const QByteArray& data);
    void tag(uint16_t code, const QByteArray& data);
    int frames() const { return frames_; }
    const QByteArray& tags() const { return tags_; }
    static QByteArray actionBytes(const std::vector<Act>& acts);

protected:
    QByteArray tags_;
    int frames_ = 0;
};

class Writer : public TimelineBuilder
{
public:
    Writer(int widthPx, int heightPx, double fps, uint8_t version = 10);
    void setBackground(uint32_t rgb);
    uint16_t defineShape(const ShapeBuilder& s, int version = 3);
    uint16_t defineBitmap(const QImage& img);   // DefineBitsLossless2
    uint16_t defineJpeg(const QImage& img, int quality = 85); // DefineBitsJPEG2
    uint16_t defineSprite(const TimelineBuilder& t);
    // A button with one shape for every state; on release runs the actions.
    uint16_t defineButton(uint16_t shapeUp, uint16_t shapeOver, const std::vector<Act>& onRelease);
    // 16-bit PCM little-endian (format 3) or MP3 data (format 2) etc.
    uint16_t defineSound(uint8_t format, int rate44, bool is16, bool stereo, uint32_t samples, const QByteArray& data);
    // codec: 2 H.263, 3 Screen Video, 4 VP6; frames are then given one by one.
    uint16_t defineVideoStream(uint16_t frames, uint16_t width, uint16_t height, uint8_t codec, bool smoothing = false);
    void videoFrame(uint16_t streamId, uint16_t frame, const QByteArray& data);
    uint16_t nextId() { return next_++; }
    enum class Compression { None, Zlib, Lzma };
    QByteArray finish(Compression c = Compression::Zlib) const;

private:
    int w_, h_;
    double fps_;
    uint8_t version_;
    uint16_t next_ = 1;
};

} // namespace swfw
