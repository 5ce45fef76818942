#include "support/MediaFixtures.h"
#include "support/SlideFixtures.h"

#include "app/AppPaths.h"
#include "app/PresenterRegistry.h"
#include "project/AutosavePres.h"
#include "project/NullProjectStore.h"
#include "project/ProjectPres.h"
#include "project/SettingsPres.h"
#include "project/SlidesListModel.h"
#include "project/StyleSettingsPres.h"
#include "project/UndoPres.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <functional>
#include <map>

// Keeps what the autosave wrote last, in place of the saved-projects list.
class RecordingStore : public NullProjectStore
{
public:
    QString saveProject(const ProjectPtr &project) override
    {
        ++saves;
        written = describeSlides(project->slides);
        return QStringLiteral("{undo}");
    }

    int saves = 0;
    QString written;
};

class TestUndo : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void everyEditUndoesAndRedoesExactly_data();
    void everyEditUndoesAndRedoesExactly();
    void undoSelectsTheSlidesItPutsBack();
    void dragsAndSpinRunsMergeIntoOneStep();
    void aPopupsCancelUndoesItsChanges();
    void anotherProjectStartsANewHistory();
    void undoAfterAnAutosaveIsSavedAgain();

private:
    // Everything an undo must put back: the grid's rows, the slides, the music, the durations,
    // the style and the video settings.
    QStringList state() const;
    QVariantList urls(const QStringList &paths) const;
    static int rowOf(const QString &content);

    ProjectPres *project = nullptr;
    StyleSettingsPres *style = nullptr;
    SettingsPres *output = nullptr;
    SlidesListModel *model = nullptr;
    UndoPres *undo = nullptr;
    QTemporaryDir dir;
    QStringList photos;
    QString tone;
};

void TestUndo::initTestCase()
{
    // The installed backgrounds, so that a chosen one is known to the catalogue.
    AppPaths::setup();
    PresenterRegistry::wireProject();
    QVERIFY(dir.isValid());
    photos = makeImageFiles(dir.path(), 6);
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("more")));
    QCOMPARE(makeImageFiles(dir.filePath(QStringLiteral("more")), 2, QStringLiteral("extra")).size(), 2);
    tone = dir.filePath(QStringLiteral("tone.mp3"));
    QVERIFY(makeTone(tone, 4.0));
    project = ProjectPres::instance();
    style = StyleSettingsPres::instance();
    output = SettingsPres::instance();
    model = SlidesListModel::instance();
    undo = UndoPres::instance();
    // Nothing is written anywhere: the autosave case brings a store of its own.
    project->setProjectStore(nullptr);
    style->setProjectStore(nullptr);
    new QAbstractItemModelTester(model, QAbstractItemModelTester::FailureReportingMode::QtTest, this);
}

// Five photos, a text slide and two tracks of 10 s: 20 s of music, so the separator stands after
// the sixth slide while the slides are fixed at 4 s.
void TestUndo::init()
{
    auto start = ProjectPtr::create();
    for (int n = 0; n < 5; ++n)
        start->slides.append(SlidePtr(new Slide{ImageSlideType, CommonDuration, 0.0, photos.at(n), 0}));
    start->slides.insert(2, SlidePtr(new Slide{TextSlideType, CommonDuration, 0.0, QStringLiteral("Lisbon"), 0}));
    for (const char *name : {"first.mp3", "second.mp3"})
        start->audioTracks.append(MediaFileInfoPtr::create(10.0f, QString(), QString::fromLatin1(name), QString(),
                                                           QStringLiteral("/music/") + QString::fromLatin1(name)));
    start->isDurationFixed = true;
    start->slideDuration = 4.0;
    project->openProject(start);
    style->reset();
    undo->closeMerging();
    QVERIFY(!undo->canUndo());
}

void TestUndo::cleanupTestCase()
{
    project->reset();
}

QStringList TestUndo::state() const
{
    QStringList rows;
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex at = model->index(row);
        rows.append(QStringLiteral("%1/%2/%3").arg(at.data(SlidesListModel::TypeRole).toInt())
                        .arg(at.data(SlidesListModel::TextRole).toString(), at.data(SlidesListModel::PathRole).toString()));
    }
    QStringList tracks;
    for (const MediaFileInfoPtr &track : project->project()->audioTracks)
        tracks.append(track->path());
    const Project &p = *project->project();
    const StyleSettings s = *style->styleSettings();
    return QStringList{
        rows.join(QLatin1Char(',')),
        describeSlides(p.slides),
        tracks.join(QLatin1Char(',')),
        QStringLiteral("fixed %1 %2 used %3").arg(p.isDurationFixed).arg(p.slideDuration).arg(p.usedSlidesNumber),
        QStringLiteral("style %1 %2 %3 %4 %5 %6 %7 %8 %9").arg(s.themeId).arg(s.bgId).arg(s.borderSize)
            .arg(s.imgShadowBlur).arg(s.textShadowBlur).arg(s.fontFamily).arg(s.fontWeight)
            .arg(s.borderColor.name() + (s.hasOwnBorderColor ? " own" : " theme's"))
            .arg(s.fontColor.name() + (s.hasOwnFontColor ? " own" : " background's")),
        QStringLiteral("output %1 %2 shown %3 %4").arg(p.output.quality).arg(p.output.saveDir)
            .arg(output->resolution()).arg(output->saveDir()),
    };
}

