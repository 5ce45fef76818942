#pragma once

#include "preview/IPreviewSoundDevice.h"

#include <QPointer>

#include <memory>

class QAudioSink;
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
    std::unique_ptr<QAudioSink> m_output;
    QPointer<QIODevice> m_device;
};
