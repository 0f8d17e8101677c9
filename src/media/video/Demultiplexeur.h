#pragma once
#include <QString>
#include <cstdint>

extern "C" {
struct AVFormatContext;
struct AVPacket;
struct AVStream;
}

// One opened file reduced to one stream: the picture and the sound each get
// their own demultiplexer, so a badly interleaved AVI (all the sound at the end)
// never makes one side queue the other's packets.
class Demultiplexeur
{
public:
    enum class Type { Image, Son };

    Demultiplexeur() = default;
    ~Demultiplexeur();
    Demultiplexeur(const Demultiplexeur&) = delete;
    Demultiplexeur& operator=(const Demultiplexeur&) = delete;

    // False when the file cannot be read or holds no stream of that type.
    bool ouvrir(const QString& chemin, Type type);
    void fermer();
    bool ouvert() const { return contexte_ != nullptr; }

    AVFormatContext* contexte() const { return contexte_; }
    AVStream* flux() const;
    int64_t tailleFichier() const { return tailleFichier_; }

    // Next packet of the stream (caller unrefs it). False at the end of the
    // file, and also when the file keeps failing, so a corrupt file cannot
    // keep a reader looping.
    bool lire(AVPacket* paquet);

    // Places the reader on the keyframe at or before the timestamp (stream
    // time base). False when the container cannot seek.
    bool chercher(int64_t horodatage);

    // Back to the first packet, reopening the file if the container cannot seek.
    bool rembobiner();

private:
    QString chemin_;
    Type type_ = Type::Image;
    AVFormatContext* contexte_ = nullptr;
    int index_ = -1;
    int64_t tailleFichier_ = -1;
};
