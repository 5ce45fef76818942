#include "support/MediaFixtures.h"
#include "support/SlideFixtures.h"
#include "support/TestSupport.h"

#include "app/PresenterRegistry.h"
#include "project/NullProjectStore.h"
#include "project/ProjectPres.h"
#include "project/SlidesListModel.h"
#include "project/UndoPres.h"

#include <QAbstractItemModelTester>
#include <QJSEngine>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>

// Counts saves and hands out a prepared project, in place of the saved-projects list.
class FakeProjectStore : public NullProjectStore
{
public:
    QString saveProject(const ProjectPtr &project) override
    {
        ++saves;
        return project->id.isEmpty() ? QStringLiteral("{saved}") : project->id;
    }
    ProjectPtr loadProject(int row) override
    {
        lastRow = row;
        return stored;
    }

    int saves = 0;
    int lastRow = -1;
    ProjectPtr stored = ProjectPtr::create();
};

class TestProjectPres : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void separatorFollowsMusic();
    void scrollChoice();
    void scanFolders();
    void textSlides();
    void openProjectWithMissingImage();
    void invalidIndexesChangeNothing();
    void slideDurations();
    void moveSlides_data();
    void moveSlides();
    void editsAreAnnouncedAndSavedOnlyWhenAsked();
    void music();

private:
    ProjectPtr projectWithImages(int count, const QVector<double> &music);
    static QVariantList urls(const QStringList &paths);
    QStringList slideContents() const;
    int separatorRow() const;

    ProjectPres *pres = nullptr;
    SlidesListModel *model = nullptr;
    FakeProjectStore store;
    QTemporaryDir dir;
    QStringList images;
};

void TestProjectPres::initTestCase()
{
    PresenterRegistry::wireProject();
    QVERIFY(dir.isValid());
    images = makeImageFiles(dir.path(), 16);
    QCOMPARE(images.size(), 16);
    pres = ProjectPres::instance();
    model = SlidesListModel::instance();
    new QAbstractItemModelTester(model, QAbstractItemModelTester::FailureReportingMode::QtTest, this);
    pres->setProjectStore(&store);
}

void TestProjectPres::init()
{
    pres->reset();
    store.saves = 0;
}

void TestProjectPres::cleanupTestCase()
{
    pres->reset();
    pres->setProjectStore(nullptr);
}

ProjectPtr TestProjectPres::projectWithImages(int count, const QVector<double> &music)
{
    auto project = ProjectPtr::create();
    for (int n = 0; n < count; ++n)
        project->slides.append(SlidePtr(new Slide{ImageSlideType, CommonDuration, 0.0, images.at(n), 0}));
    for (double length : music)
        project->audioTracks.append(MediaFileInfoPtr::create(float(length), QString(), QStringLiteral("Song"),
                                                             QString(), QStringLiteral("/music/song.mp3")));
    return project;
}

QVariantList TestProjectPres::urls(const QStringList &paths)
{
    QVariantList list;
    for (const QString &path : paths)
        list.append(QUrl::fromLocalFile(path));
    return list;
}

QStringList TestProjectPres::slideContents() const
{
    QStringList contents;
    for (const SlidePtr &slide : pres->project()->slides)
        contents.append(slide->content);
    return contents;
}

int TestProjectPres::separatorRow() const
{
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->data(model->index(row), SlidesListModel::TypeRole).toInt() == SeparatorKind)
            return row;
    }
    return -1;
}

