// Files given on the command line (or by a file manager's "Open with") open as the user's own adds.
#include "support/MediaFixtures.h"
#include "support/SlideFixtures.h"
#include "support/TestSupport.h"

#include "app/CommonError.h"
#include "app/LaunchFiles.h"
#include "app/PresenterRegistry.h"
#include "project/ProjectPres.h"
#include "project/UndoPres.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>

class TestLaunchFiles : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString at(const QString &name) const { return dir.filePath(name); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("album/inner")));
        for (const char *name : {"a.jpg", "B.PNG", "album/2.png", "album/1.JPG"})
            QVERIFY(makeImageFile(at(QLatin1String(name))));
        QVERIFY(makeTone(at(QStringLiteral("song.m4a")), 2.0));
        for (const char *name : {"notes.txt", "album/readme.txt", "broken.mp3"}) {
            QFile file(at(QLatin1String(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("not media");
        }
        PresenterRegistry::wireProject();
    }

    void sortsLikeADrop_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("path");
        QTest::newRow("relative photo") << "a.jpg" << "images" << "a.jpg";
        QTest::newRow("camera's upper case") << "B.PNG" << "images" << "B.PNG";
        QTest::newRow("folder") << "album/" << "folders" << "album";
        QTest::newRow("file address") << QUrl::fromLocalFile(at("song.m4a")).toString() << "audio" << "song.m4a";
        QTest::newRow("dot segments") << "album/../a.jpg" << "images" << "a.jpg";
        QTest::newRow("missing") << "gone.jpg" << "missing" << "gone.jpg";
        QTest::newRow("other file") << "notes.txt" << "unsupported" << "notes.txt";
    }

    void sortsLikeADrop()
    {
        QFETCH(QString, argument);
        QFETCH(QString, kind);
        QFETCH(QString, path);
        const LaunchFiles files = LaunchFiles::sort({argument}, dir.path());
        const QMap<QString, QStringList> kinds{{"images", files.images},   {"folders", files.folders},
                                               {"audio", files.audio},     {"missing", files.missing},
                                               {"unsupported", files.unsupported}};
        for (auto it = kinds.cbegin(); it != kinds.cend(); ++it)
            QCOMPARE(it.value(), it.key() == kind ? QStringList{at(path)} : QStringList{});
    }

    void opensAsTheUserWouldAddThem()
    {
        ProjectPres *project = ProjectPres::instance();
        project->reset();
        QSignalSpy errors(CommonError::instance(), &CommonError::error);
        const LaunchFiles files = LaunchFiles::sort(
            {"song.m4a", "album", "broken.mp3", "a.jpg", "gone.jpg", "notes.txt", "B.PNG"}, dir.path());
        files.addTo(*project);

        // Photos in the given order, then the folder's by name without its other files and
        // subfolders, then the readable music.
        QStringList slides;
        for (const SlidePtr &slide : project->project()->slides)
            slides << QDir(dir.path()).relativeFilePath(slide->content);
        QCOMPARE(slides, QStringList({"a.jpg", "B.PNG", "album/1.JPG", "album/2.png"}));
        QTRY_VERIFY(!project->musicReading());
        QCOMPARE(project->project()->audioTracks.size(), 1);

        // What was not opened, and the broken track as its reader reports it when added by hand
        // (music is read on a worker thread, so its report may come at any point).
        QTRY_COMPARE(errors.size(), 3);
        QStringList messages;
        for (const QList<QVariant> &error : std::as_const(errors))
            messages << error.at(0).toString();
        QCOMPARE(messages.filter("broken.mp3").size(), 1);
        QVERIFY(messages.contains(QStringLiteral("Not found: %1").arg(at("gone.jpg"))));
        QVERIFY(messages.contains(QStringLiteral("Not a photo, music or folder Pictovia can open: %1").arg(at("notes.txt"))));

        // Each add is a step of the history, undone like one made on the screen.
        UndoPres *history = UndoPres::instance();
        history->undo();
        QCOMPARE(project->project()->audioTracks.size(), 0);
        history->undo();
        QCOMPARE(project->project()->slides.size(), 2);
        project->reset();
    }
};

PICTOVIA_TEST_MAIN(TestLaunchFiles)
#include "tst_launchfiles.moc"
