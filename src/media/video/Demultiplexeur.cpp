#include "media/video/Demultiplexeur.h"

extern "C" {
#include <libavformat/avformat.h>
}

Demultiplexeur::~Demultiplexeur() { fermer(); }

void Demultiplexeur::fermer()
{
    if (contexte_)
        avformat_close_input(&contexte_);
    index_ = -1;
    tailleFichier_ = -1;
}

bool Demultiplexeur::ouvrir(const QString& chemin, Type type)
{
    fermer();
    chemin_ = chemin;
    type_ = type;
    if (chemin.isEmpty())
        return false;
    const QByteArray nom = chemin.toLocal8Bit();
    if (avformat_open_input(&contexte_, nom.constData(), nullptr, nullptr) < 0) {
        contexte_ = nullptr;
        return false;
    }
    // The AVI header already describes every stream; probing packets would only
    // delay the first picture. Other containers may need the probe.
    if (!contexte_->iformat || strcmp(contexte_->iformat->name, "avi") != 0) {
        contexte_->max_analyze_duration = AV_TIME_BASE / 2;
        if (avformat_find_stream_info(contexte_, nullptr) < 0) {
            fermer();
            return false;
        }
    }
    const AVMediaType voulu = type == Type::Image ? AVMEDIA_TYPE_VIDEO : AVMEDIA_TYPE_AUDIO;
    index_ = av_find_best_stream(contexte_, voulu, -1, -1, nullptr, 0);
    if (index_ < 0) {
        fermer();
        return false;
    }
    for (unsigned i = 0; i < contexte_->nb_streams; ++i)
        contexte_->streams[i]->discard = int(i) == index_ ? AVDISCARD_DEFAULT : AVDISCARD_ALL;
    tailleFichier_ = contexte_->pb ? avio_size(contexte_->pb) : -1;
    return true;
}

AVStream* Demultiplexeur::flux() const
{
    return contexte_ && index_ >= 0 ? contexte_->streams[index_] : nullptr;
}

bool Demultiplexeur::lire(AVPacket* paquet)
{
    if (!contexte_)
        return false;
    // A damaged file can fail on every read without ever reporting its end:
    // give up after a run of failures that does not move through the file.
    int echecs = 0;
    int64_t dernierePosition = -1;
    for (;;) {
        const int r = av_read_frame(contexte_, paquet);
        if (r >= 0) {
            if (paquet->stream_index == index_)
                return true;
            av_packet_unref(paquet);
            continue;
        }
        if (r == AVERROR_EOF || !contexte_->pb || avio_feof(contexte_->pb))
            return false;
        const int64_t position = avio_tell(contexte_->pb);
        if (position == dernierePosition) {
            if (++echecs > 32)
                return false;
        } else {
            echecs = 0;
            dernierePosition = position;
        }
    }
}

bool Demultiplexeur::chercher(int64_t horodatage)
{
    if (!contexte_)
        return false;
    return av_seek_frame(contexte_, index_, horodatage, AVSEEK_FLAG_BACKWARD) >= 0;
}

bool Demultiplexeur::rembobiner()
{
    if (!contexte_)
        return false;
    AVStream* f = flux();
    const int64_t debut = f->start_time != AV_NOPTS_VALUE ? f->start_time : 0;
    if (av_seek_frame(contexte_, index_, debut, AVSEEK_FLAG_BACKWARD) >= 0)
        return true;
    if (avformat_seek_file(contexte_, -1, INT64_MIN, 0, 0, AVSEEK_FLAG_BYTE) >= 0)
        return true;
    const QString chemin = chemin_;
    return ouvrir(chemin, type_);
}
