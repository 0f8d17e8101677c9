#include "Video.h"
extern "C" {
#include <libavcodec/avcodec.h>
#include <libswscale/swscale.h>
#include <libavutil/imgutils.h>
}

namespace swf {

struct VideoDecoder::Impl
{
    AVCodecContext* ctx = nullptr;
    AVFrame* frame = nullptr;
    AVPacket* pkt = nullptr;
    SwsContext* sws = nullptr;
};

VideoDecoder::VideoDecoder(const VideoStreamDef& def) : def_(def), d_(std::make_unique<Impl>()) {}
VideoDecoder::~VideoDecoder() { close(); }

void VideoDecoder::close()
{
    if (d_->ctx) avcodec_free_context(&d_->ctx);
    if (d_->frame) av_frame_free(&d_->frame);
    if (d_->pkt) av_packet_free(&d_->pkt);
    if (d_->sws) { sws_freeContext(d_->sws); d_->sws = nullptr; }
    decodedUpTo_ = -1;
    current_ = QImage();
}

bool VideoDecoder::open()
{
    AVCodecID id;
    switch (def_.codec) {
    case 2: id = AV_CODEC_ID_FLV1; break;
    case 3: id = AV_CODEC_ID_FLASHSV; break;
    case 4: id = AV_CODEC_ID_VP6F; break;
    case 5: id = AV_CODEC_ID_VP6A; break;
    case 6: id = AV_CODEC_ID_FLASHSV2; break;
    default: return false;
    }
    const AVCodec* codec = avcodec_find_decoder(id);
    if (!codec) return false;
    d_->ctx = avcodec_alloc_context3(codec);
    if (!d_->ctx) return false;
    d_->ctx->width = def_.width;
    d_->ctx->height = def_.height;
    d_->ctx->thread_count = 1;
    if (id == AV_CODEC_ID_VP6F || id == AV_CODEC_ID_VP6A) {
        // The FLV crop byte is absent from SWF packets: give none through extradata.
        d_->ctx->extradata = static_cast<uint8_t*>(av_mallocz(1 + AV_INPUT_BUFFER_PADDING_SIZE));
        d_->ctx->extradata_size = 1;
    }
    if (avcodec_open2(d_->ctx, codec, nullptr) < 0) { avcodec_free_context(&d_->ctx); return false; }
    d_->frame = av_frame_alloc();
    d_->pkt = av_packet_alloc();
    return d_->frame && d_->pkt;
}

bool VideoDecoder::decodeOne(const QByteArray& data, bool convert)
{
    if (data.isEmpty()) return false;
    if (av_new_packet(d_->pkt, int(data.size())) < 0) return false;
    memcpy(d_->pkt->data, data.constData(), size_t(data.size()));
    int rc = avcodec_send_packet(d_->ctx, d_->pkt);
    av_packet_unref(d_->pkt);
    if (rc < 0) return false;
    bool got = false;
    while (avcodec_receive_frame(d_->ctx, d_->frame) == 0) {
        AVFrame* f = d_->frame;
        got = true;
        if (!convert) continue; // a picture on the way to the one asked for
        if (f->width <= 0 || f->height <= 0 || f->width > 8192 || f->height > 8192) continue;
        bool alpha = f->format == AV_PIX_FMT_YUVA420P;
        d_->sws = sws_getCachedContext(d_->sws, f->width, f->height, AVPixelFormat(f->format), f->width, f->height,
                                       alpha ? AV_PIX_FMT_RGBA : AV_PIX_FMT_RGB0, SWS_BILINEAR | SWS_ACCURATE_RND | SWS_FULL_CHR_H_INT,
                                       nullptr, nullptr, nullptr);
        if (!d_->sws) continue;
        QImage img(f->width, f->height, alpha ? QImage::Format_RGBA8888 : QImage::Format_RGBX8888);
        uint8_t* dst[4] = {img.bits(), nullptr, nullptr, nullptr};
        int stride[4] = {int(img.bytesPerLine()), 0, 0, 0};
        sws_scale(d_->sws, f->data, f->linesize, 0, f->height, dst, stride);
        current_ = img.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        got = true;
    }
    return got;
}

// Whether a packet decodes without the pictures before it.
static bool isKeyFrame(uint8_t codec, const QByteArray& d)
{
    const uint8_t* p = reinterpret_cast<const uint8_t*>(d.constData());
    size_t n = size_t(d.size());
    switch (codec) {
    case 2: { // Sorenson H.263: picture type after the start code, version, reference and size
        if (n < 8) return false;
        BitReader r(p, n);
        r.ub(17); r.ub(5); r.ub(8);
        unsigned size = r.ub(3);
        if (size == 0) { r.ub(8); r.ub(8); } else if (size == 1) { r.ub(16); r.ub(16); }
        return r.ub(2) == 0;
    }
    case 3: { // Screen Video: a key frame sends every block
        if (n < 4) return false;
        BitReader r(p, n);
        unsigned bw = (r.ub(4) + 1) * 16, w = r.ub(12), bh = (r.ub(4) + 1) * 16, h = r.ub(12);
        size_t blocks = size_t((w + bw - 1) / bw) * size_t((h + bh - 1) / bh);
        for (size_t i = 0; i < blocks; ++i) {
            uint16_t sz = uint16_t(r.u8() << 8); sz |= r.u8();
            if (r.overrun() || sz == 0) return false;
            r.skip(sz);
        }
        return true;
    }
    case 4: return n > 0 && !(p[0] & 0x80);
    case 5: return n > 3 && !(p[3] & 0x80); // after the 24-bit alpha offset
    default: return false; // Screen Video 2: decode from the start
    }
}

QImage VideoDecoder::frame(int n)
{
    if (def_.frames.empty()) return {};
    if (n == decodedUpTo_ && d_->ctx) return current_;
    // From the last key frame at or before n when that is nearer than going on.
    int key = -1;
    if (n < decodedUpTo_ || !d_->ctx || n > decodedUpTo_ + 1) {
        for (auto it = def_.frames.upper_bound(n); it != def_.frames.begin();) {
            --it;
            if (isKeyFrame(def_.codec, it->second)) { key = it->first; break; }
        }
    }
    if (n < decodedUpTo_ || !d_->ctx || (key > decodedUpTo_)) {
        close();
        if (!open()) return {};
        decodedUpTo_ = key >= 0 ? key - 1 : -1;
    }
    for (auto it = def_.frames.upper_bound(decodedUpTo_); it != def_.frames.end() && it->first <= n; ++it) {
        auto next = std::next(it);
        decodeOne(it->second, next == def_.frames.end() || next->first > n);
        decodedUpTo_ = it->first;
    }
    if (decodedUpTo_ < n) decodedUpTo_ = n;
    return current_;
}

} // namespace swf
