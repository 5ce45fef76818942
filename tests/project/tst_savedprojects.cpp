#include "support/MediaFixtures.h"
#include "support/SlideFixtures.h"
#include "support/TestSupport.h"

#include "app/PresenterRegistry.h"
#include "app/AppConstants.h"
#include "app/CommonError.h"
#include "images/ThumbGenerator.h"
#include "project/ProjectFile.h"
#include "project/ProjectPres.h"
#include "project/ProjectThumbnails.h"
#include "project/SavedProjectsPres.h"
#include "project/SlidesListModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>

#include <memory>

class TestSavedProjects : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QStringList photos;

    // A restart: a fresh list built from the folders on disk.
    std::unique_ptr<SavedProjectsPres> restart()
    {
        auto list = std::make_unique<SavedProjectsPres>();
        new QAbstractItemModelTester(list.get(), QAbstractItemModelTester::FailureReportingMode::QtTest, list.get());
        return list;
    }
    static ProjectPtr projectOf(const QVector<SlidePtr> &slides)
    {
        auto project = ProjectPtr::create();
        project->setSlides(slides);
        return project;
    }
    SlidePtr photo(int n, int rotation = 0) const
    {
        return SlidePtr(new Slide{ImageSlideType, CommonDuration, 0.0, photos.at(n), rotation});
    }
    static SlidePtr text(const QString &content)
    {
        return SlidePtr(new Slide{TextSlideType, CommonDuration, 0.0, content, 0});
    }
    static QStringList imgs(const SavedProjectsPres &list, int row)
    {
        return list.data(list.index(row), SavedProjectsPres::ImgsRole).toStringList();
    }
    static QString thumbFile(const QString &id, int n)
    {
        return AppPaths::projectsDir + id + "/" + thumbFileName(QString::number(n));
    }

