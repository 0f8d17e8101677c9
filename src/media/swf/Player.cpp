#include "Player.h"
#include "Audio.h"
#include <functional>

namespace swf {

Player::Player(std::shared_ptr<const Movie> m, AudioSink* audio)
    : movie_(std::move(m)), runner_(*movie_), renderer_(movie_)
{
    mixer_ = std::make_unique<AudioMixer>(movie_, audio);
    // Kept states: about 200 at most, never closer than 100 frames apart.
    keepEvery_ = std::max(100, frameCount() / 200);
    runner_.onSpriteSound = [this](const SoundStart& s) { mixer_->start(s); };
    root_.spriteId = 0;
    runner_.start(root_, 0);
    ClipState first;
    first.spriteId = 0;
    TimelineRunner fresh(*movie_);
    fresh.start(first, 0);
    kept_.emplace(0, std::move(first));
    soundsForFrame(0, true);
}

Player::~Player() = default;

void Player::setPlaying(bool on)
{
    if (on && !loop_ && root_.frame >= frameCount() - 1) on = false;
    root_.playing = on;
    if (!on) mixer_->pause(); 
}

void Player::tick()
{
    // Sprites keep moving while the main timeline is stopped, as in Flash.
    int before = root_.frame;
    runner_.resetBudget();
    runner_.tick(root_, loop_, true, 0);
    if (root_.frame != before) soundsForFrame(root_.frame, root_.frame != before + 1);
    else mixer_->holdStream(); // stopped (an action, or the end): the stream stops with it
    mixer_->advance();
}

void Player::stepForSeek(ClipState& s)
{
    // Seeking plays the main timeline straight on, its own actions ignored;
    // sprites run as they would while playing.
    bool playing = s.playing;
    s.playing = true;
    runner_.resetBudget();
    runner_.tick(s, false, false, 0);
    s.playing = playing;
}

void Player::keep(const ClipState& s)
{
    if (s.frame % keepEvery_ == 0 && !kept_.count(s.frame)) kept_.emplace(s.frame, s);
}

void Player::seek(int n)
{
    n = std::clamp(n, 0, std::max(0, frameCount() - 1));
    bool playing = root_.playing;
    auto it = kept_.upper_bound(n);
    --it; // kept_[0] always exists
    if (n == root_.frame) return;
    root_ = it->second;
    runner_.recount(root_);
    while (root_.frame < n) {
        stepForSeek(root_);
        keep(root_);
    }
    root_.playing = playing;
    soundsForFrame(root_.frame, true);
}

void Player::soundsForFrame(int f, bool fromSeek)
{
    if (fromSeek) mixer_->seekStream(f);
    const Timeline& tl = movie_->mainTimeline();
    if (f >= 0 && f < int(tl.frames.size()))
        for (const SoundStart& s : tl.frames[size_t(f)].sounds) mixer_->start(s);
    if (!fromSeek) mixer_->streamFrame(f);
}

bool Player::click(QPointF pt)
{
    // Topmost button whose hit area holds the point, at any nesting.
    struct Hit { ClipState* clip; const Button* b; int level; };
    std::vector<Hit> hits;
    std::function<void(ClipState&, const QTransform&, int)> walk = [&](ClipState& c, const QTransform& m, int level) {
        if (level > movie_->limits().maxRenderDepth) return;
        for (Instance& in : c.list) {
            QTransform im = in.matrix * m;
            const CharType* t = movie_->typeOf(in.charId);
            if (!t) continue;
            if (*t == CharType::Button) {
                if (renderer_.hitArea(in, m, level).contains(pt)) hits.push_back({&c, movie_->button(in.charId), level});
            } else if (*t == CharType::Sprite) {
                for (ClipState& k : in.child) walk(k, im, level + 1);
            }
        }
    };
    walk(root_, QTransform(), 0);
    if (hits.empty() || !hits.back().b) return false;
    Hit h = hits.back();
    for (const ButtonAction& a : h.b->actions)
        if (a.conditions & 0x0008) {
            int before = root_.frame;
            runner_.resetBudget();
            runner_.runActions(*h.clip, a.actions, h.level);
            if (root_.frame != before) soundsForFrame(root_.frame, true);
        }
    return true;
}

} // namespace swf
