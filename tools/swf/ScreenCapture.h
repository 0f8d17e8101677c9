#pragma once
// A screen-capture-like movie, as lesson recordings are: a full-screen picture
// of a desktop, tiles of it changing now and then, and a moving pointer.
#include "SwfWriter.h"

namespace swfw {
QByteArray screenCaptureMovie(int width, int height, int frames, double fps);
}
