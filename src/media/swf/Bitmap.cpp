#include "Bitmap.h"
#include <QBuffer>
#include <QImageReader>
#include <zlib.h>

namespace swf {

QByteArray zlibInflate(const uint8_t* data, size_t size, size_t maxOut, bool* truncated)
{
    QByteArray out;
    if (truncated) *truncated = false;
    z_stream zs{};
    if (inflateInit(&zs) != Z_OK) return out;
    zs.next_in = const_cast<Bytef*>(data);
    zs.avail_in = uInt(std::min<size_t>(size, 0x7fffffff));
    size_t chunk = std::min<size_t>(std::max<size_t>(size * 4, 4096), std::max<size_t>(maxOut, 1));
    for (;;) {
        if (size_t(out.size()) >= maxOut) { if (truncated) *truncated = true; break; }
        size_t old = size_t(out.size());
        size_t grow = std::min(chunk, maxOut - old);
        out.resize(qsizetype(old + grow));
        zs.next_out = reinterpret_cast<Bytef*>(out.data() + old);
        zs.avail_out = uInt(grow);
        int rc = inflate(&zs, Z_NO_FLUSH);
        out.resize(qsizetype(old + grow - zs.avail_out));
        if (rc == Z_STREAM_END) break;
        if (rc != Z_OK) { if (truncated) *truncated = true; break; }
        if (zs.avail_in == 0 && zs.avail_out != 0) { if (truncated) *truncated = true; break; }
        chunk = std::min<size_t>(chunk * 2, 16u << 20);
    }
    inflateEnd(&zs);
    return out;
}

static QImage readImage(const QByteArray& data, const Limits& lim)
{
    QByteArray copy = data;
    QBuffer buf(&copy);
    buf.open(QIODevice::ReadOnly);
    QImageReader reader(&buf);
    reader.setAutoTransform(false);
    QSize sz = reader.size();
    if (sz.isValid() && size_t(sz.width()) * size_t(sz.height()) > lim.maxBitmapPixels) return {};
    QImage img = reader.read();
    if (img.isNull()) return {};
    if (size_t(img.width()) * size_t(img.height()) > lim.maxBitmapPixels) return {};
    return img.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// Removes the SOI/EOI pairs (FF D9 FF D8) that some SWF JPEG data carries
// between or before its segments.
static QByteArray cleanJpeg(const QByteArray& in)
{
    QByteArray d = in;
    if (d.startsWith("\xFF\xD9\xFF\xD8")) d.remove(0, 4);
    qsizetype at;
    while ((at = d.indexOf(QByteArray("\xFF\xD9\xFF\xD8", 4), 2)) > 0) d.remove(at, 4);
    return d;
}

QImage decodeImageData(const QByteArray& data, const Limits& lim)
{
    if (data.startsWith("\x89PNG") || data.startsWith("GIF8")) return readImage(data, lim);
    return readImage(cleanJpeg(data), lim);
}

QImage decodeJpegWithTables(const QByteArray& tables, const QByteArray& data, const Limits& lim)
{
    QByteArray t = cleanJpeg(tables), d = cleanJpeg(data);
    if (t.size() >= 4) {
        if (t.endsWith("\xFF\xD9")) t.chop(2);
        if (d.startsWith("\xFF\xD8")) d.remove(0, 2);
        QImage img = readImage(t + d, lim);
        if (!img.isNull()) return img;
    }
    return readImage(data, lim);
}

QImage decodeJpeg3(const QByteArray& image, const QByteArray& zlibAlpha, const Limits& lim)
{
    QImage img = decodeImageData(image, lim);
    if (img.isNull() || zlibAlpha.isEmpty()) return img;
    if (image.startsWith("\x89PNG") || image.startsWith("GIF8")) return img;
    size_t n = size_t(img.width()) * size_t(img.height());
    QByteArray a = zlibInflate(reinterpret_cast<const uint8_t*>(zlibAlpha.constData()), size_t(zlibAlpha.size()), n);
    if (size_t(a.size()) < n) return img;
    // Colours with the alpha plane are taken as premultiplied, as Flash stores them.
    const uint8_t* ap = reinterpret_cast<const uint8_t*>(a.constData());
    for (int y = 0; y < img.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            int al = ap[size_t(y) * size_t(img.width()) + size_t(x)];
            QRgb c = row[x];
            row[x] = qRgba(std::min(qRed(c), al), std::min(qGreen(c), al), std::min(qBlue(c), al), al);
        }
    }
    return img;
}

QImage decodeLossless(BitReader& r, bool withAlpha, const Limits& lim)
{
    uint8_t format = r.u8();
    int w = r.u16(), h = r.u16();
    if (w == 0 || h == 0 || size_t(w) * size_t(h) > lim.maxBitmapPixels) return {};
    int tableSize = format == 3 ? r.u8() + 1 : 0;
    size_t rest = r.remaining();
    const uint8_t* src = r.data() + r.pos();
    r.skip(rest);
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    if (img.isNull()) return {};
    img.fill(0);
    if (format == 3) {
        size_t entry = withAlpha ? 4 : 3;
        size_t pitch = (size_t(w) + 3) & ~size_t(3);
        size_t need = entry * size_t(tableSize) + pitch * size_t(h);
        QByteArray d = zlibInflate(src, rest, need);
        const uint8_t* p = reinterpret_cast<const uint8_t*>(d.constData());
        size_t have = size_t(d.size());
        std::vector<QRgb> pal(256, 0);
        for (int i = 0; i < tableSize && size_t(i + 1) * entry <= have; ++i) {
            const uint8_t* e = p + size_t(i) * entry;
            pal[size_t(i)] = withAlpha ? qRgba(std::min(e[0], e[3]), std::min(e[1], e[3]), std::min(e[2], e[3]), e[3])
                                       : qRgb(e[0], e[1], e[2]);
        }
        size_t base = entry * size_t(tableSize);
        for (int y = 0; y < h; ++y) {
            QRgb* row = reinterpret_cast<QRgb*>(img.scanLine(y));
            for (int x = 0; x < w; ++x) {
                size_t o = base + size_t(y) * pitch + size_t(x);
                if (o < have) row[x] = pal[p[o]];
            }
        }
    } else if (format == 4) {
        size_t pitch = (size_t(w) * 2 + 3) & ~size_t(3);
        QByteArray d = zlibInflate(src, rest, pitch * size_t(h));
        const uint8_t* p = reinterpret_cast<const uint8_t*>(d.constData());
        size_t have = size_t(d.size());
        for (int y = 0; y < h; ++y) {
            QRgb* row = reinterpret_cast<QRgb*>(img.scanLine(y));
            for (int x = 0; x < w; ++x) {
                size_t o = size_t(y) * pitch + size_t(x) * 2;
                if (o + 1 >= have) break;
                unsigned v = (unsigned(p[o]) << 8) | p[o + 1];
                int rr = (v >> 10) & 31, gg = (v >> 5) & 31, bb = v & 31;
                row[x] = qRgb(rr * 255 / 31, gg * 255 / 31, bb * 255 / 31);
            }
        }
    } else if (format == 5) {
        size_t need = size_t(w) * size_t(h) * 4;
        QByteArray d = zlibInflate(src, rest, need);
        const uint8_t* p = reinterpret_cast<const uint8_t*>(d.constData());
        size_t have = size_t(d.size());
        for (int y = 0; y < h; ++y) {
            QRgb* row = reinterpret_cast<QRgb*>(img.scanLine(y));
            for (int x = 0; x < w; ++x) {
                size_t o = (size_t(y) * size_t(w) + size_t(x)) * 4;
                if (o + 3 >= have) break;
                uint8_t a = withAlpha ? p[o] : 255;
                row[x] = qRgba(std::min(p[o + 1], a), std::min(p[o + 2], a), std::min(p[o + 3], a), a);
            }
        }
    } else {
        return {};
    }
    return img;
}

} // namespace swf
