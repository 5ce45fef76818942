// Renders every installed theme from flat-coloured photos over a black background, without
// border or shadow, and prints per theme how much of each frame the photos cover:
//   empty  frames with less than 5 % of the frame covered,
//   dim    frames where background shows through two half-transparent photos: over a quarter
//          of the covered pixels mix two photos' colours and are dimmer than either,
//   faint  frames whose covered pixels are on average dimmer than the photos (also counts a
//          single photo fading over the background, or a darkened copy behind a photo),
//   median the median share of the frame covered.
// Frames inside the video's fade-in and fade-out are left out. Exit status 1 when a theme
// misses a target (0 empty, at most 12 dim but for "Fade in Fade out", median at least 0.40).
#include "app/AppPaths.h"
#include "app/CoreInit.h"
#include "project/Project.h"
#include "render/LibavRender.h"
#include "theme/SceneStyleLevels.h"
#include "theme/ThemeCatalogue.h"

extern "C" {
#include <libavutil/log.h>
}

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// Equal channel sums: a true mix of two photos keeps the sum, background showing through lowers it.
constexpr int ChannelSum = 450;
const QColor colours[] = {QColor(250, 150, 50), QColor(50, 250, 150), QColor(150, 50, 250),
                          QColor(250, 50, 150), QColor(50, 150, 250), QColor(150, 250, 50)};
// Landscape 3:2, portrait 2:3, 16:9, 4:3, portrait 3:4, square: what a camera roll mixes.
const QSize sizes[] = {QSize(1500, 1000), QSize(1000, 1500), QSize(1600, 900),
                       QSize(1200, 900),  QSize(900, 1200),  QSize(1000, 1000)};

struct FrameStats
{
    double coverage = 0.0;
    double brightness = 1.0; // mean of covered pixels, 1 = as bright as the photos
    double doubleExposed = 0.0; // share of covered pixels mixing two photos with background
};

struct ThemeStats
{
    int frames = 0;
    int empty = 0;
    int dim = 0;
    int faint = 0;
    double median = 0.0;
    double lowest = 1.0;
};

// A pixel whose colour is not one photo's colour, however faint, mixes two photos.
bool mixed(QRgb pixel, int sum)
{
    for (const QColor &c : colours) {
        if (std::abs(double(qRed(pixel)) / sum - c.red() / double(ChannelSum)) < 0.04
            && std::abs(double(qGreen(pixel)) / sum - c.green() / double(ChannelSum)) < 0.04)
            return false;
    }
    return true;
}

FrameStats measure(const QImage &image)
{
    qint64 covered = 0, total = 0, doubled = 0;
    double light = 0.0;
    for (int y = 0; y < image.height(); y += 2) {
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); x += 2) {
            const int sum = qRed(line[x]) + qGreen(line[x]) + qBlue(line[x]);
            const double share = double(sum) / ChannelSum;
            ++total;
            if (share >= 0.1) {
                ++covered;
                light += std::min(1.0, share);
                doubled += share < 0.8 && mixed(line[x], sum);
            }
        }
    }
    FrameStats stats;
    stats.coverage = double(covered) / total;
    stats.brightness = covered ? light / covered : 1.0;
    stats.doubleExposed = covered ? double(doubled) / covered : 0.0;
    return stats;
}

QStringList makePhotos(const QString &folder, int count)
{
    QStringList paths;
    for (int i = 0; i < count; ++i) {
        QImage photo(sizes[i % 6], QImage::Format_RGB32);
        photo.fill(colours[i % 6]);
        paths << QDir(folder).filePath(QStringLiteral("photo%1.png").arg(i));
        photo.save(paths.last());
    }
    return paths;
}

ProjectPtr makeProject(const QStringList &photos, double seconds, int quality)
{
    auto project = ProjectPtr::create();
    for (const QString &path : photos) {
        auto slide = SlidePtr::create();
        slide->type = ImageSlideType;
        slide->durationType = OwnDuration;
        slide->duration = seconds;
        slide->content = path;
        project->slides.append(slide);
    }
    project->usedSlidesNumber = photos.size();
    project->totalDuration = seconds * photos.size();
    project->output.quality = quality;
    return project;
}

