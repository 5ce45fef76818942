#include "support/TestSupport.h"
#include "support/VideoProbe.h"

#include "cli/RenderCommand.h"
#include "render/VideoOutputWorker.h"
#include "theme/SceneStyle.h"
#include "theme/SceneStyleLevels.h"

#include <sys/stat.h>
#include <unistd.h>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <csignal>
#include <cstdio>

namespace {

// Runs the command in this process with its streams captured.
struct Captured
{
    int code = -1;
    QString out;
    QString err;
};

Captured runCommand(const QStringList &arguments, const QString &baseDir)
{
    Captured result;
    FILE *out = std::tmpfile();
    FILE *err = std::tmpfile();
    RenderCommand command(out, err, false, baseDir);
    result.code = command.run(arguments);
    for (auto [file, text] : {std::make_pair(out, &result.out), std::make_pair(err, &result.err)}) {
        std::fflush(file);
        std::rewind(file);
        QByteArray bytes;
        char buffer[4096];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
            bytes.append(buffer, int(n));
        *text = QString::fromLocal8Bit(bytes);
        std::fclose(file);
    }
    return result;
}

void picture(const QString &path, QColor colour)
{
    QImage image(160, 120, QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY(image.save(path));
}

} // namespace

class TestRenderCommand : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private Q_SLOTS:
    void initTestCase()
    {
        QDir(dir.path()).mkpath("photos");
        picture(dir.filePath("photos/b.png"), Qt::red);
        picture(dir.filePath("photos/A.jpg"), Qt::green);
        picture(dir.filePath("photos/c.JPG"), Qt::blue);
        QFile notes(dir.filePath("photos/notes.txt"));
        QVERIFY(notes.open(QIODevice::WriteOnly));
        picture(dir.filePath("single.png"), Qt::yellow);
    }

    void foldersAreScannedByNameInAnyLetterCase()
    {
        const QStringList found = RenderCommand::folderPictures(dir.filePath("photos"));
        QCOMPARE(found,
                 QStringList({dir.filePath("photos/A.jpg"), dir.filePath("photos/b.png"), dir.filePath("photos/c.JPG")}));
    }

    void projectFollowsTheItemsAndDurations()
    {
        RenderOptions options;
        QString error;
        QVERIFY(options.parse({"photos", "--text", "Hi", "single.png", "--duration", "2", "--quality", "0", "-o",
                               "x.mp4"},
                              &error));
        options = RenderCommand::absolutePaths(options, dir.path());
        const ProjectPtr project = RenderCommand::buildProject(options, &error);
        QVERIFY2(project, qPrintable(error));
        QCOMPARE(project->slides.size(), 5);
        QCOMPARE(project->slides[3]->type, int(TextSlideType));
        QCOMPARE(project->slides[3]->content, QStringLiteral("Hi"));
        QCOMPARE(project->slides[4]->content, dir.filePath("single.png"));
        QCOMPARE(project->usedSlidesNumber, 5);
        QCOMPARE(project->totalDuration, 10.0);
        QCOMPARE(project->output.quality, 0);

        RenderOptions missing;
        QVERIFY(missing.parse({"nowhere.jpg", "-o", "x.mp4"}, &error));
        QVERIFY(!RenderCommand::buildProject(RenderCommand::absolutePaths(missing, dir.path()), &error));
        QVERIFY(error.contains("nowhere.jpg"));
    }

    void styleLevelsFollowTheSettingsTables()
    {
        ThemeTemplate theme;
        theme.borderWidth = 0.02f;
        theme.shadow.blur = 0.07f;
        theme.textShadow.blur = 0.03f;
        RenderOptions options;
        QString error;
        QVERIFY(options.parse({"a.jpg", "--shadow", "3", "--text-shadow", "1", "-o", "x.mp4"}, &error));
        SceneStyleLevels::apply(options.styleSettings(), theme, QFont(), QColor(10, 20, 30));
        QCOMPARE(SceneStyle::instance()->borderWidth(), 0.02f);
        QCOMPARE(SceneStyle::instance()->photoShadow().blur, 0.11f);
        QCOMPARE(SceneStyle::instance()->textShadow().blur, 0.0f);
        QCOMPARE(SceneStyle::instance()->textColor(), QColor(10, 20, 30));
        QCOMPARE(SceneStyleLevels::borderWidth(4, 0.02f), 0.037f);
        QCOMPARE(SceneStyleLevels::borderWidth(1, 0.02f), 0.0f);
        QCOMPARE(SceneStyleLevels::shadowBlur(2, 0.07f), 0.055f);
    }

