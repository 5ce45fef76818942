#include "render/MediaFileInfo.h"
#include "app/AppConstants.h"
#include "app/Logging.h"
#include "render/AudioInput.h"

#include <QDir>
#include <QTime>

#include <exception>

MediaFileInfo::MediaFileInfo(float duration, const QString &artist, const QString &title, const QString &fileName,
                             const QString &path)
    : m_duration(duration)
    , m_artist(artist)
    , m_title(title)
    , m_fileName(fileName)
    , m_path(path)
{
}

namespace {
QString tag(AVDictionary *metadata, const char *key)
{
    const AVDictionaryEntry *entry = av_dict_get(metadata, key, nullptr, 0);
    return entry ? QString::fromUtf8(entry->value) : QString();
}
} // namespace

QSharedPointer<MediaFileInfo> MediaFileInfo::read(const QString &path)
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

QSharedPointer<MediaFileInfo> MediaFileInfo::tryRead(const QString &path)
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

QString MediaFileInfo::songName() const
{
    if (!m_title.isEmpty())
        return m_title;
    if (!m_fileName.isEmpty())
        return m_fileName;
    return QDir::toNativeSeparators(m_path).split(QDir::separator()).last();
}

QString MediaFileInfo::lengthText(double seconds)
{
    const QString &format = seconds < 3600 ? AppConstants::shortDurationFormat : AppConstants::longDurationFormat;
    return QTime(0, 0).addSecs(int(seconds)).toString(format);
}

QVariantMap MediaFileInfo::description() const
{
    return {
        {QStringLiteral("songName"), songName()},
        {QStringLiteral("artistName"), artistName()},
        {QStringLiteral("duration"), lengthText(m_duration)},
    };
}
