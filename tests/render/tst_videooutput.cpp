#include "support/QueuedSignalLog.h"
#include "support/TestSupport.h"
#include "support/VideoProbe.h"

#include "app/CommonError.h"
#include "render/AsyncVideoOutput.h"
#include "render/AudioFeed.h"
#include "render/BgraToYuv.h"
#include "render/EncoderFrameConverter.h"
#include "render/FFmpegPtr.h"
#include "render/MediaFileReader.h"
#include "render/VideoEncoder.h"
#include "render/VideoColour.h"
#include "render/VideoFile.h"

#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <array>
#include <cstring>

namespace {

const int W = 320;
const int H = 180;

// A pool frame of one colour numbered n, as a scene reader would hand it over.
AVFrame *paintedFrame(FramePool &pool, const void *owner, QColor colour, int64_t n)
{
    AVFrame *frame = pool.acquire(owner);
    QImage image(frame->data[0], frame->width, frame->height, frame->linesize[0], QImage::Format_RGB32);
    image.fill(colour);
    frame->pts = n;
    return frame;
}

// One reader's gray frames, numbered from -1, shown after `before` earlier frames of the video.
void writeGrayFrames(AsyncVideoOutput &output, const FramePoolPtr &pool, const void *owner, int count, int before = 0)
{
    for (int i = 0; i < count; ++i)
        output.writeFrame(pool, paintedFrame(*pool, owner, Qt::gray, i - 1), 1, 30, (before + i + 1) / 30.0);
}

const AVOutputFormat *mp4()
{
    return av_guess_format("mp4", nullptr, nullptr);
}

// Stands for a video the user made earlier under the same name.
bool writeEarlierVideo(const QString &path)
{
    QFile earlier(path);
    return earlier.open(QIODevice::WriteOnly) && earlier.write("an earlier video") > 0;
}

bool near(QRgb pixel, QColor expected, int tolerance = 12)
{
    return qAbs(qRed(pixel) - expected.red()) <= tolerance && qAbs(qGreen(pixel) - expected.green()) <= tolerance
           && qAbs(qBlue(pixel) - expected.blue()) <= tolerance;
}

} // namespace

