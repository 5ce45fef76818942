#pragma once

#include "render/BeatGrid.h"

#include <QObject>
#include <QSharedPointer>
#include <QString>
#include <QVariantMap>

// One music track as the project keeps it: measured once, when it is added (MediaFileReader).
class MediaFileInfo : public QObject
{
    Q_OBJECT

public:
    MediaFileInfo(float duration, const QString &artist, const QString &title, const QString &fileName,
                  const QString &path);

    float duration() const { return m_duration; }
    QString artist() const { return m_artist; }
    QString title() const { return m_title; }
    QString fileName() const { return m_fileName; }
    QString path() const { return m_path; }

    // title, else the "filename" tag, else the last part of the path.
    QString songName() const;
    QString artistName() const { return m_artist; }
    // "songName", "artistName" and "duration" ("m:ss" below an hour, "h:mm:ss" from an hour).
    // A length as the lists show it: "m:ss", or "h:mm:ss" from an hour.
    static QString lengthText(double seconds);
    QVariantMap description() const;

    // Found on a worker thread, set on the interface thread; empty until then.
    const BeatGrid &beatGrid() const { return m_beatGrid; }
    void setBeatGrid(const BeatGrid &grid) { m_beatGrid = grid; }

private:
    float m_duration;
    QString m_artist;
    QString m_title;
    QString m_fileName;
    QString m_path;
    BeatGrid m_beatGrid;
};
using MediaFileInfoPtr = QSharedPointer<MediaFileInfo>;
