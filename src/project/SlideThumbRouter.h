#pragma once

#include "app/Singleton.h"
#include "images/ThumbGeneratorTask.h"

#include <QImage>
#include <QMultiHash>
#include <QObject>
#include <QSharedPointer>

class ImgSlidePres;

// Hands each generated thumbnail, or the news that none can be made, to the photo rows that
// asked for it. One connection to the
// generator and a look-up per result: with a connection per row, every result would visit
// every row, and a project of 100 000 photos would take minutes to show its thumbnails.
class SlideThumbRouter : public QObject
{
    Q_OBJECT

public:
    static SlideThumbRouter *instance() { return Singleton<SlideThumbRouter>::instance(); }

    void watch(const ThumbGeneratorTask &task, ImgSlidePres *row);
    void unwatch(const ThumbGeneratorTask &task, ImgSlidePres *row);
    int watchedCount() const { return int(m_rows.size()); }

private:
    friend class Singleton<SlideThumbRouter>;
    SlideThumbRouter();

    void deliver(const ThumbGeneratorTask &task, const QSharedPointer<QImage> &image);
    void deliverFailure(const ThumbGeneratorTask &task);
    template <typename Answer>
    void forEachRow(const ThumbGeneratorTask &task, Answer answer);

    QMultiHash<ThumbGeneratorTask, ImgSlidePres *> m_rows;
};
