#include "Audio.h"
extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
}
#include <cmath>

namespace swf {

static std::vector<int16_t> resample(const std::vector<int16_t>& in, int rate, int channels, size_t maxFrames)
{
    // in: interleaved 16-bit at rate with channels; out: stereo at kAudioRate.
    std::vector<int16_t> out;
    size_t n = in.size() / size_t(std::max(1, channels));
    if (n == 0) return out;
    double step = double(rate) / kAudioRate;
    size_t outN = std::min(maxFrames, size_t(std::ceil(n / step)));
    out.resize(outN * 2);
    for (size_t i = 0; i < outN; ++i) {
        double src = i * step;
        size_t a = std::min(n - 1, size_t(src));
        size_t b = std::min(n - 1, a + 1);
        double t = src - double(a);
        for (int c = 0; c < 2; ++c) {
            int ch = channels == 1 ? 0 : c;
            double v = in[a * size_t(channels) + size_t(ch)] * (1 - t) + in[b * size_t(channels) + size_t(ch)] * t;
            out[i * 2 + size_t(c)] = int16_t(std::clamp(std::lround(v), -32768L, 32767L));
        }
    }
    return out;
}

static std::vector<int16_t> decodeWithCodec(AVCodecID id, const SoundFormat& f, const QByteArray& data, size_t maxFrames)
{
    std::vector<int16_t> pcm;
    const AVCodec* codec = avcodec_find_decoder(id);
    if (!codec) return pcm;
    AVCodecContext* ctx = avcodec_alloc_context3(codec);
    if (!ctx) return pcm;
    int channels = f.stereo ? 2 : 1;
    ctx->sample_rate = int(f.rate);
    av_channel_layout_default(&ctx->ch_layout, channels);
    AVCodecParserContext* parser = id == AV_CODEC_ID_MP3 ? av_parser_init(id) : nullptr;
    AVPacket* pkt = av_packet_alloc();
    AVFrame* fr = av_frame_alloc();
    int outRate = 0, outCh = 0;
    if (avcodec_open2(ctx, codec, nullptr) == 0 && pkt && fr) {
        std::vector<uint8_t> buf(size_t(data.size()) + AV_INPUT_BUFFER_PADDING_SIZE, 0);
        memcpy(buf.data(), data.constData(), size_t(data.size()));
        const uint8_t* p = buf.data();
        int left = int(data.size());
        auto drain = [&]() {
            while (avcodec_receive_frame(ctx, fr) == 0) {
                int ch = fr->ch_layout.nb_channels > 0 ? fr->ch_layout.nb_channels : channels;
                outRate = fr->sample_rate > 0 ? fr->sample_rate : int(f.rate);
                outCh = std::min(ch, 2);
                for (int i = 0; i < fr->nb_samples; ++i) {
                    if (pcm.size() / size_t(outCh) >= maxFrames * 2) break;
                    for (int c = 0; c < outCh; ++c) {
                        double v = 0;
                        bool planar = av_sample_fmt_is_planar(AVSampleFormat(fr->format));
                        int idx = planar ? i : i * ch + c;
                        const uint8_t* plane = planar ? fr->extended_data[c] : fr->extended_data[0];
                        switch (fr->format) {
                        case AV_SAMPLE_FMT_S16: case AV_SAMPLE_FMT_S16P: v = reinterpret_cast<const int16_t*>(plane)[idx]; break;
                        case AV_SAMPLE_FMT_FLT: case AV_SAMPLE_FMT_FLTP: v = reinterpret_cast<const float*>(plane)[idx] * 32767.0; break;
                        case AV_SAMPLE_FMT_S32: case AV_SAMPLE_FMT_S32P: v = reinterpret_cast<const int32_t*>(plane)[idx] / 65536.0; break;
                        default: break;
                        }
                        pcm.push_back(int16_t(std::clamp(v, -32768.0, 32767.0)));
                    }
                }
            }
        };
        while (left > 0) {
            if (parser) {
                uint8_t* out = nullptr;
                int outSize = 0;
                int used = av_parser_parse2(parser, ctx, &out, &outSize, p, left, AV_NOPTS_VALUE, AV_NOPTS_VALUE, 0);
                if (used < 0) break;
                p += used; left -= used;
                if (outSize > 0) {
                    pkt->data = out; pkt->size = outSize;
                    if (avcodec_send_packet(ctx, pkt) == 0) drain();
                }
                if (used == 0 && outSize == 0) break;
            } else {
                pkt->data = const_cast<uint8_t*>(p); pkt->size = left;
                if (avcodec_send_packet(ctx, pkt) == 0) drain();
                left = 0;
            }
        }
        if (parser) {
            uint8_t* out = nullptr; int outSize = 0;
            av_parser_parse2(parser, ctx, &out, &outSize, nullptr, 0, AV_NOPTS_VALUE, AV_NOPTS_VALUE, 0);
            if (outSize > 0) { pkt->data = out; pkt->size = outSize; if (avcodec_send_packet(ctx, pkt) == 0) drain(); }
        }
        avcodec_send_packet(ctx, nullptr);
        drain();
    }
    if (parser) av_parser_close(parser);
    pkt->data = nullptr; pkt->size = 0;
    av_packet_free(&pkt);
    av_frame_free(&fr);
    avcodec_free_context(&ctx);
    if (outCh == 0) return {};
    return resample(pcm, outRate, outCh, maxFrames);
}

std::vector<int16_t> decodeSound(const SoundFormat& f, const QByteArray& data, size_t maxFrames)
{
    int channels = f.stereo ? 2 : 1;
    switch (f.format) {
    case 0: case 3: {
        std::vector<int16_t> pcm;
        const uint8_t* p = reinterpret_cast<const uint8_t*>(data.constData());
        size_t n = size_t(data.size());
        if (f.is16) for (size_t i = 0; i + 1 < n; i += 2) pcm.push_back(int16_t(p[i] | (p[i + 1] << 8)));
        else for (size_t i = 0; i < n; ++i) pcm.push_back(int16_t((int(p[i]) - 128) << 8));
        return resample(pcm, int(f.rate), channels, maxFrames);
    }
    case 1: return decodeWithCodec(AV_CODEC_ID_ADPCM_SWF, f, data, maxFrames);
    case 2: return decodeWithCodec(AV_CODEC_ID_MP3, f, data, maxFrames);
    case 4: case 5: case 6: {
        SoundFormat g = f;
        g.rate = f.format == 5 ? 16000 : f.format == 6 ? 8000 : f.rate;
        return decodeWithCodec(AV_CODEC_ID_NELLYMOSER, g, data, maxFrames);
    }
    case 11: { SoundFormat g = f; g.rate = 16000; return decodeWithCodec(AV_CODEC_ID_SPEEX, g, data, maxFrames); }
    default: return {};
    }
}

AudioMixer::AudioMixer(std::shared_ptr<const Movie> m, AudioSink* sink) : movie_(std::move(m)), sink_(sink) {}
AudioMixer::~AudioMixer() = default;

static size_t maxFramesFor(const Movie& m) { return m.limits().maxSoundBytes / 4; }

const std::vector<int16_t>* AudioMixer::pcm(uint16_t id)
{
    auto it = decoded_.find(id);
    if (it != decoded_.end()) return &it->second;
    const SoundDef* s = movie_->sound(id);
    if (!s) return nullptr;
    QByteArray d = s->fmt.format == 2 ? s->data.mid(2) : s->data;
    return &decoded_.emplace(id, decodeSound(s->fmt, d, maxFramesFor(*movie_))).first->second;
}

const std::vector<int16_t>& AudioMixer::streamPcm()
{
    if (!streamDecoded_) {
        streamDecoded_ = true;
        const Timeline& tl = movie_->mainTimeline();
        if (tl.stream.present) {
            QByteArray all;
            bool mp3 = tl.stream.fmt.format == 2;
            if (tl.stream.fmt.format == 1) {
                // ADPCM blocks are independent packets: decode one by one.
                for (const QByteArray& b : tl.streamBlocks) {
                    auto part = decodeSound(tl.stream.fmt, b, maxFramesFor(*movie_));
                    if (stream_.size() + part.size() > maxFramesFor(*movie_) * 2) break;
                    stream_.insert(stream_.end(), part.begin(), part.end());
                }
            } else {
                for (const QByteArray& b : tl.streamBlocks) all += mp3 ? b.mid(4) : b;
                stream_ = decodeSound(tl.stream.fmt, all, maxFramesFor(*movie_));
            }
        }
    }
    return stream_;
}

static size_t framesPerTick(const Movie& m) { return size_t(std::lround(kAudioRate / m.header().frameRate)); }

void AudioMixer::start(const SoundStart& s)
{
    if (!sink_) return;
    if (s.stop) {
        std::erase_if(voices_, [&](const Voice& v) { return v.id == s.soundId; });
        return;
    }
    if (s.noMultiple && std::any_of(voices_.begin(), voices_.end(), [&](const Voice& v) { return v.id == s.soundId; })) return;
    const auto* p = pcm(s.soundId);
    if (!p || p->empty() || voices_.size() >= 32) return;
    // In and out points count 44.1 kHz samples.
    size_t n = p->size() / 2;
    size_t in = s.hasIn ? std::min<size_t>(s.inPoint, n) : 0;
    size_t out = s.hasOut ? std::min<size_t>(s.outPoint, n) : n;
    if (out <= in) return;
    voices_.push_back({s.soundId, in, out, std::max<int>(1, s.loops)});
}

void AudioMixer::streamFrame(int frame)
{
    // The frame number is the master: each frame's sound starts where that frame starts.
    if (!sink_ || !movie_->mainTimeline().stream.present) return;
    streamPos_ = int64_t(frame) * int64_t(framesPerTick(*movie_));
}

void AudioMixer::seekStream(int frame)
{
    if (sink_) sink_->flush();
    voices_.clear();
    if (!sink_ || !movie_->mainTimeline().stream.present) { streamPos_ = -1; return; }
    streamPos_ = int64_t(frame) * int64_t(framesPerTick(*movie_));
}

void AudioMixer::pause()
{
    if (sink_) sink_->flush();
    voices_.clear();
    streamPos_ = -1;
}

void AudioMixer::advance()
{
    if (!sink_) return;
    size_t n = framesPerTick(*movie_);
    std::vector<int32_t> mix(n * 2, 0);
    bool any = false;
    if (streamPos_ >= 0) {
        const auto& s = streamPcm();
        size_t total = s.size() / 2;
        for (size_t i = 0; i < n && size_t(streamPos_) + i < total; ++i) {
            mix[i * 2] += s[(size_t(streamPos_) + i) * 2];
            mix[i * 2 + 1] += s[(size_t(streamPos_) + i) * 2 + 1];
            any = true;
        }
        streamPos_ += int64_t(n);
    }
    for (Voice& v : voices_) {
        const auto* p = pcm(v.id);
        if (!p) { v.loops = 0; continue; }
        for (size_t i = 0; i < n; ++i) {
            if (v.pos >= v.end) {
                if (--v.loops <= 0) break;
                const SoundDef* d = movie_->sound(v.id);
                (void)d;
                v.pos = 0;
            }
            mix[i * 2] += (*p)[v.pos * 2];
            mix[i * 2 + 1] += (*p)[v.pos * 2 + 1];
            ++v.pos;
            any = true;
        }
    }
    std::erase_if(voices_, [](const Voice& v) { return v.loops <= 0 || v.pos >= v.end && v.loops <= 1; });
    if (!any) return;
    std::vector<int16_t> out(n * 2);
    for (size_t i = 0; i < out.size(); ++i) out[i] = int16_t(std::clamp(mix[i], -32768, 32767));
    sink_->write(out.data(), n);
}

} // namespace swf
