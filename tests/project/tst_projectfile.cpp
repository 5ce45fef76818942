#include "support/MediaFixtures.h"
#include "support/SlideFixtures.h"
#include "support/TestSupport.h"

#include "project/AtomicFile.h"
#include "project/ProjectFile.h"
#include "render/MediaFileReader.h"

#include <QDir>
#include <QTemporaryDir>

namespace {

QString readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QStringLiteral("<unreadable>");
}

void writeText(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

SlidePtr slide(int type, const QString &content, int durationType = CommonDuration, double duration = 0.0,
               int rotation = 0)
{
    return SlidePtr(new Slide{type, durationType, duration, content, rotation});
}

} // namespace

class TestProjectFile : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString tone1;
    QString tone2;

    QString path(const QString &name) const { return dir.filePath(name); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        tone1 = path("tone one.wav");
        tone2 = path("тон.wav");
        QVERIFY(makeTone(tone1, 2.0));
        QVERIFY(makeTone(tone2, 3.0));
    }

    void writesOneLineDocumentsInAttributeOrder()
    {
        auto project = ProjectPtr::create();
        project->setOutputSettings(2, "/videos");
        project->setSlideDuration(2.5);
        project->setDurationFixed(true);
        project->setAudioTracks({MediaFileInfoPtr::create(2.0f, "", "", "", "/m 1.mp3")});
        project->setSlides({slide(ImageSlideType, "/p q/фото.jpg", CommonDuration, 0.0, -1),
                            slide(TextSlideType, "Hi & <bye>", OwnDuration, 1.0)});
        QVERIFY(writeProjectFile(path("fixed.xml"), project));
        QCOMPARE(readAll(path("fixed.xml")),
                 QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?><project slide-duration-fixed=\"1\" "
                                "slide-duration=\"2.5\" quality=\"2\" save-dir=\"/videos\"><audios><audio path=\"/m "
                                "1.mp3\"/></audios><slides><slide type=\"1\" duration-type=\"1\" duration=\"0\" "
                                "rotation=\"-1\" path=\"/p q/фото.jpg\"/><slide type=\"2\" duration-type=\"2\" "
                                "duration=\"1\" text=\"Hi &amp; &lt;bye&gt;\"/></slides></project>\n"));

        project->setDurationFixed(false);
        project->setSlideDuration(1234567);
        QVERIFY(writeProjectFile(path("auto.xml"), project));
        QVERIFY(readAll(path("auto.xml")).contains("<project slide-duration=\"1.23457e+06\" quality"));
        QCOMPARE(readProjectFile(path("auto.xml"))->isDurationFixed, false);

        auto style = StyleSettingsPtr::create();
        QVERIFY(writeStyleFile(path("style.xml"), style));
        QCOMPARE(readAll(path("style.xml")),
                 QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?><project border-size=\"0\" img-shadow-blur=\"0\" "
                                "text-shadow-blur=\"0\" tmpl-id=\"1\" bg-id=\"animated00001\" font-family=\"\" "
                                "font-weight=\"50\"/>\n"));
        const StyleSettingsPtr back = readStyleFile(path("style.xml"));
        QVERIFY(!back->hasOwnBorderColor && !back->hasOwnFontColor);
        QCOMPARE(back->borderColor, QColor(255, 255, 255));

        QVERIFY(writeProjectInfo(path("info.xml"), ProjectInfo{"08 Dec 2026 - 11:30", tone1, 12}));
        QCOMPARE(readAll(path("info.xml")),
                 QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?><project><name>08 Dec 2026 - 11:30</name>"
                                "<audio>%1</audio><slidesnumber>12</slidesnumber></project>\n").arg(tone1));
        const ProjectInfo info = readProjectInfo(path("info.xml"));
        QCOMPARE(info.name, QStringLiteral("08 Dec 2026 - 11:30"));
        QCOMPARE(info.audio, tone1);
        QCOMPARE(info.slidesCount, 12);
    }

    void roundTripKeepsEverySlideKindAndTrack_data()
    {
        QTest::addColumn<bool>("fixed");
        QTest::newRow("fixed durations") << true;
        QTest::newRow("automatic durations") << false;
    }
    void roundTripKeepsEverySlideKindAndTrack()
    {
        QFETCH(bool, fixed);
        auto project = ProjectPtr::create();
        project->setOutputSettings(0, dir.path() + "/Видео out");
        project->setAudioTracks({MediaFileReader::read(tone1), MediaFileReader::read(tone2)});
        project->setSlides({slide(ImageSlideType, path("a photo.jpg"), CommonDuration, 0.0, 3),
                            slide(TextSlideType, "Summer \"2026\"\nline two", OwnDuration, 2.5),
                            slide(ImageSlideType, path("写真.png"), OwnDuration, 1.0, -2),
                            slide(TextSlideType, "")});
        project->setSlideDuration(7);
        project->setDurationFixed(fixed);
        QVERIFY(writeProjectFile(path("round.xml"), project));
        // Every field is written, so a second write of what was read matches only when nothing was lost.

        QVERIFY(writeProjectFile(path("round-2.xml"), readProjectFile(path("round.xml"))));
        QCOMPARE(readAll(path("round-2.xml")), readAll(path("round.xml")));
        const ProjectPtr back = readProjectFile(path("round.xml"));
        QCOMPARE(back->audioTracks.size(), 2);
        QCOMPARE(back->totalDuration, project->totalDuration);
        QCOMPARE(back->usedSlidesNumber, project->usedSlidesNumber);

        auto style = StyleSettingsPtr::create();
        *style = StyleSettings{3, 4, 1, true, QColor(1, 2, 3), true, QColor(200, 100, 0), 75, 6, "color00003", "Noto Serif"};
        QVERIFY(writeStyleFile(path("style-1.xml"), style));
        QVERIFY(writeStyleFile(path("style-2.xml"), readStyleFile(path("style-1.xml"))));
        QCOMPARE(readAll(path("style-2.xml")), readAll(path("style-1.xml")));
        QVERIFY(readAll(path("style-1.xml")).contains("border-color=\"1,2,3\" font-color=\"200,100,0\""));
    }

    // Beats come back for the file as it was tracked, and are listened for again once it changed;
    // a file from before beats reads with the option off and no beats.
    void beatsAreKeptForTheFileAsItIs()
    {
        const QString song = path("beat song.wav");
        QVERIFY(makeTone(song, 6.0));
        auto project = ProjectPtr::create();
        const MediaFileInfoPtr track = MediaFileReader::read(song);
        BeatGrid grid;
        grid.beats = {0.5, 1.0, 1.5, 2.0};
        grid.tempo = 120;
        grid.source = BeatGrid::sourceOf(song);
        track->setBeatGrid(grid);
        project->setAudioTracks({track});
        project->setBeatSync(true);
        QVERIFY(writeProjectFile(path("beats.xml"), project));
        const ProjectPtr back = readProjectFile(path("beats.xml"));
        QVERIFY(back->beatSync);
        QCOMPARE(back->audioTracks.first()->beatGrid(), grid);

        QVERIFY(writeProjectFile(path("no-beats.xml"), ProjectPtr::create()));
        QVERIFY(!readAll(path("no-beats.xml")).contains("beat"));
        QVERIFY(!readProjectFile(path("no-beats.xml"))->beatSync);

        QTest::qWait(20);
        QVERIFY(makeTone(song, 7.0));
        QVERIFY(!readProjectFile(path("beats.xml"))->audioTracks.first()->beatGrid().isTracked());
    }

    // Damaged and foreign files read what they can and take the defaults for the rest.
    void readingRules_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<bool>("fixed");
        QTest::addColumn<double>("duration");
        QTest::addColumn<int>("quality");
        QTest::addColumn<int>("tracks");
        QTest::addColumn<QString>("slides");

        const QByteArray head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";
        const QByteArray image = "<slide type=\"1\" duration-type=\"2\" duration=\"3\" rotation=\"1\" path=\"/a.jpg\"/>";
        QTest::newRow("no file") << QByteArray() << false << 5.0 << 1 << 0 << "";
        QTest::newRow("empty file") << QByteArray("") << false << 5.0 << 1 << 0 << "";
        QTest::newRow("binary") << QByteArray("\x00\xff\xfe<\x01\x02", 6) << false << 5.0 << 1 << 0 << "";
        QTest::newRow("no slide-duration") << head + "<project slide-duration-fixed=\"0\"><slides/></project>" << true
                                           << 4.0 << 0 << 0 << "";
        QTest::newRow("type 3 skipped") << head + "<project slide-duration=\"6\"><slides><slide type=\"3\"/>" + image
                                                + "<slide type=\"2\" text=\"t\"/></slides></project>"
                                        << false << 6.0 << 0 << 0 << "1:2:3:1:/a.jpg|2:1:0:0:t";
        QTest::newRow("after slides ignored")
            << head + "<project><slides>" + image + "</slides><audios><audio path=\"TONE\"/></audios><slides/></project>"
            << false << 4.0 << 0 << 0 << "1:2:3:1:/a.jpg";
        QTest::newRow("tracks, one vanished")
            << head + "<project quality=\"2\"><audios><audio path=\"/gone.mp3\"/><audio path=\"TONE\"/></audios></project>"
            << false << 4.0 << 2 << 1 << "";
        QTest::newRow("truncated in slides") << head + "<project slide-duration=\"9\"><slides>" + image + "<slide ty"
                                             << false << 9.0 << 0 << 0 << "1:2:3:1:/a.jpg";
        QTest::newRow("wrong types") << head + "<project slide-duration=\"abc\" quality=\"x\"><slides><slide type=\"1\" "
                                                "duration-type=\"?\" duration=\"nan\" rotation=\"r\" path=\"/b.jpg\"/>"
                                                "</slides></project>"
                                     << false << 4.0 << 0 << 0 << "1:1:0:0:/b.jpg";
        // Beyond what the duration boxes allow: taken as their longest, or the render would run for ever.
        QTest::newRow("absurd durations") << head + "<project slide-duration-fixed=\"1\" slide-duration=\"1e300\"><slides>"
                                                    "<slide type=\"1\" duration-type=\"2\" duration=\"9e15\" path=\"/c.jpg\"/>"
                                                    "<slide type=\"2\" duration-type=\"7\" duration=\"3\" text=\"t\"/>"
                                                    "</slides></project>"
                                          << true << 6000.0 << 0 << 0 << "1:2:6000:0:/c.jpg|2:1:3:0:t";
    }
    void readingRules()
    {
        QFETCH(QByteArray, xml);
        const QString file = path("rules.xml");
        QFile::remove(file);
        if (!xml.isNull())
            writeText(file, xml.replace("TONE", tone1.toUtf8()));
        const ProjectPtr project = readProjectFile(file);
        QTEST(project->isDurationFixed, "fixed");
        QTEST(project->slideDuration, "duration");
        QTEST(project->output.quality, "quality");
        QTEST(int(project->audioTracks.size()), "tracks");
        QTEST(describeSlides(project->slides), "slides");
        // Music left out is named, so the user hears of it.
        QCOMPARE(project->missingMusic, xml.contains("/gone.mp3") ? QStringList{"/gone.mp3"} : QStringList());
    }

    // A damaged file is told from a whole one, with where the damage is; a file not there is none.
    void damageIsNamed_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QString>("damage");
        const QByteArray head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";
        QTest::newRow("whole") << head + "<project><audios/><slides><slide type=\"2\" text=\"t\"/></slides></project>"
                               << "";
        QTest::newRow("no file") << QByteArray() << "";
        QTest::newRow("empty") << QByteArray("") << "line 1: Premature end of document.";
        QTest::newRow("cut short") << head + "\n<project><slides><slide type=\"2\" text=\"t\"/><sl" << "line 2: Premature end of document.";
        QTest::newRow("garbage") << QByteArray("PK\x03\x04 not xml at all") << "line 1: Start tag expected.";
        QTest::newRow("another document") << head + "<html><body/></html>" << "it is not a project file";
    }
    void damageIsNamed()
    {
        QFETCH(QByteArray, xml);
        const QString file = path("damage.xml");
        QFile::remove(file);
        if (!xml.isNull())
            writeText(file, xml);
        QString damage = "unset";
        readProjectFile(file, &damage);
        QTEST(damage, "damage");
        QCOMPARE(projectFileLooksWhole(file), !xml.isNull() && damage.isEmpty());
    }

    void damagedCopiesAreKeptOnce()
    {
        const QString file = path("kept-prj.xml");
        writeText(file, "<project><sli");
        const QString copy = keepDamagedCopy(file);
        QCOMPARE(copy, file + ".damaged");
        QCOMPARE(keepDamagedCopy(file), copy); // the same damage is not copied twice
        writeText(file, "<project><other");
        QCOMPARE(keepDamagedCopy(file), file + ".damaged.2");
        QCOMPARE(readAll(copy), QStringLiteral("<project><sli"));
        QString error;
        QCOMPARE(keepDamagedCopy(path("absent.xml"), &error), QString());
        QVERIFY(!error.isEmpty());
    }

    void styleReadingRules()
    {
        writeText(path("colours.xml"), "<project border-color=\"10,20,30,40\" tmpl-id=\"x\" font-weight=\"900\" bg-id=\"\"/>");
        const StyleSettingsPtr style = readStyleFile(path("colours.xml"));
        QVERIFY(style->hasOwnBorderColor);
        QCOMPARE(style->borderColor, QColor(10, 20, 30, 255));
        QVERIFY(!style->hasOwnFontColor);
        QCOMPARE(style->themeId, 1);
        QCOMPARE(style->fontWeight, 99);
        QCOMPARE(style->bgId, QString());

        writeText(path("half.xml"), "<project border-size=\"2\" img-shadow-blur=\"3\"><proj");
        QCOMPARE(readStyleFile(path("half.xml"))->imgShadowBlur, 3);
        QCOMPARE(readStyleFile(path("missing.xml"))->bgId, QStringLiteral("animated00001"));
        writeText(path("info-bad.xml"), "<project><name>n</name><slidesnumber>many</slidesnumber><audio>a");
        QCOMPARE(readProjectInfo(path("info-bad.xml")).slidesCount, 0);
        QCOMPARE(readProjectInfo(path("info-bad.xml")).name, QStringLiteral("n"));
    }

    void thousandsOfSlidesRoundTrip()
    {
        QVector<SlidePtr> slides;
        for (int n = 0; n < 5000; ++n)
            slides.append(slide(n % 3 ? ImageSlideType : TextSlideType, QStringLiteral("/photos/%1.jpg").arg(n)));
        auto project = ProjectPtr::create();
        project->setSlides(slides);
        QVERIFY(writeProjectFile(path("many.xml"), project));
        QCOMPARE(describeSlides(readProjectFile(path("many.xml"))->slides), describeSlides(slides));
    }

    // A save stopped after the temporary file but before the rename keeps the old file whole.
    void interruptedWriteLeavesPreviousFile()
    {
        const QString file = path("keep/prj.xml");
        QVERIFY(QDir().mkpath(path("keep")));
        auto project = ProjectPtr::create();
        project->setSlides({slide(TextSlideType, "first")});
        QVERIFY(writeProjectFile(file, project));
        const QString before = readAll(file);

        bool sawOldFile = false;
        QString error;
        QVERIFY(!writeFileAtomically(
            file,
            [&](QIODevice &device) {
                device.write("<?xml version=\"1.0\"?><project><slides><slide type=\"2\" text=\"sec");
                sawOldFile = readAll(file) == before;
                return false; // killed here
            },
            &error));
        QVERIFY(sawOldFile);
        QCOMPARE(readAll(file), before);
        QCOMPARE(QDir(path("keep")).entryList(QDir::Files), QStringList{"prj.xml"});

        QVERIFY(QDir().mkpath(path("blocked/prj.xml")));
        QVERIFY(!writeProjectFile(path("blocked/prj.xml"), project, &error));
        QVERIFY(!error.isEmpty());
    }
};

PICTOVIA_TEST_MAIN(TestProjectFile)
#include "tst_projectfile.moc"
