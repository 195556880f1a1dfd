#include "common/platform/Tone.h"

#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QPointer>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace {

constexpr double kVolume = 0.25;
constexpr double kFadeMs = 1.0; // softens the edges, which would click

QByteArray sineSamples(const QAudioFormat& format, unsigned hz, unsigned ms)
{
    const int rate = format.sampleRate();
    const int channels = format.channelCount();
    const int frames = static_cast<int>(std::int64_t{rate} * ms / 1000);
    const double fadeFrames = std::max(1.0, rate * kFadeMs / 1000.0);
    QByteArray pcm(frames * channels * static_cast<int>(sizeof(qint16)), Qt::Uninitialized);
    auto* out = reinterpret_cast<qint16*>(pcm.data());
    for (int i = 0; i < frames; ++i) {
        const double edge = std::min({1.0, i / fadeFrames, (frames - 1 - i) / fadeFrames});
        const double value = kVolume * edge * std::sin(2 * std::numbers::pi * hz * i / rate);
        for (int c = 0; c < channels; ++c)
            *out++ = static_cast<qint16>(std::lround(value * 32767));
    }
    return pcm;
}

// One sink for the life of the application, set up on the first tone.
class Player : public QObject {
public:
    explicit Player(QObject* parent) : QObject(parent)
    {
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull())
            return;
        QAudioFormat format = device.preferredFormat();
        format.setSampleFormat(QAudioFormat::Int16);
        if (!device.isFormatSupported(format))
            return;
        m_format = format;
        m_sink = new QAudioSink(device, format, this);
    }
    // The sink stops reading before the buffer goes.
    ~Player() override { delete m_sink; }

    void play(unsigned hz, unsigned ms)
    {
        if (!m_sink)
            return;
        m_sink->stop();
        m_buffer.close();
        m_buffer.setData(sineSamples(m_format, hz, ms));
        m_buffer.open(QIODevice::ReadOnly);
        m_sink->start(&m_buffer);
    }

private:
    QAudioFormat m_format;
    QAudioSink* m_sink = nullptr;
    QBuffer m_buffer;
};

} // namespace

namespace Tone {

void Play(unsigned hz, unsigned ms)
{
    static QPointer<Player> player;
    if (!player) {
        if (!QCoreApplication::instance())
            return;
        player = new Player(QCoreApplication::instance());
    }
    player->play(hz, ms);
}

} // namespace Tone
