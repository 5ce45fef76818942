#include "support/SlideFixtures.h"
#include "support/TestSupport.h"

#include "app/PresenterRegistry.h"
#include "app/CommonError.h"
#include "preview/PreviewPres.h"
#include "preview/PreviewRun.h"
#include "project/ProjectFile.h"
#include "project/ProjectPres.h"
#include "project/SlidesListModel.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>

#include <algorithm>

// Photos gone since the project was saved stay in it, out of the video, until located.
class TestMissingPhotos : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void durationsSkipMissing_data();
    void durationsSkipMissing();
    void videoCopiesLeaveMissingOut();
    void openingKeepsMissingPhoto();
    void locateAndRelink();
    void badLocateChangesNothing();
    void unreadablePhotoIsMarkedAndLeftOut();

private:
    // One slide per letter: P a present photo, M a missing one (its file under the old folder).
    ProjectPtr projectOf(const QString &pattern) const;
    QVariant urlIn(const QString &folder, const QString &name) const;
    bool missingAt(int row) const;

    ProjectPres *pres = nullptr;
    SlidesListModel *model = nullptr;
    QTemporaryDir dir;
    QStringList present;
};

void TestMissingPhotos::initTestCase()
{
    PresenterRegistry::wireProject();
    QVERIFY(dir.isValid());
    present = makeImageFiles(dir.path(), 4);
    QCOMPARE(present.size(), 4);
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("moved")));
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("other")));
    // The first two missing photos turn up in "moved"; the third is nowhere.
    for (const QString &name : {QStringLiteral("m0.png"), QStringLiteral("m1.png")})
        QVERIFY(makeImageFile(dir.filePath(QStringLiteral("moved/") + name)));
    QVERIFY(makeImageFile(dir.filePath(QStringLiteral("other/renamed.png"))));
    pres = ProjectPres::instance();
    model = SlidesListModel::instance();
    new QAbstractItemModelTester(model, QAbstractItemModelTester::FailureReportingMode::QtTest, this);
}

void TestMissingPhotos::init()
{
    pres->reset();
}

void TestMissingPhotos::cleanupTestCase()
{
    pres->reset();
}

ProjectPtr TestMissingPhotos::projectOf(const QString &pattern) const
{
    auto project = ProjectPtr::create();
    int presentCount = 0;
    int missingCount = 0;
    for (const QChar letter : pattern) {
        auto slide = SlidePtr::create();
        if (letter == QLatin1Char('P')) {
            slide->content = present.at(presentCount++);
        } else {
            slide->content = dir.filePath(QStringLiteral("gone/m%1.png").arg(missingCount++));
            slide->missing = true;
        }
        project->slides.append(slide);
    }
    return project;
}

QVariant TestMissingPhotos::urlIn(const QString &folder, const QString &name) const
{
    return QUrl::fromLocalFile(QDir(dir.filePath(folder)).filePath(name));
}

bool TestMissingPhotos::missingAt(int row) const
{
    return model->data(model->index(row), SlidesListModel::MissingRole).toBool();
}

void TestMissingPhotos::durationsSkipMissing_data()
{
    QTest::addColumn<QString>("slides");
    QTest::addColumn<double>("fixed"); // 0: automatic
    QTest::addColumn<double>("music"); // 0: none
    QTest::addColumn<double>("effective");
    QTest::addColumn<double>("total");
    QTest::addColumn<int>("used");

    QTest::newRow("no music") << "PMP" << 0.0 << 0.0 << 5.0 << 10.0 << 3;
    QTest::newRow("music shared by present only") << "PMP" << 0.0 << 20.0 << 10.0 << 20.0 << 3;
    QTest::newRow("trailing missing, all used") << "PPM" << 5.0 << 60.0 << 5.0 << 10.0 << 3;
    QTest::newRow("missing before the cut") << "PMPPP" << 5.0 << 10.0 << 5.0 << 10.0 << 3;
    QTest::newRow("missing after the cut") << "PPMP" << 5.0 << 10.0 << 5.0 << 10.0 << 2;
    QTest::newRow("automatic fit past missing") << "MPMPP" << 0.0 << 6.0 << 3.0 << 6.0 << 4;
    QTest::newRow("only missing") << "MM" << 0.0 << 30.0 << 5.0 << 0.0 << 2;
}

