#include "preview/PreviewSoundWorker.h"

#include "app/Logging.h"
#include "preview/PreviewAudio.h"
#include "preview/PreviewClock.h"

#include <QTimer>

namespace {
constexpr int tickMilliseconds = 10;
// The most the device is given at once: 100 ms of sound.
constexpr int chunkBytes = PreviewAudio::sampleRate / 10 * PreviewAudio::bytesPerFrame;
// How long a device may play nothing before the pictures go on without it.
constexpr int stallMilliseconds = 1000;
}

PreviewSoundWorker::PreviewSoundWorker(const ProjectPtr &project, const QSharedPointer<PreviewClock> &clock,
                                       PreviewSoundDeviceFactory makeDevice)
    : m_project(project)
    , m_clock(clock)
    , m_makeDevice(std::move(makeDevice))
{
}

PreviewSoundWorker::~PreviewSoundWorker() = default;

void PreviewSoundWorker::process()
{
    if (m_project->audioTracks.isEmpty())
        return;
    try {
        // Decoding starts now, while the first picture is being prepared.
        m_audio = std::make_unique<PreviewAudio>(m_project, m_clock->from());
    } catch (...) {
        qCWarning(lcPreview) << "Music cannot be decoded: the preview plays silently";
        return;
    }
    m_buffer.resize(chunkBytes);
    m_timer = new QTimer(this);
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &PreviewSoundWorker::feed);
    m_timer->start(tickMilliseconds);
}

void PreviewSoundWorker::feed()
{
    if (!m_clock->isStarted())
        return;
    if (!m_opened) {
        m_opened = true;
        m_device = m_makeDevice ? m_makeDevice() : nullptr;
        if (!m_device || !m_device->open()) {
            m_device.reset();
            m_timer->stop();
            return;
        }
    }
    try {
        for (qint64 free = m_device->bytesFree(); free >= PreviewAudio::bytesPerFrame; free = m_device->bytesFree()) {
            const qint64 size = m_audio->read(m_buffer.data(), qMin<qint64>(free, m_buffer.size()));
            if (m_device->write(m_buffer.constData(), size) < size)
                break;
        }
    } catch (...) {
        qCWarning(lcPreview) << "Music decoding failed: the preview goes on silently";
        m_timer->stop();
        m_clock->releaseAudio();
        return;
    }
    const double played = m_device->playedSeconds();
    if (played > m_lastPlayed || !m_sinceProgress.isValid()) {
        m_lastPlayed = played;
        m_sinceProgress.start();
    } else if (m_sinceProgress.elapsed() > stallMilliseconds) {
        // A device that takes sound but stops playing it must not stop the pictures too.
        qCWarning(lcPreview) << "The audio output stopped playing: the preview goes on silently";
        m_timer->stop();
        m_clock->releaseAudio();
        return;
    }
    m_clock->followAudio(played);
}

void PreviewSoundWorker::close()
{
    delete m_timer;
    m_timer = nullptr;
    m_device.reset();
    m_audio.reset();
}
