#pragma once

#include "app/MetaTypes.h"
#include "images/ThumbGeneratorTask.h"

#include <QObject>

// One pass for one thumbnail request, run by process() on a thread of its own.
class ThumbWorkerBase : public QObject
{
    Q_OBJECT

public:
    explicit ThumbWorkerBase(const ThumbGeneratorTask &task);

    virtual ImageSharedPointer generateThumb(const ThumbGeneratorTask &task) = 0;

Q_SIGNALS:
    void finished();
    void done(const ThumbGeneratorTask task, QSharedPointer<QImage> img);

public Q_SLOTS:
    void process();

private:
    const ThumbGeneratorTask task;
};
