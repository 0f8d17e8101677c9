#pragma once
#include "media/ComposantVideo.h"
#include "media/video/LectureVideo.h"

// The video player control of the windows, on the engine LectureVideo.
// Everything runs on the UI thread: the engine decodes from the event loop,
// so PositionChanged always reaches the windows there.
class LecteurAVI : public ComposantVideo
{
    Q_OBJECT
public:
    explicit LecteurAVI(QWidget* parent = nullptr);
    ~LecteurAVI() override;

    void setFileName(const QString& chemin) override;
    QString fileName() const override;
    void setCommand(int16_t commande) override;
    int16_t length() const override;
    int16_t position() const override;
    void setPosition(int16_t image) override;
    // Natural size shows the picture at its own size, centred (shrunk to fit
    // if the control is smaller); otherwise it fills the control.
    void setNaturalSize(bool naturelle) override;
    bool naturalSize() const { return tailleNaturelle_; }
    void refresh() override;

    // Where the picture is drawn inside the control.
    QRect rectangleImage() const;

    LectureVideo& lecture() { return lecture_; }

protected:
    void paintEvent(QPaintEvent* evenement) override;

private:
    LectureVideo lecture_;
    bool tailleNaturelle_ = false;
};
