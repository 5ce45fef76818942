#include "support/MediaFixtures.h"
#include "support/SlideFixtures.h"
#include "support/TestSupport.h"
#include "support/VideoProbe.h"

#include "cli/ProjectFolder.h"
#include "cli/RenderOptions.h"
#include "project/ProjectFile.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

class TestProjectFolder : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    // Runs pictovia-render in the temporary folder; returns its exit code, stderr in err.
    int render(const QStringList &arguments, QString *err = nullptr)
    {
        QProcess process;
        process.setWorkingDirectory(dir.path());
        process.start(QCoreApplication::applicationDirPath() + "/pictovia-render", arguments);
        if (!process.waitForFinished(300000))
            return -1;
        if (err)
            *err = QString::fromLocal8Bit(process.readAllStandardError());
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

private Q_SLOTS:
    void projectModesCheckTheirArguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("valid");
        QTest::newRow("project alone, no -o") << QStringList{"--project", "p"} << true;
        QTest::newRow("project with overrides") << QStringList{"--project", "p", "--quality", "0", "--theme", "3"} << true;
        QTest::newRow("project with a photo") << QStringList{"--project", "p", "a.jpg"} << false;
        QTest::newRow("project with a text") << QStringList{"--project", "p", "--text", "hi"} << false;
        QTest::newRow("project with music") << QStringList{"--project", "p", "--music", "m.mp3"} << false;
        QTest::newRow("both modes") << QStringList{"--project", "p", "--save-project", "q", "a.jpg"} << false;
        QTest::newRow("save without items") << QStringList{"--save-project", "q", "--theme", "2"} << false;
        QTest::newRow("save without -o") << QStringList{"--save-project", "q", "a.jpg"} << true;
    }
    void projectModesCheckTheirArguments()
    {
        QFETCH(QStringList, arguments);
        RenderOptions options;
        QString error;
        QTEST(options.parse(arguments, &error), "valid");
    }

    // A hostile or decayed project folder renders what it can, and says what it left out.
    void loadNamesWhatIsLeftOut_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QStringList>("said"); // in the warnings, or the error when nothing is left
        QTest::addColumn<int>("slides");       // -1: refused
        const QByteArray photo = "<slide type=\"1\" duration-type=\"1\" duration=\"0\" rotation=\"0\" path=\"PHOTO\"/>";
        const QByteArray head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><project><audios>";
        QTest::newRow("cut short after two slides")
            << head + "</audios><slides>" + photo + photo + "<slide type=\"1\" pa" << QStringList{"is damaged (line 1", "the 2 slide(s)"} << 2;
        QTest::newRow("garbage") << QByteArray("\x89PNG not a project") << QStringList{"is damaged", "no slide of it"} << -1;
        QTest::newRow("unreadable and missing photos")
            << head + "</audios><slides>" + photo + "<slide type=\"1\" path=\"TEXT\"/><slide type=\"1\" path=\"/gone/a.jpg\"/>"
                   "</slides></project>"
            << QStringList{"notes.jpg cannot be read (not a picture); it is left out", "/gone/a.jpg is missing"} << 1;
        QTest::newRow("music gone") << head + "<audio path=\"/gone/song.mp3\"/></audios><slides>" + photo + "</slides></project>"
                                    << QStringList{"The music /gone/song.mp3 is missing"} << 1;
    }
    void loadNamesWhatIsLeftOut()
    {
        QFETCH(QByteArray, xml);
        QFETCH(QStringList, said);
        QFETCH(int, slides);
        const QString folder = dir.filePath("hostile");
        QDir(folder).removeRecursively();
        QVERIFY(QDir().mkpath(folder));
        const QString photo = folder + "/photo.png";
        const QString text = folder + "/notes.jpg";
        QVERIFY(makeImageFile(photo));
        QFile notes(text);
        QVERIFY(notes.open(QIODevice::WriteOnly) && notes.write("not a picture") > 0);
        notes.close();
        QFile file(folder + "/prj.xml");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(xml.replace("PHOTO", photo.toUtf8()).replace("TEXT", text.toUtf8()));
        file.close();

        RenderOptions options;
        options.projectDir = folder;
        options.output = dir.filePath("hostile.mp4");
        QStringList warnings;
        QString error;
        const ProjectPtr project = ProjectFolder::load(options, &warnings, &error);
        const QString told = project ? warnings.join('\n') : error;
        for (const QString &part : said)
            QVERIFY2(told.contains(part), qPrintable(told));
        QCOMPARE(project ? int(project->slides.size()) : -1, slides);
    }

    // A project goes only where it replaces nothing of the user's: a new or empty folder, or a
    // saved project.
    void saveRefusesAFolderOfOtherFiles_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("absent") << QStringList() << "";
        QTest::newRow("empty") << QStringList{"."} << "";
        QTest::newRow("a saved project") << QStringList{"prj.xml", "info.xml", "1_thumb.png"} << "";
        QTest::newRow("other files") << QStringList{"info.xml", "1_thumb.png"} << "holds other files";
        QTest::newRow("a hidden file") << QStringList{".directory"} << "holds other files";
        QTest::newRow("a name that is not UTF-8") << QStringList{"caf\xe9.jpg"} << "holds other files";
    }
    void saveRefusesAFolderOfOtherFiles()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, refusal);
        QTemporaryDir base;
        const QString folder = base.filePath("target");
        for (const QString &file : files) {
            QVERIFY(QDir().mkpath(folder));
            QFile made(folder + '/' + file);
            QVERIFY(file == "." || made.open(QIODevice::WriteOnly));
            made.write("the user's");
        }
        if (files.contains("caf\xe9.jpg")) // Qt writes the text form; give the file its raw name
            QVERIFY(::rename(QFile::encodeName(folder + "/caf\xe9.jpg").constData(),
                             QFile::encodeName(folder).append("/caf\xe9.jpg").constData()) == 0);
        const QString problem = ProjectFolder::saveProblem(folder);
        QVERIFY2(refusal.isEmpty() ? problem.isEmpty() : problem.contains(refusal), qPrintable(problem));
        if (refusal.isEmpty())
            return;
        QCOMPARE(problem, "The folder " + folder + " holds other files and is not a saved project; choose an empty folder");
        // Through the command: nothing is written there.
        QString err;
        QCOMPARE(render({"--save-project", folder, "--text", "Hi"}, &err), 1);
        QVERIFY2(err.contains(problem), qPrintable(err));
        QVERIFY(!QFile::exists(folder + "/prj.xml") && !QFile::exists(folder + "/settings.xml"));
        QFile kept(folder + '/' + files.first());
        QVERIFY(!kept.exists() || (kept.open(QIODevice::ReadOnly) && kept.readAll() == "the user's"));
    }

    void savedProjectRendersLikeItsItems()
    {
        QVERIFY(dir.isValid());
        QVERIFY(QDir(dir.path()).mkpath("photos"));
        QCOMPARE(makeImageFiles(dir.filePath("photos"), 3).size(), 3);
        QVERIFY(makeTone(dir.filePath("tone.wav"), 2.2));
        const QStringList items{"photos", "--text", "Hi there", "--music", "tone.wav", "--duration", "0.5",
                                "--quality", "0", "--theme", "2", "--border", "3"};

        QString err;
        QCOMPARE(render(QStringList{"--save-project", "saved project", "--font-color", "#102030", "-o", "out/x.mp4"} + items, &err), 0);
        const QString folder = dir.filePath("saved project");
        const ProjectPtr saved = readProjectFile(folder + "/prj.xml");
        QCOMPARE(saved->slides.size(), 4);
        QVERIFY(saved->isDurationFixed);
        QCOMPARE(saved->output.saveDir, dir.filePath("out"));
        const StyleSettingsPtr style = readStyleFile(folder + "/settings.xml");
        QCOMPARE(style->borderSize, 3);
        QCOMPARE(style->themeId, 2);
        QVERIFY(style->hasOwnFontColor && !style->hasOwnBorderColor);
        QCOMPARE(readProjectInfo(folder + "/info.xml").slidesCount, 4);
        QCOMPARE(QImage(folder + "/4_thumb.png").size(), QSize(120, 120));

        QCOMPARE(render({"--project", "saved project"}, &err), 0);
        const QStringList written = QDir(dir.filePath("out")).entryList({"slideshow_*.mp4"});
        QCOMPARE(written.size(), 1);
        QVERIFY(QRegularExpression("^slideshow_\\d{4}\\.\\d\\d\\.\\d\\d_\\d\\d\\.\\d\\d\\.mp4$").match(written.at(0)).hasMatch());
        QCOMPARE(render(items + QStringList{"-o", "items.mp4"}), 0);
        const int frames = VideoProbe::videoFrameCount(dir.filePath("items.mp4"));
        QVERIFY(frames > 0);
        QCOMPARE(VideoProbe::videoFrameCount(dir.filePath("out/" + written.at(0))), frames);

        QCOMPARE(render({"--project", "nowhere"}, &err), 1);
        QVERIFY2(err.contains("No saved project in"), qPrintable(err));
    }
};

PICTOVIA_TEST_MAIN(TestProjectFolder)
#include "tst_projectfolder.moc"
