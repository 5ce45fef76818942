#include "support/MediaFixtures.h"
#include "support/TestSupport.h"

#include "app/CommonError.h"
#include "render/AsyncCycleVideoInput.h"
#include "render/BgraConverter.h"
#include "render/CycleVideoInput.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>

extern "C" {
#include <libavutil/imgutils.h>
}

#include <atomic>
#include <cstring>

namespace {
// 'R', 'G' or 'B' for the strongest channel in the middle of a BGRA frame.
char dominant(const AVFrame *frame)
{
    const uint8_t *p = frame->data[0] + frame->linesize[0] * (frame->height / 2) + 4 * (frame->width / 2);
    if (p[2] > 128 && p[1] < 100 && p[0] < 100)
        return 'R';
    if (p[1] > 128 && p[2] < 100 && p[0] < 100)
        return 'G';
    if (p[0] > 128 && p[2] < 100 && p[1] < 100)
        return 'B';
    return '?';
}

QByteArray pictureBytes(const AVFrame *picture)
{
    const auto format = AVPixelFormat(picture->format);
    QByteArray bytes(av_image_get_buffer_size(format, picture->width, picture->height, 1), 0);
    av_image_copy_to_buffer(reinterpret_cast<uint8_t *>(bytes.data()), bytes.size(), picture->data,
                            picture->linesize, format, picture->width, picture->height, 1);
    return bytes;
}
} // namespace

