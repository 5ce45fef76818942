#include "render/MediaFileReader.h"

#include "app/Logging.h"
#include "render/AudioInput.h"

#include <exception>

namespace {
QString tag(AVDictionary *metadata, const char *key)
{
    const AVDictionaryEntry *entry = av_dict_get(metadata, key, nullptr, 0);
    return entry ? QString::fromUtf8(entry->value) : QString();
}
} // namespace

MediaFileInfoPtr MediaFileReader::read(const QString &path)
{
    AudioInput input(path);
    AVFramePtr frame(av_frame_alloc());
    if (!frame)
        throw std::bad_alloc();
    // Summed in double: a float total drifts by seconds over an hour of short frames.
    double duration = 0;
    while (input.readFrame(frame.get())) {
        const int rate = frame->sample_rate ? frame->sample_rate : input.codecContext()->sample_rate;
        if (rate > 0)
            duration += double(frame->nb_samples) / rate;
        av_frame_unref(frame.get());
    }
    AVDictionary *metadata = input.formatContext()->metadata;
    return QSharedPointer<MediaFileInfo>::create(float(duration), tag(metadata, "artist"), tag(metadata, "title"),
                                                 tag(metadata, "filename"), path);
}

MediaFileInfoPtr MediaFileReader::tryRead(const QString &path)
{
    try {
        return read(path);
    } catch (int code) {
        // Already reported by the reader.
        qCDebug(lcRender) << "unreadable music" << path << code;
    } catch (const std::exception &e) {
        qCWarning(lcRender) << "music not read" << path << e.what();
    } catch (...) {
        qCWarning(lcRender) << "music not read" << path;
    }
    return {};
}
