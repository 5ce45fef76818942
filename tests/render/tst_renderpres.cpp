#include "support/RenderFixtures.h"
#include "support/TestSupport.h"
#include "support/VideoProbe.h"

#include "app/PresenterRegistry.h"
#include "app/CommonError.h"
#include "cli/RenderCommand.h"
#include "images/ImageProvider.h"
#include "project/ProjectPres.h"
#include "project/SettingsPres.h"
#include "project/StyleSettingsPres.h"
#include "render/RenderController.h"
#include "render/RenderEstimate.h"
#include "render/RenderPres.h"
#include "render/RenderWorker.h"

#include <QPainter>
#include <QPointer>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace RenderFixtures;

class TestRenderPres : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    RenderPres *render = nullptr;

    // A photo with structure, so a compared frame tells scenes and positions apart.
    QString photo(const QString &name, QColor colour)
    {
        QImage image(320, 240, QImage::Format_RGB32);
        image.fill(colour);
        QPainter painter(&image);
        painter.fillRect(20, 20, 120, 80, Qt::white);
        painter.fillRect(180, 140, 120, 80, Qt::black);
        const QString path = dir.filePath(name);
        image.save(path);
        return path;
    }

    // Opens the project the command line would build from these arguments; videos go to folder.
    bool openProject(const QStringList &arguments, const QString &folder)
    {
        RenderOptions options;
        QString error;
        ProjectPtr project;
        if (options.parse(arguments + QStringList{"-o", "unused.mp4"}, &error))
            project = RenderCommand::buildProject(RenderCommand::absolutePaths(options, dir.path()), &error);
        if (!project) {
            qWarning() << error;
            return false;
        }
        ProjectPres::instance()->openProject(project);
        SettingsPres::instance()->setResolution(options.quality);
        SettingsPres::instance()->setSaveDir(folder);
        return true;
    }

    QStringList photos(int count)
    {
        QStringList paths;
        for (int i = 0; i < count; ++i)
            paths << dir.filePath(QStringLiteral("p%1.png").arg(i % 3));
        return paths;
    }

    static RenderController *controller() { return RenderPres::instance()->findChild<RenderController *>(); }

