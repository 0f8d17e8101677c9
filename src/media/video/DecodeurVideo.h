#pragma once
#include "media/video/ConversionImage.h"
#include "media/video/Demultiplexeur.h"
#include <QImage>
#include <QSize>
#include <cstdint>
#include <vector>

extern "C" {
struct AVCodecContext;
struct AVFrame;
struct AVPacket;
}

// The picture side of a video: frame numbers, the keyframe index, and the
// exact seek. Frame k is the picture of the k-th frame period from the start of
// the stream; when the file holds no picture for that period (an AVI drop frame,
// a gap, a truncated end) the picture shown is the last one before it.
class DecodeurVideo
{
public:
    DecodeurVideo();
    ~DecodeurVideo();
    DecodeurVideo(const DecodeurVideo&) = delete;
    DecodeurVideo& operator=(const DecodeurVideo&) = delete;

    // False when the file has no video stream, an unknown codec, or no frame.
    bool ouvrir(const QString& chemin);
    void fermer();
    bool ouvert() const { return codec_ != nullptr; }

    // Number of the last frame (frames are numbered from 0), -1 when closed.
    int derniereImage() const { return derniere_; }
    double imagesParSeconde() const { return imagesParSeconde_; }
    // Media time of the start of frame k, from the start of the stream.
    int64_t debutImageUs(int k) const;
    // The frame shown at that media time.
    int imageA(int64_t tempsUs) const;
    // Absolute start of the stream in microseconds, for aligning the sound.
    int64_t origineUs() const { return origineUs_; }
    QSize taille() const { return taille_; }
    const std::vector<int>& imagesClefs() const { return clefs_; }

    // Makes the picture of frame k current: the decoder seeks to the keyframe
    // at or before k when that is cheaper than decoding on, then decodes
    // forward to exactly k.
    void allerA(int k);

    // Number of the picture held (at or before the last frame asked for; the
    // first picture of the file when none comes before it), -1 when none.
    int numeroImage() const;
    // That picture in RGB32, null when the file gave none.
    const QImage& image();

private:
    bool construireIndex(Demultiplexeur& lecteur);
    void reprendreA(int clef);
    void decoderJusqua(int k);
    bool decoderSuivante();
    int numeroDe(int64_t horodatage) const;
    int64_t horodatageDe(int k) const;
    int clefAvant(int k) const;

    Demultiplexeur lecteur_;
    AVCodecContext* codec_ = nullptr;
    AVPacket* paquet_ = nullptr;
    AVFrame* recue_ = nullptr;
    AVFrame* courante_ = nullptr; // picture at or before the frame asked for
    AVFrame* suivante_ = nullptr; // the next decoded picture, past that frame
    int numCourante_ = -1;
    int numSuivante_ = -1;
    int dernierNumero_ = -1;    // last number handed out since the last seek
    bool finFlux_ = false;      // the decoder gave its last picture
    bool vidange_ = false;      // the end of the packets was sent
    bool depuisDebut_ = true;   // decoding started from the first packet

    // Stream timing: a frame number is a timestamp in frame periods.
    int tbNum_ = 1, tbDen_ = 25;          // stream time base
    int periodeNum_ = 1, periodeDen_ = 25; // one frame period in seconds
    int64_t debut_ = 0;                    // first timestamp of the stream
    int64_t origineUs_ = 0;
    double imagesParSeconde_ = 25;
    int derniere_ = -1;
    std::vector<int> clefs_;
    QSize taille_;

    ConversionImage conversion_;
    QImage image_;
    int numImage_ = -1;
};
