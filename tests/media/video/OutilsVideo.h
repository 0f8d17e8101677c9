#pragma once
// What the video tests share: the test videos, the frame-number pattern they
// carry, a hand-driven time source and a fake sound device.
#include "media/video/Horloge.h"
#include "media/video/SortieAudio.h"
#include <QByteArray>
#include <QObject>
#include <QImage>
#include <QRect>
#include <QString>
#include <vector>

inline QString videoTest(const char* nom) { return QStringLiteral(PEDAVIN_VIDEOS_TEST "/") + nom; }

// The frame number drawn by fabriquer_videos.sh, read in the given part of a
// picture (all of it by default), or -1 when the grey band under the pattern
// is not there (no picture, or not a pattern picture).
inline int lireMotif(const QImage& image, QRect zone = QRect())
{
    if (image.isNull())
        return -1;
    if (zone.isNull())
        zone = image.rect();
    auto gris = [&](double fx, double fy) {
        const int x = zone.left() + int(fx * zone.width());
        const int y = zone.top() + int(fy * zone.height());
        return qGray(image.pixel(x, y));
    };
    const int bande = gris(0.5, 0.95);
    if (bande < 90 || bande > 170)
        return -1;
    int n = 0;
    for (int b = 0; b < 16; ++b)
        if (gris(((b % 8) + 0.5) / 8.0, ((b / 8) + 0.5) * 0.4) > 128)
            n |= 1 << b;
    return n;
}

class SourceTempsManuelle final : public SourceTemps
{
public:
    int64_t microsecondes() const override { return us; }
    int64_t us = 0;
};

// Takes what it is given, up to `capacite` bytes at a time, and reports as
// played whatever the test says.
class SortieAudioFactice final : public SortieAudio
{
public:
    FormatPcm formatPropose(const FormatPcm& voulu) const override
    {
        return impose.valide() ? impose : voulu;
    }
    bool demarrer(const FormatPcm& f) override
    {
        ++demarrages;
        format = f;
        actif = accepte;
        recu.clear();
        joue = 0;
        return accepte;
    }
    void arreter() override { actif = false; }
    qint64 octetsLibres() const override { return actif ? capacite : 0; }
    qint64 ecrire(const char* d, qint64 n) override
    {
        recu.append(d, n);
        return n;
    }
    qint64 joueUs() const override { return joue; }

    // Microseconds of sound received so far.
    int64_t recuUs() const
    {
        return format.valide() ? int64_t(recu.size()) * 1000000 / format.octetsParSeconde() : 0;
    }

    bool accepte = true;
    FormatPcm impose;
    qint64 capacite = 1 << 30;
    FormatPcm format;
    QByteArray recu;
    qint64 joue = 0;
    bool actif = false;
    int demarrages = 0;
};

// The positions a player reported, in order.
struct Annonces
{
    template <class Emetteur, class Signal>
    Annonces(Emetteur* e, Signal s)
    {
        QObject::connect(e, s, e, [this](auto p) { valeurs.push_back(int(p)); });
    }
    int count() const { return int(valeurs.size()); }
    std::vector<int> valeurs;
};
