#pragma once
// The display list: what is on stage at a given moment, a tree of instances
// (sprites hold their own clip state). Plain values, so a whole state can be
// copied and kept for quick seeks.
#include "Movie.h"
#include <functional>
#include <vector>

namespace swf {

struct ClipState;

struct Instance
{
    uint16_t depth = 0;
    uint16_t charId = 0;
    QTransform matrix;
    ColorTransform cx;
    uint16_t ratio = 0;
    uint16_t clipDepth = 0;
    bool visible = true;
    uint8_t blend = 0;
    std::vector<Filter> filters;
    uint8_t buttonState = 1; // 1 up, 2 over, 4 down
    QString name;
    uint32_t serial = 0;
    std::vector<ClipState> child; // one element for a sprite instance
};

struct ClipState
{
    uint16_t spriteId = 0; // 0: the main timeline
    int frame = -1;        // 0-based current frame, -1 before the first
    bool playing = true;
    std::vector<Instance> list; // sorted by depth
};

// Runs timelines over clip states. It holds no state of its own apart from
// counters, so the same runner serves the player and the seek simulation.
class TimelineRunner
{
public:
    explicit TimelineRunner(const Movie& m) : movie_(m) {}

    const Timeline* timelineOf(const ClipState& c) const;

    // Starts a clip at its first frame.
    void start(ClipState& c, int level);
    // One tick of the frame clock: children advance, then the clip's next frame.
    // loop applies to this clip; sprites always loop. runActions: frame actions.
    void tick(ClipState& c, bool loop, bool runActions, int level);
    // Moves the clip to a frame as a goto does (frames between applied, children kept).
    void gotoFrame(ClipState& c, int target, int level);
    void runActions(ClipState& c, const std::vector<Action>& acts, int level);

    // Called for the StartSound tags of sprite frames reached while playing.
    std::function<void(const SoundStart&)> onSpriteSound;

    size_t instanceCount() const { return instances_; }
    // Instances created since the last reset: placing the same nested sprite
    // again and again could otherwise cost exponential time in the nesting.
    void resetBudget() { created_ = 0; }
    void recount(const ClipState& root);

private:
    void applyFrame(ClipState& c, const Timeline& tl, int f, int level, bool instantiate);
    void place(ClipState& c, const PlaceCmd& cmd, int level, bool instantiate);
    void makeChild(Instance& in, int level);
    void dropCount(const Instance& in);

    const Movie& movie_;
    uint32_t serial_ = 1;
    size_t instances_ = 0;
    size_t created_ = 0;
};

} // namespace swf
