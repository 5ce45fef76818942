#include "support/SlideFixtures.h"
#include "support/TestSupport.h"

#include "app/PresenterRegistry.h"
#include "app/AppConstants.h"
#include "app/CommonError.h"
#include "project/AutosavePres.h"
#include "project/ProjectFile.h"
#include "project/ProjectPres.h"
#include "project/SavedProjectsPres.h"
#include "project/SettingsPres.h"
#include "project/StyleSettingsPres.h"

#include <QDateTime>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <functional>

namespace {

// One kind of edit and what the files on disk must say after it.
struct Edit
{
    const char *name;
    std::function<void()> apply;
    std::function<bool(const Project &, const StyleSettings &)> written;
};

} // namespace

class TestAutosave : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QStringList photos;
    QList<Edit> edits;
    ProjectPres *pres = nullptr;
    StyleSettingsPres *style = nullptr;
    SettingsPres *settings = nullptr;
    SavedProjectsPres *saved = nullptr;
    AutosavePres *autosave = nullptr;

    QString folderOf(const QString &id) const { return AppPaths::projectsDir + id + "/"; }
    ProjectPtr projectOnDisk() const
    {
        return readProjectFile(folderOf(pres->project()->id) + AppConstants::projectFileName);
    }
    StyleSettingsPtr styleOnDisk() const
    {
        return readStyleFile(folderOf(pres->project()->id) + AppConstants::styleFileName);
    }
    // A project on disk as it stands, with two photos and a text slide.
    void startSavedProject()
    {
        autosave->newProject();
        pres->addImagePaths(photos.mid(0, 2));
        pres->addTextSlide("Hello");
        autosave->flush();
        QVERIFY(!pres->project()->id.isEmpty());
        QVERIFY(autosave->saved());
    }
    // Saves of the list's rows, not the thumbnails that arrive after them.
    static int writesIn(const QSignalSpy &changes)
    {
        int writes = 0;
        for (const QList<QVariant> &change : changes) {
            const QVector<int> roles = change.at(2).value<QVector<int>>();
            writes += roles.isEmpty() || roles.contains(SavedProjectsPres::NameRole);
        }
        return writes;
    }
    int rowOf(const QString &id) const
    {
        for (int row = 0; row < saved->rowCount(); ++row) {
            if (saved->loadProject(row)->id == id)
                return row;
        }
        return -1;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        photos = makeImageFiles(dir.path(), 4);
        AppPaths::projectsDir = dir.path() + "/projects/";
        PresenterRegistry::wireAutosave();
        saved = SavedProjectsPres::instance();
        pres = ProjectPres::instance();
        style = StyleSettingsPres::instance();
        settings = SettingsPres::instance();
        autosave = AutosavePres::instance();
        autosave->setDelay(40);

        const QString videos = dir.path() + "/videos";
        QVERIFY(QDir().mkpath(videos));
        edits = {
            {"rotation", [this] { pres->setRotation(0, 1); },
             [](const Project &p, const StyleSettings &) { return p.slides.at(0)->rotation == 1; }},
            {"slide removed", [this] { pres->removeSlide(1); },
             [](const Project &p, const StyleSettings &) { return p.slides.size() == 2; }},
            {"slides moved", [this] { pres->move({2}, 0); },
             [](const Project &p, const StyleSettings &) { return p.slides.at(0)->type == TextSlideType; }},
            {"text edited", [this] { pres->editTextSlide(2, "Goodbye"); },
             [](const Project &p, const StyleSettings &) { return p.slides.at(2)->content == "Goodbye"; }},
            {"own duration", [this] { pres->setSlideDuration(0, OwnDuration, 7.5); },
             [](const Project &p, const StyleSettings &) { return p.slides.at(0)->duration == 7.5; }},
            {"fixed duration, spin-box steps",
             [this] {
                 pres->setProperty("isDurationFixed", true);
                 for (int seconds = 6; seconds <= 9; ++seconds)
                     pres->setProperty("fixedSlideDuration", seconds);
             },
             [](const Project &p, const StyleSettings &) { return p.isDurationFixed && p.slideDuration == 9; }},
            {"theme", [this] { style->setThemeId(3); },
             [](const Project &, const StyleSettings &s) { return s.themeId == 3; }},
            {"background", [this] { style->setBgId("color00003"); },
             [](const Project &, const StyleSettings &s) { return s.bgId == "color00003"; }},
            {"border slider drag",
             [this] {
                 for (int level = 1; level <= 4; ++level)
                     style->setBorderSize(level);
             },
             [](const Project &, const StyleSettings &s) { return s.borderSize == 4; }},
            {"font colour", [this] { style->setFontColor(QColor(10, 20, 30)); },
             [](const Project &, const StyleSettings &s) { return s.hasOwnFontColor && s.fontColor == QColor(10, 20, 30); }},
            {"result folder and quality",
             [this, videos] {
                 settings->setSaveDir(videos);
                 settings->setResolution(2);
             },
             [videos](const Project &p, const StyleSettings &) {
                 return p.output.quality == 2 && p.output.saveDir == QFileInfo(videos).canonicalFilePath();
             }},
        };
    }

    void init()
    {
        style->reset();
        settings->showOutput(1, OutputSettings::defaultSaveDir());
    }

    // Every kind of edit reaches the disk once, a moment after the last step of it.
    void everyEditIsWrittenOnce_data()
    {
        QTest::addColumn<int>("edit");
        for (int n = 0; n < edits.size(); ++n)
            QTest::newRow(edits.at(n).name) << n;
    }
    void everyEditIsWrittenOnce()
    {
        QFETCH(int, edit);
        startSavedProject();
        QSignalSpy writes(saved, &QAbstractItemModel::dataChanged);
        edits.at(edit).apply();
        QVERIFY(autosave->pending());
        QCOMPARE(writesIn(writes), 0);
        QTRY_VERIFY(!autosave->pending());
        QCOMPARE(writesIn(writes), 1);
        QVERIFY(autosave->saved());
        QVERIFY(edits.at(edit).written(*projectOnDisk(), *styleOnDisk()));
    }

    // The window closing, the session ending and SIGTERM all come down to a flush.
    void flushWritesAtOnceAndOnlyWhatChanged()
    {
        startSavedProject();
        QSignalSpy writes(saved, &QAbstractItemModel::dataChanged);
        autosave->flush();
        QCOMPARE(writesIn(writes), 0);
        pres->setRotation(1, -1);
        autosave->flush();
        QCOMPARE(writesIn(writes), 1);
        QCOMPARE(projectOnDisk()->slides.at(1)->rotation, -1);
        QTest::qWait(80);
        QCOMPARE(writesIn(writes), 1);
    }

    void newProjectIsSavedLikeTheFirst()
    {
        startSavedProject();
        const QString first = pres->project()->id;
        pres->setRotation(0, 2);
        autosave->newProject(); // the first project's last edit is written on the way
        QCOMPARE(readProjectFile(folderOf(first) + AppConstants::projectFileName)->slides.at(0)->rotation, 2);
        QVERIFY(pres->project()->id.isEmpty());
        QVERIFY(!autosave->saved());

        pres->addImagePaths(photos.mid(2, 2));
        QTRY_VERIFY(autosave->saved());
        const QString second = pres->project()->id;
        QVERIFY(!second.isEmpty() && second != first);
        QCOMPARE(rowOf(second), 0);
        QCOMPARE(describeSlides(projectOnDisk()->slides), describeSlides(pres->project()->slides));
    }

    // A style chosen before any photo waits for the photos, then goes with them.
    void nothingIsWrittenWithoutContent()
    {
        autosave->newProject();
        const int rows = saved->rowCount();
        style->setThemeId(4);
        QTest::qWait(80);
        QVERIFY(autosave->pending());
        QCOMPARE(saved->rowCount(), rows);
        pres->addTextSlide("Now");
        QTRY_VERIFY(autosave->saved());
        QCOMPARE(styleOnDisk()->themeId, 4);
    }

    // Opening shows the project's own output settings and writes nothing.
    void openingLoadsOutputAndWritesNothing()
    {
        startSavedProject();
        const QString videos = dir.path() + "/own videos";
        QVERIFY(QDir().mkpath(videos));
        settings->setSaveDir(videos);
        settings->setResolution(0);
        style->setThemeId(6);
        autosave->flush();
        const QString id = pres->project()->id;
        const QString prj = folderOf(id) + AppConstants::projectFileName;

        autosave->newProject();
        settings->setResolution(2);
        settings->setSaveDir(dir.path());
        QCOMPARE(style->themeId(), 1);
        QFile before(prj);
        QVERIFY(before.open(QIODevice::ReadOnly));
        const QByteArray bytes = before.readAll();
        const QDateTime modified = QFileInfo(prj).lastModified();
        const QString listedName = saved->data(saved->index(rowOf(id)), SavedProjectsPres::NameRole).toString();

        QTest::qWait(20);
        autosave->openProject(rowOf(id));
        QCOMPARE(pres->project()->id, id);
        QCOMPARE(settings->resolution(), 0);
        QCOMPARE(settings->saveDir(), QFileInfo(videos).canonicalFilePath());
        QCOMPARE(pres->project()->output.saveDir, QFileInfo(videos).canonicalFilePath());
        QCOMPARE(style->themeId(), 6);
        QVERIFY(!autosave->pending());
        QTest::qWait(80);
        QFile after(prj);
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), bytes);
        QCOMPARE(QFileInfo(prj).lastModified(), modified);
        QCOMPARE(saved->data(saved->index(rowOf(id)), SavedProjectsPres::NameRole).toString(), listedName);
    }

    // A write that fails is not shown as saved, and the edits are tried again.
    void failedWriteIsNotShownAsSaved()
    {
        startSavedProject();
        const QString prj = folderOf(pres->project()->id) + AppConstants::projectFileName;
        QVERIFY(QFile::remove(prj) && QDir().mkpath(prj));
        QSignalSpy errors(CommonError::instance(), &CommonError::error);
        pres->setRotation(0, 3);
        autosave->flush();
        QCOMPARE(errors.count(), 1);
        QVERIFY(autosave->failed() && autosave->pending() && !autosave->saved());
        QVERIFY(QDir(prj).removeRecursively());
        autosave->flush();
        QVERIFY(!autosave->failed() && autosave->saved());
        QCOMPARE(projectOnDisk()->slides.at(0)->rotation, 3);
    }

    void deletingTheOpenProjectClosesIt()
    {
        startSavedProject();
        const QString id = pres->project()->id;
        pres->setRotation(0, 1);
        QVERIFY(autosave->pending());
        QVERIFY(saved->remove(rowOf(id)));
        QCOMPARE(pres->project()->slides.size(), 0);
        QVERIFY(pres->project()->id.isEmpty());
        QTest::qWait(80);
        QVERIFY(!QFileInfo::exists(folderOf(id)));
    }
};

PICTOVIA_TEST_MAIN(TestAutosave)
#include "tst_autosave.moc"
