#include "support/TestSupport.h"

#include "render/StaticImgImput.h"

extern "C" {
#include <libavutil/frame.h>
}

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

namespace {
QRgb pixel(const AVFrame *frame, int x, int y)
{
    return reinterpret_cast<const QRgb *>(frame->data[0] + frame->linesize[0] * y)[x] | 0xff000000u;
}

// The frame's pixels as an image of the same layout, for whole-picture comparison.
QImage asImage(const AVFrame *frame)
{
    return QImage(frame->data[0], frame->width, frame->height, frame->linesize[0], QImage::Format_RGB32).copy();
}

bool near(QRgb a, QColor b)
{
    return qAbs(qRed(a) - b.red()) < 8 && qAbs(qGreen(a) - b.green()) < 8 && qAbs(qBlue(a) - b.blue()) < 8;
}
} // namespace

class TestStaticImgImput : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    // left | middle | right bands across the longer side; the middle one is what must remain.
    QString banded(const QString &name, int width, int height, Qt::Orientation along)
    {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::green);
        if (along == Qt::Horizontal) {
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x)
                    if (x < width / 4 || x >= width * 3 / 4)
                        image.setPixel(x, y, x < width / 2 ? qRgb(255, 0, 0) : qRgb(0, 0, 255));
        } else {
            for (int y = 0; y < height; ++y)
                if (y < height / 4 || y >= height * 3 / 4)
                    for (int x = 0; x < width; ++x)
                        image.setPixel(x, y, qRgb(255, 0, 0));
        }
        const QString path = m_dir.filePath(name);
        return image.save(path) ? path : QString();
    }

    // A 40 x 30 picture with a ramp in both directions.
    static QImage ramp()
    {
        QImage image(40, 30, QImage::Format_RGB32);
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x)
                image.setPixel(x, y, qRgb(x * 6, y * 8, 90));
        return image;
    }

    // Every pixel of frame outside skipped is the picture's, or the test colour without one.
    static bool isBackground(const AVFrame *frame, const QImage &picture, const QRect &skipped)
    {
        for (int y = 0; y < frame->height; ++y)
            for (int x = 0; x < frame->width; ++x)
                if (!skipped.contains(x, y)
                    && pixel(frame, x, y) != (picture.isNull() ? qRgb(10, 20, 30) : picture.pixel(x, y)))
                    return false;
        return true;
    }

private Q_SLOTS:
    void colourFramesAreStampedInOrderAndGiveBack()
    {
        auto pool = FramePoolPtr::create(40, 30);
        auto *source = new StaticImgImput(pool, QColor(10, 20, 30), 30, 40);
        const void *owner = nullptr;
        for (int i = 0; i < 5; ++i) {
            AVFrame *frame = source->takeFrame();
            QVERIFY(frame);
            owner = frame->opaque;
            QCOMPARE(frame->pts, int64_t(i));
            QCOMPARE(frame->width, 40);
            QCOMPARE(pixel(frame, 0, 0), qRgb(10, 20, 30));
            QCOMPARE(pixel(frame, 39, 29), qRgb(10, 20, 30));
            pool->release(frame);
        }
        QTRY_COMPARE(pool->outstanding(owner), 2);
        QTest::qWait(50);
        QCOMPARE(pool->outstanding(owner), 2);
        delete source;
        QCOMPARE(pool->outstanding(owner), 0);
    }

    void pictureOfTheOutputSizeIsUsedAsItIs()
    {
        QVERIFY(m_dir.isValid());
        QImage image(40, 30, QImage::Format_RGB32);
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x)
                image.setPixel(x, y, qRgb(x * 6, y * 8, (x * y) % 256));
        const QString path = m_dir.filePath(QStringLiteral("exact.png"));
        QVERIFY(image.save(path));
        auto pool = FramePoolPtr::create(40, 30);
        StaticImgImput source(pool, path, 30, 40);
        AVFrame *frame = source.takeFrame();
        QCOMPARE(asImage(frame), image);
        pool->release(frame);
    }

    // Every frame taken is background outside the area its taker hides (here one reaching past
    // the right edge, every other frame); a frame coming round again is refilled where its
    // painter said it painted, or everywhere when it said nothing.
    void framesAreWholeBackgroundOutsideWhatIsHidden()
    {
        const QImage image = ramp();
        const QString path = m_dir.filePath(QStringLiteral("ramp.png"));
        QVERIFY(image.save(path));
        auto pool = FramePoolPtr::create(40, 30);
        StaticImgImput picture(pool, path, 30, 40);
        StaticImgImput colour(pool, QColor(10, 20, 30), 30, 40);
        for (StaticImgImput *source : {&picture, &colour}) {
            for (int i = 0; i < 8; ++i) {
                const QRect hidden = i % 2 ? QRect(25, 4, 30, 10) : QRect();
                AVFrame *frame = source->takeFrameAround(hidden);
                QVERIFY(frame);
                QVERIFY(isBackground(frame, source == &colour ? QImage() : image, hidden));
                const QRect painted = QRect(i * 3, i * 2, 12, 9) | hidden;
                QImage pixels = FramePool::imageOf(frame);
                QPainter(&pixels).fillRect(i % 3 == 2 ? pixels.rect() : painted, Qt::magenta);
                if (i % 3 != 2)
                    pool->setChanged(frame, painted);
                pool->release(frame);
            }
        }
    }

    void widePictureIsCroppedToItsMiddle()
    {
        // Twice as wide as the frame's proportion: scaled to the frame height, sides cut off.
        const QString path = banded(QStringLiteral("wide.png"), 160, 60, Qt::Horizontal);
        auto pool = FramePoolPtr::create(40, 30);
        StaticImgImput source(pool, path, 30, 40);
        AVFrame *frame = source.takeFrame();
        for (int x : {1, 20, 38})
            for (int y : {0, 15, 29})
                QVERIFY2(near(pixel(frame, x, y), Qt::green), qPrintable(QString::number(pixel(frame, x, y), 16)));
        pool->release(frame);
    }

    void tallPictureIsCroppedToItsMiddle()
    {
        const QString path = banded(QStringLiteral("tall.png"), 40, 60, Qt::Vertical);
        auto pool = FramePoolPtr::create(40, 30);
        StaticImgImput source(pool, path, 30, 40);
        AVFrame *frame = source.takeFrame();
        for (int y : {1, 15, 28})
            QVERIFY(near(pixel(frame, 20, y), Qt::green));
        pool->release(frame);
    }

    void unreadablePictureGivesBlackFrames()
    {
        auto pool = FramePoolPtr::create(8, 8);
        StaticImgImput source(pool, m_dir.filePath(QStringLiteral("missing.jpg")), 8, 8);
        AVFrame *frame = source.takeFrame();
        QVERIFY(frame);
        QCOMPARE(pixel(frame, 4, 4), qRgb(0, 0, 0));
        pool->release(frame);
    }
};

PICTOVIA_TEST_MAIN(TestStaticImgImput)
#include "tst_staticimgimput.moc"
