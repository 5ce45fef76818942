#include "support/TestSupport.h"

#include "support/FakeFrameInput.h"
#include "support/SceneFixtures.h"
#include "theme/ImgSceneReader.h"
#include "theme/SceneStyle.h"
#include "theme/TextSceneReader.h"

#include <QTemporaryDir>

#include <cmath>

using namespace SceneFixtures;

Q_DECLARE_METATYPE(Keyframe)

namespace {
SlidePtr slide(const QString &content, int type = ImageSlideType)
{
    auto result = SlidePtr::create();
    result->type = type;
    result->content = content;
    return result;
}

// A reader over a fake source of frames, returning each frame to the pool when done.
struct ReaderRig
{
    FramePoolPtr pool;
    QSharedPointer<FakeFrameInput> input;
    QVector<SlidePtr> slides;
    SceneReaderBase::SlideCursor cursor;

    ReaderRig(const QSize &size, int frames, const QVector<SlidePtr> &slideList, QColor background = Qt::black)
        : pool(FramePoolPtr::create(size.width(), size.height()))
        , input(QSharedPointer<FakeFrameInput>::create(pool, frames, background))
        , slides(slideList)
        , cursor(slides.cbegin())
    {
    }

    ImgSceneReader photoReader(const ThemeScenePtr &scene, const QVector<double> &slotLengths)
    {
        return ImgSceneReader(input, pool->width(), pool->height(), scene, cursor, slides.cend(), 0, slotLengths);
    }

    // Reads one frame and keeps a copy of the pixels in the frame's own buffer.
    QImage read(ISceneReader &reader, double opacity = 1.0)
    {
        if (!reader.readNext(opacity))
            return QImage();
        const AVFrame *frame = reader.currentFrame();
        const QImage copy = QImage(static_cast<const uchar *>(frame->data[0]), frame->width, frame->height,
                                   frame->linesize[0], QImage::Format_RGB32)
                                .copy();
        pool->release(reader.currentFrame());
        return copy;
    }
};

// The point at distance from "from" on the way to "towards" (negative: the other way).
QPointF stepAway(QPointF from, QPointF towards, double distance)
{
    const QPointF d = towards - from;
    return from + d * (distance / std::hypot(d.x(), d.y()));
}
}

