#pragma once
// Shapes: the style arrays and edge records of DefineShape 1-4, DefineFont
// glyphs and DefineMorphShape 1-2, and the fill and line paths built from them.
#include "Types.h"
#include <QPainterPath>
#include <vector>

namespace swf {

enum class FillKind : uint8_t { Solid, Linear, Radial, Focal, Bitmap };

struct GradientStop
{
    double pos = 0; // 0..1
    Rgba color;
};

struct FillStyle
{
    FillKind kind = FillKind::Solid;
    Rgba color;
    QTransform matrix;              // gradient square or bitmap pixels -> shape twips
    std::vector<GradientStop> stops;
    uint8_t spread = 0;             // 0 pad, 1 reflect, 2 repeat
    uint8_t interpolation = 0;      // 0 sRGB, 1 linear RGB
    double focal = 0;
    uint16_t bitmapId = 0;
    bool repeat = true;
    bool smooth = true;
};

struct LineStyle
{
    double width = 20;  // twips
    Rgba color;
    uint8_t startCap = 0, endCap = 0, join = 0; // caps: 0 round 1 none 2 square; join: 0 round 1 bevel 2 miter
    double miterLimit = 3;
    bool hasFill = false;
    FillStyle fill;
    bool noHScale = false, noVScale = false;
};

struct StyleSet
{
    std::vector<FillStyle> fills;
    std::vector<LineStyle> lines;
};

// One shape record, coordinates as deltas in twips (moveTo is absolute).
struct ShapeRecord
{
    enum Type : uint8_t { StyleChange, Line, Curve } type = StyleChange;
    bool hasMove = false;
    int32_t fill0 = -1, fill1 = -1, line = -1; // -1: unchanged
    int32_t newStyles = -1;                   // index into RawShape::styleSets
    int32_t x = 0, y = 0;                     // moveTo point, or line/anchor delta
    int32_t cx = 0, cy = 0;                   // curve control delta
};

struct RawShape
{
    std::vector<StyleSet> styleSets; // [0]: the initial styles
    std::vector<ShapeRecord> records;
};

struct ShapeLayer
{
    StyleSet styles;
    std::vector<QPainterPath> fillPaths; // index i: fill style i (0-based)
    std::vector<QPainterPath> linePaths; // index i: line style i (0-based)
};

struct Shape
{
    QRectF bounds;
    bool windingRule = false;
    std::vector<ShapeLayer> layers;
    // union of all fill areas, in twips (used for masks and hit tests)
    QPainterPath outline() const;
};

class EdgeBudget
{
public:
    explicit EdgeBudget(size_t total) : left_(total) {}
    bool take() { if (left_ == 0) return false; --left_; return true; }
    size_t left() const { return left_; }
private:
    size_t left_;
};

// version: 1..4 for DefineShape1..4 (colours RGB for 1-2, RGBA for 3-4).
FillStyle readFillStyle(BitReader& r, int version);
LineStyle readLineStyle(BitReader& r, int version);
StyleSet readStyles(BitReader& r, int version);
// Reads the records of a SHAPE (after the style arrays, or for glyphs).
void readShapeRecords(BitReader& r, int version, RawShape& out, const Limits& lim, EdgeBudget& budget);
Shape buildShape(const RawShape& raw, bool windingRule);

// DefineShape 1-4 body after the character id.
Shape readDefineShape(BitReader& r, int version, const Limits& lim, EdgeBudget& budget);

struct MorphShape
{
    QRectF startBounds, endBounds;
    RawShape start;              // styles: the start styles
    StyleSet endStyles;          // same count as start.styleSets[0]
    std::vector<ShapeRecord> endRecords;
    Shape at(double ratio) const; // ratio 0..1
};
MorphShape readDefineMorphShape(BitReader& r, int version, const Limits& lim, EdgeBudget& budget);

} // namespace swf
