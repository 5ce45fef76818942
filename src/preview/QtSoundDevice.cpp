#include "preview/QtSoundDevice.h"

#include "app/Logging.h"
#include "preview/PreviewAudio.h"

#include <QAudioDeviceInfo>
#include <QAudioOutput>
#include <QAudioFormat>

namespace {
// Enough for the sound thread's 10 ms feeding to ride over a busy moment.
constexpr int bufferMilliseconds = 250;
}

QtSoundDevice::QtSoundDevice() = default;

QtSoundDevice::~QtSoundDevice()
{
    if (m_output)
        m_output->stop();
}

bool QtSoundDevice::open()
{
    const QAudioDeviceInfo info = QAudioDeviceInfo::defaultOutputDevice();
    if (info.isNull()) {
        qCDebug(lcPreview) << "No audio output: the preview plays silently";
        return false;
    }
    QAudioFormat format;
    format.setSampleRate(PreviewAudio::sampleRate);
    format.setChannelCount(PreviewAudio::channels);
    format.setSampleSize(16);
    format.setCodec(QStringLiteral("audio/pcm"));
    format.setByteOrder(QAudioFormat::LittleEndian);
    format.setSampleType(QAudioFormat::SignedInt);
    if (!info.isFormatSupported(format)) {
        qCDebug(lcPreview) << "The audio output takes no 44.1 kHz stereo sound: the preview plays silently";
        return false;
    }
    m_output = std::make_unique<QAudioOutput>(info, format);
    m_output->setBufferSize(PreviewAudio::sampleRate * PreviewAudio::bytesPerFrame * bufferMilliseconds / 1000);
    m_device = m_output->start();
    if (!m_device || m_output->error() != QAudio::NoError) {
        qCDebug(lcPreview) << "The audio output cannot start: the preview plays silently";
        m_output.reset();
        return false;
    }
    return true;
}

qint64 QtSoundDevice::bytesFree()
{
    return m_output ? m_output->bytesFree() : 0;
}

qint64 QtSoundDevice::write(const char *data, qint64 size)
{
    return m_device ? m_device->write(data, size) : 0;
}

double QtSoundDevice::playedSeconds()
{
    return m_output ? m_output->processedUSecs() / 1e6 : 0.0;
}