void TestProjectPres::separatorFollowsMusic()
{
    QSignalSpy used(pres, &ProjectPres::usedSlidesNumberChanged);
    pres->openProject(projectWithImages(10, {20}));
    QCOMPARE(pres->property("usedSlidesNumber").toInt(), 6);
    QCOMPARE(pres->property("slidesNumber").toInt(), 10);
    QCOMPARE(pres->property("slideDuration").toInt(), 3);
    QCOMPARE(pres->property("timelineText").toString(), QStringLiteral("0:18 "));
    QCOMPARE(pres->property("timelineValue").toInt(), 90);
    QCOMPARE(separatorRow(), 6);
    QCOMPARE(model->rowCount(), 11);
    QVERIFY(used.count() >= 1);

    // Fixed 5 s slides fit 4 times into 20 s.
    pres->setProperty("isDurationFixed", true);
    QCOMPARE(separatorRow(), 4);
    QCOMPARE(pres->property("usedSlidesNumber").toInt(), 4);

    used.clear();
    pres->removeAudio(0);
    QCOMPARE(separatorRow(), -1);
    QCOMPARE(model->rowCount(), 10);
    QCOMPARE(pres->property("usedSlidesNumber").toInt(), 10);
    QCOMPARE(used.count(), 1);
    QCOMPARE(pres->property("timelineText").toString(), QStringLiteral("0:50 "));
    QCOMPARE(pres->property("timelineValue").toInt(), 100);
}

void TestProjectPres::scrollChoice()
{
    pres->openProject(projectWithImages(10, {33}));
    QCOMPARE(separatorRow(), -1);
    QSignalSpy toSeparator(pres, &ProjectPres::scrollToSeparator);
    QSignalSpy toBottom(pres, &ProjectPres::scrollToBottom);

    // All 10 were used; 3 s slides fit 11 times into 33 s.
    pres->addImagePaths(images.mid(10, 3));
    QCOMPARE(pres->property("usedSlidesNumber").toInt(), 11);
    QCOMPARE(separatorRow(), 11);
    QCOMPARE(toSeparator.count(), 1);
    QCOMPARE(toBottom.count(), 0);

    // Not all were used before this one.
    pres->addImagePaths(images.mid(13, 1));
    QCOMPARE(toSeparator.count(), 1);
    QCOMPARE(toBottom.count(), 1);
    QCOMPARE(separatorRow(), 11);

    // All used before and after.
    pres->reset();
    pres->addImages(urls(images.mid(0, 2)));
    QCOMPARE(toSeparator.count(), 1);
    QCOMPARE(toBottom.count(), 2);
    QCOMPARE(slideContents(), images.mid(0, 2));

    // QML hands over url lists, plain url strings or a single url.
    pres->addImages(QVariant::fromValue(QList<QUrl>{QUrl::fromLocalFile(images.at(2))}));
    pres->addImages(QUrl::fromLocalFile(images.at(3)).toString());
    pres->addImages(QUrl::fromLocalFile(images.at(4)));
    QJSEngine engine;
    QJSValue array = engine.newArray(1);
    array.setProperty(0, QUrl::fromLocalFile(images.at(5)).toString());
    pres->addImages(QVariant::fromValue(array));
    QCOMPARE(slideContents(), images.mid(0, 6));
}

void TestProjectPres::scanFolders()
{
    QTemporaryDir first;
    QTemporaryDir second;
    for (const char *name : {"a.PNG", "b.png", "C.gif", "d.jpeg", "e.JPG", "f.jpg", "g.bmp"})
        QVERIFY(makeImageFile(first.filePath(QString::fromLatin1(name))));
    QFile text(first.filePath(QStringLiteral("c.txt")));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.close();
    QVERIFY(QDir(first.path()).mkdir(QStringLiteral("sub.png")));
    QVERIFY(makeImageFile(first.filePath(QStringLiteral("sub.png/inner.png"))));
    QVERIFY(makeImageFile(second.filePath(QStringLiteral("z.png"))));
    QVERIFY(makeImageFile(second.filePath(QStringLiteral("A.jpg"))));

    const QStringList found = ProjectPres::scanFolders(
        {first.path(), first.filePath(QStringLiteral("missing")), QString(), second.path()});
    // Camera names end in upper case: every letter case is taken.
    const QStringList expected{first.filePath(QStringLiteral("a.PNG")),  first.filePath(QStringLiteral("b.png")),
                               first.filePath(QStringLiteral("C.gif")),  first.filePath(QStringLiteral("d.jpeg")),
                               first.filePath(QStringLiteral("e.JPG")),  first.filePath(QStringLiteral("f.jpg")),
                               second.filePath(QStringLiteral("A.jpg")), second.filePath(QStringLiteral("z.png"))};
    QCOMPARE(found, expected);

    pres->addImagesFolder(urls({first.path()}));
    QCOMPARE(slideContents(), expected.mid(0, 6));
    // A URL that names no local folder must not scan the working folder.
    pres->addImagesFolder(QVariantList{QUrl(QStringLiteral("https://example.com/photos"))});
    QCOMPARE(pres->project()->slides.size(), 6);
}

