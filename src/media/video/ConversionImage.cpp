#include "media/video/ConversionImage.h"

extern "C" {
#include <libavutil/frame.h>
#include <libavutil/pixdesc.h>
#include <libswscale/swscale.h>
}

ConversionImage::~ConversionImage() { sws_freeContext(contexte_); }

namespace {
// The full-range "J" formats are deprecated in libswscale: convert them as their
// plain twin and state the range instead.
AVPixelFormat sansPlageJ(AVPixelFormat f, bool& pleinePlage)
{
    pleinePlage = true;
    switch (f) {
    case AV_PIX_FMT_YUVJ420P: return AV_PIX_FMT_YUV420P;
    case AV_PIX_FMT_YUVJ422P: return AV_PIX_FMT_YUV422P;
    case AV_PIX_FMT_YUVJ444P: return AV_PIX_FMT_YUV444P;
    case AV_PIX_FMT_YUVJ440P: return AV_PIX_FMT_YUV440P;
    case AV_PIX_FMT_YUVJ411P: return AV_PIX_FMT_YUV411P;
    default: pleinePlage = false; return f;
    }
}
} // namespace

bool ConversionImage::convertir(const AVFrame* trame, QImage& cible)
{
    if (!trame || trame->width <= 0 || trame->height <= 0 || trame->format < 0)
        return false;
    bool plageJ = false;
    const AVPixelFormat source = sansPlageJ(AVPixelFormat(trame->format), plageJ);
    contexte_ = sws_getCachedContext(contexte_, trame->width, trame->height, source,
                                     trame->width, trame->height, AV_PIX_FMT_RGB32,
                                     SWS_BILINEAR, nullptr, nullptr, nullptr);
    if (!contexte_)
        return false;
    const bool pleine = plageJ || trame->color_range == AVCOL_RANGE_JPEG;
    const AVPixFmtDescriptor* d = av_pix_fmt_desc_get(source);
    if (d && !(d->flags & AV_PIX_FMT_FLAG_RGB) && !(d->flags & AV_PIX_FMT_FLAG_PAL)) {
        const int* coefs = sws_getCoefficients(SWS_CS_DEFAULT);
        sws_setColorspaceDetails(contexte_, coefs, pleine ? 1 : 0, coefs, 1, 0, 1 << 16, 1 << 16);
    }
    if (cible.width() != trame->width || cible.height() != trame->height
        || cible.format() != QImage::Format_RGB32)
        cible = QImage(trame->width, trame->height, QImage::Format_RGB32);
    if (cible.isNull())
        return false;
    uint8_t* destination[4] = {cible.bits(), nullptr, nullptr, nullptr};
    const int pas[4] = {int(cible.bytesPerLine()), 0, 0, 0};
    return sws_scale(contexte_, trame->data, trame->linesize, 0, trame->height, destination, pas) > 0;
}
