#include "media/video/DecodeurVideo.h"

#include <algorithm>
#include <cmath>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/log.h>
#include <libavutil/mathematics.h>
}

namespace {
// Keep the player quiet on damaged files: the program keeps no log.
void fairetaireFFmpeg()
{
    static const bool fait = [] {
        av_log_set_level(AV_LOG_FATAL);
        return true;
    }();
    (void)fait;
}

// Decoding on from the current picture is preferred to a seek while the keyframe
// before the target is at most this many frames past it.
constexpr int EcartSansRecherche = 8;
} // namespace

DecodeurVideo::DecodeurVideo()
{
    fairetaireFFmpeg();
}

DecodeurVideo::~DecodeurVideo() { fermer(); }

void DecodeurVideo::fermer()
{
    av_frame_free(&courante_);
    av_frame_free(&suivante_);
    av_frame_free(&recue_);
    av_packet_free(&paquet_);
    avcodec_free_context(&codec_);
    lecteur_.fermer();
    numCourante_ = numSuivante_ = dernierNumero_ = -1;
    finFlux_ = vidange_ = false;
    depuisDebut_ = true;
    derniere_ = -1;
    clefs_.clear();
    taille_ = QSize();
    image_ = QImage();
    numImage_ = -1;
}

bool DecodeurVideo::ouvrir(const QString& chemin)
{
    fermer();
    if (!lecteur_.ouvrir(chemin, Demultiplexeur::Type::Image))
        return false;
    AVStream* flux = lecteur_.flux();
    const AVCodec* decodeur = avcodec_find_decoder(flux->codecpar->codec_id);
    if (!decodeur || flux->codecpar->width <= 0 || flux->codecpar->height <= 0) {
        fermer();
        return false;
    }

    tbNum_ = flux->time_base.num > 0 ? flux->time_base.num : 1;
    tbDen_ = flux->time_base.den > 0 ? flux->time_base.den : 25;
    // The AVI header's rate is the frame period; other containers may only
    // give it through the probe or the time base.
    auto plausible = [](AVRational r) { return r.num > 0 && r.den > 0 && av_q2d(r) <= 1000; };
    AVRational cadence = flux->avg_frame_rate;
    if (!plausible(cadence))
        cadence = flux->r_frame_rate;
    if (!plausible(cadence))
        cadence = av_guess_frame_rate(lecteur_.contexte(), flux, nullptr);
    if (!plausible(cadence))
        cadence = av_inv_q(flux->time_base);
    if (!plausible(cadence))
        cadence = AVRational{25, 1};
    periodeNum_ = cadence.den;
    periodeDen_ = cadence.num;
    imagesParSeconde_ = av_q2d(cadence);
    debut_ = flux->start_time != AV_NOPTS_VALUE ? flux->start_time : 0;
    origineUs_ = av_rescale_q(debut_, flux->time_base, AV_TIME_BASE_Q);

    codec_ = avcodec_alloc_context3(decodeur);
    paquet_ = av_packet_alloc();
    recue_ = av_frame_alloc();
    courante_ = av_frame_alloc();
    suivante_ = av_frame_alloc();
    if (!codec_ || !paquet_ || !recue_ || !courante_ || !suivante_
        || avcodec_parameters_to_context(codec_, flux->codecpar) < 0) {
        fermer();
        return false;
    }
    codec_->pkt_timebase = flux->time_base;
    codec_->thread_count = 0; // as many as the machine has, like the ffmpeg tool
    if (avcodec_open2(codec_, decodeur, nullptr) < 0) {
        avcodec_free_context(&codec_);
        fermer();
        return false;
    }
    taille_ = QSize(flux->codecpar->width, flux->codecpar->height);

    if (!construireIndex(lecteur_)) {
        fermer();
        return false;
    }
    return true;
}