private Q_SLOTS:
    void initTestCase()
    {
        PresenterRegistry::wireRender();
        QVERIFY(dir.isValid());
        photo("p0.png", QColor(200, 40, 40));
        photo("p1.png", QColor(40, 200, 40));
        photo("p2.png", QColor(40, 40, 200));
        render = RenderPres::instance();
        // The default background is a video fetched on demand; renders here use installed ones.
        StyleSettingsPres::instance()->setBgId("color00002");
    }

    void resultNameFollowsTheClockAndNeverReplacesAVideo()
    {
        const QDateTime at(QDate(2026, 12, 7), QTime(14, 5, 31));
        const QString folder = dir.filePath("names");
        QVERIFY(QDir().mkpath(folder));
        QCOMPARE(RenderPres::resultPathFor(folder, at), folder + "/slideshow_2026.12.07_14.05.mp4");
        for (const QString &taken : {"slideshow_2026.12.07_14.05.mp4", "slideshow_2026.12.07_14.05 (2).mp4"}) {
            QFile file(QDir(folder).filePath(taken));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QCOMPARE(RenderPres::resultPathFor(folder, at), folder + "/slideshow_2026.12.07_14.05 (3).mp4");
    }

    void previewAfterNotificationsOneThirtyOneAndSoOn()
    {
        RenderWorker worker(ProjectPtr::create(), ThemeTemplatePtr::create(), BackgroundDescriptor(), QString());
        int notification = 0;
        QList<int> previewedAt;
        QList<int> heights;
        connect(&worker, &RenderWorker::onPreview, [&](QSharedPointer<QImage> image) {
            previewedAt << notification;
            heights << image->height();
        });
        QSignalSpy progress(&worker, &RenderWorker::onProgress);
        auto frame = QSharedPointer<QImage>::create(1280, 720, QImage::Format_ARGB32);
        frame->fill(Qt::gray);
        for (notification = 1; notification <= 300; ++notification)
            worker.onRenderProgress(frame, notification / 3.0);
        QCOMPARE(progress.count(), 300);
        QCOMPARE(progress.last().at(0).toFloat(), 100.0f);
        QCOMPARE(previewedAt, (QList<int>{1, 31, 61, 91, 121, 151, 181, 211, 241, 271}));
        QCOMPARE(heights.first(), 300);
    }

    void progressIsTruncatedAndTimeLeftFollowsTheRecentRate()
    {
        render->onProgress(99.9f);
        QCOMPARE(render->progress(), 99);

        RenderEstimate estimate;
        estimate.start();
        estimate.update(0.0, 0);
        estimate.update(0.1, 200);
        QCOMPARE(estimate.timeLeft(), -1); // too short a stretch to tell
        // A slow start (1 % a second for 10 s), then 10 % a second: the estimate follows the latter.
        for (int s = 1; s <= 10; ++s)
            estimate.update(s, s * 1000);
        QCOMPARE(estimate.timeLeft(), 90);
        for (int s = 1; s <= 6; ++s)
            estimate.update(10.0 + 10 * s, (10 + s) * 1000);
        QCOMPARE(estimate.elapsed(), 16);
        QCOMPARE(estimate.timeLeft(), 3);
        estimate.update(100.0, 16500);
        QCOMPARE(estimate.timeLeft(), 0);
    }

    void rendersTheOpenProjectLikeTheCommandLine()
    {
        const QString folder = dir.filePath("videos");
        const QStringList choices = {"p0.png", "--text", "Hello", "p1.png", "p2.png", "--duration", "1",
                                     "--quality", "0", "--theme", "2", "--background", "standard00005",
                                     "--border", "3", "--shadow", "2", "--text-shadow", "4"};
        QVERIFY(openProject(choices, folder));
        StyleSettingsPres *style = StyleSettingsPres::instance();
        style->setThemeId(2);
        style->setBgId("standard00005");
        style->setBorderSize(3);
        style->setImgShadowBlur(2);
        style->setTextShadowBlur(4);
        QSignalSpy done(render, &RenderPres::done);
        QSignalSpy previews(render, &RenderPres::previewChanged);
        QSignalSpy rendering(render, &RenderPres::isRenderingChanged);
        render->start();
        QVERIFY(render->isRendering());
        QVERIFY(done.wait(120000));
        QVERIFY(!render->isRendering());
        QCOMPARE(rendering.count(), 2);
        QCOMPARE(render->progress(), 100);
        QVERIFY(render->elapsed() >= 0);
        QCOMPARE(render->timeLeft(), 0);
        QVERIFY(previews.count() >= 4); // cleared at start, then one a second of video
        QVERIFY(!ImageProvider::instance()->requestImage(render->preview(), nullptr, QSize()).isNull());

        const QString ours = render->resultPath();
        QCOMPARE(QFileInfo(ours).dir().path(), folder);
        QVERIFY(QFileInfo(ours).fileName().startsWith("slideshow_"));
        const int frames = VideoProbe::videoFrameCount(ours);
        QCOMPARE(frames, 120); // four slides of a second at 30 frames per second

        const QString theirs = dir.filePath("cli.mp4");
        QProcess cli;
        cli.setWorkingDirectory(dir.path());
        cli.start(QCoreApplication::applicationDirPath() + "/pictovia-render", choices + QStringList{"-o", theirs});
        QVERIFY(cli.waitForFinished(120000));
        QCOMPARE(cli.exitCode(), 0);
        QCOMPARE(VideoProbe::videoFrameCount(theirs), frames);
        for (int n : {20, 45, 75}) {
            const QImage a = VideoProbe::decodeFrame(ours, n);
            const QImage b = VideoProbe::decodeFrame(theirs, n);
            QCOMPARE(a.size(), b.size());
            qint64 difference = 0;
            for (int y = 0; y < a.height(); ++y)
                for (int x = 0; x < a.width(); ++x)
                    difference += qAbs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y)));
            QVERIFY2(difference < a.width() * a.height(), qPrintable(QString::number(difference)));
        }
    }

    void stopEndsWithStoppedAndNoFile()
    {
        QSignalSpy stopped(render, &RenderPres::stopped);
        render->stop(); // nothing running: nothing happens
        QCOMPARE(stopped.count(), 0);

        const QString folder = dir.filePath("stopped");
        QVERIFY(openProject(photos(30) + QStringList{"--duration", "4", "--quality", "0"}, folder));
        QSignalSpy done(render, &RenderPres::done);
        render->start();
        const QPointer<RenderController> first = controller();
        render->start(); // the first render is stopped and its controller gone at once
        QVERIFY(first.isNull());
        QCOMPARE(render->findChildren<RenderController *>().size(), 1);
        // Once while the worker may still be creating its compositor, once in the middle.
        for (bool midway : {false, true}) {
            if (midway) {
                render->start();
                QTRY_VERIFY_WITH_TIMEOUT(render->progress() > 0, 60000);
            }
            stopped.clear();
            render->stop();
            QVERIFY(stopped.wait(60000));
            QCOMPARE(stopped.count(), 1);
            QVERIFY(!render->isRendering());
            QTRY_VERIFY(!controller());
        }
        QCOMPARE(done.count(), 0);
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList());
    }

    void failureEndsInErrorWithTheCauseShownOnce()
    {
        const QString notAFolder = colourPicture(dir.path(), "file.png", Qt::white);
        QVERIFY(openProject({"p0.png", "--duration", "1", "--quality", "0"}, notAFolder));
        QSignalSpy error(render, &RenderPres::error);
        QSignalSpy shown(CommonError::instance(), &CommonError::error);
        render->start();
        QVERIFY(error.wait(60000));
        // The output names the file and the reason, as the command line prints them, and nothing
        // vaguer follows: the error popup shows the last message.
        QVERIFY(!shown.isEmpty());
        QCOMPARE(shown.last().first().toString(), "Cannot create the video " + render->resultPath() + ": Not a directory");
        const auto cause = [&notAFolder](const QList<QVariant> &message) {
            return message.first().toString().contains(notAFolder);
        };
        QCOMPARE(std::count_if(shown.begin(), shown.end(), cause), 1);
        QVERIFY(!render->isRendering());
        QVERIFY(QFileInfo(notAFolder).isFile());
    }
};

PICTOVIA_TEST_MAIN(TestRenderPres)
#include "tst_renderpres.moc"
