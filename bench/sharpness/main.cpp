// How much of a photo's fine detail reaches the video. Renders one textured 4000 x 3000 photo
// (a "dead leaves" pattern of discs of every size, drawn here) through a theme at 1080p, takes
// the frame where the photo's breathing zoom stands still (the middle of its slot), and gives the
// variance of the Laplacian of the luma over the photo, in the frame as drawn and as decoded
// from the video. The same photo resized once to the same size with a Lanczos and a bilinear
// filter, placed in a frame and encoded with the same encoder settings, gives the figures to
// compare with.
// Usage: bench-sharpness [--theme ID] [--frame N[,N...]] [--keep]   (run from build/bin)
// With several frames, a line for the render at each; the references are sized by the first.

#include "app/AppPaths.h"
#include "app/CoreInit.h"
#include "render/AsyncVideoOutput.h"
#include "render/FFmpegPtr.h"
#include "render/LibavRender.h"
#include "theme/SceneStyleLevels.h"
#include "theme/ThemeCatalogue.h"

extern "C" {
#include <libswscale/swscale.h>
}

#include <QDir>
#include <QMap>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTextStream>

#include <cmath>
#include <cstdio>

namespace {

const QColor backgroundColour(32, 32, 40);

QString optionValue(const QStringList &arguments, const QString &option, const QString &fallback)
{
    const int at = arguments.indexOf(option);
    return at > 0 && at + 1 < arguments.size() ? arguments.at(at + 1) : fallback;
}

// Discs of random colours, radii from 2 to 600 pixels with density falling as the cube of the
// radius: detail at every scale, like a photo's, and never white, so only the border is.
QString leavesPhoto(const QDir &dir)
{
    const QString path = dir.filePath(QStringLiteral("sharpness-leaves.jpg"));
    if (QFile::exists(path))
        return path;
    QImage image(4000, 3000, QImage::Format_RGB32);
    image.fill(QColor(120, 110, 100));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    QRandomGenerator random(20261210);
    const double smallest = 2.0, largest = 600.0, spread = 1.0 - (smallest / largest) * (smallest / largest);
    for (int i = 0; i < 60000; ++i) {
        const double r = smallest / std::sqrt(1.0 - random.generateDouble() * spread);
        painter.setBrush(QColor(20 + random.bounded(200), 20 + random.bounded(200), 20 + random.bounded(200)));
        painter.drawEllipse(QPointF(random.generateDouble() * 4000, random.generateDouble() * 3000), r, r);
    }
    painter.end();
    image.save(path, "JPG", 95);
    return path;
}

// Luma as 0-255 doubles, BT.709 weights: the measure only compares pictures with each other.
double luma(QRgb pixel)
{
    return 0.2126 * qRed(pixel) + 0.7152 * qGreen(pixel) + 0.0722 * qBlue(pixel);
}

double laplacianVariance(const QImage &image, const QRect &area)
{
    double sum = 0.0, squares = 0.0;
    int count = 0;
    for (int y = area.top() + 1; y < area.bottom(); ++y)
        for (int x = area.left() + 1; x < area.right(); ++x) {
            const double l = luma(image.pixel(x - 1, y)) + luma(image.pixel(x + 1, y)) + luma(image.pixel(x, y - 1))
                             + luma(image.pixel(x, y + 1)) - 4 * luma(image.pixel(x, y));
            sum += l;
            squares += l * l;
            ++count;
        }
    return count ? squares / count - (sum / count) * (sum / count) : 0.0;
}

// Mean luma difference: says that the decoded frame is the drawn one.
double meanDifference(const QImage &a, const QImage &b, const QRect &area)
{
    double sum = 0.0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            sum += std::abs(luma(a.pixel(x, y)) - luma(b.pixel(x, y)));
    return sum / (double(area.width()) * area.height());
}

bool isBorder(QRgb pixel)
{
    return qRed(pixel) > 240 && qGreen(pixel) > 240 && qBlue(pixel) > 240;
}

// The photo inside its white border, found along the middle row and column, 3 pixels in.
QRect photoArea(const QImage &frame)
{
    const int midX = frame.width() / 2, midY = frame.height() / 2;
    auto inner = [](auto pixelAt, int from, int to, int step) {
        int p = from;
        while (p != to && !isBorder(pixelAt(p)))
            p += step;
        while (p != to && isBorder(pixelAt(p)))
            p += step;
        return p;
    };
    const auto row = [&](int x) { return frame.pixel(x, midY); };
    const auto column = [&](int y) { return frame.pixel(midX, y); };
    const int left = inner(row, 0, frame.width() - 1, 1), right = inner(row, frame.width() - 1, 0, -1);
    const int top = inner(column, 0, frame.height() - 1, 1), bottom = inner(column, frame.height() - 1, 0, -1);
    return QRect(QPoint(left, top), QPoint(right, bottom)).adjusted(3, 3, -3, -3);
}

// Frame n of the video, decoded by FFmpeg's command line (tags honoured) to RGB.
QImage decodedFrame(const QString &path, int n, const QSize &size)
{
    QProcess process;
    process.start(QStringLiteral("ffmpeg"),
                  {"-v", "error", "-i", path, "-vf", QStringLiteral("select=eq(n\\,%1)").arg(n), "-vsync", "0",
                   "-frames:v", "1", "-f", "rawvideo", "-pix_fmt", "rgb24", "-"});
    process.waitForFinished(-1);
    const QByteArray raw = process.readAllStandardOutput();
    if (raw.size() != size.width() * size.height() * 3)
        return {};
    return QImage(reinterpret_cast<const uchar *>(raw.constData()), size.width(), size.height(), size.width() * 3,
                  QImage::Format_RGB888)
        .convertToFormat(QImage::Format_RGB32);
}

QImage resized(const QImage &photo, const QSize &size, int flags)
{
    const QImage source = photo.convertToFormat(QImage::Format_RGB32);
    QImage result(size, QImage::Format_RGB32);
    SwsContext *scaler = sws_getContext(source.width(), source.height(), AV_PIX_FMT_BGRA, size.width(), size.height(),
                                        AV_PIX_FMT_BGRA, flags, nullptr, nullptr, nullptr);
    const uint8_t *from[] = {source.constBits()};
    const int fromStride[] = {int(source.bytesPerLine())};
    uint8_t *to[] = {result.bits()};
    const int toStride[] = {int(result.bytesPerLine())};
    sws_scale(scaler, from, fromStride, 0, source.height(), to, toStride);
    sws_freeContext(scaler);
    return result;
}

// One picture as a still video of a second, encoded as a render encodes its frames.
bool encodeStill(const QImage &frame, const QString &path)
{
    auto pool = FramePoolPtr::create(frame.width(), frame.height());
    int owner = 0;
    AsyncVideoOutput output;
    output.open(path, av_guess_format("mp4", nullptr, nullptr), frame.height(), frame.width(), 1, 30,
                AV_PIX_FMT_YUV420P, false, ProjectPtr());
    for (int i = 0; i < 30; ++i) {
        AVFrame *f = pool->acquire(&owner);
        QImage view(f->data[0], f->width, f->height, f->linesize[0], QImage::Format_RGB32);
        QPainter(&view).drawImage(0, 0, frame);
        f->pts = i - 1;
        output.writeFrame(pool, f, 1, 30, (i + 1) / 30.0);
    }
    output.close();
    return QFile::exists(path);
}

struct Figures
{
    double drawn = 0.0;
    double encoded = 0.0;
};

Figures reference(const QImage &photo, const QRect &area, const QSize &frameSize, int flags, const QString &path)
{
    QImage frame(frameSize, QImage::Format_RGB32);
    frame.fill(backgroundColour);
    QPainter(&frame).drawImage(area.topLeft(), resized(photo, area.size(), flags));
    const QRect inner = area.adjusted(3, 3, -3, -3);
    Figures figures{laplacianVariance(frame, inner), 0.0};
    if (encodeStill(frame, path))
        figures.encoded = laplacianVariance(decodedFrame(path, 15, frameSize), inner);
    return figures;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    initPictoviaCore();
    av_log_set_level(AV_LOG_ERROR);
    QStandardPaths::setTestModeEnabled(true);
    AppPaths::setup();
    const QStringList arguments = app.arguments();
    const int themeId = optionValue(arguments, QStringLiteral("--theme"), QStringLiteral("1")).toInt();
    // One 5 s slide: its breathing zoom stands still in the middle of its 150 frames.
    QList<int> frameIndexes;
    for (const QString &n : optionValue(arguments, QStringLiteral("--frame"), QStringLiteral("75")).split(','))
        frameIndexes.append(n.toInt());
    const int frameIndex = frameIndexes.first();
    const bool keep = arguments.contains(QStringLiteral("--keep"));

    QDir dir(QDir::temp().filePath(QStringLiteral("pictovia-bench")));
    dir.mkpath(QStringLiteral("."));
    const QString photoPath = leavesPhoto(dir);
    auto slide = SlidePtr::create();
    slide->content = photoPath;
    auto project = ProjectPtr::create();
    project->setSlides({slide});
    project->setSlideDuration(5.0);
    project->setDurationFixed(true);
    project->setOutputSettings(1, dir.path());
    const ThemeTemplatePtr theme = ThemeCatalogue::instance()->templateFor(themeId);
    SceneStyleLevels::apply(StyleSettings(), *theme, QGuiApplication::font(), QColor(Qt::white));
    const QString video = dir.filePath(QStringLiteral("sharpness-render.mp4"));

    QMap<int, QImage> drawnFrames;
    int frames = 0;
    {
        LibavRender render(project, theme, BackgroundDescriptor::ofColor(backgroundColour), video);
        QObject::connect(&render, &LibavRender::progress, [&](QSharedPointer<QImage> image, double) {
            if (frameIndexes.contains(frames))
                drawnFrames.insert(frames, image->copy());
            ++frames;
        });
        if (!render.render() || drawnFrames.size() != frameIndexes.size()) {
            std::fprintf(stderr, "the render failed or has not every frame asked for\n");
            return 1;
        }
    }
    const QImage drawnFrame = drawnFrames.value(frameIndex);
    const QRect area = photoArea(drawnFrame);
    const QImage decoded = decodedFrame(video, frameIndex, drawnFrame.size());
    if (area.width() < 100 || area.height() < 100 || decoded.isNull()) {
        std::fprintf(stderr, "no photo found in frame %d (area %dx%d)\n", frameIndex, area.width(), area.height());
        return 1;
    }
    const Figures render{laplacianVariance(drawnFrame, area), laplacianVariance(decoded, area)};
    const QImage photo(photoPath);
    // The photo proper as drawn: the area found, back out to the border.
    const QRect drawnPhoto = area.adjusted(-3, -3, 3, 3);
    const Figures lanczos = reference(photo, drawnPhoto, drawnFrame.size(), SWS_LANCZOS,
                                      dir.filePath(QStringLiteral("sharpness-lanczos.mp4")));
    const Figures bilinear = reference(photo, drawnPhoto, drawnFrame.size(), SWS_BILINEAR,
                                       dir.filePath(QStringLiteral("sharpness-bilinear.mp4")));

    QTextStream out(stdout);
    out << QStringLiteral("theme %1, frame %2 of %3, photo %4 x %5 at %6,%7\n")
               .arg(themeId).arg(frameIndex).arg(frames).arg(drawnPhoto.width()).arg(drawnPhoto.height())
               .arg(drawnPhoto.x()).arg(drawnPhoto.y());
    out << QStringLiteral("mean luma difference, drawn to decoded: %1\n").arg(meanDifference(drawnFrame, decoded, area), 0, 'f', 2);
    out << QStringLiteral("%1 %2 %3\n").arg(QStringLiteral("variance of the Laplacian"), -28)
               .arg(QStringLiteral("drawn"), 8).arg(QStringLiteral("encoded"), 8);
    const auto line = [&out](const QString &name, const Figures &f) {
        out << QStringLiteral("%1 %2 %3\n").arg(name, -28).arg(f.drawn, 8, 'f', 0).arg(f.encoded, 8, 'f', 0);
    };
    line(QStringLiteral("render"), render);
    for (int n : frameIndexes.mid(1)) {
        const QImage drawn = drawnFrames.value(n);
        const QRect at = photoArea(drawn);
        line(QStringLiteral("render, frame %1 (%2 x %3)").arg(n).arg(at.width() + 6).arg(at.height() + 6),
             {laplacianVariance(drawn, at), laplacianVariance(decodedFrame(video, n, drawn.size()), at)});
    }
    line(QStringLiteral("Lanczos resize"), lanczos);
    line(QStringLiteral("bilinear resize"), bilinear);
    out.flush();
    if (!keep) {
        for (const QString &name : {"sharpness-render.mp4", "sharpness-lanczos.mp4", "sharpness-bilinear.mp4"})
            QFile::remove(dir.filePath(name));
    }
    return 0;
}