void TestMissingPhotos::durationsSkipMissing()
{
    QFETCH(QString, slides);
    QFETCH(double, fixed);
    QFETCH(double, music);
    const ProjectPtr project = projectOf(slides);
    if (music > 0.0)
        project->audioTracks.append(MediaFileInfoPtr::create(float(music), QString(), QStringLiteral("Song"), QString(),
                                                             QStringLiteral("/music/song.mp3")));
    project->isDurationFixed = fixed > 0.0;
    project->slideDuration = fixed;
    project->recompute();
    QTEST(project->effectiveSlideDuration, "effective");
    QTEST(project->totalDuration, "total");
    QTEST(project->usedSlidesNumber, "used");
}

void TestMissingPhotos::videoCopiesLeaveMissingOut()
{
    const ProjectPtr project = projectOf(QStringLiteral("PMPM"));
    project->slides[2]->durationType = OwnDuration;
    project->slides[2]->duration = 7.0;
    project->recompute();

    const ProjectPtr render = project->withoutMissingSlides();
    QCOMPARE(render->slides.size(), 2);
    QCOMPARE(render->slides.at(1).data(), project->slides.at(2).data());
    QCOMPARE(render->usedSlidesNumber, 2);
    QCOMPARE(render->totalDuration, project->totalDuration);
    QCOMPARE(project->slides.size(), 4);

    const ProjectPtr preview = PreviewRun::snapshot(*project);
    QCOMPARE(describeSlides(preview->slides), describeSlides(render->slides));
    QVERIFY(preview->slides.at(0).data() != project->slides.at(0).data());

    // Grid rows map to the video's time line past the missing photo; the missing one has no start.
    QCOMPARE(PreviewPres::slideStart(*project, 0), 0.0);
    QCOMPARE(PreviewPres::slideStart(*project, 1), -1.0);
    QCOMPARE(PreviewPres::slideStart(*project, 2), 5.0);
}

void TestMissingPhotos::openingKeepsMissingPhoto()
{
    const ProjectPtr source = projectOf(QStringLiteral("PMP"));
    source->slides[1]->missing = false; // as read from a file: not yet known
    source->slides[1]->rotation = 3;
    QSignalSpy missed(pres, &ProjectPres::missedImageFiles);
    pres->openProject(source);

    QCOMPARE(missed.count(), 1);
    QCOMPARE(missed.first().at(0).toStringList(), QStringList{source->slides[1]->content});
    QCOMPARE(model->rowCount(), 3);
    QCOMPARE((QVector<bool>{missingAt(0), missingAt(1), missingAt(2)}), (QVector<bool>{false, true, false}));
    QCOMPARE(model->data(model->index(1), SlidesListModel::FileNameRole).toString(), QStringLiteral("m0.png"));
    QCOMPARE(model->data(model->index(1), SlidesListModel::PathRole).toString(), source->slides[1]->content);
    QCOMPARE(pres->project()->totalDuration, 10.0);

    // The file keeps the photo as it was.
    const QString file = dir.filePath(QStringLiteral("project.xml"));
    QString error;
    QVERIFY2(writeProjectFile(file, pres->project(), &error), qPrintable(error));
    const ProjectPtr read = readProjectFile(file);
    QCOMPARE(describeSlides(read->slides), describeSlides(source->slides));
}