int DecodeurVideo::numeroDe(int64_t horodatage) const
{
    const int64_t n = av_rescale_q_rnd(horodatage - debut_, AVRational{tbNum_, tbDen_},
                                       AVRational{periodeNum_, periodeDen_},
                                       AVRounding(AV_ROUND_NEAR_INF | AV_ROUND_PASS_MINMAX));
    return int(std::clamp<int64_t>(n, -1, INT32_MAX / 2));
}

int64_t DecodeurVideo::horodatageDe(int k) const
{
    return debut_ + av_rescale_q(k, AVRational{periodeNum_, periodeDen_}, AVRational{tbNum_, tbDen_});
}

// Rounded up, and the frame at a time rounded down, so that the frame due at
// the start of frame k is always k whatever the rate.
int64_t DecodeurVideo::debutImageUs(int k) const
{
    return av_rescale_q_rnd(k, AVRational{periodeNum_, periodeDen_}, AV_TIME_BASE_Q, AV_ROUND_UP);
}

int DecodeurVideo::imageA(int64_t tempsUs) const
{
    if (tempsUs <= 0)
        return 0;
    const int64_t k = av_rescale_q_rnd(tempsUs, AV_TIME_BASE_Q, AVRational{periodeNum_, periodeDen_}, AV_ROUND_DOWN);
    return int(std::min<int64_t>(k, INT32_MAX / 2));
}

bool DecodeurVideo::construireIndex(Demultiplexeur& lecteur)
{
    AVStream* flux = lecteur.flux();
    const int64_t taille = lecteur.tailleFichier();
    int derniere = -1;
    bool tronque = false;
    const int n = avformat_index_get_entries_count(flux);
    for (int i = 0; i < n; ++i) {
        const AVIndexEntry* e = avformat_index_get_entry(flux, i);
        if (!e)
            continue;
        if (taille > 0 && e->pos + e->size > taille) {
            tronque = true; // the index names data the file no longer holds
            continue;
        }
        const int k = numeroDe(e->timestamp);
        if (k < 0)
            continue;
        derniere = std::max(derniere, k);
        if ((e->flags & AVINDEX_KEYFRAME) && e->size > 0)
            clefs_.push_back(k);
    }
    if (derniere >= 0) {
        // Trailing drop frames have no index entry; the header counts them.
        if (!tronque && flux->nb_frames > derniere + 1 && flux->nb_frames < INT32_MAX / 2)
            derniere = int(flux->nb_frames - 1);
    } else {
        // No usable index (a truncated AVI loses it with its end): walk the
        // packets once, without decoding.
        int paquets = 0;
        while (lecteur.lire(paquet_)) {
            ++paquets;
            const int64_t ts = paquet_->pts != AV_NOPTS_VALUE ? paquet_->pts : paquet_->dts;
            if (ts != AV_NOPTS_VALUE) {
                const int k = numeroDe(ts);
                if (k >= 0) {
                    derniere = std::max(derniere, k);
                    if ((paquet_->flags & AV_PKT_FLAG_KEY) && paquet_->size > 0)
                        clefs_.push_back(k);
                }
            } else if (paquet_->size > 0) {
                derniere += 1;
            }
            av_packet_unref(paquet_);
        }
        if (!lecteur.rembobiner())
            return false;
        // Without its index an AVI calls every packet a keyframe: unless the
        // codec only has keyframes, the only one to trust is the first.
        const AVCodecDescriptor* d = avcodec_descriptor_get(flux->codecpar->codec_id);
        const bool intra = d && (d->props & AV_CODEC_PROP_INTRA_ONLY);
        if (!intra && !clefs_.empty() && int(clefs_.size()) == paquets)
            clefs_.resize(1);
    }
    std::sort(clefs_.begin(), clefs_.end());
    clefs_.erase(std::unique(clefs_.begin(), clefs_.end()), clefs_.end());
    derniere_ = derniere;
    if (derniere_ < 0)
        return false;
    // A file with no picture at all is a file with no frame.
    decoderJusqua(0);
    if (numeroImage() < 0) {
        derniere_ = -1;
        return false;
    }
    return true;
}

