#pragma once
// Bitmap characters: DefineBits (+JPEGTables), DefineBitsJPEG2/3/4 (JPEG, PNG
// or GIF data, with the JPEG alpha plane) and DefineBitsLossless 1/2.
// Images come out as Format_ARGB32_Premultiplied, or null when undecodable.
#include "Types.h"
#include <QByteArray>
#include <QImage>

namespace swf {

QByteArray zlibInflate(const uint8_t* data, size_t size, size_t maxOut, bool* truncated = nullptr);

QImage decodeJpegWithTables(const QByteArray& tables, const QByteArray& data, const Limits& lim);
QImage decodeImageData(const QByteArray& data, const Limits& lim); // JPEG, PNG or GIF
QImage decodeJpeg3(const QByteArray& image, const QByteArray& zlibAlpha, const Limits& lim);
QImage decodeLossless(BitReader& r, bool withAlpha, const Limits& lim);

} // namespace swf
