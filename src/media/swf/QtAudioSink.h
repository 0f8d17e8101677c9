#pragma once
// The sound output through Qt Multimedia. With no audio device it stays
// silent: write() then drops everything.
#include "Audio.h"
#include <memory>

namespace swf {

class QtAudioSink : public AudioSink
{
public:
    QtAudioSink();
    ~QtAudioSink() override;
    bool available() const;
    void write(const int16_t* frames, size_t count) override;
    void flush() override;

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

} // namespace swf