int DecodeurVideo::clefAvant(int k) const
{
    auto it = std::upper_bound(clefs_.begin(), clefs_.end(), k);
    if (it == clefs_.begin())
        return 0;
    return *std::prev(it);
}

int DecodeurVideo::numeroImage() const
{
    if (numCourante_ >= 0)
        return numCourante_;
    return numSuivante_;
}

void DecodeurVideo::reprendreA(int clef)
{
    av_frame_unref(courante_);
    av_frame_unref(suivante_);
    numCourante_ = numSuivante_ = -1;
    finFlux_ = vidange_ = false;
    avcodec_flush_buffers(codec_);
    if (clef <= 0 || !lecteur_.chercher(horodatageDe(clef))) {
        lecteur_.rembobiner();
        depuisDebut_ = true;
        dernierNumero_ = -1;
    } else {
        depuisDebut_ = false;
        dernierNumero_ = clef - 1;
    }
}

bool DecodeurVideo::decoderSuivante()
{
    if (finFlux_)
        return false;
    for (;;) {
        const int r = avcodec_receive_frame(codec_, recue_);
        if (r == 0) {
            const int64_t ts = recue_->best_effort_timestamp;
            const int k = std::max(0, ts != AV_NOPTS_VALUE ? numeroDe(ts) : dernierNumero_ + 1);
            dernierNumero_ = std::max(dernierNumero_, k);
            av_frame_unref(suivante_);
            av_frame_move_ref(suivante_, recue_);
            numSuivante_ = k;
            return true;
        }
        if (r == AVERROR_EOF) {
            finFlux_ = true;
            return false;
        }
        if (vidange_) {
            // Drained and still nothing: the decoder has no more to give.
            finFlux_ = true;
            return false;
        }
        if (lecteur_.lire(paquet_)) {
            // An empty packet is an AVI drop frame; sent on, it would read as
            // the end of the stream.
            if (paquet_->size > 0)
                avcodec_send_packet(codec_, paquet_); // a damaged packet is skipped
            av_packet_unref(paquet_);
        } else {
            avcodec_send_packet(codec_, nullptr);
            vidange_ = true;
        }
    }
}

void DecodeurVideo::decoderJusqua(int k)
{
    for (;;) {
        if (numSuivante_ < 0 && !decoderSuivante())
            return;
        if (numSuivante_ > k)
            return;
        std::swap(courante_, suivante_);
        numCourante_ = numSuivante_;
        av_frame_unref(suivante_);
        numSuivante_ = -1;
    }
}

void DecodeurVideo::allerA(int k)
{
    if (!codec_)
        return;
    k = std::clamp(k, 0, std::max(derniere_, 0));
    // Nothing to decode when the picture held is still the one for k, or when
    // k comes before the first picture of the file.
    const bool tenue = numCourante_ >= 0 ? numCourante_ <= k && ((numSuivante_ >= 0 && numSuivante_ > k) || finFlux_)
                                         : depuisDebut_ && numSuivante_ > k;
    if (tenue)
        return;
    const int clef = clefAvant(k);
    const int position = std::max(numCourante_, numSuivante_);
    const bool auDebut = position < 0 && depuisDebut_ && !finFlux_ && dernierNumero_ < 0;
    const bool enAvant = auDebut ? clef <= EcartSansRecherche
                                 : (position >= 0 && position <= k && clef <= position + EcartSansRecherche);
    if (!enAvant)
        reprendreA(clef);
    decoderJusqua(k);
    if (numCourante_ < 0 && !depuisDebut_) {
        // The seek landed past the frame (an index that lies): decode from the start.
        reprendreA(0);
        decoderJusqua(k);
    }
}

const QImage& DecodeurVideo::image()
{
    const int n = numeroImage();
    if (n < 0) {
        static const QImage vide;
        return vide;
    }
    if (n != numImage_) {
        const AVFrame* trame = numCourante_ >= 0 ? courante_ : suivante_;
        if (conversion_.convertir(trame, image_))
            numImage_ = n;
    }
    return image_;
}
