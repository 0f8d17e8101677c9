#include "media/video/SortieAudio.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>
#include <algorithm>

namespace {

QAudioFormat versQt(const FormatPcm& f)
{
    QAudioFormat q;
    q.setSampleRate(f.frequence);
    q.setChannelCount(f.canaux);
    q.setSampleFormat(QAudioFormat::Int16);
    return q;
}

class SortieAudioQt final : public SortieAudio
{
public:
    explicit SortieAudioQt(const QAudioDevice& peripherique) : peripherique_(peripherique) {}
    ~SortieAudioQt() override { arreter(); }

    FormatPcm formatPropose(const FormatPcm& voulu) const override
    {
        if (peripherique_.isFormatSupported(versQt(voulu)))
            return voulu;
        const QAudioFormat p = peripherique_.preferredFormat();
        FormatPcm f{p.sampleRate(), std::clamp(p.channelCount(), 1, 2)};
        return peripherique_.isFormatSupported(versQt(f)) ? f : voulu;
    }

    bool demarrer(const FormatPcm& format) override
    {
        arreter();
        if (!format.valide())
            return false;
        sink_ = std::make_unique<QAudioSink>(peripherique_, versQt(format));
        // A quarter of a second ahead: enough to ride over a slow frame,
        // short enough for a seek to be heard at once.
        sink_->setBufferSize(format.octetsParSeconde() / 4);
        flux_ = sink_->start();
        if (!flux_ || sink_->error() != QAudio::NoError) {
            arreter();
            return false;
        }
        return true;
    }

    void arreter() override
    {
        if (sink_) {
            sink_->stop();
            sink_.reset();
        }
        flux_ = nullptr;
    }

    qint64 octetsLibres() const override
    {
        if (!sink_ || sink_->error() == QAudio::FatalError || sink_->error() == QAudio::OpenError)
            return 0;
        return sink_->bytesFree();
    }

    qint64 ecrire(const char* donnees, qint64 taille) override
    {
        return flux_ ? std::max<qint64>(0, flux_->write(donnees, taille)) : 0;
    }

    qint64 joueUs() const override { return sink_ ? sink_->processedUSecs() : 0; }

private:
    QAudioDevice peripherique_;
    std::unique_ptr<QAudioSink> sink_;
    QIODevice* flux_ = nullptr;
};

} // namespace

std::unique_ptr<SortieAudio> creerSortieAudioSysteme()
{
    const QAudioDevice peripherique = QMediaDevices::defaultAudioOutput();
    if (peripherique.isNull())
        return nullptr;
    return std::make_unique<SortieAudioQt>(peripherique);
}
