#include "DisplayList.h"
#include <algorithm>

namespace swf {

const Timeline* TimelineRunner::timelineOf(const ClipState& c) const
{
    if (c.spriteId == 0) return &movie_.mainTimeline();
    const Sprite* s = movie_.sprite(c.spriteId);
    return s ? &s->timeline : nullptr;
}

static std::vector<Instance>::iterator findDepth(std::vector<Instance>& l, uint16_t depth)
{
    return std::lower_bound(l.begin(), l.end(), depth, [](const Instance& a, uint16_t d) { return a.depth < d; });
}

void TimelineRunner::dropCount(const Instance& in)
{
    if (instances_) --instances_;
    for (const ClipState& c : in.child)
        for (const Instance& k : c.list) dropCount(k);
}

void TimelineRunner::recount(const ClipState& root)
{
    size_t n = 0;
    std::vector<const ClipState*> todo{&root};
    while (!todo.empty()) {
        const ClipState* c = todo.back();
        todo.pop_back();
        for (const Instance& i : c->list) {
            ++n;
            for (const ClipState& k : i.child) todo.push_back(&k);
        }
    }
    instances_ = n;
}

void TimelineRunner::makeChild(Instance& in, int level)
{
    in.child.clear();
    const CharType* t = movie_.typeOf(in.charId);
    if (!t || *t != CharType::Sprite) return;
    if (level + 1 > movie_.limits().maxInstanceDepth) return; // nested too deep: shown empty
    ClipState c;
    c.spriteId = in.charId;
    in.child.push_back(std::move(c));
    start(in.child.back(), level + 1);
}

void TimelineRunner::place(ClipState& c, const PlaceCmd& cmd, int level, bool instantiate)
{
    auto it = findDepth(c.list, cmd.depth);
    bool exists = it != c.list.end() && it->depth == cmd.depth;
    if (cmd.remove) {
        if (exists) { dropCount(*it); c.list.erase(it); }
        return;
    }
    if (cmd.move) {
        if (!exists) return;
        Instance& in = *it;
        if (cmd.hasChar && cmd.charId != in.charId && movie_.typeOf(cmd.charId)) {
            in.charId = cmd.charId;
            for (const ClipState& k : in.child) for (const Instance& x : k.list) dropCount(x);
            if (instantiate) makeChild(in, level); else in.child.clear();
        }
        if (cmd.hasMatrix) in.matrix = cmd.matrix;
        if (cmd.hasCx) in.cx = cmd.cx;
        if (cmd.hasRatio) in.ratio = cmd.ratio;
        if (cmd.hasName) in.name = cmd.name;
        if (cmd.hasClip) in.clipDepth = cmd.clipDepth;
        if (cmd.hasVisible) in.visible = cmd.visible;
        if (cmd.hasBlend) in.blend = cmd.blend;
        if (cmd.hasFilters) in.filters = cmd.filters;
        return;
    }
    if (!cmd.hasChar || !movie_.typeOf(cmd.charId)) return;
    if (exists) { dropCount(*it); it = c.list.erase(it); }
    if (instances_ >= movie_.limits().maxInstances) return;  // the display list is full
    if (created_ >= movie_.limits().maxInstances) return;    // this tick made enough
    ++created_;
    Instance in;
    in.depth = cmd.depth;
    in.charId = cmd.charId;
    if (cmd.hasMatrix) in.matrix = cmd.matrix;
    if (cmd.hasCx) in.cx = cmd.cx;
    in.ratio = cmd.ratio;
    in.name = cmd.name;
    in.clipDepth = cmd.hasClip ? cmd.clipDepth : 0;
    in.visible = cmd.hasVisible ? cmd.visible : true;
    in.blend = cmd.blend;
    in.filters = cmd.filters;
    in.serial = serial_++;
    ++instances_;
    it = c.list.insert(it, std::move(in));
    if (instantiate) makeChild(*it, level);
}

void TimelineRunner::applyFrame(ClipState& c, const Timeline& tl, int f, int level, bool instantiate)
{
    if (f < 0 || f >= int(tl.frames.size())) return;
    for (const PlaceCmd& cmd : tl.frames[size_t(f)].cmds) place(c, cmd, level, instantiate);
    c.frame = f;
}

void TimelineRunner::start(ClipState& c, int level)
{
    const Timeline* tl = timelineOf(c);
    for (const Instance& i : c.list) dropCount(i);
    c.list.clear();
    c.frame = -1;
    c.playing = true;
    if (!tl) return;
    applyFrame(c, *tl, 0, level, true);
    runActions(c, tl->frames.empty() ? std::vector<Action>{} : tl->frames[0].actions, level);
}

void TimelineRunner::tick(ClipState& c, bool loop, bool actions, int level)
{
    const Timeline* tl = timelineOf(c);
    if (!tl) return;
    for (Instance& in : c.list)
        for (ClipState& k : in.child) tick(k, true, true, level + 1);
    if (!c.playing) return;
    int n = int(tl->frames.size());
    int next = c.frame + 1;
    if (next >= n) {
        if (!loop) { c.playing = false; return; }
        if (n <= 1) return; // a one-frame clip stays as it is
        gotoFrame(c, 0, level);
    } else {
        applyFrame(c, *tl, next, level, true);
    }
    if (actions && c.spriteId != 0 && onSpriteSound)
        for (const SoundStart& s : tl->frames[size_t(c.frame)].sounds) onSpriteSound(s);
    if (actions) runActions(c, tl->frames[size_t(c.frame)].actions, level);
}

void TimelineRunner::gotoFrame(ClipState& c, int target, int level)
{
    const Timeline* tl = timelineOf(c);
    if (!tl || tl->frames.empty()) return;
    target = std::clamp(target, 0, int(tl->frames.size()) - 1);
    if (target == c.frame) return;
    if (target > c.frame) {
        for (int f = c.frame + 1; f <= target; ++f) applyFrame(c, *tl, f, level, true);
        return;
    }
    // Backwards: rebuild the list from the first frame; instances of the same
    // character at the same depth, placed the same, survive with their state.
    ClipState fresh;
    fresh.spriteId = c.spriteId;
    size_t before = instances_;
    for (int f = 0; f <= target; ++f) applyFrame(fresh, *tl, f, level, false);
    instances_ = before;
    std::vector<Instance> old = std::move(c.list);
    c.list.clear();
    for (Instance& in : fresh.list) {
        auto it = findDepth(old, in.depth);
        if (it != old.end() && it->depth == in.depth && it->charId == in.charId) {
            in.child = std::move(it->child);
            in.serial = it->serial;
            in.buttonState = it->buttonState;
            old.erase(it);
        } else {
            if (instances_ >= movie_.limits().maxInstances || created_ >= movie_.limits().maxInstances) continue;
            ++instances_;
            ++created_;
            makeChild(in, level);
        }
        c.list.push_back(std::move(in));
    }
    for (const Instance& i : old) dropCount(i);
    c.frame = target;
}

void TimelineRunner::runActions(ClipState& c, const std::vector<Action>& acts, int level)
{
    const Timeline* tl = timelineOf(c);
    if (!tl) return;
    for (const Action& a : acts) {
        switch (a.op) {
        case Action::Stop: c.playing = false; break;
        case Action::Play: c.playing = true; break;
        case Action::NextFrame: gotoFrame(c, c.frame + 1, level); c.playing = false; break;
        case Action::PrevFrame: gotoFrame(c, c.frame - 1, level); c.playing = false; break;
        case Action::GotoFrame: gotoFrame(c, a.frame, level); break; // gotoAndStop adds its own Stop
        case Action::GotoLabel: {
            int f = tl->frameForLabel(a.label);
            if (f >= 0) gotoFrame(c, f, level);
            break;
        }
        }
    }
}

} // namespace swf
