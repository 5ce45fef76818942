#pragma once

#include "preview/IPreviewSoundDevice.h"
#include "project/Project.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QSharedPointer>

#include <memory>

class PreviewAudio;
class PreviewClock;
class QTimer;

// Plays the preview's music on a thread of its own: once the first picture is up it feeds the
// device every 10 ms and tells the clock how far the sound has played, so the pictures follow
// the sound. Without a device (or music) the clock keeps to the system clock, silently.
class PreviewSoundWorker : public QObject
{
    Q_OBJECT

public:
    PreviewSoundWorker(const ProjectPtr &project, const QSharedPointer<PreviewClock> &clock,
                       PreviewSoundDeviceFactory makeDevice);
    ~PreviewSoundWorker() override;

public Q_SLOTS:
    void process();
    // On the sound thread as it ends: the device and the decoder go with it.
    void close();

private:
    void feed();

    ProjectPtr m_project;
    QSharedPointer<PreviewClock> m_clock;
    PreviewSoundDeviceFactory m_makeDevice;
    std::unique_ptr<IPreviewSoundDevice> m_device;
    std::unique_ptr<PreviewAudio> m_audio;
    QTimer *m_timer = nullptr;
    QByteArray m_buffer;
    bool m_opened = false;
    double m_lastPlayed = 0.0;
    QElapsedTimer m_sinceProgress; // since the device's play position last moved
};
