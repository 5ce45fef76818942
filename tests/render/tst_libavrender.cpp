#include "support/RenderFixtures.h"
#include "support/TestSupport.h"
#include "support/VideoProbe.h"

#include "app/CommonError.h"
#include "render/LibavRender.h"
#include "render/MediaFileInfo.h"
#include "render/MediaFileReader.h"
#include "render/VideoOutputWorker.h"

#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace RenderFixtures;

namespace {

const QColor backdrop(40, 40, 40);
const QRectF leftBox(0.05, 0.3, 0.2, 0.4);
const QRectF centreBox(0.4, 0.3, 0.2, 0.4);
const QRectF rightBox(0.75, 0.3, 0.2, 0.4);

QPoint centreOf(const QRectF &box, QSize size)
{
    return QPoint(int(box.center().x() * size.width()), int(box.center().y() * size.height()));
}

// What the progress pictures showed in each box, frame by frame.
struct Sightings
{
    QVector<bool> left, centre, right;
};

bool shows(const QImage &image, const QRectF &box)
{
    const QRgb p = image.pixel(centreOf(box, image.size()));
    return qAbs(qRed(p) - backdrop.red()) + qAbs(qGreen(p) - backdrop.green()) + qAbs(qBlue(p) - backdrop.blue()) > 12;
}

} // namespace

