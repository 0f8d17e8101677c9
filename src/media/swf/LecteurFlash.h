#pragma once
// The Flash movie control: our SWF engine behind ComposantFlash. The stage is
// drawn with the movie's aspect kept, over its background colour, scaled
// smoothly into the control; a timer at the movie's frame rate drives it.
#include "media/ComposantFlash.h"
#include <QTimer>
#include <functional>
#include <memory>

namespace swf {
class AudioSink;
class Player;
}

class LecteurFlash : public ComposantFlash
{
    Q_OBJECT
public:
    // makeAudio: the sound output for each loaded movie (tests give a fake);
    // by default Qt Multimedia, silent without a device.
    using FabriqueAudio = std::function<std::unique_ptr<swf::AudioSink>()>;
    explicit LecteurFlash(QWidget* parent = nullptr, FabriqueAudio makeAudio = {});
    ~LecteurFlash() override;

    void setMovie(const QString& chemin) override;
    QString movie() const override { return chemin_; }
    void setPlaying(bool enLecture) override;
    bool playing() const override;
    int32_t frameNum() const override;
    void setFrameNum(int32_t image) override;
    void setLoop(bool enBoucle) override;

    // For tests and tools: the engine (null when empty) and one tick of the clock.
    const swf::Player* moteur() const { return player_.get(); }
    void avancer();
    bool horlogeActive() const { return timer_.isActive(); }

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

private:
    QTransform stageToWidget() const;
    void vider();

    QString chemin_;
    bool loop_ = true;
    FabriqueAudio makeAudio_;
    std::unique_ptr<swf::AudioSink> audio_;
    std::unique_ptr<swf::Player> player_;
    QTimer timer_;
};
