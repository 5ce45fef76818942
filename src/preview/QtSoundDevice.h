#pragma once

#include "preview/IPreviewSoundDevice.h"

#include <QPointer>

#include <memory>

class QAudioOutput;
class QIODevice;

// The system's default audio output through Qt Multimedia, fed in push mode.
class QtSoundDevice : public IPreviewSoundDevice
{
public:
    QtSoundDevice();
    ~QtSoundDevice() override;

    bool open() override;
    qint64 bytesFree() override;
    qint64 write(const char *data, qint64 size) override;
    double playedSeconds() override;

private:
    std::unique_ptr<QAudioOutput> m_output;
    QPointer<QIODevice> m_device;
};
