#include "support/TestSupport.h"

#include "project/Project.h"
#include "project/ProjectTexts.h"

#include <QDir>

// A slide entry below 0 has the common duration; any other value is its own duration.
static constexpr double common = -1.0;

class TestProjectDurations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void durations_data();
    void durations();
    void recomputeFollowsEverySetter();
    void outputDefaults();
};

static QVector<SlidePtr> makeSlides(const QVector<double> &durations)
{
    QVector<SlidePtr> slides;
    for (double entry : durations) {
        SlidePtr slide(new Slide);
        slide->content = QStringLiteral("/photos/%1.jpg").arg(slides.size());
        if (entry >= 0) {
            slide->durationType = OwnDuration;
            slide->duration = entry;
        }
        slides.append(slide);
    }
    return slides;
}

static QList<MediaFileInfoPtr> makeTracks(const QVector<double> &lengths)
{
    QList<MediaFileInfoPtr> tracks;
    for (double length : lengths) {
        const QString title = QStringLiteral("Track %1").arg(tracks.size() + 1);
        tracks.append(MediaFileInfoPtr::create(float(length), QString(), title, QString(), QStringLiteral("/m/a.mp3")));
    }
    return tracks;
}

void TestProjectDurations::durations_data()
{
    QTest::addColumn<bool>("fixed");
    QTest::addColumn<double>("fixedDuration");
    QTest::addColumn<QVector<double>>("music");
    QTest::addColumn<QVector<double>>("slides");
    QTest::addColumn<double>("effective");
    QTest::addColumn<double>("total");
    QTest::addColumn<int>("used");
    QTest::addColumn<QString>("timelineText");
    QTest::addColumn<int>("timelineValue");
    QTest::addColumn<QString>("audioText");

    const QVector<double> none;
    const QVector<double> c3{common, common, common};
    const QVector<double> c4{common, common, common, common};
    QTest::newRow("empty project") << false << 5.0 << none << none << 5.0 << 0.0 << 0 << "0:00 " << 100 << "";
    QTest::newRow("no music") << false << 5.0 << none << c3 << 5.0 << 15.0 << 3 << "0:15 " << 100 << "";
    QTest::newRow("automatic with own slide") << false << 5.0 << QVector<double>{60} << (QVector<double>(c4) << 10.0) << 12.5 << 60.0
                                              << 5 << "1:00 " << 100 << "Track 1 - 1:00";
    QTest::newRow("music too short") << false << 5.0 << QVector<double>{20} << QVector<double>(10, common) << 3.0
                                     << 18.0 << 6 << "0:18 " << 90 << "Track 1 - 0:20";
    QTest::newRow("own slides only") << false << 5.0 << QVector<double>{30} << QVector<double>{10, 15} << 4.0 << 25.0
                                     << 2 << "0:25 " << 83 << "Track 1 - 0:30";
    QTest::newRow("own slides beyond music") << false << 5.0 << QVector<double>{30} << QVector<double>{20, 15, 5}
                                             << 3.0 << 20.0 << 1 << "0:20 " << 66 << "Track 1 - 0:30";
    // 3 + 0.1 exceeds the float 3.1 only in double precision: the comparison is made in float.
    QTest::newRow("single precision comparison")
        << false << 5.0 << QVector<double>{3.1} << QVector<double>{common, 0.1} << double(float(3.1)) - 0.1
        << double(float(3.1)) << 2 << "0:03 " << 100 << "Track 1 - 0:03";
    QTest::newRow("fixed fits music") << true << 5.0 << QVector<double>{60} << c4 << 5.0 << 20.0 << 4 << "0:20 "
                                      << 33 << "Track 1 - 1:00";
    QTest::newRow("fixed with music") << true << 5.0 << QVector<double>{12} << c4 << 5.0 << 10.0 << 2 << "0:10 "
                                      << 83 << "Track 1 - 0:12";
    QTest::newRow("fixed, music shorter than one slide")
        << true << 5.0 << QVector<double>{3} << c4 << 5.0 << 5.0 << 1 << "0:05 " << 166 << "Track 1 - 0:03";
    QTest::newRow("fixed, own slide first") << true << 5.0 << QVector<double>{12} << QVector<double>{20} + c3 << 5.0
                                            << 20.0 << 1 << "0:20 " << 166 << "Track 1 - 0:12";
    QTest::newRow("fixed, no music") << true << 7.0 << none << (QVector<double>(c3) << 2.0) << 7.0 << 23.0 << 4 << "0:23 " << 100
                                     << "";
    QTest::newRow("fixed zero counts as one second")
        << true << 0.0 << QVector<double>{2.5} << c4 << 1.0 << 2.0 << 2 << "0:02 " << 80 << "Track 1 - 0:02";
    QTest::newRow("fixed negative counts as one second")
        << true << -4.0 << none << c3 << 1.0 << 3.0 << 3 << "0:03 " << 100 << "";
    QTest::newRow("two tracks") << false << 5.0 << QVector<double>{90, 45} << QVector<double>(27, common) << 5.0
                                << 135.0 << 27 << "2:15 " << 100 << "2 Audio Files - 2:15";
    QTest::newRow("timeline rounds 59.995 up") << false << 5.0 << none << QVector<double>{59.995} << 5.0 << 59.995
                                               << 1 << "1:00 " << 100 << "";
    QTest::newRow("timeline below an hour") << false << 5.0 << none << QVector<double>{3599} << 5.0 << 3599.0 << 1
                                            << "59:59 " << 100 << "";
    QTest::newRow("timeline from an hour") << false << 5.0 << none << QVector<double>{3600} << 5.0 << 3600.0 << 1
                                           << "1:00:00 " << 100 << "";
    QTest::newRow("timeline beyond a day") << false << 5.0 << none << QVector<double>(16, 6000) << 5.0 << 96000.0
                                           << 16 << "26:40:00 " << 100 << "";
}