void TestProjectPres::textSlides()
{
    QSignalSpy hasText(pres, &ProjectPres::hasTextSlideChanged);
    QSignalSpy toBottom(pres, &ProjectPres::scrollToBottom);
    pres->addTextSlide(QStringLiteral("  Hello there \n"));
    pres->addTextSlide(QStringLiteral("Second"));
    QCOMPARE(slideContents(), (QStringList{QStringLiteral("Hello there"), QStringLiteral("Second")}));
    QCOMPARE(pres->property("hasTextSlide").toBool(), true);
    QCOMPARE(hasText.count(), 1);
    QCOMPARE(toBottom.count(), 2);
    QCOMPARE(pres->property("slidesNumber").toInt(), 2);

    pres->editTextSlide(1, QStringLiteral(" spaced "));
    QCOMPARE(pres->project()->slides.at(1)->content, QStringLiteral(" spaced "));
    QCOMPARE(model->data(model->index(1), SlidesListModel::TextRole).toString(), QStringLiteral(" spaced "));

    pres->removeSlide(0);
    QCOMPARE(hasText.count(), 1);
    pres->removeSlide(0);
    QCOMPARE(pres->property("hasTextSlide").toBool(), false);
    QCOMPARE(hasText.count(), 2);
    QCOMPARE(pres->property("slidesNumber").toInt(), 0);
    QCOMPARE(pres->property("timelineText").toString(), QStringLiteral("0:00 "));
}

void TestProjectPres::openProjectWithMissingImage()
{
    const QString missingPath = dir.filePath(QStringLiteral("gone.png"));
    ProjectPtr source = projectWithImages(3, {});
    source->slides[1]->content = missingPath;
    source->slides.append(SlidePtr(new Slide{TextSlideType, OwnDuration, 8.0, QStringLiteral("The end"), 0}));
    source->isDurationFixed = true;
    source->slideDuration = 7;
    source->id = QStringLiteral("{opened}");
    store.stored = source;

    QSignalSpy missed(pres, &ProjectPres::missedImageFiles);
    QSignalSpy saved(pres, &ProjectPres::projectSaved);
    pres->loadPrj(3);
    QCOMPARE(store.lastRow, 3);
    QCOMPARE(missed.count(), 1);
    QCOMPARE(missed.first().at(0).toStringList(), QStringList{missingPath});
    QCOMPARE(slideContents(), (QStringList{images.at(0), missingPath, images.at(2), QStringLiteral("The end")}));
    QCOMPARE(model->rowCount(), 4);
    QCOMPARE(pres->project()->id, QStringLiteral("{opened}"));
    QCOMPARE(pres->property("isDurationFixed").toBool(), true);
    QCOMPARE(pres->property("fixedSlideDuration").toInt(), 7);
    QCOMPARE(pres->property("hasTextSlide").toBool(), true);
    QCOMPARE(pres->project()->totalDuration, 22.0);
    QCOMPARE(saved.count(), 0);

    // Reopening the open project keeps its content, and the photo still missing is told again.
    pres->openProject(pres->project());
    QCOMPARE(model->rowCount(), 4);
    QCOMPARE(missed.count(), 2);

    pres->reset();
    QVERIFY(pres->project()->id.isEmpty());
    QCOMPARE(pres->property("isDurationFixed").toBool(), false);
    QCOMPARE(model->rowCount(), 0);
}

