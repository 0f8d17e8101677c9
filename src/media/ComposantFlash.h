#pragma once
#include <QString>
#include <QWidget>
#include <cstdint>

// What the windows need of a Flash movie control.
class ComposantFlash : public QWidget
{
    Q_OBJECT
public:
    explicit ComposantFlash(QWidget* parent = nullptr) : QWidget(parent) {}
    ~ComposantFlash() override = default;

    // A full ".swf" path loads the movie; "" or " " empties the player.
    // Reading gives back the full path of the loaded movie.
    virtual void setMovie(const QString& chemin) = 0;
    virtual QString movie() const = 0;

    virtual void setPlaying(bool enLecture) = 0;
    virtual bool playing() const = 0;

    // The timeline's current frame (0-based, as the control counts); writing
    // shows exactly that frame.
    virtual int32_t frameNum() const = 0;
    virtual void setFrameNum(int32_t image) = 0;

    // Off: the movie stops at its last frame.
    virtual void setLoop(bool enBoucle) = 0;
};