class TestCycleVideoInput : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_loop;

    QByteArray takeSequence(IAsyncAVInput &source, FramePool &pool, int count)
    {
        QByteArray seen;
        for (int i = 0; i < count; ++i) {
            AVFrame *frame = source.takeFrame();
            if (!frame)
                break;
            seen += dominant(frame);
            pool.release(frame);
        }
        return seen;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        const QColor colours[] = {Qt::red, Qt::green, Qt::blue};
        for (int i = 0; i < 3; ++i) {
            QImage image(64, 48, QImage::Format_RGB32);
            image.fill(colours[i]);
            QVERIFY(image.save(m_dir.filePath(QStringLiteral("f%1.png").arg(i + 1))));
        }
        m_loop = m_dir.filePath(QStringLiteral("loop.mp4"));
        QVERIFY(runFfmpeg({"-framerate", "30", "-i", m_dir.filePath("f%d.png"), "-c:v", "libx264", "-pix_fmt",
                           "yuv420p", m_loop}));
    }

    void loopsFromTheFirstFrame()
    {
        CycleVideoInput input(m_loop);
        FramePool pool(32, 24);
        QByteArray seen;
        for (int i = 0; i < 9; ++i) {
            AVFrame *frame = pool.acquire(this);
            QVERIFY(input.readFrame(frame));
            QCOMPARE(frame->width, 32);
            seen += dominant(frame);
            pool.release(frame);
        }
        QCOMPARE(seen, QByteArray("RGBRGBRGB"));
    }

    void keptLoopPlaysTheDecodedPictures()
    {
        // Under the working folder: a temporary folder may be in memory, where nothing is kept.
        QTemporaryDir disk(QDir::current().filePath(QStringLiteral("loop-cache-XXXXXX")));
        QVERIFY(disk.isValid());
        CycleVideoInput decoded(m_loop), kept(m_loop);
        kept.keepPictures(disk.path(), 9);
        for (int i = 0; i < 7; ++i) {
            AVFramePtr expected(av_frame_alloc()), seen(av_frame_alloc());
            QVERIFY(decoded.readPicture(expected.get()) && kept.readPicture(seen.get()));
            QCOMPARE(seen->pts, expected->pts);
            QCOMPARE(pictureBytes(seen.get()), pictureBytes(expected.get()));
        }
        QVERIFY(kept.playsKeptPictures());
        // A render of fewer passes gains less from reading back than writing out costs.
        CycleVideoInput once(m_loop);
        once.keepPictures(disk.path(), 8);
        AVFramePtr picture(av_frame_alloc());
        for (int i = 0; i < 4; ++i)
            QVERIFY(once.readPicture(picture.get()));
        QVERIFY(!once.playsKeptPictures());
    }

    void loopsThroughTheFileFallback()
    {
        QVERIFY(QFile::copy(m_loop, m_dir.filePath(QStringLiteral("bg:loop.mp4"))));
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir.path()));
        QByteArray seen;
        try {
            CycleVideoInput input(QStringLiteral("bg:loop.mp4"));
            FramePool pool(16, 16);
            AVFrame *frame = pool.acquire(this);
            for (int i = 0; i < 7 && input.readFrame(frame); ++i)
                seen += dominant(frame);
            pool.release(frame);
        } catch (int) {
        }
        QDir::setCurrent(previous);
        QCOMPARE(seen, QByteArray("RGBRGBR"));
    }

    void asyncSourceLoopsAndReturnsItsFrames()
    {
        auto pool = FramePoolPtr::create(48, 36);
        auto *source = new AsyncCycleVideoInput(pool, m_loop);
        AVFrame *first = source->takeFrame();
        QVERIFY(first);
        const void *owner = first->opaque;
        QCOMPARE(dominant(first), 'R');
        pool->release(first);
        QCOMPARE(takeSequence(*source, *pool, 8), QByteArray("GBRGBRGB"));
        // A frame taken to be painted over still moves the video on.
        pool->release(source->takeFrameAround(QRect(0, 0, 48, 36)));
        QCOMPARE(takeSequence(*source, *pool, 2), QByteArray("GB"));
        // Pictures wait decoded; the pool holds no frame ahead for them.
        QTest::qWait(50);
        QCOMPARE(pool->outstanding(owner), 0);
        delete source;
        QCOMPARE(pool->outstanding(owner), 0);
    }

    // Around a hidden area with odd edges the picture is converted as a whole frame would be.
    void conversionAroundAHiddenAreaMatchesTheWholeOutsideIt()
    {
        const auto frameOf = [](int format) {
            AVFramePtr frame(av_frame_alloc());
            frame->format = format;
            frame->width = 40;
            frame->height = 30;
            return av_frame_get_buffer(frame.get(), 32) >= 0 ? std::move(frame) : AVFramePtr();
        };
        AVFramePtr picture = frameOf(AV_PIX_FMT_YUV420P), whole = frameOf(AV_PIX_FMT_BGRA), around = frameOf(AV_PIX_FMT_BGRA);
        QVERIFY(picture && whole && around);
        for (int plane = 0; plane < 3; ++plane)
            for (int y = 0; y < (plane ? 15 : 30); ++y)
                for (int x = 0; x < (plane ? 20 : 40); ++x)
                    picture->data[plane][y * picture->linesize[plane] + x] = uint8_t(16 + (x * 7 + y * 5 + plane * 60) % 220);
        FramePool::imageOf(around.get()).fill(Qt::magenta);
        BgraConverter converter;
        const QRect hidden(5, 3, 21, 14);
        QVERIFY(converter.convert(picture.get(), whole.get()));
        QVERIFY(converter.convertAround(picture.get(), around.get(), hidden));
        const QImage expected = FramePool::imageOf(whole.get()), seen = FramePool::imageOf(around.get());
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x)
                if (!hidden.contains(x, y))
                    QCOMPARE(seen.pixel(x, y), expected.pixel(x, y));
        QCOMPARE(seen.pixelColor(15, 10), QColor(Qt::magenta));
    }

    void pictureIsConvertedInTheMatrixItIsTaggedWith_data()
    {
        QTest::addColumn<int>("colorspace");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QSize>("target");
        QTest::addColumn<bool>("bt709");
        QTest::newRow("BT.709") << int(AVCOL_SPC_BT709) << QSize(40, 30) << QSize(40, 30) << true;
        QTest::newRow("BT.601") << int(AVCOL_SPC_SMPTE170M) << QSize(1280, 720) << QSize(1280, 720) << false;
        QTest::newRow("untagged HD") << int(AVCOL_SPC_UNSPECIFIED) << QSize(1280, 720) << QSize(1280, 720) << true;
        QTest::newRow("untagged SD") << int(AVCOL_SPC_UNSPECIFIED) << QSize(40, 30) << QSize(40, 30) << false;
        QTest::newRow("BT.709 scaled") << int(AVCOL_SPC_BT709) << QSize(40, 30) << QSize(20, 16) << true;
    }

    void pictureIsConvertedInTheMatrixItIsTaggedWith()
    {
        QFETCH(int, colorspace);
        QFETCH(QSize, size);
        QFETCH(QSize, target);
        QFETCH(bool, bt709);
        const auto frameOf = [](int format, QSize frameSize) {
            AVFramePtr frame(av_frame_alloc());
            frame->format = format;
            frame->width = frameSize.width();
            frame->height = frameSize.height();
            return av_frame_get_buffer(frame.get(), 32) >= 0 ? std::move(frame) : AVFramePtr();
        };
        AVFramePtr picture = frameOf(AV_PIX_FMT_YUV420P, size), bgra = frameOf(AV_PIX_FMT_BGRA, target);
        QVERIFY(picture && bgra);
        picture->colorspace = AVColorSpace(colorspace);
        const QColor colour(200, 60, 30);
        const double kr = bt709 ? 0.2126 : 0.299, kb = bt709 ? 0.0722 : 0.114;
        const double l = kr * colour.red() + (1 - kr - kb) * colour.green() + kb * colour.blue();
        const int values[] = {qRound(16 + 219 * l / 255), qRound(128 + 112 * (colour.blue() - l) / (1 - kb) / 255),
                              qRound(128 + 112 * (colour.red() - l) / (1 - kr) / 255)};
        for (int plane = 0; plane < 3; ++plane)
            std::memset(picture->data[plane], values[plane],
                        size_t(picture->linesize[plane]) * (plane ? size.height() / 2 : size.height()));
        BgraConverter converter;
        QVERIFY(converter.convert(picture.get(), bgra.get()));
        const QColor seen = FramePool::imageOf(bgra.get()).pixelColor(target.width() / 2, target.height() / 2);
        QVERIFY2(qAbs(seen.red() - colour.red()) <= 3 && qAbs(seen.green() - colour.green()) <= 3
                     && qAbs(seen.blue() - colour.blue()) <= 3,
                 qPrintable(seen.name()));
    }

    void truncatedVideoLoopsOverWhatItHas()
    {
        const QString whole = m_dir.filePath(QStringLiteral("whole.mp4"));
        QVERIFY(runFfmpeg({"-f", "lavfi", "-i", "testsrc=size=64x48:rate=30:duration=3", "-c:v", "libx264",
                           "-g", "10", "-pix_fmt", "yuv420p", "-movflags", "+faststart", whole}));
        QFile in(whole);
        QVERIFY(in.open(QIODevice::ReadOnly));
        const QString cut = m_dir.filePath(QStringLiteral("cut.mp4"));
        QFile out(cut);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(in.read(in.size() * 6 / 10));
        out.close();

        // The frames that survive the cut (some 50) play in a loop.
        auto pool = FramePoolPtr::create(32, 24);
        AsyncCycleVideoInput source(pool, cut);
        for (int i = 0; i < 150; ++i) {
            AVFrame *frame = source.takeFrame();
            QVERIFY(frame);
            pool->release(frame);
        }
    }

    void unopenableVideoEndsTheSource()
    {
        const QString audio = m_dir.filePath(QStringLiteral("tone.mp3"));
        QVERIFY(makeTone(audio, 0.3));
        auto pool = FramePoolPtr::create(16, 16);
        QSignalSpy reports(CommonError::instance(), &CommonError::error);
        std::atomic<int> errors{0};
        AsyncCycleVideoInput source(pool, audio, [&errors] { ++errors; });
        QCOMPARE(source.takeFrame(), nullptr);
        // Connected before the worker started: even an immediate failure is heard.
        QCOMPARE(errors.load(), 1);
        QCOMPARE(reports.count(), 2);
        QCOMPARE(reports.at(0).at(0).toString(), QStringLiteral("Failed to find video stream of ") + audio);
        QCOMPARE(reports.at(1).at(0).toString(), QStringLiteral("Video input reader failed"));
        QCOMPARE(source.takeFrame(), nullptr);
    }
};

PICTOVIA_TEST_MAIN(TestCycleVideoInput)
#include "tst_cyclevideoinput.moc"
