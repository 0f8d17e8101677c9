#pragma once
#include "media/video/Demultiplexeur.h"
#include "media/video/FormatPcm.h"
#include <QByteArray>
#include <cstdint>

extern "C" {
struct AVCodecContext;
struct AVFrame;
struct AVPacket;
struct SwrContext;
}

// The sound of a video, decoded and resampled to 16-bit PCM in the format the
// output asks for, and positioned to the sample on a seek.
class DecodeurSon
{
public:
    DecodeurSon();
    ~DecodeurSon();
    DecodeurSon(const DecodeurSon&) = delete;
    DecodeurSon& operator=(const DecodeurSon&) = delete;

    // origineUs is the absolute media time of the picture's frame 0, so the
    // sound is placed on the picture's time line. False when there is no sound
    // the player can decode.
    bool ouvrir(const QString& chemin, int64_t origineUs);
    void fermer();
    bool ouvert() const { return codec_ != nullptr; }

    // The stream's own rate, at most two channels.
    FormatPcm formatSource() const { return source_; }
    // Resamples to that format from the next seek on.
    void definirFormatSortie(const FormatPcm& format);
    FormatPcm formatSortie() const { return sortie_; }

    // The next data starts exactly at that time of the picture's time line;
    // silence fills any time before the sound starts.
    void allerA(int64_t tempsUs);

    // Appends at least `voulus` bytes unless the sound ends first. False once
    // nothing more will come.
    bool lire(QByteArray& sortie, int voulus);
    bool fini() const { return fini_; }

private:
    bool preparerReechantillonnage();
    bool decoderTrame();
    void ajouter(QByteArray& sortie, const uint8_t* const* donnees, int echantillons);

    Demultiplexeur lecteur_;
    AVCodecContext* codec_ = nullptr;
    AVPacket* paquet_ = nullptr;
    AVFrame* trame_ = nullptr;
    SwrContext* swr_ = nullptr;
    FormatPcm source_;
    FormatPcm sortie_;
    int64_t origineUs_ = 0;
    int64_t cibleUs_ = 0;
    bool premiereTrame_ = true;
    int64_t aSauter_ = 0; // output samples to drop before the seek target
    bool vidange_ = false;
    bool fini_ = true;
    int formatEntree_ = -1, frequenceEntree_ = 0, canauxEntree_ = 0;
};