void TestMissingPhotos::locateAndRelink()
{
    const ProjectPtr source = projectOf(QStringLiteral("PMPMPM"));
    source->audioTracks.append(MediaFileInfoPtr::create(15.0f, QString(), QStringLiteral("Song"), QString(),
                                                        QStringLiteral("/music/song.mp3")));
    source->isDurationFixed = true;
    source->slideDuration = 5.0;
    pres->openProject(source);
    QCOMPARE(pres->project()->usedSlidesNumber, 6);
    QCOMPARE(pres->property("videoSlidesNumber").toInt(), 3); // what the video settings show

    QSignalSpy edited(pres, &ProjectPres::projectEdited);
    QSignalSpy changed(model, &SlidesListModel::dataChanged);
    // Another name in another folder: only that slide is relinked; the folder holds no other.
    const QVariant renamed = urlIn(QStringLiteral("other"), QStringLiteral("renamed.png"));
    pres->locateSlide(1, renamed);
    QCOMPARE(pres->project()->slides.at(1)->content, renamed.toUrl().toLocalFile());
    QVERIFY(!missingAt(1));
    QCOMPARE(edited.count(), 1);
    QVERIFY(!changed.isEmpty());
    QCOMPARE(pres->relinkableFrom(renamed), 0);
    // Four present photos at 5 s in 15 s of music: the separator now follows the third.
    QCOMPARE(pres->project()->totalDuration, 15.0);
    QCOMPARE(pres->project()->usedSlidesNumber, 3);
    QCOMPARE(model->kindAt(3), int(SeparatorKind));

    // "moved" holds m0.png, now located elsewhere, and m1.png; m2.png is nowhere.
    const QVariant moved = urlIn(QStringLiteral("moved"), QStringLiteral("m0.png"));
    QCOMPARE(pres->relinkableFrom(moved), 1);
    pres->relinkMissingFrom(moved);
    QCOMPARE(edited.count(), 2);
    QCOMPARE(pres->project()->slides.at(3)->content, dir.filePath(QStringLiteral("moved/m1.png")));
    QVERIFY(!pres->project()->slides.at(3)->missing);
    QVERIFY(pres->project()->slides.at(5)->missing);
    QCOMPARE(pres->relinkableFrom(moved), 0);
    // The file dialog opens where the photo was, or the nearest folder still there.
    QCOMPARE(pres->nearestFolderOf(dir.filePath(QStringLiteral("gone/deeper/m2.png"))), QUrl::fromLocalFile(dir.path()));
    QCOMPARE(pres->nearestFolderOf(QStringLiteral("/no-such-root-folder/m2.png")), QUrl());

    // The photo still missing is removed like any slide.
    const int last = model->rowCount() - 1;
    QVERIFY(missingAt(last));
    pres->removeSlide(last);
    QCOMPARE(pres->project()->slides.size(), 5);
    QVERIFY(std::none_of(pres->project()->slides.cbegin(), pres->project()->slides.cend(),
                         [](const SlidePtr &slide) { return slide->missing; }));
}

void TestMissingPhotos::badLocateChangesNothing()
{
    pres->openProject(projectOf(QStringLiteral("PM")));
    const QString before = describeSlides(pres->project()->slides);
    QSignalSpy errors(CommonError::instance(), &CommonError::error);
    QSignalSpy edited(pres, &ProjectPres::projectEdited);

    pres->locateSlide(1, urlIn(QStringLiteral("other"), QStringLiteral("absent.png")));
    QCOMPARE(errors.count(), 1);
    QVERIFY(errors.first().at(0).toString().contains(QStringLiteral("absent.png")));
    // A present photo, a row past the end, no file at all: nothing to locate.
    pres->locateSlide(0, urlIn(QStringLiteral("moved"), QStringLiteral("m0.png")));
    pres->locateSlide(7, urlIn(QStringLiteral("moved"), QStringLiteral("m0.png")));
    pres->locateSlide(1, QVariant());
    pres->relinkMissingFrom(QVariant());
    QCOMPARE(pres->relinkableFrom(QStringLiteral("not a url")), 0);

    QCOMPARE(describeSlides(pres->project()->slides), before);
    QVERIFY(missingAt(1));
    QCOMPARE(edited.count(), 0);
    QCOMPARE(errors.count(), 1);
}

// A photo that is there but is no picture is found out by its thumbnail: marked in the grid and
// left out of the video, without counting as an edit.
void TestMissingPhotos::unreadablePhotoIsMarkedAndLeftOut()
{
    const QString bad = dir.filePath(QStringLiteral("notes.jpg"));
    QFile file(bad);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("shopping list, not a picture");
    file.close();
    const ProjectPtr source = projectOf(QStringLiteral("PPP"));
    source->slides[1]->content = bad;
    QSignalSpy edited(pres, &ProjectPres::projectEdited);
    pres->openProject(source);
    QCOMPARE(pres->project()->totalDuration, 15.0);

    QTRY_VERIFY(model->data(model->index(1), SlidesListModel::UnreadableRole).toBool());
    QTRY_COMPARE(pres->project()->totalDuration, 10.0);
    QVERIFY(!missingAt(1));
    QVERIFY(!model->data(model->index(0), SlidesListModel::UnreadableRole).toBool());
    QCOMPARE(pres->property("videoSlidesNumber").toInt(), 2);
    QCOMPARE(pres->project()->withoutMissingSlides()->slides.size(), 2);
    QCOMPARE(edited.count(), 0);
}

PICTOVIA_TEST_MAIN(TestMissingPhotos)
#include "tst_missingphotos.moc"