private Q_SLOTS:
    void initTestCase()
    {
        PresenterRegistry::wireProject();
        QVERIFY(dir.isValid());
        photos = makeImageFiles(dir.path(), 6, "фото ");
        QCOMPARE(photos.size(), 6);
    }

    void init()
    {
        AppPaths::projectsDir = dir.path() + "/projects/";
        QDir(AppPaths::projectsDir).removeRecursively();
    }

    void orderFollowsTheLatestSaveAcrossRestarts()
    {
        auto list = restart();
        QStringList ids;
        for (int n = 0; n < 5; ++n) {
            ids.prepend(list->saveProject(projectOf({text(QString::number(n))})));
            QThread::msleep(20); // folder times must differ for the order after a restart
        }
        auto restarted = restart();
        QCOMPARE(restarted->rowCount(), 5);
        for (int row = 0; row < 5; ++row)
            QCOMPARE(restarted->loadProject(row)->id, ids.at(row));
        QCOMPARE(restarted->data(restarted->index(0), SavedProjectsPres::SlidesCountRole).toInt(), 1);
        QVERIFY(!restarted->data(restarted->index(0), SavedProjectsPres::NameRole).toString().isEmpty());

        QSignalSpy moved(restarted.get(), &QAbstractItemModel::rowsMoved);
        QCOMPARE(restarted->saveProject(restarted->loadProject(4)), ids.at(4));
        QCOMPARE(moved.count(), 1);
        QCOMPARE(restarted->loadProject(0)->id, ids.at(4));
        QCOMPARE(restart()->loadProject(0)->id, ids.at(4));
        QVERIFY(!QFile::exists(AppPaths::projectsDir + ids.at(4) + "/" + AppConstants::dummyFileName));
    }

    void thumbnailsFollowTheFirstFiveSlides()
    {
        auto list = restart();
        const ProjectPtr project =
            projectOf({photo(0), text("A text slide of 25 chars."), photo(1), photo(2), photo(3), photo(4)});
        const QString id = list->saveProject(project);
        QVERIFY(id.startsWith('{') && id.endsWith('}'));
        QStringList first = imgs(*list, 0);
        QCOMPARE(first.size(), 5);
        QCOMPARE(first.at(0), QString()); // photos wait for the generator, the text is drawn at once
        QVERIFY(!first.at(1).isEmpty());
        QTRY_VERIFY(!imgs(*list, 0).contains(QString()));
        first = imgs(*list, 0);
        for (int n = 1; n <= 5; ++n)
            QCOMPARE(QImage(thumbFile(id, n)).size(), QSize(120, 120));

        QSignalSpy changed(list.get(), &QAbstractItemModel::dataChanged);
        list->saveProject(project);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(2).value<QVector<int>>().size(), 5); // texts only: no thumbnail redone
        QCOMPARE(imgs(*list, 0), first);

        project->slides[2]->rotation = 1;
        list->saveProject(project);
        QCOMPARE(imgs(*list, 0).at(2), QString());
        QTRY_VERIFY(!imgs(*list, 0).at(2).isEmpty());
        const QStringList rotated = imgs(*list, 0);
        for (int n : {0, 1, 3, 4})
            QCOMPARE(rotated.at(n), first.at(n));
        QVERIFY(rotated.at(2) != first.at(2));

        const QVector<SlidePtr> all = project->slides;
        project->setSlides(all.mid(0, 2));
        list->saveProject(project);
        QCOMPARE(imgs(*list, 0).size(), 2);
        for (int n = 3; n <= 5; ++n)
            QVERIFY(!QFile::exists(thumbFile(id, n)));
        // Slides that come back get their pictures again.
        project->setSlides(all.mid(0, 3));
        list->saveProject(project);
        QTRY_COMPARE(imgs(*list, 0).size(), 3);
        QTRY_VERIFY(QFile::exists(thumbFile(id, 3)));
    }

    // A picture still on its way for what stood at a place, or one that never comes, leaves no
    // old picture behind there.
    void lateAndFailedThumbnailsLeaveNothingStale()
    {
        auto list = restart();
        const ProjectPtr project = projectOf({photo(0), photo(1)});
        const QString id = list->saveProject(project);
        // Before the generator answers, the first place becomes a text.
        project->slides[0] = text("now a text");
        list->saveProject(project);
        QTRY_VERIFY(!imgs(*list, 0).contains(QString()));
        QTRY_COMPARE(ThumbGenerator::instance()->runningWorkerCount(), 0);
        QTest::qWait(50);
        QCOMPARE(QColor(QImage(thumbFile(id, 1)).pixel(2, 2)), QColor(194, 208, 223));

        const QString broken = dir.filePath("broken.jpg");
        QFile junk(broken);
        QVERIFY(junk.open(QIODevice::WriteOnly) && junk.write("no picture here") > 0);
        junk.close();
        project->slides[1] = SlidePtr(new Slide{ImageSlideType, CommonDuration, 0.0, broken, 0});
        list->saveProject(project);
        QVERIFY(!QFile::exists(thumbFile(id, 2)));
        QTRY_COMPARE(ThumbGenerator::instance()->runningWorkerCount(), 0);
        QCOMPARE(ThumbGenerator::instance()->queuedTaskCount(), 0);
        QVERIFY(!QFile::exists(thumbFile(id, 2)));
        QCOMPARE(imgs(*list, 0).at(1), QString());
        // The failed request is over: the same photo back at that place is asked for again.
        project->slides[1] = photo(1);
        list->saveProject(project);
        QTRY_VERIFY(QFile::exists(thumbFile(id, 2)));
    }

    void thumbnailPictures()
    {
        QImage halves(200, 100, QImage::Format_RGB32);
        halves.fill(Qt::red);
        for (int y = 0; y < 100; ++y)
            for (int x = 100; x < 200; ++x)
                halves.setPixel(x, y, qRgb(0, 0, 255));
        // A quarter turn back: the red left half ends at the bottom.
        const QImage turned = ProjectThumbnails::fromPhoto(halves, -1);
        QCOMPARE(turned.size(), QSize(120, 120));
        QCOMPARE(QColor(turned.pixel(60, 10)), QColor(Qt::blue));
        QCOMPARE(QColor(turned.pixel(60, 110)), QColor(Qt::red));
        QCOMPARE(ProjectThumbnails::shortenedText("abcdefghijklmnopqrs tuvwxyz"), QStringLiteral("abcdefghijklmnopqrs..."));
        QCOMPARE(ProjectThumbnails::shortenedText("twenty characters ok"), QStringLiteral("twenty characters ok"));
    }

    void unwritableProjectFileIsReportedOnce()
    {
        auto list = restart();
        auto project = projectOf({text("kept")});
        project->id = "{blocked}";
        QVERIFY(QDir().mkpath(AppPaths::projectsDir + "{blocked}/" + AppConstants::projectFileName));
        QSignalSpy errors(CommonError::instance(), &CommonError::error);
        QCOMPARE(list->saveProject(project), QString()); // not saved, and said so
        QCOMPARE(errors.count(), 1);
        const QString message = errors.at(0).at(0).toString();
        QVERIFY2(message.contains(AppPaths::projectsDir + "{blocked}/prj.xml: "), qPrintable(message));
        QCOMPARE(readProjectInfo(AppPaths::projectsDir + "{blocked}/info.xml").slidesCount, 1);
    }

    // A damaged project is marked in the list, opens what can be read, and its file is kept
    // before the first save writes over it; a project without its summary is listed from its file.
    void damagedProjectsAreMarkedAndKept()
    {
        auto list = restart();
        const QString id = list->saveProject(projectOf({photo(0), text("two"), photo(1)}));
        const QString file = AppPaths::projectsDir + id + "/" + AppConstants::projectFileName;
        QFile project(file);
        QVERIFY(project.open(QIODevice::ReadOnly));
        QByteArray bytes = project.readAll();
        project.close();
        bytes.truncate(bytes.lastIndexOf("<slide") + 9); // the third slide is cut short
        QVERIFY(project.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(project.write(bytes), bytes.size());
        project.close();
        QDir(AppPaths::projectsDir).mkpath("stray");

        list = restart();
        QCOMPARE(list->rowCount(), 1);
        QVERIFY(list->data(list->index(0), SavedProjectsPres::DamagedRole).toBool());
        const ProjectPtr loaded = list->loadProject(0);
        QCOMPARE(loaded->slides.size(), 2);
        QVERIFY(!loaded->damage.isEmpty());
        loaded->setSlides(loaded->slides.mid(0, 1));
        QCOMPARE(list->saveProject(loaded), id);
        QVERIFY(loaded->damage.isEmpty());
        QFile copy(file + ".damaged");
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), bytes);
        QVERIFY(!list->data(list->index(0), SavedProjectsPres::DamagedRole).toBool());
        QCOMPARE(readProjectFile(file)->slides.size(), 1);

        QVERIFY(QFile::remove(AppPaths::projectsDir + id + "/" + AppConstants::infoFileName));
        list = restart();
        QCOMPARE(list->data(list->index(0), SavedProjectsPres::SlidesCountRole).toInt(), 1);
        QVERIFY(!list->data(list->index(0), SavedProjectsPres::NameRole).toString().isEmpty());
    }

    void stylesAndRemoval()
    {
        auto list = restart();
        const QString id = list->saveProject(projectOf({text("one")}));
        auto style = StyleSettingsPtr::create();
        style->themeId = 5;
        list->saveStyle(QString(), style);
        QCOMPARE(QDir(AppPaths::projectsDir).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 1);
        list->saveStyle(id, style);
        QCOMPARE(list->loadStyle(0)->themeId, 5);

        QSignalSpy deleted(list.get(), &SavedProjectsPres::projectDeleted);
        QVERIFY(!list->remove(3));
        QVERIFY(list->remove(0));
        QCOMPARE(deleted.count(), 1);
        QCOMPARE(deleted.at(0).at(0).toString(), id);
        QCOMPARE(list->rowCount(), 0);
        QVERIFY(!QFileInfo::exists(AppPaths::projectsDir + id));
    }

    // The open project saved through the presenter reopens the same after a restart.
    void presenterProjectSurvivesRestart()
    {
        const QString tone = dir.filePath("тон 1.wav");
        QVERIFY(makeTone(tone, 30.0));
        auto list = restart();
        ProjectPres *pres = ProjectPres::instance();
        pres->setProjectStore(list.get());
        pres->reset();
        pres->addImagePaths(photos.mid(0, 3));
        pres->addTextSlide("  Summer 2026 ");
        pres->addAudioPaths({tone});
        QTRY_VERIFY(!pres->musicReading());
        pres->setRotation(1, 3);
        pres->setSlideDuration(2, OwnDuration, 6.5);
        pres->setProperty("fixedSlideDuration", 4);
        pres->setProperty("isDurationFixed", true);
        pres->save();
        const QString before = describeSlides(pres->project()->slides);
        const double total = pres->project()->totalDuration;

        auto restarted = restart();
        pres->setProjectStore(restarted.get());
        pres->reset();
        pres->loadPrj(0);
        QCOMPARE(describeSlides(pres->project()->slides), before);
        QVERIFY(pres->isDurationFixed());
        QCOMPARE(pres->fixedSlideDuration(), 4);
        QCOMPARE(pres->project()->audioTracks.size(), 1);
        QCOMPARE(pres->project()->audioTracks.at(0)->path(), tone);
        QCOMPARE(pres->project()->totalDuration, total);
        SlidesListModel *model = SlidesListModel::instance();
        QCOMPARE(model->data(model->index(1), SlidesListModel::SlideRotationRole).toInt(), 3);
        pres->setProjectStore(nullptr);
    }
};

PICTOVIA_TEST_MAIN(TestSavedProjects)
#include "tst_savedprojects.moc"