QVariantList TestUndo::urls(const QStringList &paths) const
{
    QVariantList list;
    for (const QString &path : paths)
        list.append(QUrl::fromLocalFile(path));
    return list;
}

int TestUndo::rowOf(const QString &content)
{
    SlidesListModel *model = SlidesListModel::instance();
    for (int row = 0; row < model->rowCount(); ++row) {
        const SlidePtr slide = model->slideAt(row);
        if (slide && slide->content == content)
            return row;
    }
    return -1;
}

using Edit = std::function<void(TestUndo *)>;

void TestUndo::everyEditUndoesAndRedoesExactly_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("step");
    const QStringList edits = {
        "add photos", "add folder", "add text slide", "add music", "remove slides", "remove track",
        "move three slides", "rotate", "own duration", "duration settings", "edit text", "reorder tracks",
        "theme", "background", "border size", "photo shadow", "text shadow", "font", "font weight",
        "border color", "theme's border color", "text color", "resolution", "result folder",
    };
    const QStringList steps = {
        "Add 2 photos", "Add 2 photos", "Add text slide", "Add music track", "Remove 3 slides", "Remove music track",
        "Move 3 slides", "Rotate photo", "Change slide duration", "Change slide duration settings", "Edit text slide",
        "Move music track", "Change theme to Flying", "Change background", "Change border size", "Change shadow blur",
        "Change text shadow blur", "Change font", "Change font weight", "Change border color", "Change border color",
        "Change text color", "Change video quality", "Change result directory",
    };
    for (int n = 0; n < edits.size(); ++n)
        QTest::newRow(qPrintable(edits.at(n))) << edits.at(n) << steps.at(n);
}

void TestUndo::everyEditUndoesAndRedoesExactly()
{
    QFETCH(QString, edit);
    QFETCH(QString, step);
    const QString folder = dir.filePath(QStringLiteral("more"));
    const std::map<QString, std::function<void()>> edits = {
        {"add photos", [&] { project->addImages(urls(photos.mid(4, 2))); }},
        {"add folder", [&] { project->addImagesFolder(urls({folder})); }},
        {"add text slide", [&] { project->addTextSlide(QStringLiteral("The end")); }},
        {"add music", [&] { project->addAudio(urls({tone})); QTRY_VERIFY(!project->musicReading()); }},
        {"remove slides", [&] { project->removeSlides({1, 2, 4}); }},
        {"remove track", [&] { project->removeAudio(0); }},
        {"move three slides", [&] { project->move({0, 2, 4}, model->rowCount()); }},
        {"rotate", [&] { project->setRotation(1, 1); }},
        {"own duration", [&] { project->setSlideDuration(3, OwnDuration, 7.5); }},
        {"duration settings", [&] { project->setDurationFixed(false); }},
        {"edit text", [&] { project->editTextSlide(2, QStringLiteral("Porto")); }},
        {"reorder tracks", [&] { project->moveAudioForward(0); }},
        {"theme", [&] { style->setThemeId(3); }},
        {"background", [&] { style->setBgId(QStringLiteral("color00003")); }},
        {"border size", [&] { style->setBorderSize(4); }},
        {"photo shadow", [&] { style->setImgShadowBlur(2); }},
        {"text shadow", [&] { style->setTextShadowBlur(3); }},
        {"font", [&] { style->setFontFamily(QStringLiteral("DejaVu Serif")); }},
        {"font weight", [&] { style->setFontWeight(75); }},
        {"border color", [&] { style->setBorderColor(QColor(10, 20, 30)); }},
        {"theme's border color", [&] {
             style->setBorderColor(QColor(10, 20, 30));
             undo->closeMerging();
             // Back to the theme's colour is a step of its own after the colour was chosen.
             const StyleSettings chosen = *style->styleSettings();
             style->useThemeBorderColor();
             QVERIFY(*style->styleSettings() != chosen);
         }},
        {"text color", [&] { style->setFontColor(QColor(200, 10, 10)); }},
        {"resolution", [&] { output->setResolution(2); }},
        {"result folder", [&] { output->setSaveDir(folder); }},
    };
    // The border colour case makes a step before the one under test.
    const bool twoSteps = edit == QStringLiteral("theme's border color");

    const QStringList before = state();
    edits.at(edit)();
    const QStringList after = state();
    QVERIFY2(after != before, "the edit changed nothing");
    QCOMPARE(undo->index(), twoSteps ? 2 : 1);
    QCOMPARE(undo->property("undoTip").toString(), QStringLiteral("Undo ") + step);

    QSignalSpy edited(project, &ProjectPres::projectEdited);
    QSignalSpy styleEdited(style, &StyleSettingsPres::styleEdited);
    undo->undo();
    if (twoSteps) {
        QCOMPARE(undo->index(), 1);
        undo->undo();
    }
    QCOMPARE(state(), before);
    QVERIFY2(edited.count() + styleEdited.count() > 0, "an undo is an edit and is saved like one");
    QCOMPARE(undo->property("redoTip").toString(), QStringLiteral("Redo ") + (twoSteps ? "Change border color" : step));
    if (twoSteps)
        undo->redo();
    undo->redo();
    QCOMPARE(state(), after);
    QVERIFY(!undo->canRedo());
}