void TestProjectPres::invalidIndexesChangeNothing()
{
    pres->openProject(projectWithImages(2, {30, 40}));
    const QList<MediaFileInfoPtr> tracks = pres->project()->audioTracks;
    QSignalSpy slidesChanged(pres, &ProjectPres::slidesChanged);
    QSignalSpy timeline(pres, &ProjectPres::timelineChanged);
    QSignalSpy saved(pres, &ProjectPres::projectSaved);
    QSignalSpy edited(pres, &ProjectPres::projectEdited);
    QSignalSpy data(model, &QAbstractItemModel::dataChanged);

    pres->removeSlide(-1);
    pres->removeSlide(2);
    pres->editTextSlide(-1, QStringLiteral("x"));
    pres->setRotation(2, 1);
    pres->setRotation(-1, 1);
    pres->setSlideDuration(-1, OwnDuration, 10);
    pres->setSlideDuration(2, OwnDuration, 10);
    pres->move({-1}, 0);
    pres->move({0, 0}, 1);
    pres->move({0}, -1);
    pres->moveAudioForward(1);
    pres->moveAudioBack(0);
    pres->moveAudioForward(-5);
    pres->removeAudio(2);

    QCOMPARE(slidesChanged.count(), 0);
    QCOMPARE(saved.count(), 0);
    QCOMPARE(edited.count(), 0);
    QCOMPARE(data.count(), 0);
    QCOMPARE(slideContents(), images.mid(0, 2));
    QCOMPARE(pres->project()->audioTracks, tracks);
    QCOMPARE(pres->project()->slides.at(0)->rotation, 0);
    QCOMPARE(pres->property("timelineText").toString(), QStringLiteral("1:10 "));

    pres->move({1}, 0);
    QCOMPARE(slideContents(), (QStringList{images.at(1), images.at(0)}));
    QCOMPARE(slidesChanged.count(), 1);
    pres->moveAudioForward(0);
    QCOMPARE(pres->project()->audioTracks, (QList<MediaFileInfoPtr>{tracks.at(1), tracks.at(0)}));
    pres->moveAudioBack(1);
    QCOMPARE(pres->project()->audioTracks, tracks);
    pres->setRotation(0, -1);
    QCOMPARE(pres->project()->slides.at(0)->rotation, -1);
}

void TestProjectPres::slideDurations()
{
    pres->openProject(projectWithImages(5, {60}));
    QCOMPARE(pres->property("slideDuration").toInt(), 12);
    QSignalSpy durationChanged(pres, &ProjectPres::slideDurationChanged);
    pres->setSlideDuration(4, OwnDuration, 10);
    QCOMPARE(pres->project()->effectiveSlideDuration, 12.5);
    QCOMPARE(pres->property("slideDuration").toInt(), 12);
    QCOMPARE(pres->property("exactSlideDuration").toDouble(), 12.5); // what the grid's labels show
    QCOMPARE(durationChanged.count(), 1);
    pres->setSlideDuration(4, CommonDuration, 0);
    QCOMPARE(pres->project()->effectiveSlideDuration, 12.0);

    QSignalSpy fixedChanged(pres, &ProjectPres::fixedSlideDurationChanged);
    pres->setProperty("isDurationFixed", true);
    pres->setProperty("fixedSlideDuration", 25);
    QCOMPARE(fixedChanged.count(), 1);
    QCOMPARE(pres->property("usedSlidesNumber").toInt(), 2);
    QCOMPARE(separatorRow(), 2);
    QCOMPARE(pres->property("timelineText").toString(), QStringLiteral("0:50 "));
    QCOMPARE(pres->property("timelineValue").toInt(), 83);
}

