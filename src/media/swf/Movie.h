#pragma once
// A parsed SWF movie: header, dictionary of characters and the timelines
// (the main one and each sprite's) as lists of per-frame commands.
#include "Shape.h"
#include "Types.h"
#include <QByteArray>
#include <QImage>
#include <QString>
#include <map>
#include <memory>
#include <unordered_map>
#include <vector>

namespace swf {

enum class CharType : uint8_t { Shape, Morph, Bitmap, Font, Text, EditText, Sprite, Button, Sound, Video };

struct Font
{
    QString name;
    bool emSquare20 = false; // DefineFont3: glyphs at 20 x 1024 units per em
    bool bold = false, italic = false;
    std::vector<Shape> glyphs;
    std::vector<QPainterPath> glyphPaths; // all fills of each glyph, one path
    std::vector<uint16_t> codes;
    std::vector<double> advances;
    double ascent = 0, descent = 0, leading = 0;
    bool hasLayout = false;
    int glyphFor(char16_t c) const;
};

struct TextGlyph { uint32_t index; int32_t advance; };
struct TextRun
{
    uint16_t fontId = 0;
    Rgba color;
    double x = 0, y = 0;
    double height = 0;
    std::vector<TextGlyph> glyphs;
};
struct StaticText
{
    QRectF bounds;
    QTransform matrix;
    std::vector<TextRun> runs;
};

struct EditText
{
    QRectF bounds;
    uint16_t fontId = 0;
    bool hasFont = false;
    double height = 240;
    Rgba color{0, 0, 0, 255};
    QString text;
    bool html = false, border = false, wordWrap = false, multiline = false, useOutlines = false;
    int align = 0;
    double leftMargin = 0, rightMargin = 0, indent = 0, leading = 0;
};

struct Action
{
    enum Op : uint8_t { NextFrame, PrevFrame, Play, Stop, GotoFrame, GotoLabel } op;
    int32_t frame = 0;
    QString label;
    bool playAfter = false;
};

// The filters drawn: drop shadow, blur and glow (others are read and ignored).
struct Filter
{
    enum Kind : uint8_t { DropShadow, Blur, Glow } kind = Blur;
    Rgba color;
    double blurX = 0, blurY = 0, angle = 0, distance = 0, strength = 1;
    bool inner = false, knockout = false, compositeSource = true;
    int passes = 1;
};

struct PlaceCmd
{
    bool remove = false;
    bool move = false;
    bool hasChar = false, hasMatrix = false, hasCx = false, hasRatio = false, hasName = false, hasClip = false;
    bool hasVisible = false, visible = true, hasBlend = false;
    uint8_t blend = 0;
    bool hasFilters = false;
    std::vector<Filter> filters;
    uint16_t depth = 0, charId = 0, ratio = 0, clipDepth = 0;
    QTransform matrix;
    ColorTransform cx;
    QString name;
};

struct SoundStart
{
    uint16_t soundId = 0;
    bool stop = false, noMultiple = false;
    bool hasIn = false, hasOut = false;
    uint32_t inPoint = 0, outPoint = 0;
    uint16_t loops = 1;
};

struct FrameDef
{
    std::vector<PlaceCmd> cmds;
    std::vector<Action> actions;
    std::vector<SoundStart> sounds;
    int streamBlock = -1; // index into Timeline::streamBlocks
};

struct SoundFormat
{
    uint8_t format = 0; // 0 raw native, 1 ADPCM, 2 MP3, 3 raw LE, 4-6 Nellymoser, 11 Speex
    uint32_t rate = 44100;
    bool is16 = true, stereo = false;
};

struct StreamHead
{
    bool present = false;
    SoundFormat fmt;
    uint16_t samplesPerBlock = 0;
};

struct Timeline
{
    std::vector<FrameDef> frames;
    std::vector<std::pair<QString, int>> labels;
    StreamHead stream;
    std::vector<QByteArray> streamBlocks;
    int frameForLabel(const QString& l) const;
};

struct Sprite { Timeline timeline; };

struct ButtonRecord
{
    uint8_t states = 0; // 1 up, 2 over, 4 down, 8 hit
    uint16_t charId = 0, depth = 0;
    QTransform matrix;
    ColorTransform cx;
};
struct ButtonAction
{
    uint16_t conditions = 0; // bit 0x0008 of the first byte: release (OverDownToOverUp)
    std::vector<Action> actions;
};
struct Button
{
    std::vector<ButtonRecord> records;
    std::vector<ButtonAction> actions;
};

struct SoundDef
{
    SoundFormat fmt;
    uint32_t sampleCount = 0;
    QByteArray data;
};

struct VideoStreamDef
{
    uint16_t numFrames = 0, width = 0, height = 0;
    uint8_t codec = 0; // 2 H.263, 3 screen video, 4 VP6, 5 VP6 alpha, 6 screen video 2
    bool smoothing = false;
    uint8_t deblocking = 0;
    std::map<int, QByteArray> frames;
};

struct Header
{
    char signature[4] = {0, 0, 0, 0};
    uint8_t version = 0;
    uint32_t fileLength = 0;
    QRectF stage;       // twips
    double frameRate = 12;
    uint16_t frameCount = 0;
};

class Movie
{
public:
    // Never throws; a file that cannot be read gives a movie with ok() false.
    static std::shared_ptr<Movie> load(const QByteArray& file, const Limits& lim = Limits());
    static std::shared_ptr<Movie> loadFile(const QString& path, const Limits& lim = Limits());

