#pragma once
// Embedded video (DefineVideoStream + VideoFrame) decoded with libavcodec:
// Sorenson H.263, Screen Video 1 and 2, VP6 and VP6 with alpha.
#include "Movie.h"
#include <QImage>
#include <memory>

namespace swf {

class VideoDecoder
{
public:
    explicit VideoDecoder(const VideoStreamDef& def);
    ~VideoDecoder();
    VideoDecoder(const VideoDecoder&) = delete;
    VideoDecoder& operator=(const VideoDecoder&) = delete;

    // The picture of a frame of the stream (null before the first decodable
    // frame). Going back decodes again from the first frame.
    QImage frame(int n);

private:
    bool open();
    void close();
    bool decodeOne(const QByteArray& data, bool convert);

    const VideoStreamDef& def_;
    struct Impl;
    std::unique_ptr<Impl> d_;
    int decodedUpTo_ = -1;
    QImage current_;
};

} // namespace swf
