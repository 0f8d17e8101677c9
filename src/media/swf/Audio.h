#pragma once
// Sound: decoding (libavcodec, to 44.1 kHz 16-bit stereo), the mixer that
// follows the frames, and the small output interface the player writes to.
#include "Movie.h"
#include <memory>
#include <vector>

namespace swf {

constexpr int kAudioRate = 44100;

// Where mixed sound goes. An implementation with no device is silent.
class AudioSink
{
public:
    virtual ~AudioSink() = default;
    // Interleaved stereo frames at kAudioRate; may drop what it cannot queue.
    virtual void write(const int16_t* frames, size_t count) = 0;
    // Drops what is queued (after a seek or a stop).
    virtual void flush() = 0;
};

// Decodes a sound to interleaved stereo 16-bit at kAudioRate. MP3 data is
// given without its SeekSamples prefix. maxFrames bounds the output.
std::vector<int16_t> decodeSound(const SoundFormat& f, const QByteArray& data, size_t maxFrames);

class AudioMixer
{
public:
    AudioMixer(std::shared_ptr<const Movie> m, AudioSink* sink);
    ~AudioMixer();

    void start(const SoundStart& s);     // StartSound
    void streamFrame(int frame);         // the main timeline reached this frame by playing
    void seekStream(int frame);          // ... or by a seek: sounds restart in step
    void pause();                        // stop: queued sound dropped
    void holdStream() { streamPos_ = -1; } // the timeline stands still: its stream is silent
    // Mixes one frame's worth of sound and writes it to the sink.
    void advance();

    size_t activeSounds() const { return voices_.size(); }
    int64_t streamPosition() const { return streamPos_; }

private:
    const std::vector<int16_t>* pcm(uint16_t id);
    const std::vector<int16_t>& streamPcm();

    std::shared_ptr<const Movie> movie_;
    AudioSink* sink_;
    struct Voice { uint16_t id; size_t pos; size_t end; int loops; };
    std::vector<Voice> voices_;
    std::map<uint16_t, std::vector<int16_t>> decoded_;
    bool streamDecoded_ = false;
    std::vector<int16_t> stream_;
    int64_t streamPos_ = -1; // frames into stream_, -1: not playing
    double carry_ = 0;
    size_t budget_ = 0;
};

} // namespace swf
