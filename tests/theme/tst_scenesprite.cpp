#include "support/TestSupport.h"

#include "app/CommonError.h"
#include "support/ExifJpegBuilder.h"
#include "support/MediaFixtures.h"
#include "support/SceneFixtures.h"
#include "theme/DropShadow.h"
#include "theme/ProjectiveDraw.h"
#include "theme/ScaledDraw.h"
#include "theme/SceneSprite.h"
#include "theme/SceneStyle.h"
#include "theme/TextPicture.h"
#include "theme/ColourContrast.h"

#include <QFontMetrics>
#include <QImageReader>
#include <QPainter>
#include <QSignalSpy>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <limits>

using namespace SceneFixtures;

namespace {
ShadowSpec shadowSpec(float offsetX, float offsetY, float blur, const QColor &color = QColor(0, 0, 0, 255))
{
    ShadowSpec shadow;
    shadow.offsetX = offsetX;
    shadow.offsetY = offsetY;
    shadow.blur = blur;
    shadow.color = color;
    return shadow;
}

Slide photoSlide(const QString &path, int rotation = 0)
{
    Slide slide;
    slide.content = path;
    slide.rotation = rotation;
    return slide;
}

// A photo with a transparent band and a half-transparent corner, so blending shows too.
QImage layeredPicture()
{
    QImage picture = gradient(300, 200).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&picture);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(100, 0, 20, 200, Qt::transparent);
    painter.fillRect(200, 120, 100, 80, QColor(0, 0, 255, 128));
    return picture;
}

QImage underlay()
{
    return gradient(400, 300).mirrored(true, false);
}

// What the painter's smooth antialiased draw makes of the picture over the underlay.
QImage paintedOver(const QImage &picture, const QTransform &transform, qreal opacity)
{
    QImage image = underlay();
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter.setOpacity(opacity);
    painter.setTransform(transform);
    painter.drawImage(0, 0, picture);
    return image;
}

QImage drawnFrame(const SceneSprite &sprite, const QSize &size, const QColor &background, double opacity = 1.0)
{
    QImage frame = solid(size.width(), size.height(), background);
    sprite.drawAt(0.0, frame, opacity);
    return frame;
}
}