    void rendersAndReportsPathAndLength()
    {
        const Captured run = runCommand({"photos", "--text", "Hello", "--duration", "0.5", "--quality", "0",
                                         "--theme", "2", "--background", "#336699", "-o", "out/video.mp4"},
                                        dir.path());
        QCOMPARE(run.code, int(RenderCommand::Success));
        const QString path = dir.filePath("out/video.mp4");
        QVERIFY2(run.out.startsWith(path + "\nlength 0:02"), qPrintable(run.out));
        QVERIFY(run.err.endsWith("100%\n"));
        QCOMPARE(VideoProbe::videoFrameCount(path), 60);
    }

    void failuresExitWithTheReportedMessage()
    {
        const Captured badTheme = runCommand({"single.png", "--theme", "12", "-o", "x.mp4"}, dir.path());
        QCOMPARE(badTheme.code, int(RenderCommand::Failure));
        QVERIFY(badTheme.err.contains("--theme"));

        QFile blocker(dir.filePath("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const Captured unwritable = runCommand({"single.png", "--duration", "0.2", "--quality", "0", "-o",
                                                "blocker/x.mp4"},
                                               dir.path());
        QCOMPARE(unwritable.code, int(RenderCommand::Failure));
        QVERIFY2(unwritable.err.contains("pictovia-render: Cannot create the video " + dir.filePath("blocker/x.mp4")
                                         + ": Not a directory\n"),
                 qPrintable(unwritable.err));
        QVERIFY(unwritable.err.contains("pictovia-render: Video output process thread failed"));

        // Refused before anything is rendered.
        const Captured folder = runCommand({"single.png", "-o", "photos"}, dir.path());
        QCOMPARE(folder.code, int(RenderCommand::Failure));
        QVERIFY2(folder.err.startsWith("pictovia-render: -o names a folder: " + dir.filePath("photos")),
                 qPrintable(folder.err));
        QVERIFY(!folder.err.contains("%"));
    }

