#pragma once
// A screen-capture-like movie, as lesson recordings are: a full-screen picture
// of a desktop, tiles of it changing now and then, and a moving pointer.
#include "SwfWriter.h"

namespace swfw {
QByteArray screenCaptureMovie(int width, int height, int frames, double fps);
// The same screen recorded as Screen Video (the codec of screen recorders),
// a key frame every keyEvery frames. Empty when libavcodec has no encoder.
QByteArray screenVideoMovie(int width, int height, int frames, double fps, int keyEvery = 120);
}