class TestSceneReader : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private Q_SLOTS:
    void init() { SceneStyle::instance()->reset(); }

    void photoKeyframedToFillTheFrameCoversIt()
    {
        const QString path = saveImage(solid(320, 180, Qt::red), m_dir.path(), "red.png");
        ReaderRig rig(QSize(160, 90), 3, {slide(path)});
        auto scene = SceneFixtures::scene(10, {steadyObject(rect(0, 0, 1, 1), 10, 16.0f / 9.0f)});
        ImgSceneReader reader = rig.photoReader(scene, {10.0});
        QCOMPARE(reader.frameIndex(), -1);
        QVERIFY(!reader.currentFrame());

        QVERIFY(reader.readNext(1.0));
        AVFrame *frame = reader.currentFrame();
        QCOMPARE(frame->pts, int64_t(-1));
        QCOMPARE(reader.frameIndex(), 0);
        const QImage &image = *reader.currentImage();
        QCOMPARE(image.constBits(), frame->data[0]); // painted in place
        QCOMPARE(image.bytesPerLine(), frame->linesize[0]);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                QVERIFY2(image.pixel(x, y) == qRgb(255, 0, 0), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        rig.pool->release(frame);

        QVERIFY(reader.readNext(1.0));
        QCOMPARE(reader.currentFrame()->pts, int64_t(0));
        rig.pool->release(reader.currentFrame());
    }

    void backgroundIsLeftOutOnlyUnderOpaquePhotoPixels_data()
    {
        QTest::addColumn<QColor>("photo");
        QTest::addColumn<Keyframe>("keyframe");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("covered");
        QTest::addColumn<bool>("partly");
        const QSize wide(160, 90);
        const Keyframe beyond = rect(-0.1, -0.1, 1.1, 1.1);
        QTest::newRow("beyond every edge") << QColor(Qt::red) << beyond << wide << true << false;
        QTest::newRow("inside the frame") << QColor(Qt::red) << rect(0.1, 0.1, 0.9, 0.9) << wide << false << true;
        QTest::newRow("translucent") << QColor(Qt::red) << rect(-0.1, -0.1, 1.1, 1.1, 0.9f) << wide << false << false;
        QTest::newRow("transparent pixels") << QColor(255, 0, 0, 128) << beyond << wide << false << false;
        QTest::newRow("portrait over its backdrop") << QColor(Qt::red) << beyond << QSize(60, 90) << true << false;
    }

    void backgroundIsLeftOutOnlyUnderOpaquePhotoPixels()
    {
        QFETCH(QColor, photo);
        QFETCH(Keyframe, keyframe);
        QFETCH(QSize, size);
        QFETCH(bool, covered);
        QFETCH(bool, partly);
        QImage picture(size, photo.alpha() < 255 ? QImage::Format_ARGB32 : QImage::Format_RGB32);
        picture.fill(photo);
        const QString path = saveImage(picture, m_dir.path(), QStringLiteral("%1.png").arg(QTest::currentDataTag()));
        ReaderRig rig(QSize(80, 45), 2, {slide(path)}, Qt::blue);
        auto scene = SceneFixtures::scene(2, {steadyObject(keyframe, 2, 16.0f / 9.0f)});
        ImgSceneReader reader = rig.photoReader(scene, {2.0});
        const QImage first = rig.read(reader);
        const QImage second = rig.read(reader);
        // The first frame has no size to judge by yet; the second is the same picture either way.
        QCOMPARE(rig.input->coveredTakes, covered ? 1 : 0);
        QCOMPARE(rig.input->aroundTakes, partly ? 1 : 0);
        QCOMPARE(maxChannelDifference(first, second), 0);
    }

    void perspectiveQuadrilateralLandsWhereExpected()
    {
        const QString path = saveImage(gradient(101, 101), m_dir.path(), "ramp.png");
        ReaderRig rig(QSize(200, 200), 1, {slide(path)});
        const QPointF tl(0.2, 0.1), tr(0.8, 0.3), br(0.7, 0.9), bl(0.1, 0.7);
        auto scene = SceneFixtures::scene(1, {steadyObject(quad(tl, tr, br, bl), 1)});
        ImgSceneReader reader = rig.photoReader(scene, {1.0});
        const QImage image = rig.read(reader);

        const QPointF corners[] = {tl * 200, tr * 200, br * 200, bl * 200};
        const QPointF centroid = (corners[0] + corners[1] + corners[2] + corners[3]) / 4;
        for (const QPointF &corner : corners) {
            const QPoint inside = stepAway(corner, centroid, 3.0).toPoint();
            const QPoint outside = stepAway(corner, centroid, -2.0).toPoint();
            QVERIFY(image.pixel(inside) != qRgb(0, 0, 0));
            QCOMPARE(image.pixel(outside), qRgb(0, 0, 0));
        }
        // Top-left of the photo (red 0, green 0) at the top-left corner, its far corner at bottom-right.
        const QRgb nearTopLeft = image.pixel(stepAway(corners[0], centroid, 3.0).toPoint());
        const QRgb nearBottomRight = image.pixel(stepAway(corners[2], centroid, 3.0).toPoint());
        QVERIFY(qRed(nearTopLeft) < 20 && qGreen(nearTopLeft) < 20);
        QVERIFY(qRed(nearBottomRight) > 235 && qGreen(nearBottomRight) > 235);
        // Projective: the photo's centre lands where the diagonals cross, not at the corners' mean.
        QLineF first(corners[0], corners[2]), second(corners[1], corners[3]);
        QPointF crossing;
        QCOMPARE(first.intersects(second, &crossing), QLineF::BoundedIntersection);
        const QRgb centre = image.pixel(crossing.toPoint());
        QVERIFY2(qAbs(qRed(centre) - 128) <= 5 && qAbs(qGreen(centre) - 128) <= 5,
                 qPrintable(QStringLiteral("%1 %2").arg(qRed(centre)).arg(qGreen(centre))));
    }

    void opacityBelowTheThresholdIsApplied()
    {
        const QString path = saveImage(solid(50, 50, Qt::white), m_dir.path(), "white.png");
        auto shownWith = [&](float keyframeOpacity, double factor) {
            ReaderRig rig(QSize(50, 50), 1, {slide(path)});
            auto scene = SceneFixtures::scene(1, {steadyObject(rect(0, 0, 1, 1, keyframeOpacity), 1)});
            ImgSceneReader reader = rig.photoReader(scene, {1.0});
            return qRed(rig.read(reader, factor).pixel(25, 25));
        };
        QCOMPARE(shownWith(1.0f, 1.0), 255);
        QCOMPARE(shownWith(0.995f, 1.0), 255); // close enough to opaque: no opacity set
        QVERIFY(qAbs(shownWith(0.98f, 1.0) - 250) <= 1);
        QVERIFY(qAbs(shownWith(1.0f, 0.5) - 128) <= 1);
        QVERIFY(qAbs(shownWith(0.5f, 0.5) - 64) <= 1);
        QCOMPARE(shownWith(1.0f, 0.0), 0);
    }

    void readNextReportsTheEndOfTheSource()
    {
        ReaderRig rig(QSize(32, 32), 2, {});
        ImgSceneReader reader = rig.photoReader(SceneFixtures::scene(4, {}), {4.0});
        QVERIFY(!rig.read(reader).isNull());
        QVERIFY(!rig.read(reader).isNull());
        QCOMPARE(reader.frameIndex(), 1);
        QVERIFY(!reader.readNext(1.0));
        QVERIFY(!reader.currentFrame());
        QVERIFY(!reader.currentImage());
        QCOMPARE(reader.frameIndex(), 1);
    }

    void objectsFollowTheTimelineAndVanishAfterTheirLastKeyframe()
    {
        const QString path = saveImage(solid(40, 40, Qt::green), m_dir.path(), "green.png");
        ReaderRig rig(QSize(40, 40), 6, {slide(path)});
        // Keyframes for scene frames 0 to 2 of a 10-frame scene played over 6 output frames.
        auto scene = SceneFixtures::scene(10, {steadyObject(rect(0, 0, 1, 1), 2)});
        ImgSceneReader reader = rig.photoReader(scene, {6.0});
        QCOMPARE(reader.timeline().framesPerSlot(), 10.0);
        QList<bool> shown;
        for (int i = 0; i < 6; ++i)
            shown << (rig.read(reader).pixel(20, 20) == qRgb(0, 255, 0));
        QCOMPARE(shown, QList<bool>({true, true, false, false, false, false}));
    }

    void drawNextPaintsOverAnotherScenesImage()
    {
        const QString path = saveImage(solid(20, 20, Qt::blue), m_dir.path(), "blue.png");
        ReaderRig rig(QSize(20, 20), 0, {slide(path)});
        auto scene = SceneFixtures::scene(2, {steadyObject(rect(0, 0, 1, 1), 2)});
        ImgSceneReader reader = rig.photoReader(scene, {2.0});
        auto image = ImageSharedPointer::create(solid(20, 20, Qt::red));
        reader.drawNext(image, 0.5);
        QCOMPARE(reader.frameIndex(), 0);
        QVERIFY(qAbs(qBlue(image->pixel(10, 10)) - 128) <= 1);
        QVERIFY(qAbs(qRed(image->pixel(10, 10)) - 127) <= 1);
        QVERIFY(!reader.currentFrame()); // no frame of its own taken
    }

    void cursorMovesPastTheSlidesTaken()
    {
        const QString red = saveImage(solid(20, 20, Qt::red), m_dir.path(), "c1.png");
        const QString blue = saveImage(solid(20, 20, Qt::blue), m_dir.path(), "c2.png");
        ReaderRig rig(QSize(40, 20), 1, {slide(red), slide(blue), slide(red)});
        const auto left = steadyObject(rect(0, 0, 0.5, 1), 0);
        const auto right = steadyObject(rect(0.5, 0, 1, 1), 0);
        ImgSceneReader first = rig.photoReader(SceneFixtures::scene(2, {left, right}), {1.0, 1.0});
        QCOMPARE(rig.cursor - rig.slides.cbegin(), 2);
        QCOMPARE(first.sprites().size(), 2);
        const QImage image = rig.read(first);
        QCOMPARE(image.pixel(10, 10), qRgb(255, 0, 0));
        QCOMPARE(image.pixel(30, 10), qRgb(0, 0, 255));

        // One slide left for two objects: binds what there is and stops at the end.
        ImgSceneReader second = rig.photoReader(SceneFixtures::scene(2, {left, right}), {1.0, 1.0});
        QCOMPARE(second.sprites().size(), 1);
        QVERIFY(rig.cursor == rig.slides.cend());
    }

    void laterObjectsAreDrawnOverEarlierOnes()
    {
        const QString red = saveImage(solid(20, 20, Qt::red), m_dir.path(), "o1.png");
        const QString blue = saveImage(solid(20, 20, Qt::blue), m_dir.path(), "o2.png");
        ReaderRig rig(QSize(40, 40), 1, {slide(red), slide(blue)});
        auto scene = SceneFixtures::scene(
            2, {steadyObject(rect(0, 0, 0.75, 0.75), 0), steadyObject(rect(0.25, 0.25, 1, 1), 0)});
        ImgSceneReader reader = rig.photoReader(scene, {1.0, 1.0});
        const QImage image = rig.read(reader);
        QCOMPARE(image.pixel(5, 5), qRgb(255, 0, 0));
        QCOMPARE(image.pixel(20, 20), qRgb(0, 0, 255));
    }

    void textSlidesAreTitlesInTheRunsStyle()
    {
        SceneStyle::instance()->setTextColor(Qt::yellow);
        SceneStyle::instance()->setTextFont(QFont(QStringLiteral("DejaVu Sans")));
        const SceneStyleSnapshot runStyle = SceneStyle::instance()->snapshot();
        // A change after the run took its style must not reach it.
        SceneStyle::instance()->setTextColor(Qt::blue);
        ReaderRig rig(QSize(320, 180), 1, {slide(QStringLiteral("Hello"), TextSlideType)});
        auto scene = SceneFixtures::scene(1, {steadyObject(rect(0, 0, 1, 1), 1, 16.0f / 9.0f)}, TextScene);
        TextSceneReader reader(rig.input, 320, 180, scene, rig.cursor, rig.slides.cend(), 30, {1.0}, runStyle);
        QCOMPARE(reader.totalFrames(), 30);
        const QImage image = rig.read(reader);
        int yellow = 0;
        QRect inked;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qRed(image.pixel(x, y)) > 200 && qGreen(image.pixel(x, y)) > 200 && qBlue(image.pixel(x, y)) < 80) {
                    ++yellow;
                    inked |= QRect(x, y, 1, 1);
                }
        QVERIFY(yellow > 40);
        // A title of a few percent of the height, well inside the frame.
        QVERIFY(inked.left() > 40 && inked.right() < 280 && inked.height() < 30);
        QCOMPARE(image.pixel(2, 2), qRgb(0, 0, 0));
    }
};

PICTOVIA_TEST_MAIN(TestSceneReader)
#include "tst_scenereader.moc"
