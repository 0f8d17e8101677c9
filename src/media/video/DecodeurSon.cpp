#include "media/video/DecodeurSon.h"

#include <algorithm>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/mathematics.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
}

DecodeurSon::DecodeurSon() = default;
DecodeurSon::~DecodeurSon() { fermer(); }

void DecodeurSon::fermer()
{
    swr_free(&swr_);
    av_frame_free(&trame_);
    av_packet_free(&paquet_);
    avcodec_free_context(&codec_);
    lecteur_.fermer();
    source_ = sortie_ = FormatPcm{};
    fini_ = true;
    formatEntree_ = -1;
}

bool DecodeurSon::ouvrir(const QString& chemin, int64_t origineUs)
{
    fermer();
    origineUs_ = origineUs;
    if (!lecteur_.ouvrir(chemin, Demultiplexeur::Type::Son))
        return false;
    const AVCodecParameters* p = lecteur_.flux()->codecpar;
    const AVCodec* decodeur = avcodec_find_decoder(p->codec_id);
    if (!decodeur || p->sample_rate <= 0 || p->ch_layout.nb_channels <= 0) {
        fermer();
        return false;
    }
    codec_ = avcodec_alloc_context3(decodeur);
    paquet_ = av_packet_alloc();
    trame_ = av_frame_alloc();
    if (!codec_ || !paquet_ || !trame_ || avcodec_parameters_to_context(codec_, p) < 0
        || avcodec_open2(codec_, decodeur, nullptr) < 0) {
        fermer();
        return false;
    }
    codec_->pkt_timebase = lecteur_.flux()->time_base;
    source_ = FormatPcm{p->sample_rate, std::min(p->ch_layout.nb_channels, 2)};
    sortie_ = source_;
    allerA(0);
    return true;
}

void DecodeurSon::definirFormatSortie(const FormatPcm& format)
{
    if (format.valide() && !(format == sortie_)) {
        sortie_ = format;
        swr_free(&swr_);
        formatEntree_ = -1;
    }
}

void DecodeurSon::allerA(int64_t tempsUs)
{
    if (!codec_)
        return;
    cibleUs_ = std::max<int64_t>(0, tempsUs);
    AVStream* flux = lecteur_.flux();
    const int64_t ts = av_rescale_q(cibleUs_ + origineUs_, AV_TIME_BASE_Q, flux->time_base);
    if (cibleUs_ == 0 || !lecteur_.chercher(ts))
        lecteur_.rembobiner();
    avcodec_flush_buffers(codec_);
    if (swr_)
        swr_init(swr_); // drops what the resampler still held
    premiereTrame_ = true;
    aSauter_ = 0;
    vidange_ = false;
    fini_ = false;
}

bool DecodeurSon::preparerReechantillonnage()
{
    if (swr_ && trame_->format == formatEntree_ && trame_->sample_rate == frequenceEntree_
        && trame_->ch_layout.nb_channels == canauxEntree_)
        return true;
    swr_free(&swr_);
    AVChannelLayout entree{};
    if (trame_->ch_layout.order != AV_CHANNEL_ORDER_UNSPEC && trame_->ch_layout.nb_channels > 0)
        av_channel_layout_copy(&entree, &trame_->ch_layout);
    else
        av_channel_layout_default(&entree, std::max(trame_->ch_layout.nb_channels, codec_->ch_layout.nb_channels));
    AVChannelLayout sortie{};
    av_channel_layout_default(&sortie, sortie_.canaux);
    const int frequence = trame_->sample_rate > 0 ? trame_->sample_rate : codec_->sample_rate;
    const int r = swr_alloc_set_opts2(&swr_, &sortie, AV_SAMPLE_FMT_S16, sortie_.frequence, &entree,
                                      AVSampleFormat(trame_->format), frequence, 0, nullptr);
    av_channel_layout_uninit(&entree);
    av_channel_layout_uninit(&sortie);
    if (r < 0 || swr_init(swr_) < 0) {
        swr_free(&swr_);
        return false;
    }
    formatEntree_ = trame_->format;
    frequenceEntree_ = trame_->sample_rate;
    canauxEntree_ = trame_->ch_layout.nb_channels;
    return true;
}

void DecodeurSon::ajouter(QByteArray& sortie, const uint8_t* const* donnees, int echantillons)
{
    const int parEchantillon = sortie_.canaux * 2;
    const int prevus = swr_get_out_samples(swr_, echantillons);
    if (prevus <= 0)
        return;
    const qsizetype avant = sortie.size();
    sortie.resize(avant + qsizetype(prevus) * parEchantillon);
    uint8_t* cible = reinterpret_cast<uint8_t*>(sortie.data() + avant);
    int obtenus = swr_convert(swr_, &cible, prevus, const_cast<const uint8_t**>(donnees), echantillons);
    if (obtenus < 0)
        obtenus = 0;
    // Samples before the seek target are dropped after resampling, so the cut
    // falls on an output sample.
    const int sautes = int(std::min<int64_t>(aSauter_, obtenus));
    aSauter_ -= sautes;
    if (sautes > 0)
        memmove(cible, cible + sautes * parEchantillon, size_t(obtenus - sautes) * parEchantillon);
    sortie.resize(avant + qsizetype(obtenus - sautes) * parEchantillon);
}

bool DecodeurSon::decoderTrame()
{
    for (;;) {
        const int r = avcodec_receive_frame(codec_, trame_);
        if (r == 0)
            return true;
        if (r == AVERROR_EOF || vidange_)
            return false;
        if (lecteur_.lire(paquet_)) {
            if (paquet_->size > 0)
                avcodec_send_packet(codec_, paquet_);
            av_packet_unref(paquet_);
        } else {
            avcodec_send_packet(codec_, nullptr);
            vidange_ = true;
        }
    }
}

bool DecodeurSon::lire(QByteArray& sortie, int voulus)
{
    if (!codec_ || fini_)
        return false;
    const qsizetype depart = sortie.size();
    while (sortie.size() - depart < voulus) {
        if (!decoderTrame()) {
            if (swr_) {
                // What the resampler still holds ends the sound.
                ajouter(sortie, nullptr, 0);
            }
            fini_ = true;
            break;
        }
        if (trame_->nb_samples <= 0 || !preparerReechantillonnage()) {
            av_frame_unref(trame_);
            continue;
        }
        if (premiereTrame_) {
            premiereTrame_ = false;
            const int64_t ts = trame_->best_effort_timestamp;
            if (ts != AV_NOPTS_VALUE) {
                const int64_t debutUs = av_rescale_q(ts, lecteur_.flux()->time_base, AV_TIME_BASE_Q) - origineUs_;
                const int64_t ecart = av_rescale(cibleUs_ - debutUs, sortie_.frequence, AV_TIME_BASE);
                if (ecart > 0) {
                    aSauter_ = ecart;
                } else if (ecart < 0) {
                    // The sound starts after the target: silence until it does
                    // (bounded, against a timestamp that is off by hours).
                    const int64_t silence = std::min<int64_t>(-ecart, int64_t(sortie_.frequence) * 10);
                    sortie.append(QByteArray(qsizetype(silence) * sortie_.canaux * 2, '\0'));
                }
            }
        }
        ajouter(sortie, trame_->extended_data, trame_->nb_samples);
        av_frame_unref(trame_);
    }
    return sortie.size() > depart || !fini_;
}
