#include "QtAudioSink.h"
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>

namespace swf {

struct QtAudioSink::Impl
{
    std::unique_ptr<QAudioSink> sink;
    QIODevice* io = nullptr;
    QAudioFormat format;
    void open()
    {
        QAudioDevice dev = QMediaDevices::defaultAudioOutput();
        if (dev.isNull()) return;
        format.setSampleRate(kAudioRate);
        format.setChannelCount(2);
        format.setSampleFormat(QAudioFormat::Int16);
        if (!dev.isFormatSupported(format)) return;
        sink = std::make_unique<QAudioSink>(dev, format);
        sink->setBufferSize(kAudioRate * 4 / 2); // half a second
        io = sink->start();
        if (!io) sink.reset();
    }
};

QtAudioSink::QtAudioSink() : d_(std::make_unique<Impl>()) { d_->open(); }
QtAudioSink::~QtAudioSink()
{
    if (d_->sink) d_->sink->stop();
}

bool QtAudioSink::available() const { return d_->io != nullptr; }

void QtAudioSink::write(const int16_t* frames, size_t count)
{
    if (!d_->io || !d_->sink) return;
    qint64 bytes = qint64(count) * 4;
    qint64 room = d_->sink->bytesFree();
    if (room <= 0) return;
    d_->io->write(reinterpret_cast<const char*>(frames), std::min(bytes, room) & ~qint64(3));
}

void QtAudioSink::flush()
{
    if (!d_->sink) return;
    // Dropping the queue: restart the push device.
    d_->sink->reset();
    d_->io = d_->sink->start();
}

} // namespace swf