class TestLibavRender : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString red, green, blue;

    ThemeTemplatePtr threeScenes(int overflow)
    {
        auto theme = ThemeTemplatePtr::create();
        theme->photoScenes = {stillScene(PhotoScene, 30, {leftBox}), stillScene(PhotoScene, 30, {centreBox}),
                              stillScene(PhotoScene, 30, {rightBox})};
        theme->textScenes = {stillScene(TextScene, 30, {rightBox})};
        theme->sceneOverflow = overflow;
        return theme;
    }

    // No render's own file is left in the folder (a video not yet named has a hidden one there
    // where the file system has no unnamed files).
    bool noVideoBeingWritten() const
    {
        return QDir(dir.path()).entryList({".pictovia-*"}, QDir::Files | QDir::Hidden).isEmpty();
    }

    static Sightings watch(LibavRender &render)
    {
        Sightings seen;
        QObject::connect(&render, &LibavRender::progress, [&seen](QSharedPointer<QImage> image, double) {
            seen.left.append(shows(*image, leftBox));
            seen.centre.append(shows(*image, centreBox));
            seen.right.append(shows(*image, rightBox));
        });
        return seen;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        red = colourPicture(dir.path(), "red.png", QColor(230, 20, 20));
        green = colourPicture(dir.path(), "green.png", QColor(20, 230, 20));
        blue = colourPicture(dir.path(), "blue.png", QColor(20, 20, 230));
    }

    void overlappingScenesShareTheirHandOverFrames()
    {
        const QString path = dir.filePath("overlap.mp4");
        auto project = imageProject({red, green, blue}, 5.0, 0);
        LibavRender render(project, threeScenes(10), BackgroundDescriptor::ofColor(backdrop), path);
        Sightings seen;
        QList<double> percents;
        connect(&render, &LibavRender::progress, [&](QSharedPointer<QImage> image, double percent) {
            seen.left.append(shows(*image, leftBox));
            seen.centre.append(shows(*image, centreBox));
            seen.right.append(shows(*image, rightBox));
            percents.append(percent);
        });
        QVERIFY(render.render());

        QCOMPARE(seen.left.size(), 450);
        QVERIFY(qAbs(percents.last() - 100.0) < 1e-9);
        // Frame n (from 1) is index n - 1. The first scene alone up to 151 (the incoming scene
        // weighs 0 there), both from 152, the outgoing gone once the incoming weighs 1.
        for (int n = 1; n <= 151; ++n)
            QVERIFY2(seen.left[n - 1] && !seen.centre[n - 1], qPrintable(QString::number(n)));
        for (int n = 152; n <= 160; ++n)
            QVERIFY2(seen.left[n - 1] && seen.centre[n - 1], qPrintable(QString::number(n)));
        for (int n = 161; n <= 301; ++n)
            QVERIFY2(!seen.left[n - 1] && seen.centre[n - 1] && !seen.right[n - 1], qPrintable(QString::number(n)));
        for (int n = 302; n <= 310; ++n)
            QVERIFY2(seen.centre[n - 1] && seen.right[n - 1], qPrintable(QString::number(n)));
        for (int n = 311; n <= 450; ++n)
            QVERIFY2(!seen.centre[n - 1] && seen.right[n - 1], qPrintable(QString::number(n)));

        QCOMPARE(VideoProbe::videoFrameCount(path), 450);
        const QList<double> times = VideoProbe::videoFrameTimes(path);
        QCOMPARE(times.size(), 450);
        for (int i = 1; i < times.size(); ++i)
            QVERIFY2(qAbs(times[i] - times[i - 1] - 1.0 / 30) < 1e-3, qPrintable(QString::number(i)));
        const QJsonObject probed = VideoProbe::probe(path);
        QVERIFY(VideoProbe::stream(probed, "audio").isEmpty());
        QCOMPARE(VideoProbe::stream(probed, "video").value("width").toInt(), 1280);
    }

    // Midway through a full-frame hand-over the frame is half of each photo and none of the
    // background: each scene is drawn alone over the background, then the two are mixed.
    void handOverMixesTheScenesNotTheBackground()
    {
        auto theme = ThemeTemplatePtr::create();
        theme->photoScenes = {stillScene(PhotoScene, 30, {QRectF(0, 0, 1, 1)})};
        theme->sceneOverflow = 10;
        LibavRender render(imageProject({red, green}, 1.0, 0), theme, BackgroundDescriptor::ofColor(backdrop), dir.filePath("mix.mp4"));
        QList<QRgb> middle;
        connect(&render, &LibavRender::progress, [&middle](QSharedPointer<QImage> image, double) {
            middle.append(image->pixel(image->width() / 2, image->height() / 2));
        });
        QVERIFY(render.render());
        // Frame 31 (index 30) is the first shared one, at w = 0; index 35 is at w = 0.5.
        const auto near = [](QRgb p, int r, int g) { return qAbs(qRed(p) - r) <= 3 && qAbs(qGreen(p) - g) <= 3; };
        QVERIFY(near(middle.at(30), 230, 20));
        QVERIFY2(near(middle.at(35), 125, 125), qPrintable(QString::number(middle.at(35), 16)));
        QVERIFY(near(middle.at(41), 20, 230));
    }

    void withoutOverlapScenesCutAndOddQualitiesRenderAt720p()
    {
        const QString path = dir.filePath("cut.mp4");
        auto project = imageProject({red, green}, 1.0, 5);
        LibavRender render(project, threeScenes(0), BackgroundDescriptor::ofColor(backdrop), path);
        Sightings seen = watch(render);
        QVERIFY(render.render());
        QCOMPARE(seen.left.size(), 60);
        for (int n = 1; n <= 30; ++n)
            QVERIFY(seen.left[n - 1] && !seen.centre[n - 1]);
        for (int n = 31; n <= 60; ++n)
            QVERIFY(!seen.left[n - 1] && seen.centre[n - 1]);
        const QJsonObject video = VideoProbe::stream(VideoProbe::probe(path), "video");
        QCOMPARE(video.value("width").toInt(), 1280);
        QCOMPARE(video.value("height").toInt(), 720);
        QCOMPARE(video.value("nb_read_frames").toString().toInt(), 60);
        // Each scene's reader numbers from -1; the cut must not send time backwards.
        const QList<double> times = VideoProbe::videoFrameTimes(path);
        QCOMPARE(times.size(), 60);
        for (int i = 1; i < times.size(); ++i)
            QVERIFY2(qAbs(times[i] - times[i - 1] - 1.0 / 30) < 1e-3, qPrintable(QString::number(i)));
    }

    void musicPlaysAsAacAndEndsWithTheVideo()
    {
        const QString music = dir.filePath("music.m4a");
        QCOMPARE(QProcess::execute("ffmpeg", {"-v", "error", "-y", "-f", "lavfi", "-i", "sine=frequency=440:duration=4",
                                              "-ac", "2", "-c:a", "aac", music}),
                 0);
        const QString path = dir.filePath("music.mp4");
        auto project = imageProject({red, green}, 1.0, 0);
        project->audioTracks = {MediaFileReader::read(music)};
        LibavRender render(project, threeScenes(10), BackgroundDescriptor::ofColor(backdrop), path);
        QVERIFY(render.render());
        const QJsonObject probed = VideoProbe::probe(path);
        const QJsonObject audio = VideoProbe::stream(probed, "audio");
        QCOMPARE(audio.value("codec_name").toString(), QStringLiteral("aac"));
        QCOMPARE(audio.value("sample_rate").toString(), QStringLiteral("44100"));
        QCOMPARE(audio.value("channels").toInt(), 2);
        const double audioLength = VideoProbe::duration(path, "audio");
        QVERIFY2(qAbs(audioLength - 2.0) < 0.1, qPrintable(QString::number(audioLength)));
        QVERIFY(qAbs(VideoProbe::duration(path, "video") - 2.0) < 0.05);
    }

    // Music that reads shorter than when it was added (cut, or its disk gone) is said, naming it;
    // music that plays to its end, or past the video's end, is not.
    void musicCutShortIsReported_data()
    {
        QTest::addColumn<double>("readSeconds");
        QTest::addColumn<double>("playedSeconds");
        QTest::addColumn<QString>("message");
        QTest::newRow("whole, longer than the video") << 4.0 << 4.0 << QString();
        QTest::newRow("whole, shorter than the video") << 1.0 << 1.0 << QString();
        QTest::newRow("cut short") << 4.0 << 1.0 << QStringLiteral("could not be read past 0:01 of its 0:04");
    }
    void musicCutShortIsReported()
    {
        QFETCH(double, readSeconds);
        QFETCH(double, playedSeconds);
        QFETCH(QString, message);
        const QString music = dir.filePath("cut.m4a");
        auto tone = [&music](double seconds) {
            return QProcess::execute("ffmpeg", {"-v", "error", "-y", "-f", "lavfi", "-i",
                                                QStringLiteral("sine=frequency=440:duration=%1").arg(seconds), "-ac",
                                                "2", "-c:a", "aac", music});
        };
        QCOMPARE(tone(readSeconds), 0);
        auto project = imageProject({red, green}, 1.5, 0);
        project->audioTracks = {MediaFileReader::read(music)};
        QCOMPARE(tone(playedSeconds), 0);
        QSignalSpy messages(CommonError::instance(), &CommonError::error);
        LibavRender render(project, threeScenes(10), BackgroundDescriptor::ofColor(backdrop), dir.filePath("cut.mp4"));
        QVERIFY(render.render());
        QStringList said;
        for (const QList<QVariant> &m : std::as_const(messages))
            said << m.at(0).toString();
        if (message.isEmpty()) {
            QCOMPARE(said, QStringList());
        } else {
            QCOMPARE(said.size(), 1);
            QVERIFY2(said.first().contains(message) && said.first().contains(music), qPrintable(said.first()));
        }
    }

    void imageGroupOverlapsIntoTextGroup()
    {
        const QString path = dir.filePath("text.mp4");
        auto project = imageProject({red}, 1.0, 0);
        project->slides.append(slide(TextSlideType, QStringLiteral("Hello"), 1.0));
        settle(*project);
        LibavRender render(project, threeScenes(10), BackgroundDescriptor::ofColor(backdrop), path);
        Sightings seen = watch(render);
        QVERIFY(render.render());
        QCOMPARE(seen.left.size(), 60);
        QVERIFY(seen.left[35] && seen.right[35]); // both scenes on the shared frames
        QVERIFY(!seen.left[59] && seen.right[59]);
    }

    void fadeInStartsBlackAndFadeOutEndsDark()
    {
        const QString path = dir.filePath("fade.mp4");
        auto project = imageProject({red}, 2.5, 0);
        auto theme = threeScenes(10);
        theme->fadeIn = 15;
        theme->fadeOut = 15;
        const QColor light(200, 200, 200);
        LibavRender render(project, theme, BackgroundDescriptor::ofColor(light), path);
        QVERIFY(render.render());
        QCOMPARE(VideoProbe::videoFrameCount(path), 75);

        // Away from the slide: the background alone, darkened by alpha 255, then 238.
        const QPoint spot(1200, 40);
        const QImage first = VideoProbe::decodeFrame(path, 0);
        const QImage second = VideoProbe::decodeFrame(path, 1);
        const QImage middle = VideoProbe::decodeFrame(path, 37);
        const QImage last = VideoProbe::decodeFrame(path, 74);
        QVERIFY2(qGreen(first.pixel(spot)) <= 4, qPrintable(QString::number(qGreen(first.pixel(spot)))));
        const int expected = 200 * (255 - 238) / 255;
        QVERIFY2(qAbs(qGreen(second.pixel(spot)) - expected) <= 4, qPrintable(QString::number(qGreen(second.pixel(spot)))));
        QVERIFY(qAbs(qGreen(middle.pixel(spot)) - 200) <= 4);
        QVERIFY(qGreen(last.pixel(spot)) < 30);
    }

    void stopLeavesNoFile()
    {
        const QString path = dir.filePath("stopped.mp4");
        auto project = imageProject({red, green, blue}, 5.0, 0);
        LibavRender render(project, threeScenes(10), BackgroundDescriptor::ofColor(backdrop), path);
        int frames = 0;
        connect(&render, &LibavRender::progress, [&](QSharedPointer<QImage>, double) {
            if (++frames == 40)
                render.stop();
        });
        QVERIFY(render.render());
        QCOMPARE(frames, 40);
        QVERIFY(!QFile::exists(path));
        QVERIFY(noVideoBeingWritten());
    }

    void unwritableFolderFailsAndKeepsNothing()
    {
        QFile blocker(dir.filePath("file-not-folder"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QString path = dir.filePath("file-not-folder/out.mp4");
        QSignalSpy messages(CommonError::instance(), &CommonError::error);
        auto project = imageProject({red, green}, 5.0, 0);
        LibavRender render(project, threeScenes(10), BackgroundDescriptor::ofColor(backdrop), path);
        QVERIFY(!render.render());
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.at(0).at(0).toString(), "Cannot create the video " + path + ": Not a directory");
        QVERIFY(!QFile::exists(path));
        QVERIFY(noVideoBeingWritten());
    }

    void unplayableInputIsRefusedBeforeAnyFile()
    {
        QSignalSpy messages(CommonError::instance(), &CommonError::error);
        const QString path = dir.filePath("refused.mp4");
        auto empty = imageProject({}, 5.0, 0);
        QVERIFY(!LibavRender(empty, threeScenes(10), BackgroundDescriptor::ofColor(backdrop), path).render());

        auto theme = threeScenes(10);
        theme->photoScenes = {stillScene(PhotoScene, 30, {leftBox, rightBox})};
        auto one = imageProject({red}, 5.0, 0);
        QVERIFY(!LibavRender(one, theme, BackgroundDescriptor::ofColor(backdrop), path).render());

        QCOMPARE(messages.count(), 2);
        QCOMPARE(messages.at(0).at(0).toString(), QStringLiteral("The project has no slide to render"));
        QCOMPARE(messages.at(1).at(0).toString(), QStringLiteral("The theme has no photo scene for 1 slide(s)"));
        QVERIFY(!QFile::exists(path));
        QVERIFY(noVideoBeingWritten());
    }

    void missingBackgroundVideoFailsWithoutFile()
    {
        const QString path = dir.filePath("nobackground.mp4");
        auto project = imageProject({red}, 1.0, 0);
        LibavRender render(project, threeScenes(10), BackgroundDescriptor::ofFile(dir.filePath("missing-loop.mp4")), path);
        QVERIFY(!render.render());
        QVERIFY(!QFile::exists(path));
        QVERIFY(noVideoBeingWritten());
    }

    // The picture made for the output's resolution is used; without it, the base file.
    void stillBackgroundUsesItsResolutionVariant()
    {
        QTemporaryDir folder;
        const QString base = colourPicture(folder.path(), "bg.png", QColor(200, 200, 40), 64, 36);
        const QString variant = colourPicture(folder.path(), "bg-720p.png", QColor(40, 200, 200), 64, 36);
        for (const QColor expected : {QColor(40, 200, 200), QColor(200, 200, 40)}) {
            LibavRender render(imageProject({red}, 0.2, 0), threeScenes(0), BackgroundDescriptor::ofFile(base),
                               dir.filePath("variant.mp4"));
            QRgb corner = 0;
            connect(&render, &LibavRender::progress,
                    [&corner](QSharedPointer<QImage> image, double) { corner = image->pixel(2, 2); });
            QVERIFY(render.render());
            QVERIFY(qAbs(qRed(corner) - expected.red()) + qAbs(qBlue(corner) - expected.blue()) < 24);
            QFile::remove(variant);
        }
    }
};

PICTOVIA_TEST_MAIN(TestLibavRender)
#include "tst_libavrender.moc"
