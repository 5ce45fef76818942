#include "support/TestSupport.h"

#include "app/AppConstants.h"
#include "app/AppPaths.h"
#include "app/AppSettingsPres.h"
#include "app/AppTranslations.h"
#include "app/FontsPres.h"
#include "app/Singleton.h"

#include <QSettings>
#include <QTranslator>
#include <QTemporaryDir>
#include <QtConcurrent>

#include <atomic>

namespace {
std::atomic<int> constructions{0};

class SlowToBuild
{
public:
    SlowToBuild()
    {
        ++constructions;
        QThread::msleep(50); // widen the window in which other threads arrive
    }
};
} // namespace

class TestAppShell : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void singletonUnderConcurrentFirstCalls()
    {
        QVector<QFuture<SlowToBuild *>> calls;
        for (int i = 0; i < 8; ++i)
            calls << QtConcurrent::run([] { return Singleton<SlowToBuild>::instance(); });
        SlowToBuild *first = calls.first().result();
        QVERIFY(first);
        for (auto &call : calls)
            QCOMPARE(call.result(), first);
        QCOMPARE(constructions.load(), 1);
        QCOMPARE(Singleton<SlowToBuild>::instance(), first);
    }

    void resolutionVariantPath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("resolution");
        QTest::addColumn<QString>("expected");
        QTest::newRow("720p") << "/bg/1/bg.mp4" << 0 << "/bg/1/bg-720p.mp4";
        QTest::newRow("1080p") << "/bg/1/bg.mp4" << 1 << "/bg/1/bg.mp4";
        QTest::newRow("2160p") << "/bg/1/bg.mp4" << 2 << "/bg/1/bg-2160p.mp4";
        QTest::newRow("other") << "/bg/1/bg.mp4" << 7 << "/bg/1/bg.mp4";
        QTest::newRow("every occurrence") << "/a.mp4/b.mp4" << 0 << "/a-720p.mp4/b-720p.mp4";
        QTest::newRow("case-sensitive") << "/bg/BG.MP4" << 0 << "/bg/BG.MP4";
        QTest::newRow("no video 720p") << "/bg/bg.jpg" << 0 << "/bg/bg.jpg";
        QTest::newRow("no video 2160p") << "/bg/bg.jpg" << 2 << "/bg/bg.jpg";
    }

    void resolutionVariantPath()
    {
        QFETCH(QString, path);
        QFETCH(int, resolution);
        QFETCH(QString, expected);
        QCOMPARE(::resolutionVariantPath(path, resolution), expected);
    }

    void fileDialogNameFilter_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QStringList>("suffixes");
        QTest::addColumn<QString>("expected");
        const QStringList pictures = AppConstants::pictureSuffixes;
        const QString images = QStringLiteral("Import Image Files (*.jpg *jpeg *.png *.gif)");
        const QString upper = QStringLiteral(" *.JPG *.JPEG *.PNG *.GIF)");
        QTest::newRow("label as written, camera endings added")
            << images << pictures << "Import Image Files (*.jpg *jpeg *.png *.gif" + upper;
        QTest::newRow("music") << "Open Audio File (*.mp3 *.m4a)" << AppConstants::audioSuffixes
                               << "Open Audio File (*.mp3 *.m4a *.MP3 *.M4A)";
        QTest::newRow("no endings") << "Images" << pictures << "Images (*.jpg *.jpeg *.png *.gif" + upper;
        QTest::newRow("endings left out") << "Bilder (*.jpg)" << pictures << "Bilder (*.jpg *.jpeg *.png *.gif" + upper;
        QTest::newRow("every case written") << "Musik (*.mp3 *.MP3 *.m4a *.M4A)" << AppConstants::audioSuffixes
                                            << "Musik (*.mp3 *.MP3 *.m4a *.M4A)";
    }

    void fileDialogNameFilter()
    {
        QFETCH(QString, label);
        QFETCH(QStringList, suffixes);
        QFETCH(QString, expected);
        QCOMPARE(::fileDialogNameFilter(label, suffixes), expected);
    }

    void thumbFileNames()
    {
        QCOMPARE(thumbFileName(QStringLiteral("abc")), QStringLiteral("abc_thumb.png"));
        QCOMPARE(thumbFileName(QString::number(3)), QStringLiteral("3_thumb.png"));
        QCOMPARE(AppConstants::defaultBackgroundId, QStringLiteral("animated00001"));
    }

    void pathConstants()
    {
        QCOMPARE(AppPaths::templatesDir, QStringLiteral("./templates/"));
        QVERIFY(AppPaths::projectsDir.endsWith(QStringLiteral("/Pictovia/projects/")));
        QCOMPARE(AppPaths::customBackgroundsFile, AppPaths::appDataDir + QStringLiteral("/custombgs.xml"));
        QVERIFY(AppPaths::downloadedBackgroundsDir.startsWith(AppPaths::appDataDir));
        // Tests must never touch the user's own data folder.
        QVERIFY(AppPaths::appDataDir.contains(QStringLiteral("qttest")));
    }

    void startsInProgramFolderWhenWorkingDirectoryHasNoData()
    {
        QTemporaryDir elsewhere;
        const QString before = QDir::currentPath();
        QDir::setCurrent(elsewhere.path());
        AppPaths::setup();
        const QString after = QDir::currentPath();
        QDir::setCurrent(before);
        AppPaths::setup();
        QCOMPARE(QDir(after).canonicalPath(), QDir(QCoreApplication::applicationDirPath()).canonicalPath());
        QVERIFY(AppPaths::hasInstalledData(after));
    }

    // The working directory first (make run), then an installed prefix, then the build folder.
    void findsTheDataWhereverItIsInstalled_data()
    {
        QTest::addColumn<QStringList>("dataFolders");
        QTest::addColumn<QString>("expected");
        QTest::newRow("working directory first") << QStringList{"here", "usr/share/pictovia", "usr/bin"} << "here";
        QTest::newRow("installed prefix") << QStringList{"usr/share/pictovia", "usr/bin"} << "usr/share/pictovia";
        QTest::newRow("build folder") << QStringList{"usr/bin"} << "usr/bin";
        QTest::newRow("nowhere") << QStringList{} << "";
    }

    void findsTheDataWhereverItIsInstalled()
    {
        QFETCH(QStringList, dataFolders);
        QFETCH(QString, expected);
        QTemporaryDir root;
        QDir top(root.path());
        for (const char *folder : {"here", "usr/bin", "usr/share/pictovia"})
            QVERIFY(top.mkpath(QLatin1String(folder)));
        for (const QString &folder : dataFolders)
            QVERIFY(top.mkpath(folder + QStringLiteral("/templates")));
        const QString found = AppPaths::findDataDir(top.filePath("here"), top.filePath("usr/bin"));
        QCOMPARE(found, expected.isEmpty() ? QString() : top.filePath(expected));
    }

    void settingsFlagsPersist()
    {
        AppSettingsPres *settings = AppSettingsPres::instance();
        const QString key = QStringLiteral("dontShowTipsSetting");
        settings->remove(key);
        QVERIFY(!settings->contains(key));
        settings->set(key);
        settings->set(key);
        QVERIFY(settings->contains(key));
        // A new settings object (as after a restart) sees the same store, with one key.
        QSettings reopened;
        QVERIFY(reopened.contains(key));
        QCOMPARE(reopened.allKeys().count(key), 1);
        settings->remove(key);
        QVERIFY(!settings->contains(key));
        QVERIFY(!QSettings().contains(key));
    }

    void translationsCompiledIn()
    {
        for (const char *lang : {"de", "es", "fr", "id", "it", "ja", "ko", "pt", "zh"})
            QVERIFY2(QFile::exists(QStringLiteral(":/translations/%1.qm").arg(QLatin1String(lang))), lang);
        QTranslator german;
        QVERIFY(german.load(QStringLiteral("de_DE"), QStringLiteral(":/translations")));
        QCOMPARE(german.translate("main", "Loading..."), QString::fromUtf8("Wird geladen\u2026"));
        // A language without a catalogue keeps the source texts.
        QTranslator english;
        QVERIFY(!english.load(QStringLiteral("en_US"), QStringLiteral(":/translations")));
    }

    // Qt's own texts (the file dialogs' labels and buttons) follow the program's language.
    void qtTextsFollowTheLanguage()
    {
        const QList<QTranslator *> installed = AppTranslations::install(QStringLiteral("de_DE"));
        const QString lookIn = QCoreApplication::translate("QFileDialog", "Look in:");
        const QString cancel = QCoreApplication::translate("QPlatformTheme", "Cancel");
        const QString loading = QCoreApplication::translate("main", "Loading...");
        for (QTranslator *translator : installed) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
        QVERIFY2(lookIn == QStringLiteral("Suchen in:"), "Qt's catalogues missing: scripts/install-deps installs them");
        QCOMPARE(cancel, QStringLiteral("Abbrechen"));
        QCOMPARE(loading, QString::fromUtf8("Wird geladen\u2026"));
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Look in:"));
    }

    // Each family once by its own name, whichever foundries made it; the installed ones are listed.
    void fontFamiliesListedOnceByName()
    {
        const QStringList names = FontsPres::listed({QStringLiteral("P052 [urw]"), QStringLiteral("lato"),
                                                     QStringLiteral("P052 [UKWN]"), QStringLiteral("DejaVu Sans")});
        QCOMPARE(names, (QStringList{QStringLiteral("DejaVu Sans"), QStringLiteral("lato"), QStringLiteral("P052")}));
        const QStringList installed = FontsPres::instance()->families();
        QVERIFY(installed.contains(QStringLiteral("DejaVu Sans")));
        QVERIFY(installed.filter(QStringLiteral("[")).isEmpty());
    }
};

PICTOVIA_TEST_MAIN(TestAppShell)
#include "tst_appshell.moc"