void TestProjectPres::moveSlides_data()
{
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<int>("to");
    QTest::addColumn<bool>("moves");
    QTest::addColumn<QString>("order");

    QTest::newRow("two rows to the top") << QList<int>{5, 2} << 0 << true << "2 5 0 1 3 4";
    QTest::newRow("to the end") << QList<int>{1, 2} << 6 << true << "0 3 4 5 1 2";
    QTest::newRow("far past the end") << QList<int>{2, 1} << 60 << true << "0 3 4 5 1 2";
    QTest::newRow("onto a moving row") << QList<int>{1, 3} << 3 << true << "0 2 1 3 4 5";
    QTest::newRow("one row down") << QList<int>{0} << 4 << true << "1 2 3 0 4 5";
    QTest::newRow("onto itself") << QList<int>{2} << 2 << false << "0 1 2 3 4 5";
    QTest::newRow("negative row") << QList<int>{-1, 2} << 0 << false << "0 1 2 3 4 5";
    QTest::newRow("row past the end") << QList<int>{2, 6} << 0 << false << "0 1 2 3 4 5";
    QTest::newRow("repeated row") << QList<int>{2, 2} << 0 << false << "0 1 2 3 4 5";
    QTest::newRow("negative target") << QList<int>{2} << -1 << false << "0 1 2 3 4 5";
    QTest::newRow("no rows") << QList<int>{} << 0 << false << "0 1 2 3 4 5";
    // With music for four slides the separator stands at row 4; its row counts as a place to
    // drop on, and is never moved itself.
    QTest::newRow("onto the separator") << QList<int>{0} << 4 << true << "1 2 3 0 | 4 5";
    QTest::newRow("past the separator") << QList<int>{1} << 6 << true << "0 2 3 4 | 1 5";
    QTest::newRow("with the separator") << QList<int>{3, 4} << 0 << true << "3 0 1 2 | 4 5";
}

void TestProjectPres::moveSlides()
{
    QFETCH(QList<int>, rows);
    QFETCH(int, to);
    QFETCH(bool, moves);
    QFETCH(QString, order);

    const bool separated = order.contains(QLatin1Char('|'));
    pres->openProject(projectWithImages(6, {separated ? 12.0 : 60.0}));
    if (separated)
    {
        pres->setProperty("isDurationFixed", true);
        pres->setProperty("fixedSlideDuration", 3);
    }
    // Moved slides keep their presenters, so their thumbnails stay as they are.
    QHash<QString, QString> pictures;
    for (int row = 0; row < model->rowCount(); ++row)
        pictures.insert(model->index(row).data(SlidesListModel::PathRole).toString(),
                        model->index(row).data(SlidesListModel::ImgIdRole).toString());
    const int steps = UndoPres::instance()->index();
    pres->move(rows, to);

    QStringList names;
    for (int row = 0; row < model->rowCount(); ++row) {
        const SlidePtr slide = model->slideAt(row);
        names.append(slide ? QString::number(images.indexOf(slide->content)) : QStringLiteral("|"));
    }
    QCOMPARE(names.join(QLatin1Char(' ')), order);
    for (int row = 0; row < model->rowCount(); ++row)
        QCOMPARE(model->index(row).data(SlidesListModel::ImgIdRole).toString(),
                 pictures.value(model->index(row).data(SlidesListModel::PathRole).toString()));
    // One move is one step, however many slides it takes along.
    QCOMPARE(UndoPres::instance()->index(), steps + (moves ? 1 : 0));
}

