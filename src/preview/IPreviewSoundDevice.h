#pragma once

#include <QtGlobal>

#include <functional>
#include <memory>

// Where the preview's sound goes: the computer's audio output, or a stand-in in tests. Used
// only on the preview's sound thread.
class IPreviewSoundDevice
{
public:
    virtual ~IPreviewSoundDevice() = default;

    // Opens the device for 44.1 kHz stereo 16-bit sound; false when there is none.
    virtual bool open() = 0;
    virtual qint64 bytesFree() = 0;
    virtual qint64 write(const char *data, qint64 size) = 0;
    // Seconds of sound the device has played since it was opened.
    virtual double playedSeconds() = 0;
};
using PreviewSoundDeviceFactory = std::function<std::unique_ptr<IPreviewSoundDevice>()>;