ThemeStats measureTheme(int id, const ProjectPtr &project, const QString &video)
{
    const ThemeTemplatePtr theme = ThemeCatalogue::instance()->templateFor(id);
    // Level 1 is "none" for the border and both shadows.
    StyleSettings none;
    none.borderSize = none.imgShadowBlur = none.textShadowBlur = 1;
    SceneStyleLevels::apply(none, *theme, QFont(), Qt::white);
    LibavRender render(project, theme, BackgroundDescriptor::ofColor(Qt::black), video);
    QVector<FrameStats> frames;
    QObject::connect(&render, &LibavRender::progress,
                     [&frames](QSharedPointer<QImage> image, double) { frames.append(measure(*image)); });
    if (!render.render())
        return {};
    const int from = theme->fadeIn, to = frames.size() - theme->fadeOut;
    ThemeStats stats;
    QVector<double> coverages;
    for (int i = from; i < to; ++i) {
        const FrameStats &f = frames.at(i);
        ++stats.frames;
        stats.empty += f.coverage < 0.05;
        stats.dim += f.doubleExposed > 0.25;
        stats.faint += f.brightness < 0.8;
        stats.lowest = std::min(stats.lowest, f.coverage);
        coverages.append(f.coverage);
    }
    std::sort(coverages.begin(), coverages.end());
    stats.median = coverages.isEmpty() ? 0.0 : coverages.at(coverages.size() / 2);
    return stats;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("pictovia.*.info=false"));
    initPictoviaCore();
    av_log_set_level(AV_LOG_ERROR); // the encoder's statistics are not ours to print
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Measures how the installed themes cover the frame."));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("slides"), QStringLiteral("Photos in the video (default 6)."), QStringLiteral("n"), QStringLiteral("6")});
    parser.addOption({QStringLiteral("seconds"), QStringLiteral("Seconds per photo (default 3)."), QStringLiteral("s"), QStringLiteral("3")});
    parser.addOption({QStringLiteral("quality"), QStringLiteral("0, 1 or 2 (default 0, 720p)."), QStringLiteral("q"), QStringLiteral("0")});
    parser.addPositionalArgument(QStringLiteral("ids"), QStringLiteral("Theme ids (default all)."));
    parser.process(app);
    AppPaths::setup(); // the installed themes of the working folder, or those beside the program

    QTemporaryDir work;
    if (!work.isValid())
        return 2;
    const ProjectPtr project = makeProject(makePhotos(work.path(), parser.value("slides").toInt()),
                                           parser.value("seconds").toDouble(), parser.value("quality").toInt());
    QList<int> ids;
    for (const QString &id : parser.positionalArguments())
        ids << id.toInt();
    if (ids.isEmpty())
        ids = ThemeCatalogue::instance()->themes().keys();

    std::printf("%-3s %-18s %6s %6s %6s %6s %7s %7s\n", "id", "theme", "frames", "empty", "dim", "faint", "median",
                "lowest");
    bool met = true;
    for (int id : ids) {
        const QString name = ThemeCatalogue::instance()->themes().value(id).name;
        const ThemeStats s = measureTheme(id, project, QDir(work.path()).filePath(QStringLiteral("theme.mp4")));
        const bool fades = name == QLatin1String("Fade in Fade out");
        const bool ok = s.frames > 0 && s.empty == 0 && (fades || s.dim <= 12) && s.median >= 0.40;
        met &= ok;
        std::printf("%-3d %-18s %6d %6d %6d %6d %7.2f %7.2f %s\n", id, qPrintable(name), s.frames, s.empty, s.dim,
                    s.faint, s.median, s.lowest, ok ? "" : "(misses a target)");
        std::fflush(stdout);
    }
    return met ? 0 : 1;
}
