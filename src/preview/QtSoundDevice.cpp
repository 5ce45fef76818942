#include "preview/QtSoundDevice.h"

#include "app/Logging.h"
#include "preview/PreviewAudio.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

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
    const QAudioDevice info = QMediaDevices::defaultAudioOutput();
    if (info.isNull()) {
        qCDebug(lcPreview) << "No audio output: the preview plays silently";
        return false;
    }
    QAudioFormat format;
    format.setSampleRate(PreviewAudio::sampleRate);
    format.setChannelCount(PreviewAudio::channels);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!info.isFormatSupported(format)) {
        qCDebug(lcPreview) << "The audio output takes no 44.1 kHz stereo sound: the preview plays silently";
        return false;
    }
    m_output = std::make_unique<QAudioSink>(info, format);
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
