#pragma once
#include <QString>
#include <QWidget>
#include <cstdint>

// What the windows need of a video player control. The windows only ever use
// these operations, so any frame-accurate player can stand behind them.
class ComposantVideo : public QWidget
{
    Q_OBJECT
public:
    explicit ComposantVideo(QWidget* parent = nullptr) : QWidget(parent) {}
    ~ComposantVideo() override = default;

    enum Commande : int16_t { Arreter = 1, Lire = 2 };

    // A full path opens the file; "" unloads and leaves the player empty.
    virtual void setFileName(const QString& chemin) = 0;
    virtual QString fileName() const = 0;

    // 1 stops, 2 plays from the current position.
    virtual void setCommand(int16_t commande) = 0;

    // Number of the last frame (0 when empty).
    virtual int16_t length() const = 0;

    // Writing seeks exactly to that frame; a loaded player given a position
    // plays on from there by itself.
    virtual int16_t position() const = 0;
    virtual void setPosition(int16_t image) = 0;

    virtual void setNaturalSize(bool naturelle) = 0;
    virtual void refresh() = 0;

signals:
    // Raised for every frame shown and after every seek; the last frame is
    // reported when the video reaches its end.
    void PositionChanged(int16_t nouvellePosition);
};
