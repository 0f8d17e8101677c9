#include "LecteurFlash.h"
#include "Player.h"
#include "QtAudioSink.h"
#include <QMouseEvent>
#include <QPainter>

LecteurFlash::LecteurFlash(QWidget* parent, FabriqueAudio makeAudio)
    : ComposantFlash(parent), makeAudio_(std::move(makeAudio))
{
    if (!makeAudio_) makeAudio_ = [] { return std::make_unique<swf::QtAudioSink>(); };
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &LecteurFlash::avancer);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

LecteurFlash::~LecteurFlash()
{
    timer_.stop();
    player_.reset();
    audio_.reset();
}

void LecteurFlash::vider()
{
    timer_.stop();
    player_.reset();
    audio_.reset();
    update();
}

void LecteurFlash::setMovie(const QString& chemin)
{
    vider();
    if (chemin.trimmed().isEmpty()) { chemin_.clear(); return; }
    chemin_ = chemin;
    auto movie = swf::Movie::loadFile(chemin);
    if (!movie->ok()) return; // an unreadable movie leaves the player empty
    bool sons = movie->mainTimeline().stream.present;
    for (int id = 0; id < 65536 && !sons; ++id)
        if (auto* t = movie->typeOf(uint16_t(id)); t && *t == swf::CharType::Sound) sons = true;
    if (sons) audio_ = makeAudio_();
    player_ = std::make_unique<swf::Player>(movie, audio_.get());
    player_->setLoop(loop_);
    timer_.start(std::max(1, int(std::lround(1000.0 / movie->header().frameRate))));
    update();
}

void LecteurFlash::setPlaying(bool enLecture)
{
    if (!player_) return;
    player_->setPlaying(enLecture);
    update();
}

bool LecteurFlash::playing() const { return player_ && player_->playing(); }

int32_t LecteurFlash::frameNum() const { return player_ ? player_->frame() : 0; }

void LecteurFlash::setFrameNum(int32_t image)
{
    if (!player_) return;
    player_->seek(image);
    update();
}

void LecteurFlash::setLoop(bool enBoucle)
{
    loop_ = enBoucle;
    if (player_) player_->setLoop(enBoucle);
}

void LecteurFlash::avancer()
{
    if (!player_) return;
    player_->tick();
    update();
}

QTransform LecteurFlash::stageToWidget() const
{
    if (!player_) return {};
    const QRectF st = player_->movie().header().stage;
    if (st.width() <= 0 || st.height() <= 0) return {};
    double s = std::min(width() / st.width(), height() / st.height());
    double ox = (width() - st.width() * s) / 2, oy = (height() - st.height() * s) / 2;
    return QTransform::fromTranslate(-st.left(), -st.top()) * QTransform::fromScale(s, s) * QTransform::fromTranslate(ox, oy);
}

void LecteurFlash::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!player_) {
        p.fillRect(rect(), palette().window());
        return;
    }
    // Over the movie's background colour everywhere, the stage kept in aspect.
    p.fillRect(rect(), player_->movie().background().toQColor());
    player_->renderer().setAntialias(true);
    player_->renderer().render(p, player_->root(), stageToWidget(), false);
}

void LecteurFlash::mouseReleaseEvent(QMouseEvent* e)
{
    if (!player_) return;
    bool ok = false;
    QTransform inv = stageToWidget().inverted(&ok);
    if (ok && player_->click(inv.map(e->position()))) update();
}
