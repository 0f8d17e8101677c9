#pragma once
#include <QImage>

extern "C" {
struct AVFrame;
struct SwsContext;
}

// Decoded pictures (any FFmpeg pixel format, palettes included) to RGB32.
class ConversionImage
{
public:
    ConversionImage() = default;
    ~ConversionImage();
    ConversionImage(const ConversionImage&) = delete;
    ConversionImage& operator=(const ConversionImage&) = delete;

    // Writes into cible, reusing its buffer when it has the right size and is
    // not shared, so playback does not allocate a picture per frame.
    bool convertir(const AVFrame* trame, QImage& cible);

private:
    SwsContext* contexte_ = nullptr;
};
