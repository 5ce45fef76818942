#include "support/ExifJpegBuilder.h"
#include "support/TestSupport.h"

#include "images/ExifThumbWorker.h"
#include "images/ThumbGenerator.h"
#include "images/ThumbWorker.h"

#include <QSignalSpy>
#include <QTemporaryDir>

using Builder = ExifJpegBuilder;

namespace {

struct Start
{
    ThumbGeneratorTask task;
    bool full;
    int running;
};

QByteArray exifPhoto(const QImage &main, const QImage &thumb)
{
    Builder builder;
    builder.addLongs(Builder::ExifDirectory, 0xA002, {quint32(main.width())});
    builder.addLongs(Builder::ExifDirectory, 0xA003, {quint32(main.height())});
    builder.setThumbnail(Builder::encodeJpeg(thumb, 95));
    return builder.photo(main);
}

QImage letterboxedThumb()
{
    // A 3:2 photo's 160 x 120 thumbnail: black bars of 7 rows above and below the picture.
    QImage thumb(160, 120, QImage::Format_RGB32);
    thumb.fill(Qt::black);
    for (int y = 7; y < 113; ++y)
        for (int x = 0; x < 160; ++x)
            thumb.setPixelColor(x, y, Qt::yellow);
    return thumb;
}

} // namespace