class TestSceneSprite : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private Q_SLOTS:
    void init() { SceneStyle::instance()->reset(); }
    void cleanupTestCase() { SceneStyle::instance()->reset(); }

    void widePhotoIsLetterboxedInASquareObject()
    {
        const QString path = saveImage(solid(200, 100, Qt::red), m_dir.path(), "wide.png");
        const SceneSprite sprite(steadyObject(rect(0, 0, 1, 1), 0), photoSlide(path), 100, 100);
        QVERIFY(sprite.wide());
        QCOMPARE(sprite.margin(), 0.25f);

        const QImage frame = drawnFrame(sprite, QSize(100, 100), Qt::black);
        QCOMPARE(frame.pixelColor(50, 23), QColor(Qt::black));
        QCOMPARE(frame.pixelColor(50, 26), QColor(Qt::red));
        QCOMPARE(frame.pixelColor(0, 50), QColor(Qt::red));
        QCOMPARE(frame.pixelColor(99, 73), QColor(Qt::red));
        QCOMPARE(frame.pixelColor(50, 76), QColor(Qt::black));
    }

    void tallTextIsPillarboxed()
    {
        const SceneSprite sprite(steadyObject(rect(0, 0, 1, 1), 0, 2.0f), solid(50, 100, Qt::green), 200, 100);
        QVERIFY(!sprite.wide());
        QCOMPARE(sprite.margin(), 0.375f);
        const QImage frame = drawnFrame(sprite, QSize(200, 100), Qt::black);
        QCOMPARE(frame.pixelColor(73, 50), QColor(Qt::black));
        QCOMPARE(frame.pixelColor(77, 50), QColor(Qt::green));
        QCOMPARE(frame.pixelColor(123, 50), QColor(Qt::green));
        QCOMPARE(frame.pixelColor(127, 50), QColor(Qt::black));
    }

    // A frame-filling object never shows bars: wide photos are cropped to fill it, narrow ones
    // stand whole in the middle over a darkened copy of themselves.
    void frameFillingObjectsLeaveNoBars_data()
    {
        QTest::addColumn<QSize>("photo");
        QTest::addColumn<bool>("backdrop");
        QTest::newRow("4:3 landscape") << QSize(400, 300) << false;
        QTest::newRow("2:3 portrait") << QSize(200, 300) << true;
        QTest::newRow("square") << QSize(300, 300) << true;
    }

    void frameFillingObjectsLeaveNoBars()
    {
        QFETCH(QSize, photo);
        QFETCH(bool, backdrop);
        const QSize frameSize(320, 180);
        const QString path = saveImage(solid(photo.width(), photo.height(), QColor(250, 200, 40)), m_dir.path(),
                                       QStringLiteral("fill%1x%2.png").arg(photo.width()).arg(photo.height()));
        const auto object = steadyObject(rect(-0.05, -0.05, 1.05, 1.05), 0, 16.0f / 9.0f);
        QVERIFY(SceneSprite::fillsFrame(*object));
        QVERIFY(!SceneSprite::fillsFrame(*steadyObject(rect(0, 0, 1, 0.9), 0, 16.0f / 9.0f)));
        QVERIFY(!SceneSprite::fillsFrame(*steadyObject(rect(0, 0, 1, 1), 0, 16.0f / 9.0f)));
        const SceneSprite sprite(object, photoSlide(path), frameSize.width(), frameSize.height());
        QCOMPARE(!sprite.backdrop().isNull(), backdrop);
        const QImage frame = drawnFrame(sprite, frameSize, Qt::black);
        QCOMPARE(frame.pixelColor(160, 90), QColor(250, 200, 40));
        for (const QPoint edge : {QPoint(2, 90), QPoint(317, 90), QPoint(160, 1), QPoint(160, 178)}) {
            const QColor seen = frame.pixelColor(edge);
            QVERIFY2(seen.red() > 60, qPrintable(QStringLiteral("%1,%2").arg(edge.x()).arg(edge.y())));
            // Around a narrow photo the darkened copy shows; a wide one reaches every edge itself.
            QCOMPARE(seen.red() < 235, backdrop);
        }
    }

    void titlesKeepMarginsOnAContrastingBand()
    {
        const QFont font(QStringLiteral("DejaVu Sans"));
        const auto inked = [](const QImage &picture) {
            QRect box;
            for (int y = 0; y < picture.height(); ++y)
                for (int x = 0; x < picture.width(); ++x)
                    if (qAlpha(picture.pixel(x, y)) > 0)
                        box |= QRect(x, y, 1, 1);
            return box;
        };
        const QImage title = renderTitlePicture(640, 360, QStringLiteral("Summer"), font, Qt::white);
        const QRect shortBox = inked(title);
        QVERIFY(shortBox.height() < 360 * 0.2 && shortBox.left() > 640 * 0.15);
        // The band behind light letters is dark and translucent.
        QVERIFY(title.pixelColor(shortBox.left() + 2, shortBox.center().y()).alpha() < 200);
        QCOMPARE(title.pixelColor(shortBox.left() + 2, shortBox.center().y()).value(), 0);

        const QString story = QString(QStringLiteral("many words of a long story ")).repeated(12);
        const QImage wrapped = renderTitlePicture(640, 360, story, font, Qt::black);
        const QRect longBox = inked(wrapped);
        QVERIFY(longBox.left() > 640 * 0.1 && longBox.right() < 640 * 0.9);
        QVERIFY(longBox.height() > shortBox.height() && longBox.width() > shortBox.width());
        QVERIFY(wrapped.pixelColor(longBox.left() + 2, longBox.center().y()).lightness() > 200);
    }

    // Every text colour the style screen offers, and black and white, stays readable on its band
    // whatever lies behind: the band's pixel over white and over black keeps 4.5:1.
    void titleBandsContrastWithEveryTextColour_data()
    {
        QTest::addColumn<QColor>("text");
        for (const char *name : {"#ffffff", "#f2e8d5", "#c9ced6", "#d4a017", "#b5524a", "#3f6e5a", "#2b4c7e",
                                 "#1b1e23", "#000000"})
            QTest::newRow(name) << QColor(QLatin1String(name));
    }

    void titleBandsContrastWithEveryTextColour()
    {
        QFETCH(QColor, text);
        const QImage title = renderTitlePicture(640, 360, QStringLiteral("Summer"), QFont(QStringLiteral("DejaVu Sans")), text);
        const QColor band = title.pixelColor(title.width() / 2, title.height() / 2 - title.height() * 0.055);
        QVERIFY(band.alpha() > 0);
        for (const QColor &behind : {QColor(Qt::white), QColor(Qt::black), QColor(128, 128, 128)}) {
            const double ratio = ColourContrast::ratio(text, ColourContrast::over(band, behind));
            QVERIFY2(ratio >= ColourContrast::ReadableRatio, qPrintable(QString::number(ratio)));
        }
    }

    void smallPhotosAreNotEnlargedLargeOnesFitTheCap()
    {
        const QString small = saveImage(solid(50, 40, Qt::blue), m_dir.path(), "small.png");
        QCOMPARE(SceneSprite(steadyObject(rect(0, 0, 1, 1), 0), photoSlide(small), 1920, 1080).picture().size(),
                 QSize(50, 40));

        const QString large = saveImage(solid(4000, 1000, Qt::blue), m_dir.path(), "large.png");
        const SceneSprite capped(steadyObject(rect(0, 0, 1, 1), 0, 1.0f, 0.5f, 0.5f), photoSlide(large), 1920, 1080);
        QCOMPARE(capped.picture().size(), QSize(960, 240));
        QCOMPARE(capped.picture().format(), QImage::Format_ARGB32_Premultiplied);
    }

    // Prepared at the size of its largest keyframe, a photo is copied there pixel for pixel: a
    // resample at a scale near 1 would blur its finest detail. Nearer to half a pixel off its
    // own size (here 479.6 px wide, edges a fifth of a pixel off) it is still copied, moved to
    // whole pixels.
    void uprightPhotoIsCopiedWhereItIsDrawnLargest()
    {
        const QString path = saveImage(gradient(1200, 800), m_dir.path(), "largest.png");
        auto object = SceneObjectPtr::create();
        object->aspect = 1.5f;
        object->keyframes.insert(0, rect(0.2, 0.2, 0.8, 0.8));
        object->keyframes.insert(5, rect(0.1003, 0.1004, 0.8997, 0.8996));
        object->keyframes.insert(10, rect(0.1, 0.1, 0.9, 0.9));
        const SceneSprite sprite(object, photoSlide(path), 600, 400);
        const QRect own = QPolygonF(sprite.pictureQuad()).boundingRect().toRect();
        QCOMPARE(own.size(), QSize(480, 320));
        for (const double position : {10.0, 5.0}) {
            QImage frame = solid(600, 400, Qt::black);
            sprite.drawAt(position, frame, 1.0);
            QCOMPARE(maxChannelDifference(frame.copy(60, 40, 480, 320),
                                          sprite.picture().copy(own).convertToFormat(QImage::Format_RGB32)),
                     0);
        }
    }

    void rotationCountsQuarterTurnsClockwise()
    {
        const QString path = saveImage(gradient(60, 40), m_dir.path(), "turn.png");
        const auto object = steadyObject(rect(0, 0, 1, 1), 0);
        const QImage minusOne = SceneSprite(object, photoSlide(path, -1), 1920, 1080).picture();
        const QImage three = SceneSprite(object, photoSlide(path, 3), 1920, 1080).picture();
        const QImage one = SceneSprite(object, photoSlide(path, 1), 1920, 1080).picture();
        QCOMPARE(minusOne.size(), QSize(40, 60));
        QCOMPARE(minusOne, three);
        QVERIFY(one != three);
        // A clockwise turn brings the left column (red 0) to the top row.
        QCOMPARE(qRed(one.pixel(20, 0)), 0);
        QCOMPARE(SceneSprite(object, photoSlide(path, 4), 1920, 1080).picture(),
                 SceneSprite(object, photoSlide(path, 0), 1920, 1080).picture());
    }

    void unreadablePhotoDrawsNothing()
    {
        QFile junk(m_dir.filePath("junk.jpg"));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("\xff\xd8\xff\xe0 not really a jpeg");
        junk.close();
        for (const QString &path : {junk.fileName(), m_dir.filePath("missing.jpg")}) {
            const SceneSprite sprite(steadyObject(rect(0, 0, 1, 1), 0), photoSlide(path), 64, 64);
            QVERIFY(sprite.picture().isNull());
            const QImage frame = drawnFrame(sprite, QSize(64, 64), Qt::gray);
            QCOMPARE(frame, solid(64, 64, Qt::gray));
        }
    }

    void photoDeclaringGigabytesIsRefused()
    {
        QFile file(m_dir.filePath("huge.png"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(pngDeclaring(40000, 40000));
        file.close();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("too large to decode"));
        const SceneSprite sprite(steadyObject(rect(0, 0, 1, 1), 0), photoSlide(file.fileName()), 64, 64);
        QVERIFY(sprite.picture().isNull());
    }

    // A border no picture could hold (or no number at all) is left out, not wrapped into a size.
    void borderBeyondTheCapIsLeftOut()
    {
        const QString path = saveImage(solid(100, 50, Qt::blue), m_dir.path(), "plain.png");
        SceneStyleSnapshot style;
        for (float width : {1e30f, std::numeric_limits<float>::quiet_NaN()}) {
            style.borderWidth = width;
            const SceneSprite sprite(steadyObject(rect(0, 0, 1, 1), 0), photoSlide(path), 1000, 1000, style);
            QCOMPARE(sprite.picture().size(), QSize(100, 50));
        }
    }

    void borderSurroundsThePhoto()
    {
        SceneStyle::instance()->setBorderWidth(0.1f);
        SceneStyle::instance()->setBorderColor(Qt::green);
        const QString path = saveImage(solid(100, 50, Qt::blue), m_dir.path(), "bordered.png");
        const SceneSprite sprite(steadyObject(rect(0, 0, 1, 1), 0), photoSlide(path), 1000, 1000);
        const QImage &picture = sprite.picture();
        QCOMPARE(picture.size(), QSize(120, 70)); // reference side 100 -> 10 px each side
        for (QPoint edge : {QPoint(5, 35), QPoint(60, 5), QPoint(115, 35), QPoint(60, 65)})
            QCOMPARE(picture.pixelColor(edge), QColor(Qt::green));
        QCOMPARE(picture.pixelColor(60, 35), QColor(Qt::blue));
        QCOMPARE(picture.pixelColor(11, 11), QColor(Qt::blue));

        // Drawn twice as large, letterboxed in the square frame (rows 50 to 190).
        const QImage frame = drawnFrame(sprite, QSize(240, 240), Qt::black);
        QCOMPARE(frame.pixelColor(120, 120), QColor(Qt::blue));
        QCOMPARE(frame.pixelColor(120, 45), QColor(Qt::black));
        for (QPoint edge : {QPoint(8, 120), QPoint(120, 58), QPoint(232, 120), QPoint(120, 182)})
            QCOMPARE(frame.pixelColor(edge), QColor(Qt::green));
    }

    void zeroBlurLeavesThePictureAlone()
    {
        const QImage picture = solid(30, 20, Qt::red).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QVector<QPointF> corners;
        const QImage result = dropShadow(picture, 0.3f, -0.2f, 0.0f, Qt::black, 30, corners);
        QCOMPARE(result, picture);
        QCOMPARE(corners, QVector<QPointF>({{0, 0}, {30, 0}, {30, 20}, {0, 20}}));
    }

    void shadowFallsOnTheOffsetSides()
    {
        const QImage picture = solid(100, 100, Qt::white).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QVector<QPointF> corners;
        const QImage result = dropShadow(picture, 0.1f, 0.1f, 0.05f, QColor(0, 0, 0, 255), 100, corners);
        QCOMPARE(result.size(), QSize(115, 115)); // r 5, offsets 10
        QCOMPARE(corners, QVector<QPointF>({{0, 0}, {100, 0}, {100, 100}, {0, 100}}));
        QCOMPARE(result.pixelColor(50, 50), QColor(Qt::white));
        QVERIFY(qAlpha(result.pixel(107, 50)) > 200);
        QCOMPARE(qRed(result.pixel(107, 50)), 0);
        QVERIFY(qAlpha(result.pixel(50, 107)) > 200);
        QCOMPARE(qAlpha(result.pixel(110, 2)), 0);
        QCOMPARE(qAlpha(result.pixel(2, 110)), 0);

        // Negative offsets pad the other sides and move the picture proper.
        corners.clear();
        const QImage mirrored = dropShadow(picture, -0.1f, -0.1f, 0.05f, Qt::black, 100, corners);
        QCOMPARE(mirrored.size(), QSize(115, 115));
        QCOMPARE(corners.first(), QPointF(15, 15));
        QVERIFY(qAlpha(mirrored.pixel(7, 60)) > 200);
        QCOMPARE(qAlpha(mirrored.pixel(112, 5)), 0);
    }

    void shadowShowsBelowAndRightOfADrawnPhoto()
    {
        SceneStyle::instance()->setPhotoShadow(shadowSpec(0.05f, 0.05f, 0.02f));
        const QString path = saveImage(solid(100, 100, Qt::red), m_dir.path(), "shadowed.png");
        const SceneSprite sprite(steadyObject(rect(0.25, 0.25, 0.75, 0.75), 0), photoSlide(path), 200, 200);
        const QImage frame = drawnFrame(sprite, QSize(200, 200), Qt::white);
        QCOMPARE(frame.pixelColor(100, 100), QColor(Qt::red));
        QVERIFY(qRed(frame.pixel(152, 120)) < 128);  // right
        QVERIFY(qRed(frame.pixel(120, 152)) < 128);  // below
        QCOMPARE(frame.pixelColor(46, 100), QColor(Qt::white)); // left
        QCOMPARE(frame.pixelColor(100, 46), QColor(Qt::white)); // above
    }

    // What drawAt says it painted holds every pixel it changed, shadow included, upright and
    // in perspective: the rest of the frame is left to be refilled with the background.
    void paintedAreaHoldsEveryChangedPixel()
    {
        SceneStyle::instance()->setPhotoShadow(shadowSpec(0.05f, 0.05f, 0.02f));
        const QString path = saveImage(gradient(120, 90), m_dir.path(), "bounds.png");
        Keyframe leaning = rect(0.2, 0.3, 0.7, 0.8);
        leaning.topRight.ry() -= 0.1;
        leaning.bottomLeft.rx() += 0.05;
        for (const Keyframe &keyframe : {rect(0.13, 0.21, 0.61, 0.77), leaning}) {
            const SceneSprite sprite(steadyObject(keyframe, 0), photoSlide(path), 200, 150);
            const QImage before = solid(200, 150, Qt::white);
            QImage frame = before;
            const QRect painted = sprite.drawAt(0.0, frame, 1.0);
            QVERIFY(!painted.isEmpty());
            for (int y = 0; y < frame.height(); ++y)
                for (int x = 0; x < frame.width(); ++x)
                    if (frame.pixel(x, y) != before.pixel(x, y))
                        QVERIFY2(painted.contains(x, y), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        }
    }

    void failedShadowIsReportedOncePerRun()
    {
        QSignalSpy errors(CommonError::instance(), &CommonError::error);
        const QImage picture = solid(100, 100, Qt::white);
        QVector<QPointF> corners;
        // 160 GB, which no allocation gives, and 400 MB, which would be given and filled: both
        // are refused before allocating, above the photo decoder's cap.
        for (const float blur : {1000.0f, 49.5f, 1000.0f}) {
            corners.clear();
            QCOMPARE(dropShadow(picture, 0.0f, 0.0f, blur, Qt::black, 100, corners), picture);
            QCOMPARE(corners, QVector<QPointF>({{0, 0}, {100, 0}, {100, 100}, {0, 100}}));
        }
        QCOMPARE(errors.count(), 1);
        QCOMPARE(errors.first().first().toString(), QStringLiteral("Failed to create shadow visual effect."));
    }

    void textShrinksByTenthsUntilItFits()
    {
        const QFont font(QStringLiteral("DejaVu Sans"));
        auto check = [&](const QString &text, int width, int height) {
            float size = 0.0f;
            const QImage picture = renderTextPicture(width, height, text, font, Qt::white, 0.96f, 0.96f, size);
            const QRect box(0, 0, int(width * 0.96f), int(height * 0.96f));
            int steps = 0;
            for (float s = float(box.height()); s > size + 1e-3f; s *= 0.9f)
                ++steps;
            // The size is the box height shrunk by whole steps of 0.9.
            float expected = float(box.height());
            for (int i = 0; i < steps; ++i)
                expected *= 0.9f;
            [&] { QCOMPARE(size, expected); }();
            QFont sized = font;
            sized.setPointSize(int(size));
            QImage probe(1, 1, QImage::Format_ARGB32_Premultiplied);
            QPainter painter(&probe);
            painter.setFont(sized);
            const QRect measured = painter.boundingRect(box, Qt::AlignCenter | Qt::TextWordWrap, text);
            [&] { QVERIFY(size < 3.0f || (measured.width() <= box.width() && measured.height() <= box.height())); }();
            [&] { QCOMPARE(picture.size(), QSize(width, height)); }();
            return size;
        };
        const float shortText = check(QStringLiteral("Hi"), 400, 100);
        QVERIFY(shortText > 50.0f);
        const float longText = check(QString(QStringLiteral("many words of a long story ")).repeated(20), 400, 100);
        QVERIFY(longText < shortText / 3);
        QVERIFY(check(QString(2000, QChar('W')), 40, 40) < 3.0f);
    }

    void textThatFitsKeepsTheBoxHeight()
    {
        float size = 0.0f;
        const QFont font(QStringLiteral("DejaVu Sans"));
        renderTextPicture(400, 100, QString(), font, Qt::white, 0.96f, 0.5f, size);
        QCOMPARE(size, 50.0f);

        // The text is painted in the given colour, centred.
        const QImage word = renderTextPicture(300, 100, QStringLiteral("MM"), font, Qt::red, 0.96f, 0.96f, size);
        QCOMPARE(qAlpha(word.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(word.pixel(299, 99)), 0);
        bool redInTheMiddle = false;
        for (int x = 100; x < 200 && !redInTheMiddle; ++x)
            redInTheMiddle = word.pixelColor(x, 50) == QColor(Qt::red);
        QVERIFY(redInTheMiddle);
    }

    void orientedJpegIsDecodedSmallerAndLooksTheSame()
    {
        // Stored 800 x 400, shown turned to 400 x 800; the object is capped at 100 x 100.
        const QImage stored = gradient(800, 400);
        QFile file(m_dir.filePath("oriented.jpg"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        ExifJpegBuilder exif;
        exif.addShorts(ExifJpegBuilder::ImageDirectory, 0x0112, {6}); // Orientation: turn clockwise
        file.write(exif.photo(stored, QByteArray(), 95));
        file.close();
        const auto object = steadyObject(rect(0, 0, 1, 1), 0, 1.0f, 0.1f, 0.1f);
        const SceneSprite sprite(object, photoSlide(file.fileName()), 1000, 1000);
        QCOMPARE(sprite.picture().size(), QSize(50, 100));

        QImageReader full(file.fileName());
        full.setAutoTransform(true);
        const QImage reference = full.read().scaledToHeight(100, Qt::SmoothTransformation);
        QCOMPARE(reference.size(), QSize(50, 100));
        QVERIFY(maxChannelDifference(sprite.picture(), reference) <= 12);

        // A slide turn on top of the orientation swaps the sides back.
        const SceneSprite turned(object, photoSlide(file.fileName(), 1), 1000, 1000);
        QCOMPARE(turned.picture().size(), QSize(100, 50));
    }

    void perspectiveDrawMatchesThePainter()
    {
        const QImage picture = layeredPicture();
        QTransform transform;
        const QPolygonF target({{30, -20}, {380, 40}, {350, 290}, {-10, 250}});
        QVERIFY(QTransform::quadToQuad(QPolygonF({{0, 0}, {300, 0}, {300, 200}, {0, 200}}), target, transform));
        QCOMPARE(transform.type(), QTransform::TxProject);

        for (qreal opacity : {1.0, 0.5}) {
            const QImage expected = paintedOver(picture, transform, opacity);
            QImage actual = underlay();
            QVERIFY(drawProjective(actual, picture, transform, opacity));
            int inside = 0, off = 0, worst = 0;
            for (int y = 0; y < 300; ++y) {
                for (int x = 0; x < 400; ++x) {
                    const QRgb a = actual.pixel(x, y), e = expected.pixel(x, y);
                    const int d = qMax(qMax(qAbs(qRed(a) - qRed(e)), qAbs(qGreen(a) - qGreen(e))),
                                       qAbs(qBlue(a) - qBlue(e)));
                    worst = qMax(worst, d);
                    inside += target.containsPoint(QPointF(x + 0.5, y + 0.5), Qt::OddEvenFill);
                    off += d > 6;
                }
            }
            // Sampling and edges agree with the painter within rounding.
            QVERIFY2(off * 100 < inside, qPrintable(QStringLiteral("%1 of %2").arg(off).arg(inside)));
            QVERIFY2(worst <= 8, qPrintable(QString::number(worst)));
        }
    }

    void perspectiveDrawLeavesWhatItCannotDrawToThePainter()
    {
        const QImage picture = solid(10, 10, Qt::red).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QImage target = solid(20, 20, Qt::black);
        const QTransform horizon(1, 0, -0.2, 0, 1, 0, 0, 0, 1); // the picture's right part lies behind
        const QTransform tilted(1, 0, 0.05, 0, 1, 0, 0, 0, 1);
        QVERIFY(!drawProjective(target, picture, horizon, 1.0));
        QVERIFY(!drawProjective(target, solid(10, 10, Qt::red), tilted, 1.0));
        QImage gray = target.convertToFormat(QImage::Format_Grayscale8);
        QVERIFY(!drawProjective(gray, picture, tilted, 1.0));
        QVERIFY(!drawProjective(target, picture, QTransform(0, 0, 0.05, 0, 0, 0, 0, 0, 1), 1.0));
        QCOMPARE(target, solid(20, 20, Qt::black));
    }

    void scaledDrawMatchesThePainter_data()
    {
        QTest::addColumn<QTransform>("transform");
        QTest::addColumn<qreal>("opacity");
        QTest::newRow("reduced") << QTransform(0.8, 0, 0, 0.8, 20.3, 30.6) << 1.0;
        QTest::newRow("enlarged unevenly, cut at the left") << QTransform(1.37, 0, 0, 1.2, -40.7, 20.2) << 1.0;
        QTest::newRow("magnified, cut on two sides, translucent") << QTransform(2.9, 0, 0, 2.9, -150.2, -100.6) << 0.7;
        QTest::newRow("cut at the right and bottom") << QTransform(0.5, 0, 0, 0.4, 250.5, 200.7) << 0.5;
        QTest::newRow("within a pixel") << QTransform(0.01, 0, 0, 0.01, 3.3, 4.4) << 1.0;
    }

    void scaledDrawMatchesThePainter()
    {
        QFETCH(QTransform, transform);
        QFETCH(qreal, opacity);
        const QImage picture = layeredPicture();
        QImage actual = underlay();
        QVERIFY(drawScaled(actual, picture, transform, opacity));
        // Sampling, edge coverage and blending agree with the painter within rounding.
        const int worst = maxChannelDifference(actual, paintedOver(picture, transform, opacity));
        QVERIFY2(worst <= 4, qPrintable(QString::number(worst)));
        // Told where the picture is opaque, the draw writes those rows straight: the same pixels.
        QImage straight = underlay();
        QVERIFY(drawScaled(straight, picture, transform, opacity, QRect(120, 0, 180, 120)));
        QCOMPARE(straight, actual);
    }

    void scaledDrawLeavesWhatItCannotDrawToThePainter()
    {
        const QImage picture = layeredPicture();
        QImage target = solid(400, 300, Qt::black);
        QVERIFY(!drawScaled(target, picture, QTransform().rotate(10), 1.0));
        QVERIFY(!drawScaled(target, picture, QTransform(-1, 0, 0, 1, 300, 0), 1.0));
        QVERIFY(!drawScaled(target, picture, QTransform::fromScale(1e6, 1e6), 1.0));
        const double nan = std::numeric_limits<double>::quiet_NaN();
        QVERIFY(!drawScaled(target, picture, QTransform::fromScale(nan, 1.0), 1.0));
        QVERIFY(!drawScaled(target, picture, QTransform(1, 0, 0, 1, nan, 0), 1.0));
        QImage argb = target.convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!drawScaled(argb, picture, QTransform::fromScale(0.5, 0.5), 1.0));
        QCOMPARE(target, solid(400, 300, Qt::black));
    }

    void decodeSizeKeepsAtLeastWhatTheObjectShows()
    {
        const QSize camera(6000, 4000);
        QCOMPARE(SceneSprite::decodeSize(camera, false, QSizeF(1920, 1080)), QSize(3000, 2000));
        QCOMPARE(SceneSprite::decodeSize(camera, false, QSizeF(700, 700)), QSize(750, 500));
        QCOMPARE(SceneSprite::decodeSize(camera, false, QSizeF(1400, 700)), QSize(1500, 1000));
        QCOMPARE(SceneSprite::decodeSize(camera, true, QSizeF(1920, 1080)), QSize(1500, 1000));
        QCOMPARE(SceneSprite::decodeSize(camera, false, QSizeF(3840, 2160)), camera);
        QCOMPARE(SceneSprite::decodeSize(QSize(801, 601), false, QSizeF(100, 100)), QSize(101, 76));
        QCOMPARE(SceneSprite::decodeSize(QSize(500, 300), false, QSizeF(1920, 1080)), QSize(500, 300));
    }
};

PICTOVIA_TEST_MAIN(TestSceneSprite)
#include "tst_scenesprite.moc"
