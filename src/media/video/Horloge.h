#pragma once
#include <QElapsedTimer>
#include <cstdint>

class SortieAudio;

// A steady time source in microseconds; tests drive a fake one by hand.
class SourceTemps
{
public:
    virtual ~SourceTemps() = default;
    virtual int64_t microsecondes() const = 0;
};

class SourceTempsSysteme final : public SourceTemps
{
public:
    SourceTempsSysteme() { minuteur_.start(); }
    int64_t microsecondes() const override { return minuteur_.nsecsElapsed() / 1000; }

private:
    QElapsedTimer minuteur_;
};

// The playback clock: media time from the sound played while there is sound,
// from the steady source otherwise (no sound, no device, or the sound is over).
class HorlogeLecture
{
public:
    explicit HorlogeLecture(const SourceTemps& source) : source_(&source) {}
    void definirSource(const SourceTemps& source) { source_ = &source; }

    // Media time tempsMediaUs is now; the sound, when given, is at its start.
    void partirDe(int64_t tempsMediaUs, const SortieAudio* son = nullptr);
    // Goes on from the current reading on the steady source.
    void lacherSon();
    bool suitLeSon() const { return son_ != nullptr; }

    int64_t tempsUs() const;

private:
    const SourceTemps* source_;
    const SortieAudio* son_ = nullptr;
    int64_t origineMediaUs_ = 0;
    int64_t origineSourceUs_ = 0;
};