class TestThumbGenerator : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    QString exifJpeg;
    QString plainPng;
    QVector<QString> exifPhotos;
    QVector<QString> pngs;

    QString write(const QString &name, const QByteArray &bytes)
    {
        QFile file(dir.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return file.fileName();
    }

    static ThumbGenerator *generator() { return ThumbGenerator::instance(); }

    static void waitUntilIdle()
    {
        QTRY_VERIFY_WITH_TIMEOUT(generator()->runningWorkerCount() == 0 && generator()->queuedTaskCount() == 0, 20000);
        QTest::qWait(20);
    }


private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        exifJpeg = write(QStringLiteral("exif.jpg"), exifPhoto(Builder::quadrants(600, 400), letterboxedThumb()));
        QImage png(300, 200, QImage::Format_RGB32);
        png.fill(Qt::cyan);
        png.save(dir.filePath(QStringLiteral("plain.png")));
        plainPng = dir.filePath(QStringLiteral("plain.png"));
        for (int i = 0; i < 10; ++i) {
            exifPhotos.append(write(QStringLiteral("photo%1.jpg").arg(i),
                                    exifPhoto(Builder::quadrants(480, 320), letterboxedThumb())));
            const QString name = dir.filePath(QStringLiteral("picture%1.png").arg(i));
            png.save(name);
            pngs.append(name);
        }
    }

    void cleanup()
    {
        if (QTest::currentTestFunction() != QLatin1String("exitWhileWorkersRun"))
            waitUntilIdle();
    }

    void jpegWithThumbnailEmitsQuickThenFull()
    {
        QSignalSpy spy(generator(), &ThumbGenerator::generated);
        const ThumbGeneratorTask task{exifJpeg, 150, 150};
        generator()->addTask(task);
        QTRY_COMPARE(spy.count(), 2);
        waitUntilIdle();
        QCOMPARE(spy.count(), 2);
        const auto quick = spy.at(0).at(1).value<ImageSharedPointer>();
        const auto full = spy.at(1).at(1).value<ImageSharedPointer>();
        QCOMPARE(spy.at(0).at(0).value<ThumbGeneratorTask>(), task);
        QCOMPARE(spy.at(1).at(0).value<ThumbGeneratorTask>(), task);
        QCOMPARE(quick->size(), QSize(150, 150));
        // The letterbox is cropped away before scaling: no black rows at the top.
        QVERIFY(quick->pixelColor(75, 0).red() > 200);
        QCOMPARE(full->size(), QSize(225, 150));
    }

    void clientsConnectByNormalisedSignature()
    {
        QCOMPARE(QMetaObject::normalizedSignature("generated(const ThumbGeneratorTask,QSharedPointer<QImage>)"),
                 QByteArray("generated(ThumbGeneratorTask,QSharedPointer<QImage>)"));
        QVERIFY(generator()->metaObject()->indexOfSignal("generated(ThumbGeneratorTask,QSharedPointer<QImage>)") >= 0);
        QVERIFY(generator()->metaObject()->indexOfSlot("exifWorkerDone(ThumbGeneratorTask,QSharedPointer<QImage>)") >= 0);
        QVERIFY(generator()->metaObject()->indexOfSlot("workerDone(ThumbGeneratorTask,QSharedPointer<QImage>)") >= 0);
    }

    void pngEmitsOnlyTheFullPass()
    {
        QSignalSpy spy(generator(), &ThumbGenerator::generated);
        generator()->addTask({plainPng, 120, 120});
        QTRY_COMPARE(spy.count(), 1);
        waitUntilIdle();
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(1).value<ImageSharedPointer>()->size(), QSize(180, 120));
    }

    void tenPhotosRunSixAtOnceQuickPassesFirst()
    {
        QVector<Start> starts;
        auto connection = connect(generator(), &ThumbGenerator::passStarted, this,
                                  [&starts](const ThumbGeneratorTask &task, bool full) {
                                      starts.append({task, full, generator()->runningWorkerCount()});
                                  });
        QSignalSpy spy(generator(), &ThumbGenerator::generated);
        for (const QString &path : pngs)
            generator()->addTask({path, 100, 100});
        QCOMPARE(generator()->runningWorkerCount(), 6);
        QCOMPARE(starts.size(), 6);
        QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 10, 20000);
        waitUntilIdle();
        disconnect(connection);

        QCOMPARE(starts.size(), 20);
        for (int i = 0; i < 20; ++i) {
            QCOMPARE(starts[i].full, i >= 10);
            QCOMPARE(starts[i].task.path, pngs[i % 10]);
            QVERIFY(starts[i].running <= 6);
        }
    }

    void suspendedFullDecodeLetsQuickPassesRun()
    {
        QVector<bool> startedFull;
        auto connection = connect(generator(), &ThumbGenerator::passStarted, this,
                                  [&startedFull](const ThumbGeneratorTask &, bool full) { startedFull.append(full); });
        QSignalSpy spy(generator(), &ThumbGenerator::generated);
        generator()->suspendFullDecode();
        for (int i = 0; i < 3; ++i)
            generator()->addTask({exifPhotos[i], 150, 150});
        QTRY_COMPARE(spy.count(), 3);
        QTRY_COMPARE(generator()->runningWorkerCount(), 0);
        QTest::qWait(50);
        QCOMPARE(spy.count(), 3);
        QCOMPARE(startedFull.count(true), 0);
        QCOMPARE(generator()->queuedTaskCount(), 3);

        generator()->resumeFullDecode();
        QCOMPARE(generator()->runningWorkerCount(), 1);
        QTRY_COMPARE(spy.count(), 6);
        disconnect(connection);
        QCOMPARE(startedFull.count(true), 3);
        for (int i = 3; i < 6; ++i)
            QCOMPARE(spy.at(i).at(1).value<ImageSharedPointer>()->size(), QSize(225, 150));
    }

    void removeTaskDropsQueuedButNotRunningPasses()
    {
        QSignalSpy spy(generator(), &ThumbGenerator::generated);
        generator()->suspendFullDecode();
        QVector<ThumbGeneratorTask> tasks;
        for (int i = 0; i < 8; ++i) {
            tasks.append({exifPhotos[i], 150, 150});
            generator()->addTask(tasks.last());
        }
        // Six quick passes run; the seventh and eighth wait.
        generator()->removeTask(tasks[7]);
        generator()->removeTask(tasks[0]);
        QTRY_COMPARE(spy.count(), 7);
        QTRY_COMPARE(generator()->runningWorkerCount(), 0);
        generator()->resumeFullDecode();
        QTRY_COMPARE(spy.count(), 14);
        waitUntilIdle();
        QCOMPARE(spy.count(), 14);
        QMap<QString, int> perPath;
        for (const QList<QVariant> &arguments : std::as_const(spy))
            ++perPath[arguments.at(0).value<ThumbGeneratorTask>().path];
        QCOMPARE(perPath.value(exifPhotos[0]), 2);
        QCOMPARE(perPath.value(exifPhotos[7]), 0);
        QCOMPARE(perPath.value(exifPhotos[3]), 2);
    }

    void sameTaskTwiceIsServedTwice()
    {
        // Full passes wait for both quick passes: a copy's quick pass that ends after the other
        // copy's full pass was taken queues the task once more.
        QSignalSpy spy(generator(), &ThumbGenerator::generated);
        generator()->suspendFullDecode();
        generator()->addTask({exifJpeg, 80, 80});
        generator()->addTask({exifJpeg, 80, 80});
        QTRY_COMPARE(spy.count(), 2);
        generator()->resumeFullDecode();
        QTRY_COMPARE(spy.count(), 4);
        waitUntilIdle();
        QCOMPARE(spy.count(), 4);
    }

    void brokenFilesNeverBlockThePool()
    {
        const QByteArray jpeg = Builder::encodeJpeg(Builder::quadrants(300, 200));
        QFile png(plainPng);
        png.open(QIODevice::ReadOnly);
        const QStringList files = {write(QStringLiteral("empty.jpg"), QByteArray()),
                                   write(QStringLiteral("text.jpg"), "not a photo at all"),
                                   write(QStringLiteral("renamed.jpg"), png.readAll()),
                                   write(QStringLiteral("cut.jpg"), jpeg.left(jpeg.size() / 3)),
                                   dir.filePath(QStringLiteral("missing.jpg"))};
        QSignalSpy spy(generator(), &ThumbGenerator::generated);
        QSignalSpy failed(generator(), &ThumbGenerator::failed);
        for (const QString &file : files)
            generator()->addTask({file, 100, 100});
        waitUntilIdle();
        // Every full pass reports, with a null image where nothing could be decoded, and those
        // are also told as failed: nothing more comes for them.
        QCOMPARE(spy.count(), files.size());
        QCOMPARE(failed.count(), 3);
        for (const QList<QVariant> &arguments : std::as_const(spy)) {
            const auto image = arguments.at(1).value<ImageSharedPointer>();
            QVERIFY(image);
            const QString name = QFileInfo(arguments.at(0).value<ThumbGeneratorTask>().path).fileName();
            if (name == QLatin1String("renamed.jpg") || name == QLatin1String("cut.jpg"))
                QCOMPARE(image->height(), 100);
            else
                QVERIFY(image->isNull());
        }
    }

    void quickPassCropsToThePhotoRatio()
    {
        const QImage thumb = letterboxedThumb();
        const QImage landscape = ExifThumbWorker::cropToPhotoRatio(thumb, 6000, 4000);
        QCOMPARE(landscape.size(), QSize(160, 106));
        QCOMPARE(landscape, thumb.copy(0, 7, 160, 106));
        const QImage portrait = ExifThumbWorker::cropToPhotoRatio(thumb, 4000, 6000);
        QCOMPARE(portrait, thumb.copy(40, 0, 80, 120));
        // Within 3 % of the photo's ratio: left alone.
        QCOMPARE(ExifThumbWorker::cropToPhotoRatio(QImage(160, 107, QImage::Format_RGB32), 6000, 4000).size(),
                 QSize(160, 107));
        QCOMPARE(ExifThumbWorker::cropToPhotoRatio(thumb, 6000, 0).size(), QSize(160, 120));
    }

    void bothPassesServeANonSquareBox()
    {
        const ThumbGeneratorTask task{exifJpeg, 100, 300};
        ExifThumbWorker quick(task);
        QCOMPARE(quick.generateThumb(task)->size(), QSize(300, 100));
        ThumbWorker full(task);
        QCOMPARE(full.generateThumb(task)->size(), QSize(300, 200));
        const ThumbGeneratorTask tall{exifJpeg, 300, 100};
        const QImage cropped = *quick.generateThumb(tall);
        QCOMPARE(cropped.size(), QSize(100, 300));
        QVERIFY(!quick.generateThumb({plainPng, 100, 100}));
    }

    // Runs last: the process ends with passes still running, and the generator, deleted with
    // the application object, must wait for them rather than destroy running threads.
    void exitWhileWorkersRun()
    {
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &message) {
            if (message.contains(QLatin1String("Destroyed while thread")))
                qFatal("thread destroyed while running at exit");
        });
        for (const QString &path : exifPhotos)
            generator()->addTask({path, 150, 150});
        QCOMPARE(generator()->runningWorkerCount(), 6);
    }
};

PICTOVIA_TEST_MAIN(TestThumbGenerator)
#include "tst_thumbgenerator.moc"
