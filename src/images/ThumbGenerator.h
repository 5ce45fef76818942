#pragma once

#include "app/MetaTypes.h"
#include "app/Singleton.h"
#include "images/ThumbGeneratorTask.h"
#include "images/ThumbQueue.h"

#include <QList>
#include <QMutex>
#include <QObject>
#include <QPointer>

class QThread;
class ThumbWorkerBase;

// Turns thumbnail requests into images on short-lived worker threads: a quick pass from the
// embedded EXIF thumbnail for every queued task first, then a reduced-size full decode.
class ThumbGenerator : public QObject
{
    Q_OBJECT

public:
    static ThumbGenerator *instance() { return Singleton<ThumbGenerator>::instance(); }
    ~ThumbGenerator() override;

    static constexpr int maxThumbWorkers = 6;

    void addTask(const ThumbGeneratorTask &task);
    void removeTask(const ThumbGeneratorTask &task);
    void suspendFullDecode();
    void resumeFullDecode();
    // Holds every pass back while a large batch of requests is made, so the workers do not take
    // the cores from the thread making them; resume() starts them.
    void pause();
    void resume();

    int runningWorkerCount() const { return runningWorkers; }
    int queuedTaskCount();

    // Results are spelt QSharedPointer<QImage> so string-based connections match too.
Q_SIGNALS:
    void generated(const ThumbGeneratorTask task, QSharedPointer<QImage> thumb);
    // A pass has started for the task; fullPass is false for the quick EXIF pass.
    void passStarted(const ThumbGeneratorTask task, bool fullPass);
    // The last pass gave no picture (the file is gone or cannot be decoded): nothing more comes.
    void failed(const ThumbGeneratorTask task);

public Q_SLOTS:
    void doTask();
    void exifWorkerDone(const ThumbGeneratorTask path, QSharedPointer<QImage> img);
    void workerDone(const ThumbGeneratorTask path, QSharedPointer<QImage> img);

private:
    friend class Singleton<ThumbGenerator>;
    ThumbGenerator();

    bool takeTask(ThumbQueue &queue, ThumbGeneratorTask *task);
    void startWorker(ThumbWorkerBase *worker);

    int runningWorkers = 0;
    QMutex mutex;
    ThumbQueue exifQueue;
    ThumbQueue fullQueue;
    bool fullDecodeEnabled = true;
    bool paused = false;
    QList<QPointer<QThread>> threads;
};