void TestProjectPres::editsAreAnnouncedAndSavedOnlyWhenAsked()
{
    QSignalSpy saved(pres, &ProjectPres::projectSaved);
    QSignalSpy edited(pres, &ProjectPres::projectEdited);
    pres->save();
    QCOMPARE(saved.count(), 0);
    QCOMPARE(store.saves, 0);

    pres->addTextSlide(QStringLiteral("first"));
    pres->addImagePaths(images.mid(0, 1));
    pres->editTextSlide(0, QStringLiteral("edited"));
    pres->setRotation(1, 1);
    pres->setProperty("fixedSlideDuration", 3);
    pres->setProperty("isDurationFixed", true);
    pres->setSlideDuration(0, OwnDuration, 4.5);
    pres->move({1}, 0);
    pres->removeSlide(0);
    QCOMPARE(edited.count(), 9);
    // Writing is the autosave's business: the presenter saves only when asked.
    QCOMPARE(store.saves, 0);

    pres->save();
    QCOMPARE(saved.count(), 1);
    QCOMPARE(store.saves, 1);
    QCOMPARE(pres->project()->id, QStringLiteral("{saved}"));
    QVERIFY(pres->saveQuietly());
    QCOMPARE(saved.count(), 1);
    QCOMPARE(store.saves, 2);
}

void TestProjectPres::music()
{
    const QString first = dir.filePath(QStringLiteral("first.wav"));
    const QString second = dir.filePath(QStringLiteral("second.wav"));
    const QString broken = dir.filePath(QStringLiteral("broken.mp3"));
    QVERIFY(makeTone(first, 3.2));
    QVERIFY(makeTone(second, 2.3));
    QFile junk(broken);
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write("not audio at all");
    junk.close();

    QSignalSpy saved(pres, &ProjectPres::projectSaved);
    QSignalSpy edited(pres, &ProjectPres::projectEdited);
    QSignalSpy audio(pres, &ProjectPres::audioChanged);
    QSignalSpy text(pres, &ProjectPres::audioTracksTextChanged);
    pres->addAudio(urls({first, broken, second}));
    // Read on a worker thread: the interface goes on meanwhile.
    QVERIFY(pres->musicReading());
    QTRY_VERIFY(!pres->musicReading());
    QCOMPARE(saved.count(), 0);
    QCOMPARE(audio.count(), 1);
    QCOMPARE(text.count(), 1);
    QCOMPARE(pres->property("audioFilesCount").toInt(), 2);
    QCOMPARE(pres->project()->audioTracks.size(), 2);
    QCOMPARE(pres->project()->audioTracks.at(0)->path(), first);
    QCOMPARE(pres->property("audioTracksText").toString(), QStringLiteral("2 Audio Files - 0:05"));
    const QVariantList files = pres->property("audioFiles").toList();
    QCOMPARE(files.at(1).toMap().value(QStringLiteral("duration")).toString(), QStringLiteral("0:02"));

    QCOMPARE(edited.count(), 1);
    pres->addAudioPaths({first});
    pres->addAudioPaths({broken});
    QTRY_VERIFY(!pres->musicReading());
    QCOMPARE(edited.count(), 2);
    QCOMPARE(pres->project()->audioTracks.size(), 3);

    pres->removeAudio(0);
    pres->removeAudio(1);
    const MediaFileInfoPtr left = pres->project()->audioTracks.value(0);
    QVERIFY(left);
    QCOMPARE(left->path(), second);
    QCOMPARE(pres->property("audioTracksText").toString(), left->songName() + QStringLiteral(" - 0:02"));
    QCOMPARE(edited.count(), 4);
    QCOMPARE(saved.count(), 0);

    // A held tone has no beat to change slides on: the settings say so, by the song's name.
    QVERIFY(left->beatGrid().isTracked() && !left->beatGrid().isSteady());
    QSignalSpy notice(pres, &ProjectPres::beatNoticeChanged);
    pres->setProperty("beatSync", true);
    QCOMPARE(notice.count(), 1);
    QVERIFY2(pres->beatNotice().startsWith(QStringLiteral("No steady beat found in ") + left->songName()),
             qPrintable(pres->beatNotice()));
    pres->setProperty("beatSync", false);
    QCOMPARE(pres->beatNotice(), QString());

    pres->removeAudio(0);
    QCOMPARE(pres->property("audioTracksText").toString(), QString());
    QCOMPARE(pres->property("audioFilesCount").toInt(), 0);
}

PICTOVIA_TEST_MAIN(TestProjectPres)
#include "tst_projectpres.moc"