class TestVideoOutput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rescaleTruncatesEachDivision()
    {
        // 1/30 into the mp4 stream's 1/15360: whole multiples of 512.
        QCOMPARE(VideoEncoder::rescale(-1, 1, 30, 1, 15360), int64_t(-512));
        QCOMPARE(VideoEncoder::rescale(10, 1, 30, 1, 15360) + VideoEncoder::rescale(150, 1, 30, 1, 15360),
                 int64_t(160 * 512));
        QCOMPARE(VideoEncoder::rescale(1, 1, 30, 1, 1000), int64_t(33));
        QCOMPARE(VideoEncoder::rescale(7, 1, 30, 1, 1000), int64_t(233));
        QCOMPARE(VideoEncoder::rescale(45, 1, 30, 2, 1000), int64_t(750));
        QCOMPARE(VideoEncoder::rescale(-7, 1, 30, 1, 1000), int64_t(-233));
    }

    void conversionFollowsTheMatrix_data()
    {
        QTest::addColumn<int>("matrix");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<double>("kr");
        QTest::addColumn<double>("kb");
        // Odd sizes too: the last column and row have no neighbours to average with.
        for (const QSize size : {QSize(64, 48), QSize(33, 17)}) {
            QTest::addRow("BT.601 %dx%d", size.width(), size.height()) << int(VideoColour::Bt601) << size << 0.299 << 0.114;
            QTest::addRow("BT.709 %dx%d", size.width(), size.height()) << int(VideoColour::Bt709) << size << 0.2126 << 0.0722;
        }
    }

    // Pixels of random colours, so that a sample taken from the wrong pixel shows too.
    void conversionFollowsTheMatrix()
    {
        QFETCH(int, matrix);
        QFETCH(QSize, size);
        QFETCH(double, kr);
        QFETCH(double, kb);
        QImage image(size, QImage::Format_RGB32);
        QRandomGenerator random(7);
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                image.setPixel(x, y, random.generate() | 0xff000000u);
        AVFramePtr yuv(av_frame_alloc());
        yuv->format = AV_PIX_FMT_YUV420P;
        yuv->width = size.width();
        yuv->height = size.height();
        QVERIFY(av_frame_get_buffer(yuv.get(), 32) >= 0);
        convertBgraToYuv420(image.constBits(), image.bytesPerLine(), yuv->data[0], yuv->linesize[0], yuv->data[1],
                            yuv->linesize[1], yuv->data[2], yuv->linesize[2], size.width(), size.height(),
                            VideoColour::Matrix(matrix));
        const double kg = 1 - kr - kb;
        // Luma, blue and red difference of a colour, limited range.
        const auto expected = [&](double r, double g, double b) {
            const double l = kr * r + kg * g + kb * b;
            return std::array<double, 3>{16 + 219 * l / 255, 128 + 224 * (b - l) / (2 * (1 - kb)) / 255,
                                         128 + 224 * (r - l) / (2 * (1 - kr)) / 255};
        };
        for (int plane = 0; plane < 3; ++plane) {
            const int w = plane ? (size.width() + 1) / 2 : size.width();
            const int h = plane ? (size.height() + 1) / 2 : size.height();
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    // A chroma sample stands for the mean of its 2 x 2 pixels.
                    const QRect block = plane ? QRect(2 * x, 2 * y, 2, 2) & image.rect() : QRect(x, y, 1, 1);
                    double r = 0, g = 0, b = 0;
                    for (int by = block.top(); by <= block.bottom(); ++by)
                        for (int bx = block.left(); bx <= block.right(); ++bx) {
                            const QRgb pixel = image.pixel(bx, by);
                            r += qRed(pixel), g += qGreen(pixel), b += qBlue(pixel);
                        }
                    const int n = block.width() * block.height();
                    const double want = expected(r / n, g / n, b / n)[plane];
                    const int value = yuv->data[plane][y * yuv->linesize[plane] + x];
                    QVERIFY2(qAbs(value - want) <= (plane ? 2.0 : 1.0),
                             qPrintable(QStringLiteral("plane %1 at %2,%3: %4, expected %5")
                                            .arg(plane).arg(x).arg(y).arg(value).arg(want)));
                }
        }
    }

    void videoIsTaggedAndDecodesToItsColours_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("tag");
        QTest::newRow("SD") << QSize(320, 180) << QStringLiteral("smpte170m");
        QTest::newRow("720p") << QSize(1280, 720) << QStringLiteral("bt709");
    }

    // A player that reads the tags gets back the colours drawn (the other matrix would be off by
    // 10 levels and more in these colours).
    void videoIsTaggedAndDecodesToItsColours()
    {
        QFETCH(QSize, size);
        QFETCH(QString, tag);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("colours.mp4"));
        auto pool = FramePoolPtr::create(size.width(), size.height());
        int owner = 0;
        const QColor colours[] = {QColor(200, 60, 30), QColor(40, 170, 90), QColor(70, 80, 220)};
        {
            AsyncVideoOutput output;
            output.open(path, mp4(), size.height(), size.width(), 1, 30, 0, false, ProjectPtr());
            for (int i = 0; i < 3; ++i) {
                AVFrame *frame = pool->acquire(&owner);
                QImage image = FramePool::imageOf(frame);
                QPainter painter(&image);
                for (int band = 0; band < 3; ++band)
                    painter.fillRect(band * size.width() / 3, 0, size.width() / 3, size.height(), colours[band]);
                frame->pts = i - 1;
                output.writeFrame(pool, frame, 1, 30, (i + 1) / 30.0);
            }
        }
        const QJsonObject video = VideoProbe::stream(VideoProbe::probe(path), QStringLiteral("video"));
        for (const char *key : {"color_space", "color_primaries", "color_transfer"})
            QCOMPARE(video.value(QLatin1String(key)).toString(), tag);
        QCOMPARE(video.value(QStringLiteral("color_range")).toString(), QStringLiteral("tv"));
        const QImage decoded = VideoProbe::decodeFrame(path, 1);
        for (int band = 0; band < 3; ++band) {
            const QRgb seen = decoded.pixel(band * size.width() / 3 + size.width() / 6, size.height() / 2);
            QVERIFY2(near(seen, colours[band], 3), qPrintable(QColor(seen).name() + " for " + colours[band].name()));
        }
    }

    void areaConversionMatchesTheWholeOne_data()
    {
        QTest::addColumn<int>("matrix");
        QTest::newRow("BT.601") << int(VideoColour::Bt601);
        QTest::newRow("BT.709") << int(VideoColour::Bt709);
    }

    // Converting a part gives exactly the bytes of the whole conversion there, widened to whole
    // 2 x 2 chroma blocks, and touches nothing else.
    void areaConversionMatchesTheWholeOne()
    {
        QFETCH(int, matrix);
        FramePool bgraPool(34, 20), yuvPool(34, 20, AV_PIX_FMT_YUV420P);
        AVFrame *bgra = bgraPool.acquire(this);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 4 * 34; ++x)
                bgra->data[0][y * bgra->linesize[0] + x] = uint8_t((x * 37 + y * 101) % 251);
        AVFrame *whole = yuvPool.acquire(this), *part = yuvPool.acquire(this);
        for (AVFrame *frame : {whole, part})
            VideoColour(VideoColour::Matrix(matrix)).tag(frame);
        EncoderFrameConverter converter;
        QVERIFY(converter.convert(bgra, whole));
        QVERIFY(EncoderFrameConverter::convertsByArea(bgra, part));
        for (int plane = 0; plane < 3; ++plane)
            std::memset(part->data[plane], 0x55, size_t(part->linesize[plane]) * (plane ? 10 : 20));
        EncoderFrameConverter::convertArea(bgra, part, QRect(5, 3, 9, 7));
        const QRect widened(4, 2, 10, 8);
        for (int plane = 0; plane < 3; ++plane) {
            const int shift = plane ? 1 : 0;
            for (int y = 0; y < (20 >> shift); ++y)
                for (int x = 0; x < (34 >> shift); ++x) {
                    const bool inside = widened.contains(x << shift, y << shift);
                    const uint8_t expected = inside ? whole->data[plane][y * whole->linesize[plane] + x] : 0x55;
                    QCOMPARE(part->data[plane][y * part->linesize[plane] + x], expected);
                }
        }
        for (AVFrame *frame : {whole, part})
            yuvPool.release(frame);
        bgraPool.release(bgra);
    }

    void writesEveryQueuedFrameAsH264WithoutAudio()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("out.mp4"));
        auto pool = FramePoolPtr::create(W, H);
        int owner = 0;
        {
            AsyncVideoOutput output;
            output.open(path, mp4(), H, W, 1, 30, 0, false, ProjectPtr());
            // Queued faster than encoded: close() must still wait for all of them.
            for (int i = 0; i < 40; ++i) {
                const QColor colour = i < 20 ? QColor(200, 30, 30) : QColor(30, 30, 200);
                output.writeFrame(pool, paintedFrame(*pool, &owner, colour, i - 1), 1, 30, (i + 1) / 30.0);
            }
            output.close();
        }
        QCOMPARE(pool->outstanding(&owner), 0);
        QCOMPARE(AsyncVideoOutput::publishedOnThisThread(), path);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"out.mp4"});

        const QJsonObject probed = VideoProbe::probe(path);
        const QJsonObject video = VideoProbe::stream(probed, QStringLiteral("video"));
        QCOMPARE(video.value(QStringLiteral("codec_name")).toString(), QStringLiteral("h264"));
        QCOMPARE(video.value(QStringLiteral("pix_fmt")).toString(), QStringLiteral("yuv420p"));
        QCOMPARE(video.value(QStringLiteral("width")).toInt(), W);
        QCOMPARE(video.value(QStringLiteral("height")).toInt(), H);
        QCOMPARE(video.value(QStringLiteral("nb_read_frames")).toString().toInt(), 40);
        QVERIFY(VideoProbe::stream(probed, QStringLiteral("audio")).isEmpty());

        const QImage first = VideoProbe::decodeFrame(path, 0);
        const QImage last = VideoProbe::decodeFrame(path, 39);
        QVERIFY(near(first.pixel(W / 2, H / 2), QColor(200, 30, 30)));
        QVERIFY(near(last.pixel(W / 2, H / 2), QColor(30, 30, 200)));
    }

    // x264 writes its settings into the stream: a background loop is coded without CABAC, which
    // is what makes it cheaper to decode behind every frame; a slideshow keeps it.
    void backgroundLoopIsCodedWithoutCabac()
    {
        QTemporaryDir dir;
        auto pool = FramePoolPtr::create(W, H);
        int owner = 0;
        for (const auto purpose : {VideoEncoder::Purpose::Slideshow, VideoEncoder::Purpose::BackgroundLoop}) {
            const QString path = dir.filePath(QStringLiteral("purpose%1.mp4").arg(int(purpose)));
            {
                AsyncVideoOutput output;
                output.setPurpose(purpose);
                output.open(path, mp4(), H, W, 1, 30, 0, false, ProjectPtr());
                writeGrayFrames(output, pool, &owner, 4);
            }
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const bool loop = purpose == VideoEncoder::Purpose::BackgroundLoop;
            QVERIFY(file.readAll().contains(loop ? "cabac=0" : "cabac=1"));
        }
    }

    void timelineAdvanceKeepsNumberingContinuous()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("advance.mp4"));
        auto pool = FramePoolPtr::create(W, H);
        int owner = 0;
        AsyncVideoOutput output;
        output.open(path, mp4(), H, W, 1, 30, 0, false, ProjectPtr());
        // Two readers each numbering from -1; the second starts after the first made 12 frames.
        writeGrayFrames(output, pool, &owner, 12);
        output.advanceTimeline(12, 1, 30);
        writeGrayFrames(output, pool, &owner, 12, 12);
        output.close();

        const QList<double> times = VideoProbe::videoFrameTimes(path);
        QCOMPARE(times.size(), 24);
        for (int i = 1; i < times.size(); ++i)
            QVERIFY2(qAbs(times[i] - times[i - 1] - 1.0 / 30) < 1e-3, qPrintable(QString::number(i)));
        QVERIFY(qAbs(VideoProbe::duration(path, QStringLiteral("video")) - 24 / 30.0) < 0.01);
    }

    void unwritableFolderFailsWithItsReasonAndKeepsNothing()
    {
        QTemporaryDir dir;
        QFile blocker(dir.filePath(QStringLiteral("not-a-folder")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QString path = dir.filePath(QStringLiteral("not-a-folder/out.mp4"));

        QueuedSignalLog messages(CommonError::instance(), &CommonError::error);
        auto pool = FramePoolPtr::create(W, H);
        int owner = 0;
        AsyncVideoOutput output;
        QueuedSignalLog errors(&output, &AsyncVideoOutput::error);
        output.open(path, mp4(), H, W, 1, 30, 0, false, ProjectPtr());
        QTRY_COMPARE(errors.count(), 1);
        // Frames queued after the failure go straight back to the pool.
        output.writeFrame(pool, paintedFrame(*pool, &owner, Qt::gray, -1), 1, 30, 1 / 30.0);
        QCOMPARE(pool->outstanding(&owner), 0);
        output.close();

        // The user reads the path and the reason, and nothing vaguer after it (the application's
        // popup shows the last); the server gets the code.
        QTRY_COMPARE(messages.count(), 1);
        QCOMPARE(messages.texts.at(0), QStringLiteral("Cannot create the video %1: Not a directory").arg(path));
        QCOMPARE(AsyncVideoOutput::publishedOnThisThread(), QString());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"not-a-folder"});
    }

    void discardedOutputLeavesNoFileAndSparesAnEarlierVideo()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("same-minute.mp4"));
        QVERIFY(writeEarlierVideo(path));

        auto pool = FramePoolPtr::create(W, H);
        int owner = 0;
        AsyncVideoOutput output;
        QSignalSpy errors(&output, &AsyncVideoOutput::error);
        output.open(path, mp4(), H, W, 1, 30, 0, false, ProjectPtr());
        writeGrayFrames(output, pool, &owner, 10);
        output.discard();
        output.close();

        QCOMPARE(errors.count(), 0);
        QCOMPARE(pool->outstanding(&owner), 0);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"same-minute.mp4"});
        QFile earlier(path);
        QVERIFY(earlier.open(QIODevice::ReadOnly));
        QCOMPARE(earlier.readAll(), QByteArray("an earlier video"));
    }

    void musicIsAacStereoAndEndsWithTheVideo()
    {
        QTemporaryDir dir;
        const QString first = dir.filePath(QStringLiteral("first.wav"));
        const QString second = dir.filePath(QStringLiteral("second.mp3"));
        // Mono 48 kHz and stereo 22 kHz: both must come out as the stream's one format.
        QCOMPARE(QProcess::execute(QStringLiteral("ffmpeg"),
                                   {"-v", "error", "-y", "-f", "lavfi", "-i", "sine=frequency=440:sample_rate=48000:duration=1",
                                    "-ac", "1", first}),
                 0);
        QCOMPARE(QProcess::execute(QStringLiteral("ffmpeg"),
                                   {"-v", "error", "-y", "-f", "lavfi", "-i", "sine=frequency=660:sample_rate=22050:duration=3",
                                    "-ac", "2", second}),
                 0);
        auto project = ProjectPtr::create();
        project->audioTracks = {MediaFileReader::read(first), MediaFileReader::read(second)};
        project->totalDuration = 2.0;

        const QString path = dir.filePath(QStringLiteral("music.mp4"));
        auto pool = FramePoolPtr::create(W, H);
        int owner = 0;
        AsyncVideoOutput output;
        QSignalSpy errors(&output, &AsyncVideoOutput::error);
        output.open(path, mp4(), H, W, 1, 30, 0, true, project);
        writeGrayFrames(output, pool, &owner, 60);
        output.close();
        QCOMPARE(errors.count(), 0);

        const QJsonObject audio = VideoProbe::stream(VideoProbe::probe(path), QStringLiteral("audio"));
        QCOMPARE(audio.value(QStringLiteral("codec_name")).toString(), QStringLiteral("aac"));
        QCOMPARE(audio.value(QStringLiteral("sample_rate")).toString(), QStringLiteral("44100"));
        QCOMPARE(audio.value(QStringLiteral("channels")).toInt(), 2);
        const double audioLength = VideoProbe::duration(path, QStringLiteral("audio"));
        QVERIFY2(qAbs(audioLength - 2.0) < 0.1, qPrintable(QString::number(audioLength)));
    }

    void volumeFadesInOverEachTrackAndOutBeforeTheEnd()
    {
        QCOMPARE(AudioFeed::volumeFor(0.25, 10.0, 5.0), 64);
        QCOMPARE(AudioFeed::volumeFor(3.0, 10.0, 5.0), 256);
        // The track ends first, then the video.
        QCOMPARE(AudioFeed::volumeFor(3.0, 10.0, 0.5), 128);
        QCOMPARE(AudioFeed::volumeFor(3.0, 0.25, 5.0), 64);
        QCOMPARE(AudioFeed::volumeFor(3.0, -0.01, 5.0), 0);
        // A half-second track fades in over its first half and out over its second.
        QCOMPARE(AudioFeed::volumeFor(0.1, 10.0, 0.4), 102);
        QCOMPARE(AudioFeed::volumeFor(0.25, 10.0, 0.25), 256);
        QCOMPARE(AudioFeed::volumeFor(0.4, 10.0, 0.1), 102);
        // Decoding past the measured length stays silent rather than turning the samples over.
        QCOMPARE(AudioFeed::volumeFor(5.1, 10.0, -0.1), 0);
    }

    void finishedVideoReplacesAnEarlierOneOfTheSameName()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("same-minute.mp4"));
        QVERIFY(writeEarlierVideo(path));

        auto pool = FramePoolPtr::create(W, H);
        int owner = 0;
        AsyncVideoOutput output;
        output.open(path, mp4(), H, W, 1, 30, 0, false, ProjectPtr());
        writeGrayFrames(output, pool, &owner, 5);
        output.close();
        QCOMPARE(VideoProbe::videoFrameCount(path), 5);
        QCOMPARE(AsyncVideoOutput::publishedOnThisThread(), path);
    }

    // Two videos for one name, finished one after the other: the first takes the name, the
    // second (which found it free, or found the earlier video, when it began) the next number;
    // each file holds its own video.
    void twoVideosForOneNameBothLand_data()
    {
        QTest::addColumn<bool>("earlier");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("second");
        QTest::newRow("a new name") << false << "show.mp4" << "show (2).mp4";
        QTest::newRow("over an earlier video") << true << "show.mp4" << "show (2).mp4";
        QTest::newRow("a numbered name") << false << "show (2).mp4" << "show (3).mp4";
    }
    void twoVideosForOneNameBothLand()
    {
        QFETCH(bool, earlier);
        QFETCH(QString, name);
        QFETCH(QString, second);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        if (earlier)
            QVERIFY(writeEarlierVideo(path));
        auto pool = FramePoolPtr::create(W, H);
        int owner = 0;
        AsyncVideoOutput first, other;
        first.open(path, mp4(), H, W, 1, 30, 0, false, ProjectPtr());
        other.open(path, mp4(), H, W, 1, 30, 0, false, ProjectPtr());
        for (int i = 0; i < 7; ++i) {
            if (i < 5)
                first.writeFrame(pool, paintedFrame(*pool, &owner, Qt::red, i - 1), 1, 30, (i + 1) / 30.0);
            other.writeFrame(pool, paintedFrame(*pool, &owner, Qt::blue, i - 1), 1, 30, (i + 1) / 30.0);
        }
        first.close();
        QCOMPARE(AsyncVideoOutput::publishedOnThisThread(), path);
        other.close();
        QCOMPARE(AsyncVideoOutput::publishedOnThisThread(), dir.filePath(second));

        QCOMPARE(VideoProbe::videoFrameCount(path), 5);
        QVERIFY(near(VideoProbe::decodeFrame(path, 0).pixel(W / 2, H / 2), Qt::red));
        QCOMPARE(VideoProbe::videoFrameCount(dir.filePath(second)), 7);
        QVERIFY(near(VideoProbe::decodeFrame(dir.filePath(second), 0).pixel(W / 2, H / 2), Qt::blue));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    }

    void numberedNamesStayLegal()
    {
        QCOMPARE(VideoFile::numbered("/v/show.mp4", 2), QStringLiteral("/v/show (2).mp4"));
        QCOMPARE(VideoFile::numbered("/v/show (7).mp4", 8), QStringLiteral("/v/show (8).mp4"));
        QCOMPARE(VideoFile::numbered("/v/.mp4", 2), QStringLiteral("/v/.mp4 (2)"));
        // Shortened to the 255 bytes a name may have, never inside a character.
        const QString longest = QString(125, QChar(0xe9)) + "l.mp4";
        const QString numbered = VideoFile::numbered("/tmp/" + longest, 10);
        QCOMPARE(QFile::encodeName(QFileInfo(numbered).fileName()).size(), 255);
        QVERIFY(numbered.endsWith(QString(QChar(0xe9)) + " (10).mp4"));
    }
};

PICTOVIA_TEST_MAIN(TestVideoOutput)
#include "tst_videooutput.moc"
