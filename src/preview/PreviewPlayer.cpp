#include "preview/PreviewPlayer.h"

#include "preview/PreviewClock.h"
#include "preview/PreviewSoundWorker.h"
#include "preview/PreviewWorker.h"
#include "preview/QtSoundDevice.h"

#include <QThread>

PreviewPlayer::PreviewPlayer(QObject *parent)
    : QObject(parent)
    , m_makeDevice([] { return std::make_unique<QtSoundDevice>(); })
{
}

PreviewPlayer::~PreviewPlayer()
{
    stopThreads();
}

void PreviewPlayer::start(const PreviewRun &run)
{
    stopThreads();
    m_lastTime = run.from;
    m_clock = QSharedPointer<PreviewClock>::create(run.from, m_clockRate);

    m_thread = new QThread();
    m_worker = new PreviewWorker(run, m_clock);
    m_worker->moveToThread(m_thread);
    connect(m_thread, &QThread::started, m_worker, &PreviewWorker::process);
    connect(m_worker, &PreviewWorker::finished, m_thread, &QThread::quit);
    // A notice queued by an earlier run may arrive after its worker is gone (and a new one sits
    // at the same address), so each notice carries the number of its run.
    const int runNumber = ++m_runNumber;
    connect(
        m_worker, &PreviewWorker::frameReady, this, [this, runNumber] {
            if (runNumber == m_runNumber)
                takeFrame();
        },
        Qt::QueuedConnection);
    connect(
        m_worker, &PreviewWorker::finished, this, [this, runNumber] {
            if (runNumber == m_runNumber)
                workerFinished();
        },
        Qt::QueuedConnection);

    m_soundThread = new QThread();
    m_sound = new PreviewSoundWorker(run.project, m_clock, m_makeDevice);
    m_sound->moveToThread(m_soundThread);
    connect(m_soundThread, &QThread::started, m_sound, &PreviewSoundWorker::process);
    connect(m_soundThread, &QThread::finished, m_sound, &PreviewSoundWorker::close, Qt::DirectConnection);

    m_soundThread->start();
    m_thread->start();
}

void PreviewPlayer::stop()
{
    stopThreads();
}

void PreviewPlayer::stopThreads()
{
    if (!m_thread)
        return;
    m_worker->stop();
    // The worker's own quit goes through this thread's event loop, which is waiting here.
    m_thread->quit();
    m_thread->wait();
    m_soundThread->quit();
    m_soundThread->wait();
    ++m_runNumber;
    m_shown = m_worker->shownFrames();
    m_dropped = m_worker->droppedFrames();
    m_largestGap = m_worker->largestSoundGap();
    m_followedSound = m_clock->followsAudio();
    delete m_worker;
    delete m_thread;
    delete m_sound;
    delete m_soundThread;
    m_worker = nullptr;
    m_thread = nullptr;
    m_sound = nullptr;
    m_soundThread = nullptr;
}

double PreviewPlayer::position() const
{
    return m_thread && m_clock->isStarted() ? m_clock->now() : m_lastTime;
}

void PreviewPlayer::takeFrame()
{
    if (!m_worker)
        return;
    double time = 0.0;
    const QImage image = m_worker->takeFrame(&time);
    if (image.isNull())
        return;
    m_lastTime = time;
    Q_EMIT frameShown(image, time);
}

void PreviewPlayer::workerFinished()
{
    if (!m_worker)
        return;
    takeFrame();
    const bool reachedEnd = m_worker->reachedEnd();
    stopThreads();
    if (reachedEnd)
        Q_EMIT ended();
}
