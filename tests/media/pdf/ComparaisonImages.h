#pragma once
#include <QImage>
#include <cstdlib>

// Mean absolute difference per channel (0..255) of two pictures of one size;
// 255 when the sizes differ.
inline double ecartMoyen(const QImage& a, const QImage& b)
{
    if (a.size() != b.size() || a.isNull())
        return 255;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    double somme = 0;
    for (int j = 0; j < x.height(); ++j) {
        const auto* lx = reinterpret_cast<const QRgb*>(x.constScanLine(j));
        const auto* ly = reinterpret_cast<const QRgb*>(y.constScanLine(j));
        for (int i = 0; i < x.width(); ++i)
            somme += std::abs(qRed(lx[i]) - qRed(ly[i])) + std::abs(qGreen(lx[i]) - qGreen(ly[i]))
                     + std::abs(qBlue(lx[i]) - qBlue(ly[i]));
    }
    return somme / (3.0 * x.width() * x.height());
}