    // The video never takes the place of an input, under any name, nor of a special file; a link
    // is written through.
    void outputThatIsNotOursIsRefused_data()
    {
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("the photo itself") << "single.png" << "-o names one of the inputs: ";
        QTest::newRow("a hard link to it") << "hard.mp4" << "-o names one of the inputs: ";
        QTest::newRow("a symbolic link to it") << "soft.mp4" << "-o names one of the inputs: ";
        QTest::newRow("a named pipe") << "pipe.mp4" << "-o names something that is not a regular file: ";
    }
    void outputThatIsNotOursIsRefused()
    {
        QFETCH(QString, output);
        QFETCH(QString, refusal);
        const QByteArray photo = QFile::encodeName(dir.filePath("single.png"));
        for (const char *name : {"hard.mp4", "soft.mp4", "pipe.mp4"})
            QFile::remove(dir.filePath(name));
        QVERIFY(::link(photo.constData(), QFile::encodeName(dir.filePath("hard.mp4")).constData()) == 0);
        QVERIFY(QFile::link(dir.filePath("single.png"), dir.filePath("soft.mp4")));
        QVERIFY(::mkfifo(QFile::encodeName(dir.filePath("pipe.mp4")).constData(), 0600) == 0);
        QFile before(dir.filePath("single.png"));
        QVERIFY(before.open(QIODevice::ReadOnly));
        const QByteArray bytes = before.readAll();

        const Captured run = runCommand({"single.png", "--duration", "0.2", "--quality", "0", "-o", output}, dir.path());
        QCOMPARE(run.code, int(RenderCommand::Failure));
        QVERIFY2(run.err.startsWith("pictovia-render: " + refusal + dir.filePath(output)), qPrintable(run.err));
        QFile after(dir.filePath("single.png"));
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), bytes);
        QVERIFY(QFileInfo(dir.filePath("soft.mp4")).isSymLink());
    }

    void linkedOutputIsWrittenThrough()
    {
        QFile::remove(dir.filePath("target.mp4"));
        QFile::remove(dir.filePath("link.mp4"));
        QVERIFY(QFile::link(dir.filePath("target.mp4"), dir.filePath("link.mp4")));
        const Captured run = runCommand({"single.png", "--duration", "0.2", "--quality", "0", "-o", "link.mp4"}, dir.path());
        QCOMPARE(run.code, int(RenderCommand::Success));
        QVERIFY(QFileInfo(dir.filePath("link.mp4")).isSymLink());
        QVERIFY(QFileInfo(dir.filePath("target.mp4")).size() > 1000);
    }

    void catalogueBackgroundsAreListedAndTheDefaultIsFetched()
    {
        const Captured list = runCommand({"--list"}, dir.path());
        QCOMPARE(list.code, int(RenderCommand::Success));
        for (const char *id : {"animated00001", "standard00001", "color00000"})
            QVERIFY2(list.out.contains(id), qPrintable(list.out));

        const QString loop = AppPaths::downloadedBackgroundsDir + "00001/00001-720p.mp4";
        QFile::remove(loop);
        const Captured run = runCommand({"single.png", "--duration", "0.3", "--quality", "0", "-o", "default.mp4"},
                                        dir.path());
        QCOMPARE(run.code, int(RenderCommand::Success));
        QVERIFY2(run.err.startsWith("Downloading background animated00001"), qPrintable(run.err));
        QVERIFY(QFile::exists(loop));

        const Captured unknown = runCommand({"single.png", "--background", "animated99999", "-o", "x.mp4"}, dir.path());
        QCOMPARE(unknown.code, int(RenderCommand::Failure));
        QVERIFY(unknown.err.contains("No such background: "));
    }

    void leftOutSlidesAreCountedWithAdvice()
    {
        auto project = ProjectPtr::create();
        project->setSlides(QVector<SlidePtr>(10, SlidePtr::create()));
        project->setAudioTracks({MediaFileInfoPtr::create(20.0f, QString(), QString(), QString(), "a.mp3")});
        QCOMPARE(RenderCommand::leftOutWarning(*project),
                 QStringLiteral("warning: the music (0:20) has room for 6 of the 10 slides (slides that follow the "
                                "music last at least 3 s each); the last 4 are left out. To keep them all, add more "
                                "music or give --duration 2 or less."));
        project->setSlideDuration(5.0);
        project->setDurationFixed(true);
        QVERIFY(RenderCommand::leftOutWarning(*project).contains("room for 4 of the 10 slides (at --duration 5 s each)"));
        project->setSlides(QVector<SlidePtr>(4, SlidePtr::create()));
        QCOMPARE(RenderCommand::leftOutWarning(*project), QString());
    }

    // Ctrl-C, a closed terminal and a shutdown all stop the render and leave nothing.
    void interruptStopsAndLeavesNoFile()
    {
        for (const int signal : {SIGINT, SIGHUP, SIGTERM}) {
            QProcess process;
            process.setWorkingDirectory(dir.path());
            const QString output = dir.filePath("interrupted.mp4");
            process.start(QCoreApplication::applicationDirPath() + "/pictovia-render",
                          {"single.png", "photos", "--duration", "20", "--quality", "0", "-o", output});
            QVERIFY(process.waitForStarted());
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(VideoOutputWorker::partialPath(output)), 20000);
            ::kill(pid_t(process.processId()), signal);
            QVERIFY(process.waitForFinished(30000));
            QCOMPARE(process.exitStatus(), QProcess::NormalExit);
            QCOMPARE(process.exitCode(), int(RenderCommand::Stopped));
            QVERIFY(!QFile::exists(output));
            QVERIFY(!QFile::exists(VideoOutputWorker::partialPath(output)));
            // No stray message from a report or event loop outliving the application.
            QVERIFY(!process.readAllStandardError().contains("QEventLoop"));
        }

        // The failed music read is reported, and its report thread ends before the program.
        QProcess music;
        music.setWorkingDirectory(dir.path());
        music.start(QCoreApplication::applicationDirPath() + "/pictovia-render",
                    {"single.png", "--music", "photos/notes.txt", "-o", "music.mp4"});
        QVERIFY(music.waitForFinished(30000));
        QCOMPARE(music.exitCode(), int(RenderCommand::Failure));
        const QByteArray musicErrors = music.readAllStandardError();
        QVERIFY2(musicErrors.contains("Cannot read the music file") && !musicErrors.contains("QEventLoop"),
                 musicErrors.constData());

        QProcess help;
        help.start(QCoreApplication::applicationDirPath() + "/pictovia-render", {"--help"});
        QVERIFY(help.waitForFinished(30000));
        QCOMPARE(help.exitCode(), 0);
        QVERIFY(help.readAllStandardOutput().contains("--background"));
    }
};

PICTOVIA_TEST_MAIN(TestRenderCommand)
#include "tst_rendercommand.moc"
