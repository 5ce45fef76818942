#include "support/RenderFixtures.h"
#include "support/TestSupport.h"

#include "render/ScenePlan.h"

using namespace RenderFixtures;

namespace {

ThemeScenePtr sceneOf(int type, int objects)
{
    QList<QRectF> boxes;
    for (int i = 0; i < objects; ++i)
        boxes.append(QRectF(0.1, 0.1, 0.2, 0.2));
    return stillScene(type, 30, boxes);
}

} // namespace

class TestScenePlan : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void overlapsLengthenAllButTheLastScene()
    {
        ThemeTemplate theme;
        theme.photoScenes = {sceneOf(PhotoScene, 1)};
        theme.sceneOverflow = 10;
        auto project = imageProject({"a", "b", "c"}, 5.0);
        SceneScheduler scheduler(*project, theme);
        const QVector<ScenePlan> plan = scheduler.plan();
        QCOMPARE(plan.size(), 3);
        QCOMPARE(plan[0].frameCount, 160);
        QCOMPARE(plan[1].frameCount, 160);
        QCOMPARE(plan[2].frameCount, 150);
        QCOMPARE(plan[0].slotLengths, QVector<double>({160.0}));
        QCOMPARE(plan[2].slotLengths, QVector<double>({150.0}));
        QVERIFY(plan[0].overlap && plan[1].overlap && !plan[2].overlap);
        QCOMPARE(plan[1].start, 5.0);
        QCOMPARE(plan[1].end, 10.0);
        QCOMPARE(plan[2].end, 15.0);
        QCOMPARE(plan[2].slidesLeft, 0);
    }

    void withoutOverlapScenesOnlyCut()
    {
        ThemeTemplate theme;
        theme.photoScenes = {sceneOf(PhotoScene, 1)};
        auto project = imageProject({"a", "b"}, 2.5);
        const QVector<ScenePlan> plan = SceneScheduler(*project, theme).plan();
        QCOMPARE(plan.size(), 2);
        QCOMPARE(plan[0].slotLengths, QVector<double>({75.0}));
        QCOMPARE(plan[0].frameCount, 75);
        QVERIFY(!plan[0].overlap);
    }

    void photoCursorSkipsScenesTooBigAndPersistsAcrossGroups()
    {
        ThemeTemplate theme;
        theme.photoScenes = {sceneOf(PhotoScene, 2), sceneOf(PhotoScene, 1), sceneOf(PhotoScene, 2)};
        theme.textScenes = {sceneOf(TextScene, 1)};
        theme.sceneOverflow = 10;
        auto project = imageProject({"1", "2", "3"}, 5.0);
        project->slides.append(slide(TextSlideType, QStringLiteral("words"), 4.0));
        project->slides.append(slide(ImageSlideType, QStringLiteral("4"), 5.0));
        project->slides.append(slide(ImageSlideType, QStringLiteral("5"), 5.0));
        settle(*project);

        const QVector<ScenePlan> plan = SceneScheduler(*project, theme).plan();
        QCOMPARE(plan.size(), 4);
        QCOMPARE(plan[0].scene, theme.photoScenes[0]);
        QCOMPARE(plan[0].firstSlide, 0);
        QCOMPARE(plan[1].scene, theme.photoScenes[1]);
        QCOMPARE(plan[1].firstSlide, 2);
        // The image group before the text overlaps into it like any other scene change.
        QCOMPARE(plan[2].type, int(TextSlideType));
        QVERIFY(plan[1].overlap);
        QCOMPARE(plan[1].slotLengths, QVector<double>({160.0}));
        QCOMPARE(plan[3].scene, theme.photoScenes[2]);
        QCOMPARE(plan[3].firstSlide, 4);
        QCOMPARE(plan[3].slideCount, 2);
        QCOMPARE(plan[3].end, 29.0);
    }

    void commonDurationSlidesTakeTheProjectDuration()
    {
        ThemeTemplate theme;
        theme.photoScenes = {sceneOf(PhotoScene, 2)};
        auto project = imageProject({"a", "b"}, 2.0);
        project->slides[0]->durationType = CommonDuration;
        project->effectiveSlideDuration = 3.5;
        settle(*project);
        const QVector<ScenePlan> plan = SceneScheduler(*project, theme).plan();
        QCOMPARE(plan.size(), 1);
        QCOMPARE(plan[0].slotLengths, QVector<double>({105.0, 60.0}));
        QCOMPARE(plan[0].frameCount, 165);
    }

    void unplayableProjectsAreRefusedWithAReason()
    {
        ThemeTemplate theme;
        theme.photoScenes = {sceneOf(PhotoScene, 2), sceneOf(PhotoScene, 0)};

        auto empty = imageProject({}, 5.0);
        SceneScheduler none(*empty, theme);
        QVERIFY(none.plan().isEmpty());
        QCOMPARE(none.errorText(), QStringLiteral("The project has no slide to render"));

        // Three photos leave one for which no scene fits; an empty scene never fits.
        auto three = imageProject({"a", "b", "c"}, 5.0);
        SceneScheduler unfit(*three, theme);
        QVERIFY(unfit.plan().isEmpty());
        QCOMPARE(unfit.errorText(), QStringLiteral("The theme has no photo scene for 1 slide(s)"));

        auto text = imageProject({"a", "b"}, 5.0);
        text->slides.append(slide(TextSlideType, QStringLiteral("t"), 5.0));
        settle(*text);
        SceneScheduler noText(*text, theme);
        QVERIFY(noText.plan().isEmpty());
        QCOMPARE(noText.errorText(), QStringLiteral("The theme has no text scene for 1 slide(s)"));
    }

    void onlyUsedSlidesArePlayed()
    {
        ThemeTemplate theme;
        theme.photoScenes = {sceneOf(PhotoScene, 1)};
        theme.sceneOverflow = 10;
        auto project = imageProject({"a", "b", "c"}, 5.0);
        project->usedSlidesNumber = 2;
        const QVector<ScenePlan> plan = SceneScheduler(*project, theme).plan();
        QCOMPARE(plan.size(), 2);
        QVERIFY(!plan[1].overlap);
        QCOMPARE(plan[1].frameCount, 150);
    }
};

PICTOVIA_TEST_MAIN(TestScenePlan)
#include "tst_sceneplan.moc"
