#include "support/MediaFixtures.h"
#include "support/PreviewFixtures.h"
#include "support/RenderFixtures.h"
#include "support/TestSupport.h"

#include "preview/PreviewAudio.h"
#include "preview/PreviewPlayer.h"
#include "render/LibavRender.h"
#include "render/MediaFileInfo.h"
#include "render/MediaFileReader.h"

#include <QDir>
#include <QMutexLocker>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace PreviewFixtures;
using namespace RenderFixtures;

namespace {

constexpr double frame = 1.0 / 30;

#ifdef PICTOVIA_SANITIZED
// Drawing under the sanitizers is several times slower: a shorter show at the sound card's own
// speed, so the pictures can still keep up with the sound.
constexpr int soundSlides = 4;
constexpr double soundRate = 1.0;
#else
constexpr int soundSlides = 12;
constexpr double soundRate = 4.0;
#endif

int threadCount()
{
    return int(QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
}

QImage small(const QImage &image)
{
    return image.scaled(160, 90, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

class TestPreviewPlayer : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QStringList ramps;

    QString tone(const QString &name, double seconds)
    {
        const QString path = dir.filePath(name);
        if (!QFile::exists(path) && !makeTone(path, seconds, 48000, 1))
            return {};
        return path;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        for (int i = 0; i < 3; ++i)
            ramps.append(rampPicture(dir.path(), QStringLiteral("ramp%1.png").arg(i), i * 70));
    }

    void framesMatchTheRenderScaled()
    {
        auto project = imageProject(ramps, 1.0, 0);
        auto theme = threeBoxTheme(10);
        QVector<QImage> rendered;
        LibavRender render(project, theme, BackgroundDescriptor::ofColor(backdrop), dir.filePath("reference.mp4"));
        connect(&render, &LibavRender::progress,
                [&rendered](QSharedPointer<QImage> image, double) { rendered.append(small(*image)); });
        QVERIFY(render.render());

        PreviewPlayer player;
        QList<QPair<double, QImage>> shown;
        connect(&player, &PreviewPlayer::frameShown,
                [&shown](const QImage &image, double time) { shown.append({time, small(image)}); });
        QSignalSpy ended(&player, &PreviewPlayer::ended);
        player.start(runOf(project, theme));
        QVERIFY(ended.wait(30000));
        QCOMPARE(shown.first().second.size(), QSize(160, 90));
        QVERIFY2(shown.size() >= 10, qPrintable(QString::number(shown.size())));
        for (const auto &picture : std::as_const(shown)) {
            const int index = qRound(picture.first * 30);
            QVERIFY(index >= 0 && index < rendered.size());
            const double difference = meanDifference(picture.second, rendered.at(index));
            QVERIFY2(difference < 3.0, qPrintable(QStringLiteral("frame %1 differs by %2").arg(index).arg(difference)));
        }
    }

    void seekStartsInTheSceneHoldingTheTime_data()
    {
        QTest::addColumn<double>("from");
        QTest::addColumn<int>("box");
        QTest::newRow("start") << 0.0 << 0;
        QTest::newRow("inside the second scene") << 1.4 << 1;
        QTest::newRow("late in the last scene") << 2.9 << 2;
    }

    void seekStartsInTheSceneHoldingTheTime()
    {
        QFETCH(double, from);
        QFETCH(int, box);
        auto project = imageProject(ramps, 1.0, 0);
        PreviewPlayer player;
        QSignalSpy frames(&player, &PreviewPlayer::frameShown);
        player.start(runOf(project, threeBoxTheme(0), from));
        QVERIFY(frames.wait(10000));
        player.stop();
        const double time = frames.first().at(1).toDouble();
        QVERIFY2(time >= from - 1e-6 && time <= from + frame + 1e-6, qPrintable(QString::number(time)));
        const QImage image = frames.first().at(0).value<QImage>();
        for (int i = 0; i < boxes.size(); ++i)
            QCOMPARE(shows(image, boxes.at(i)), i == box);
    }

    void stoppingFreesItsThreadsAndFrames()
    {
        const QString music = tone(QStringLiteral("stop.m4a"), 5.0);
        QVERIFY(!music.isEmpty());
        auto project = imageProject(ramps, 2.0, 0);
        project->audioTracks = {MediaFileReader::read(music)};
        PreviewRun run = runOf(project, threeBoxTheme(5));
        run.background = BackgroundDescriptor::ofFile(ramps.first());
        const int before = threadCount();

        PreviewPlayer player;
        auto log = std::make_shared<SoundLog>();
        player.setSoundDeviceFactory(acceleratedSound(1.0, log));
        QSignalSpy frames(&player, &PreviewPlayer::frameShown);
        player.start(run);
        QVERIFY(frames.wait(10000));
        QVERIFY(player.isRunning());
        // The compositor, the sound and the background source each run on a thread.
        QVERIFY(threadCount() >= before + 3);
        player.stop();
        QVERIFY(!player.isRunning());
        // A joined thread may linger in the kernel's list for a moment.
        QTRY_COMPARE(threadCount(), before);
        const int seen = frames.size();
        QTest::qWait(200);
        QCOMPARE(frames.size(), seen);
    }

    void picturesKeepToTheSoundOverAMinute()
    {
        const double length = soundSlides * 5.0;
        const QString music = tone(QStringLiteral("minute.m4a"), length + 1.0);
        QVERIFY(!music.isEmpty());
        QStringList pictures;
        for (int i = 0; i < soundSlides; ++i)
            pictures.append(ramps.at(i % ramps.size()));
        auto project = imageProject(pictures, 5.0, 0);
        project->audioTracks = {MediaFileReader::read(music)};
        QCOMPARE(project->totalDuration, length);

        // A sound card soundRate times faster than real time (a minute in fifteen seconds, normally).
        PreviewPlayer player;
        auto log = std::make_shared<SoundLog>();
        player.setClockRate(soundRate);
        player.setSoundDeviceFactory(acceleratedSound(soundRate, log));
        QSignalSpy ended(&player, &PreviewPlayer::ended);
        player.start(runOf(project, threeBoxTheme(10)));
        QVERIFY(ended.wait(120000));

        QVERIFY(player.followedSound());
        QVERIFY2(player.shownFrames() >= int(length), qPrintable(QString::number(player.shownFrames())));
        QVERIFY2(player.largestSoundGap() <= frame + 1e-3, qPrintable(QString::number(player.largestSoundGap())));
        QMutexLocker locker(&log->lock);
        QVERIFY2(qAbs(log->played - length) < 0.25, qPrintable(QString::number(log->played)));
    }

    void musicEndsWhereItsTrackEnds_data()
    {
        QTest::addColumn<QList<double>>("tracks");
        QTest::addColumn<double>("from");
        QTest::addColumn<double>("end");
        QTest::newRow("from the start") << QList<double>{12.0} << 0.0 << 12.0;
        QTest::newRow("seek into the track") << QList<double>{12.0} << 7.3 << 12.0;
        QTest::newRow("seek into the second track") << QList<double>{6.0, 6.0} << 8.0 << 12.0;
    }

    // Decoding, seeking and resampling 48 kHz mono must not move the music on the time line.
    void musicEndsWhereItsTrackEnds()
    {
        QFETCH(QList<double>, tracks);
        QFETCH(double, from);
        QFETCH(double, end);
        auto project = imageProject(ramps, 10.0, 0);
        for (double seconds : tracks)
            project->audioTracks.append(
                MediaFileReader::read(tone(QStringLiteral("track%1.m4a").arg(seconds), seconds)));
        PreviewAudio audio(project, from);
        QVector<qint16> samples(int((end + 1.0 - from) * PreviewAudio::sampleRate) * PreviewAudio::channels);
        QCOMPARE(audio.read(reinterpret_cast<char *>(samples.data()), samples.size() * 2), qint64(samples.size() * 2));
        int last = samples.size() - 1;
        while (last > 0 && samples.at(last) == 0)
            --last;
        const double lastSound = from + double(last / PreviewAudio::channels) / PreviewAudio::sampleRate;
        QVERIFY2(qAbs(lastSound - end) <= frame, qPrintable(QString::number(lastSound)));
        if (from == 0.0)
            return;
        // A seek lands inside the music: it sounds at once, without a fade-in.
        int loud = 0;
        for (int i = 0; i < PreviewAudio::sampleRate / 10; ++i)
            loud = qMax(loud, qAbs(int(samples.at(i))));
        QVERIFY2(loud > 1000, qPrintable(QString::number(loud)));
    }
};

PICTOVIA_TEST_MAIN(TestPreviewPlayer)
#include "tst_previewplayer.moc"
