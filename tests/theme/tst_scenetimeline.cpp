#include "support/TestSupport.h"

#include "support/SceneFixtures.h"
#include "theme/SceneSprite.h"
#include "theme/SlotTimeline.h"

using namespace SceneFixtures;

class TestSceneTimeline : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void mapsEachSlotOntoItsShareOfTheScene()
    {
        const SlotTimeline timeline({60.0, 60.0}, 45.0);
        QCOMPARE(timeline.position(0), 0.0);
        QVERIFY(qAbs(timeline.position(30) - 22.5) < 1e-6);
        QVERIFY(qAbs(timeline.position(60) - 45.0) < 1e-6);
        QVERIFY(qAbs(timeline.position(90) - 67.5) < 1e-6);
    }

    void runsSlowInTheMiddleAndNeverBackwards()
    {
        const SlotTimeline timeline({75.0, 40.0}, 30.0);
        double previous = -1.0;
        for (int n = 0; n < 115; ++n) {
            const double position = timeline.position(n);
            QVERIFY2(position >= previous, qPrintable(QString::number(n)));
            QVERIFY(position - previous < 3.0); // no jumps, also across the slot boundary
            previous = position;
        }
        const double edge = timeline.position(1) - timeline.position(0);
        const double middle = timeline.position(38) - timeline.position(37);
        QVERIFY(edge > 2.0 * middle);
    }

    void goesPastTheSceneAfterTheLastSlot()
    {
        const SlotTimeline timeline({30.0, 30.0}, 10.0);
        QVERIFY(timeline.position(60) >= 20.0);
        QVERIFY(timeline.position(75) > 20.0);
        QCOMPARE(SlotTimeline().position(5), 0.0);
        QVERIFY(qIsFinite(SlotTimeline({0.0}, 10.0).position(3)));
    }

    void integerPositionsUseOneKeyframeAndOthersBlend()
    {
        auto object = SceneObjectPtr::create();
        object->keyframes.insert(4, rect(0.0, 0.0, 0.5, 0.5, 0.4f));
        object->keyframes.insert(5, rect(0.5, 0.5, 1.0, 1.0, 0.8f));
        const SceneSprite sprite(object, solid(10, 10, Qt::red), 100, 100);

        QCOMPARE(sprite.keyframeAt(4.0)->topLeft, QPointF(0.0, 0.0));
        QCOMPARE(sprite.keyframeAt(4.0)->opacity, 0.4f);
        QCOMPARE(sprite.keyframeAt(5.0)->bottomRight, QPointF(1.0, 1.0));

        const Keyframe between = *sprite.keyframeAt(4.25);
        QCOMPARE(between.topLeft, QPointF(0.125, 0.125));
        QCOMPARE(between.bottomRight, QPointF(0.625, 0.625));
        QVERIFY(qAbs(between.opacity - 0.5f) < 1e-6f);

        // Only one neighbour: used unchanged. Neither: nothing to draw.
        QCOMPARE(sprite.keyframeAt(3.5)->topLeft, QPointF(0.0, 0.0));
        QCOMPARE(sprite.keyframeAt(5.5)->topLeft, QPointF(0.5, 0.5));
        QVERIFY(!sprite.keyframeAt(7.0));
        QVERIFY(!sprite.keyframeAt(-2.0));
    }
};

PICTOVIA_TEST_MAIN(TestSceneTimeline)
#include "tst_scenetimeline.moc"