    bool ok() const { return ok_; }
    QString error() const { return error_; }
    bool truncated() const { return truncated_; }
    const Header& header() const { return header_; }
    const Limits& limits() const { return limits_; }
    Rgba background() const { return background_; }
    int stageWidth() const;  // pixels
    int stageHeight() const;
    int frameCount() const { return int(main_.frames.size()); }
    const Timeline& mainTimeline() const { return main_; }

    const CharType* typeOf(uint16_t id) const;
    const Shape* shape(uint16_t id) const;
    const MorphShape* morph(uint16_t id) const;
    const QImage* bitmap(uint16_t id) const;
    const Font* font(uint16_t id) const;
    const StaticText* text(uint16_t id) const;
    const EditText* editText(uint16_t id) const;
    const Sprite* sprite(uint16_t id) const;
    const Button* button(uint16_t id) const;
    const SoundDef* sound(uint16_t id) const;
    const VideoStreamDef* video(uint16_t id) const;
    std::vector<uint16_t> unknownTags() const { return unknownTags_; }

private:
    struct ParseState;
    void parseTags(class BitReader& r, Timeline& tl, int nesting, ParseState& ps);
    void parseTag(uint16_t code, BitReader& t, Timeline& tl, FrameDef& frame, int nesting, ParseState& ps);
    bool define(uint16_t id, CharType t);

    bool ok_ = false, truncated_ = false;
    QString error_;
    Header header_;
    Limits limits_;
    Rgba background_{255, 255, 255, 255};
    Timeline main_;
    QByteArray jpegTables_;
    size_t bitmapBytes_ = 0;
    std::unordered_map<uint16_t, CharType> types_;
    std::unordered_map<uint16_t, Shape> shapes_;
    std::unordered_map<uint16_t, MorphShape> morphs_;
    std::unordered_map<uint16_t, QImage> bitmaps_;
    std::unordered_map<uint16_t, Font> fonts_;
    std::unordered_map<uint16_t, StaticText> texts_;
    std::unordered_map<uint16_t, EditText> editTexts_;
    std::unordered_map<uint16_t, Sprite> sprites_;
    std::unordered_map<uint16_t, Button> buttons_;
    std::unordered_map<uint16_t, SoundDef> sounds_;
    std::unordered_map<uint16_t, VideoStreamDef> videos_;
    std::vector<uint16_t> unknownTags_;
};

// Decompresses FWS/CWS/ZWS into the body after the 8-byte header (RECT onwards).
// Returns false when the signature is not SWF; sets truncated when the body is short.
bool swfBody(const QByteArray& file, Header& h, QByteArray& body, bool& truncated, const Limits& lim, QString& error);

} // namespace swf
