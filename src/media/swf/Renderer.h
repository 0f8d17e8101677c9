#pragma once
// Draws a display list with QPainter: shapes, morphs, bitmaps, text, sprites,
// buttons and video, with masks (clip depth) and colour transforms.
#include "DisplayList.h"
#include "Video.h"
#include <QPainter>
#include <map>
#include <memory>

namespace swf {

class Renderer
{
public:
    explicit Renderer(std::shared_ptr<const Movie> m);
    ~Renderer();

    // Paints the stage into the painter: background then the list, mapping
    // stage twips through stageToDevice.
    void render(QPainter& p, const ClipState& root, const QTransform& stageToDevice, bool background = true);
    // Renders at the stage's own size.
    QImage renderImage(const ClipState& root, bool antialias);

    // The outline in device coordinates of an instance's hit area (buttons: their hit state).
    QPainterPath hitArea(const Instance& in, const QTransform& m, int level);

    void setAntialias(bool on) { antialias_ = on; }

private:
    void drawList(QPainter& p, const std::vector<Instance>& list, const QTransform& m, const ColorTransform& cx, int level);
    void drawInstance(QPainter& p, const Instance& in, const QTransform& m, const ColorTransform& cx, int level);
    void drawFiltered(QPainter& p, const Instance& in, const QTransform& m, const ColorTransform& cx, int level);
    void drawBlended(QPainter& p, const Instance& in, const QTransform& m, const ColorTransform& cx, int level);
    void drawShape(QPainter& p, const Shape& s, const QTransform& m, const ColorTransform& cx);
    void drawText(QPainter& p, const StaticText& t, const QTransform& m, const ColorTransform& cx);
    void drawEditText(QPainter& p, const EditText& t, const QTransform& m, const ColorTransform& cx);
    void drawVideo(QPainter& p, uint16_t id, const Instance& in, const QTransform& m, const ColorTransform& cx);
    QBrush brushFor(const FillStyle& f, const ColorTransform& cx);
    QImage bitmapWithCx(uint16_t id, const ColorTransform& cx);
    QPainterPath clipPath(const Instance& in, const QTransform& m, int level, bool hitState);
    const Shape* morphAt(uint16_t id, uint16_t ratio);
    QImage mipmap(const QImage& img, const QTransform& toDevice, QTransform& bitmapMatrix);

    std::shared_ptr<const Movie> movie_;
    bool antialias_ = true;
    double stagePixel_ = 1; // device pixels per stage pixel
    std::map<uint16_t, std::unique_ptr<VideoDecoder>> videos_;
    std::map<std::pair<uint16_t, uint16_t>, Shape> morphCache_;
    struct CxImage { ColorTransform cx; QImage img; };
    std::map<uint16_t, CxImage> cxImages_;
    std::map<std::pair<qint64, int>, QImage> mips_;
};

} // namespace swf
