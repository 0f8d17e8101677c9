#pragma once
// Players that do nothing but remember what they were told, so a test can
// drive the end of a video or check what the window asked of them.
#include "media/ComposantFlash.h"
#include "media/ComposantVideo.h"

#include <QStringList>

class FauxVideo : public ComposantVideo
{
public:
    QString fichier;
    int16_t longueur = 0;
    int16_t image = 0;
    bool enLecture = false;
    QStringList commandes;

    void setFileName(const QString& chemin) override
    {
        fichier = chemin;
        image = 0;
        longueur = chemin.isEmpty() ? 0 : longueurSiCharge;
        commandes << QStringLiteral("fichier ") + chemin;
    }
    QString fileName() const override { return fichier; }
    void setCommand(int16_t c) override
    {
        enLecture = c == Lire;
        commandes << (c == Lire ? QStringLiteral("lire") : QStringLiteral("arreter"));
    }
    int16_t length() const override { return longueur; }
    int16_t position() const override { return image; }
    void setPosition(int16_t i) override
    {
        image = i;
        commandes << QStringLiteral("position %1").arg(i);
    }
    void setNaturalSize(bool) override {}
    void refresh() override {}

    // What a loaded file reports as its length.
    int16_t longueurSiCharge = 250;
    // Plays to frame i and reports it, as the player does for a frame shown.
    void montrer(int16_t i)
    {
        image = i;
        emit PositionChanged(i);
    }
};

class FauxFlash : public ComposantFlash
{
public:
    QString film;
    bool enLecture = false;
    int32_t image = 0;
    bool boucle = true;

    void setMovie(const QString& chemin) override
    {
        film = chemin;
        image = 0;
    }
    QString movie() const override { return film; }
    void setPlaying(bool l) override { enLecture = l; }
    bool playing() const override { return enLecture; }
    int32_t frameNum() const override { return image; }
    void setFrameNum(int32_t i) override { image = i; }
    void setLoop(bool b) override { boucle = b; }
};
