#include "preview/PreviewWorker.h"

#include "app/Logging.h"
#include "preview/PreviewClock.h"
#include "preview/PreviewSink.h"
#include "render/LibavRender.h"

#include <QMutexLocker>

PreviewWorker::PreviewWorker(const PreviewRun &run, const QSharedPointer<PreviewClock> &clock)
    : m_run(run)
    , m_clock(clock)
{
}

PreviewWorker::~PreviewWorker() = default;

void PreviewWorker::stop()
{
    m_stopRequested = true;
    QMutexLocker locker(&m_lock);
    if (m_render)
        m_render->stop();
}

QImage PreviewWorker::takeFrame(double *time)
{
    QMutexLocker locker(&m_lock);
    if (time)
        *time = m_frameTime;
    QImage frame = m_frame;
    m_frame = QImage();
    return frame;
}

void PreviewWorker::offer(const QImage &image, double time)
{
    bool wasEmpty;
    {
        QMutexLocker locker(&m_lock);
        wasEmpty = m_frame.isNull();
        m_frame = image;
        m_frameTime = time;
    }
    if (wasEmpty)
        Q_EMIT frameReady();
}

void PreviewWorker::process()
{
    LibavRender render(m_run.project, m_run.theme, m_run.background, QString());
    render.setFrameSize(m_run.frameSize);
    {
        QMutexLocker locker(&m_lock);
        m_render = &render;
    }
    if (m_stopRequested)
        render.stop();
    PreviewSink sink(*m_clock, m_stopRequested, [this](const QImage &image, double time) { offer(image, time); });
    const bool ok = render.play(sink, m_run.from);
    {
        QMutexLocker locker(&m_lock);
        m_render = nullptr;
    }
    m_shown = sink.shownFrames();
    m_dropped = sink.droppedFrames();
    m_largestGap = sink.largestSoundGap();
    m_reachedEnd = ok && !m_stopRequested;
    qCDebug(lcPreview) << "preview from" << m_run.from << "s:" << m_shown << "frames shown," << m_dropped
                       << "dropped, largest gap to the sound" << m_largestGap << "s"
                       << (m_reachedEnd ? "(end)" : "(stopped)");
    Q_EMIT finished();
}
