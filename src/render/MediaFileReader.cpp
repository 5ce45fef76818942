#include "render/MediaFileReader.h"

#include "app/Logging.h"
#include "render/AudioInput.h"
#include "render/BeatTracker.h"

#include <optional>

#include <exception>

namespace {
QString tag(AVDictionary *metadata, const char *key)
{
    const AVDictionaryEntry *entry = av_dict_get(metadata, key, nullptr, 0);
    return entry ? QString::fromUtf8(entry->value) : QString();
}
} // namespace

MediaFileInfoPtr MediaFileReader::read(const QString &path, Listening listening)
{
    const QString source = BeatGrid::sourceOf(path);
    AudioInput input(path);
    std::optional<BeatTracker> tracker;
    if (listening == WithBeats)
        tracker.emplace();
    AVFramePtr frame(av_frame_alloc());
    if (!frame)
        throw std::bad_alloc();
    // Summed in double: a float total drifts by seconds over an hour of short frames.
    double duration = 0;
    while (input.readFrame(frame.get())) {
        const int rate = frame->sample_rate ? frame->sample_rate : input.codecContext()->sample_rate;
        if (rate > 0)
            duration += double(frame->nb_samples) / rate;
        if (tracker)
            tracker->feed(frame.get());
        av_frame_unref(frame.get());
    }
    AVDictionary *metadata = input.formatContext()->metadata;
    auto info = QSharedPointer<MediaFileInfo>::create(float(duration), tag(metadata, "artist"), tag(metadata, "title"),
                                                      tag(metadata, "filename"), path);
    if (tracker) {
        BeatGrid grid = tracker->finish(duration);
        grid.source = source;
        info->setBeatGrid(grid);
    }
    return info;
}

BeatGrid MediaFileReader::tryTrackBeats(const QString &path)
{
    const MediaFileInfoPtr info = tryRead(path, WithBeats);
    BeatGrid grid = info ? info->beatGrid() : BeatGrid();
    // An unreadable file is not tried again until it changes.
    if (!grid.isTracked())
        grid.source = BeatGrid::sourceOf(path);
    return grid;
}

MediaFileInfoPtr MediaFileReader::tryRead(const QString &path, Listening listening)
{
    try {
        return read(path, listening);
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