void TestProjectDurations::durations()
{
    QFETCH(bool, fixed);
    QFETCH(double, fixedDuration);
    QFETCH(QVector<double>, music);
    QFETCH(QVector<double>, slides);

    Project project;
    project.setDurationFixed(fixed);
    project.setSlideDuration(fixedDuration);
    project.setSlides(makeSlides(slides));
    const QList<MediaFileInfoPtr> tracks = makeTracks(music);
    project.setAudioTracks(tracks);
    double audioTotal = 0;
    for (const MediaFileInfoPtr &track : tracks)
        audioTotal += track->duration();

    QTEST(project.effectiveSlideDuration, "effective");
    QTEST(project.totalDuration, "total");
    QTEST(project.usedSlidesNumber, "used");
    QTEST(ProjectTexts::timelineText(project.totalDuration), "timelineText");
    QTEST(ProjectTexts::timelineValue(project.totalDuration, audioTotal), "timelineValue");
    QTEST(ProjectTexts::audioTracksText(tracks, audioTotal), "audioText");
}

void TestProjectDurations::recomputeFollowsEverySetter()
{
    Project project;
    project.setSlides(makeSlides({common, common, common, common}));
    QCOMPARE(project.totalDuration, 20.0);
    project.setAudioTracks(makeTracks({12}));
    QCOMPARE(project.effectiveSlideDuration, 3.0);
    QCOMPARE(project.usedSlidesNumber, 4);
    project.setDurationFixed(true);
    QCOMPARE(project.usedSlidesNumber, 2);
    project.setSlideDuration(4);
    QCOMPARE(project.usedSlidesNumber, 3);
    QCOMPARE(project.totalDuration, 12.0);

    project.setOutputSettings(2, QStringLiteral("/videos"));
    QCOMPARE(project.output.quality, 2);
    QCOMPARE(project.output.saveDir, QStringLiteral("/videos"));
    QCOMPARE(project.totalDuration, 12.0);
}

void TestProjectDurations::outputDefaults()
{
    const Project project;
    QCOMPARE(project.output.quality, 1);
    const QString suffix = QDir::separator() + QStringLiteral("Pictovia");
    QVERIFY(project.output.saveDir.endsWith(suffix));
    QVERIFY(project.output.saveDir.size() > suffix.size());
    QCOMPARE(project.output.saveDir, QDir::toNativeSeparators(project.output.saveDir));
}

PICTOVIA_TEST_MAIN(TestProjectDurations)
#include "tst_projectdurations.moc"
