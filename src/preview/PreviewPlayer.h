#pragma once

#include "preview/IPreviewSoundDevice.h"
#include "preview/PreviewRun.h"

#include <QImage>
#include <QObject>
#include <QSharedPointer>

class PreviewClock;
class PreviewSoundWorker;
class PreviewWorker;
class QThread;

// One preview at a time: the compositor's thread and the sound thread of the running preview,
// and the clock they share. Lives on the interface thread.
class PreviewPlayer : public QObject
{
    Q_OBJECT

public:
    explicit PreviewPlayer(QObject *parent = nullptr);
    ~PreviewPlayer() override;

    // Stops what runs and plays run from its time.
    void start(const PreviewRun &run);
    // Stops and waits for both threads; every frame and the decoder are freed.
    void stop();
    bool isRunning() const { return m_thread != nullptr; }
    // Where the running preview is on its clock; the last shown frame's time once stopped.
    double position() const;

    // Tests: another sound device, and a clock that runs faster than the wall clock.
    void setSoundDeviceFactory(PreviewSoundDeviceFactory factory) { m_makeDevice = std::move(factory); }
    void setClockRate(double rate) { m_clockRate = rate; }

    int shownFrames() const { return m_shown; }
    int droppedFrames() const { return m_dropped; }
    // Of the last run, once stopped: the largest distance between a frame and the sound, and
    // whether the clock followed the sound at all (false without a device or music).
    double largestSoundGap() const { return m_largestGap; }
    bool followedSound() const { return m_followedSound; }

Q_SIGNALS:
    // A new picture, and its time on the video's time line.
    void frameShown(const QImage &image, double time);
    // The preview played to the end of the video.
    void ended();

private:
    void takeFrame();
    void workerFinished();
    void stopThreads();

    QThread *m_thread = nullptr;
    PreviewWorker *m_worker = nullptr;
    QThread *m_soundThread = nullptr;
    PreviewSoundWorker *m_sound = nullptr;
    QSharedPointer<PreviewClock> m_clock;
    PreviewSoundDeviceFactory m_makeDevice;
    double m_clockRate = 1.0;
    int m_runNumber = 0;
    double m_lastTime = 0.0;
    int m_shown = 0;
    int m_dropped = 0;
    double m_largestGap = 0.0;
    bool m_followedSound = false;
};
