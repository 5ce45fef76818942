#include "support/TestSupport.h"
#include "support/VideoProbe.h"

#include "cli/RawFileNames.h"
#include "cli/RenderCommand.h"
#include "project/ProjectFile.h"
#include "theme/SceneStyle.h"
#include "theme/SceneStyleLevels.h"

#include <sys/stat.h>
#include <unistd.h>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <thread>

namespace {

// Runs the command in this process with its streams captured.
struct Captured
{
    int code = -1;
    QString out;
    QString err;
};

// What a stream written by the command holds; closes it.
QString drained(FILE *file)
{
    std::fflush(file);
    std::rewind(file);
    QByteArray bytes;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, int(n));
    std::fclose(file);
    return QString::fromLocal8Bit(bytes);
}

// Another program's file, written at takenPath as soon as the render shows progress.
const QByteArray takerContent("another program's file");

Captured runCommand(const QStringList &arguments, const QString &baseDir, const QString &takenPath = QString())
{
    Captured result;
    FILE *out = std::tmpfile();
    FILE *err = std::tmpfile();
    std::atomic<bool> over{false};
    std::thread taker([&] {
        struct stat written = {};
        // A few percent in: the video's own file was made long before, and the name is still free.
        while (!takenPath.isEmpty() && !over && (::fstat(fileno(err), &written) != 0 || written.st_size < 20))
            QThread::msleep(1);
        QFile file(takenPath);
        if (!takenPath.isEmpty() && !over && file.open(QIODevice::NewOnly))
            file.write(takerContent);
    });
    RenderCommand command(out, err, false, baseDir);
    result.code = command.run(arguments);
    over = true;
    taker.join();
    result.out = drained(out);
    result.err = drained(err);
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

        // Refused before anything is rendered.
        const Captured folder = runCommand({"single.png", "-o", "photos"}, dir.path());
        QCOMPARE(folder.code, int(RenderCommand::Failure));
        QVERIFY2(folder.err.startsWith("pictovia-render: -o names a folder: " + dir.filePath("photos")),
                 qPrintable(folder.err));
        QVERIFY(!folder.err.contains("%"));
    }

    // Where -o may write, and the name the video lands under: never in place of an input or a
    // special file, any legal name, the real reason before rendering when it cannot, and the
    // next number when another file takes the name during the render.
    void outputPaths_data()
    {
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("taken"); // a file written there once the render is under way
        QTest::addColumn<QString>("written"); // where the video lands; empty when refused
        QTest::addColumn<QString>("refusal");
        const QString longest = QString(251, 'l') + ".mp4"; // 255 bytes, the most a name may have
        QTest::newRow("the photo itself") << "single.png" << "" << "" << "-o names one of the inputs: %1";
        QTest::newRow("a hard link to it") << "hard.mp4" << "" << "" << "-o names one of the inputs: %1";
        QTest::newRow("a symbolic link to it") << "soft.mp4" << "" << "" << "-o names one of the inputs: %1";
        QTest::newRow("a named pipe") << "pipe.mp4" << "" << "" << "-o names something that is not a regular file: %1";
        QTest::newRow("below a file") << "blocker/x.mp4" << "" << "" << "Cannot create the video %1: Not a directory";
        QTest::newRow("a name too long") << "fresh/l" + longest << "" << ""
                                         << "Cannot create the video %1: File name too long";
        // /proc answers a new name with "no such file", which is not the reason.
        QTest::newRow("a system folder") << "/proc/x.mp4" << "" << ""
                                         << (::geteuid() == 0 ? "Cannot create the video %1: Operation not supported"
                                                              : "Cannot create the video %1: Permission denied");
        QTest::newRow("the longest name") << "fresh/" + longest << "" << "fresh/" + longest << "";
        QTest::newRow("taken during the render") << "fresh/taken.mp4" << "fresh/taken.mp4" << "fresh/taken (2).mp4" << "";
        QTest::newRow("the longest name, taken") << "fresh/" + longest << "fresh/" + longest
                                                 << "fresh/" + QString(247, 'l') + " (2).mp4" << "";
    }
    void outputPaths()
    {
        QFETCH(QString, output);
        QFETCH(QString, taken);
        QFETCH(QString, written);
        QFETCH(QString, refusal);
        const QByteArray photo = QFile::encodeName(dir.filePath("single.png"));
        for (const char *name : {"hard.mp4", "soft.mp4", "pipe.mp4", "blocker"})
            QFile::remove(dir.filePath(name));
        QVERIFY(::link(photo.constData(), QFile::encodeName(dir.filePath("hard.mp4")).constData()) == 0);
        QVERIFY(QFile::link(dir.filePath("single.png"), dir.filePath("soft.mp4")));
        QVERIFY(::mkfifo(QFile::encodeName(dir.filePath("pipe.mp4")).constData(), 0600) == 0);
        QFile blocker(dir.filePath("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QDir fresh(dir.filePath("fresh"));
        QVERIFY(fresh.removeRecursively() && fresh.mkpath("."));
        QFile before(dir.filePath("single.png"));
        QVERIFY(before.open(QIODevice::ReadOnly));
        const QByteArray bytes = before.readAll();

        // A name taken during the render wants a render long enough for the taker to come first,
        // however loaded the machine.
        const int seconds = taken.isEmpty() ? 1 : 4;
        const Captured run = runCommand({"single.png", "--duration", QString::number(seconds), "--quality", "0",
                                         "--background", "#336699", "-o", output},
                                        dir.path(), taken.isEmpty() ? QString() : dir.filePath(taken));
        if (written.isEmpty()) {
            QCOMPARE(run.code, int(RenderCommand::Failure));
            const QString shown = QFileInfo(output).isAbsolute() ? output : dir.filePath(output);
            QVERIFY2(run.err.startsWith("pictovia-render: " + refusal.arg(shown)), qPrintable(run.err));
            QVERIFY(!run.err.contains("%\n")); // refused before rendering
        } else {
            QCOMPARE(run.code, int(RenderCommand::Success));
            QVERIFY2(run.out.startsWith(dir.filePath(written) + "\nlength "), qPrintable(run.out));
            QCOMPARE(VideoProbe::videoFrameCount(dir.filePath(written)), 30 * seconds);
        }
        if (!taken.isEmpty()) {
            QFile other(dir.filePath(taken));
            QVERIFY(other.open(QIODevice::ReadOnly));
            QCOMPARE(other.readAll(), takerContent);
        }
        // Nothing else is left beside the video, hidden or not.
        QCOMPARE(fresh.entryList(QDir::Files | QDir::Hidden | QDir::System).size(),
                 int(!written.isEmpty()) + int(!taken.isEmpty()));
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
            const QStringList before = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
            QByteArray progress;
            QTRY_VERIFY_WITH_TIMEOUT((progress += process.readAllStandardError()).contains("%\n"), 20000);
            ::kill(pid_t(process.processId()), signal);
            QVERIFY(process.waitForFinished(30000));
            QCOMPARE(process.exitStatus(), QProcess::NormalExit);
            QCOMPARE(process.exitCode(), int(RenderCommand::Stopped));
            QVERIFY(!QFile::exists(output));
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System), before);
            // No stray message from a report or event loop outliving the application.
            QVERIFY(!(progress + process.readAllStandardError()).contains("QEventLoop"));
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

    // A reader that goes away ("| head -c 1") leaves the render to finish its video.
    void closedPipeLetsTheRenderFinish()
    {
        const QString output = dir.filePath("piped.mp4");
        const QString status = dir.filePath("piped.status");
        const QString script = QStringLiteral("cd \"$1\" && { \"$0\" single.png --duration 1 --quality 0 --background '#336699' "
                                              "-o piped.mp4 2>&1; echo $? > piped.status; } | head -c 1 > /dev/null");
        QCOMPARE(QProcess::execute("sh", {"-c", script, QCoreApplication::applicationDirPath() + "/pictovia-render",
                                           dir.path()}),
                 0);
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(status).size() > 0, 60000);
        QFile code(status);
        QVERIFY(code.open(QIODevice::ReadOnly));
        QCOMPARE(code.readAll().trimmed(), QByteArray("0"));
        QCOMPARE(VideoProbe::videoFrameCount(output), 30);
    }

    // Names that are not UTF-8 reach their files, given after "--" or found in a folder, in the
    // folder's name order; a project, which cannot keep them, leaves them out and says so.
    void namesThatAreNotUtf8AreListedAndOpened()
    {
        const QByteArray folder = QFile::encodeName(dir.filePath("raw"));
        QVERIFY(QDir().mkpath(dir.filePath("raw")));
        const QByteArray odd = folder + "/b\xe9.png";
        const QByteArray dashed = QFile::encodeName(dir.path()) + "/-x\xe9.png";
        // Qt cannot list these names, so the temporary folder could not remove them.
        struct Unlinked
        {
            QList<QByteArray> names;
            ~Unlinked()
            {
                for (const QByteArray &name : std::as_const(names))
                    ::unlink(name.constData());
            }
        } cleanup{{odd, dashed}};
        QVERIFY(QFile::copy(dir.filePath("single.png"), dir.filePath("raw/a.png")));
        QVERIFY(QFile::copy(dir.filePath("single.png"), dir.filePath("raw/c.png")));
        QVERIFY(QFile::copy(dir.filePath("photos/b.png"), dir.filePath("raw/plain")));
        QVERIFY(::rename(QFile::encodeName(dir.filePath("raw/plain")).constData(), odd.constData()) == 0);

        const QStringList found = RenderCommand::folderPictures(dir.filePath("raw"));
        QCOMPARE(found.size(), 3);
        QCOMPARE(found.at(0), dir.filePath("raw/a.png"));
        QVERIFY(RawFileNames::instance().isLink(found.at(1)));
        QCOMPARE(QImage(found.at(1)).pixelColor(0, 0), QColor(Qt::red));
        QCOMPARE(RawFileNames::instance().shownFor(found.at(1)), dir.filePath("raw/b\\xE9.png"));

        const QList<QByteArray> render{"--duration", "0.2", "--quality", "0", "--background", "#336699",
                                       "-o", "raw.mp4", "raw", "--", "-x\xe9.png"};
        QVERIFY(::symlink(odd.constData(), dashed.constData()) == 0);
        auto runRaw = [this](const QList<QByteArray> &arguments, QString *err) {
            FILE *out = std::tmpfile();
            FILE *errors = std::tmpfile();
            const int code = RenderCommand(out, errors, false, dir.path()).run(arguments);
            drained(out);
            *err = drained(errors);
            return code;
        };
        QString err;
        QVERIFY2(runRaw(render, &err) == RenderCommand::Success, qPrintable(err));
        QCOMPARE(VideoProbe::videoFrameCount(dir.filePath("raw.mp4")), 24);

        const QList<QByteArray> save{"--save-project", QFile::encodeName(dir.filePath("rawproject")), "raw"};
        QCOMPARE(runRaw(save, &err), int(RenderCommand::Success));
        QVERIFY2(err.contains("warning: " + dir.filePath("raw/b\\xE9.png") + " has a name that is not UTF-8"),
                 qPrintable(err));
        QCOMPARE(readProjectFile(dir.filePath("rawproject/prj.xml"))->slides.size(), 2);
    }
};

PICTOVIA_TEST_MAIN(TestRenderCommand)
#include "tst_rendercommand.moc"