void TestUndo::undoSelectsTheSlidesItPutsBack()
{
    QSignalSpy restored(project, &ProjectPres::slidesRestored);
    project->removeSlides({1, 3});
    QCOMPARE(restored.count(), 0); // the first time the grid clears its selection, as before
    undo->undo();
    QCOMPARE(restored.count(), 1);
    QCOMPARE(restored.takeFirst().at(0).value<QList<int>>(), (QList<int>{1, 3}));

    project->setRotation(4, 3);
    undo->undo();
    QCOMPARE(restored.takeFirst().at(0).value<QList<int>>(), QList<int>{4});
}

void TestUndo::dragsAndSpinRunsMergeIntoOneStep()
{
    const QStringList before = state();
    for (int level : {1, 2, 3, 4, 3})
        style->setBorderSize(level);
    QCOMPARE(undo->index(), 1);
    // A second drag after the first was let go is a step of its own.
    undo->closeMerging();
    style->setBorderSize(2);
    QCOMPARE(undo->index(), 2);
    for (int seconds : {5, 6, 7, 8})
        project->setFixedSlideDuration(seconds);
    QCOMPARE(undo->index(), 3);
    QCOMPARE(project->fixedSlideDuration(), 8);
    undo->undo();
    QCOMPARE(project->fixedSlideDuration(), 4);
    undo->undo();
    QCOMPARE(style->borderSize(), 3);
    undo->undo();
    QCOMPARE(state(), before);
    // Steps of different kinds never merge.
    style->setBorderSize(2);
    style->setImgShadowBlur(2);
    QCOMPARE(undo->index(), 2);
}

void TestUndo::aPopupsCancelUndoesItsChanges()
{
    project->setRotation(0, 1);
    const QStringList opened = state();
    const int openedAt = undo->index();
    project->setDurationFixed(false);
    project->setDurationFixed(true);
    project->setFixedSlideDuration(9);
    undo->undoTo(openedAt);
    QCOMPARE(state(), opened);
    QCOMPARE(undo->index(), openedAt);
    undo->undoTo(openedAt + 5); // a later moment than now undoes nothing
    QCOMPARE(undo->index(), openedAt);
}

void TestUndo::anotherProjectStartsANewHistory()
{
    project->removeSlide(0);
    style->setThemeId(2);
    QVERIFY(undo->canUndo());
    project->save(); // saving keeps the history
    QVERIFY(undo->canUndo());
    project->reset();
    QVERIFY(!undo->canUndo());
    QCOMPARE(undo->property("undoTip").toString(), QStringLiteral("Undo"));
    project->addImages(urls(photos.mid(0, 1)));
    project->openProject(ProjectPtr::create());
    QVERIFY(!undo->canUndo());
    QVERIFY(!undo->canRedo());
}

void TestUndo::undoAfterAnAutosaveIsSavedAgain()
{
    RecordingStore store;
    AutosavePres *autosave = AutosavePres::instance();
    project->setProjectStore(&store);
    style->setProjectStore(&store);
    autosave->setProject(project, style, &store);
    const auto edited = connect(project, &ProjectPres::projectEdited, autosave, &AutosavePres::edited);

    const QString original = describeSlides(project->project()->slides);
    project->removeSlides({0, 1});
    autosave->flush();
    QCOMPARE(store.saves, 1);
    QVERIFY(store.written != original);
    QVERIFY(autosave->saved());

    undo->undo();
    QVERIFY(autosave->pending());
    QVERIFY(!autosave->saved());
    autosave->flush();
    QCOMPARE(store.saves, 2);
    QCOMPARE(store.written, original);

    disconnect(edited);
    autosave->setProject(project, style, NullProjectStore::shared());
    project->setProjectStore(nullptr);
    style->setProjectStore(nullptr);
}

QTEST_MAIN(TestUndo)
#include "tst_undo.moc"
