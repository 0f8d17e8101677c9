#pragma once
#include "media/video/FormatPcm.h"
#include <QtGlobal>
#include <functional>
#include <memory>

// Where the player's sound goes. The player writes PCM as the device takes it
// and reads back how much has been played, which is its clock while there is
// sound. Tests put a fake in its place.
class SortieAudio
{
public:
    virtual ~SortieAudio() = default;

    // The format the device will take for a stream in `voulu`.
    virtual FormatPcm formatPropose(const FormatPcm& voulu) const { return voulu; }
    // Starts a new stream; false leaves the playback silent.
    virtual bool demarrer(const FormatPcm& format) = 0;
    virtual void arreter() = 0;
    // Bytes the device takes now without blocking.
    virtual qint64 octetsLibres() const = 0;
    // Returns how many bytes were taken.
    virtual qint64 ecrire(const char* donnees, qint64 taille) = 0;
    // Microseconds of sound played since demarrer().
    virtual qint64 joueUs() const = 0;
};

// Makes the output for a player; returns nullptr when the machine has no
// sound device, and the video then plays silent.
using FabriqueSortieAudio = std::function<std::unique_ptr<SortieAudio>()>;

// The default output: the system's default device through Qt Multimedia.
std::unique_ptr<SortieAudio> creerSortieAudioSysteme();
