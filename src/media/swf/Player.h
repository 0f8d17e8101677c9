#pragma once
// Playback of a movie without any clock of its own: the owner calls tick() at
// the frame rate. The frame number is the master: seek(n) rebuilds exactly the
// state that playing from the start would show at frame n, from the nearest
// kept state; sound follows the frames.
#include "DisplayList.h"
#include "Renderer.h"
#include <map>
#include <memory>

namespace swf {

class AudioMixer;
class AudioSink;

class Player
{
public:
    explicit Player(std::shared_ptr<const Movie> m, AudioSink* audio = nullptr);
    ~Player();

    const Movie& movie() const { return *movie_; }
    std::shared_ptr<const Movie> moviePtr() const { return movie_; }
    int frame() const { return root_.frame; }            // 0-based
    int frameCount() const { return movie_->frameCount(); }
    bool playing() const { return root_.playing; }
    void setPlaying(bool on);
    bool loop() const { return loop_; }
    void setLoop(bool on) { loop_ = on; }

    // One frame of the clock: sprites advance, the main timeline moves on
    // (stopping at its end when loop is off), actions run, sound is mixed.
    void tick();
    // Shows exactly frame n (0-based, clamped); the play state is kept.
    void seek(int n);

    // A click at a point in stage twips: runs the actions of the button under it.
    bool click(QPointF stageTwips);

    const ClipState& root() const { return root_; }
    Renderer& renderer() { return renderer_; }
    AudioMixer* mixer() { return mixer_.get(); }
    size_t keptStates() const { return kept_.size(); }

private:
    void stepForSeek(ClipState& s);
    void keep(const ClipState& s);
    void soundsForFrame(int f, bool fromSeek);

    std::shared_ptr<const Movie> movie_;
    TimelineRunner runner_;
    Renderer renderer_;
    ClipState root_;
    bool loop_ = true;
    int keepEvery_ = 100;
    std::map<int, ClipState> kept_;
    std::unique_ptr<AudioMixer> mixer_;
};

} // namespace swf
