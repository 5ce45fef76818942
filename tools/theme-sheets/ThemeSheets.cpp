// Contact sheets of the installed themes: each theme plays six photo-like pictures (landscape,
// portrait, one EXIF-rotated) and a title, at 3 s per slide over a dark background and at 8 s
// per slide over a light one; fourteen frames of each, half in a rest and half in a hand-over,
// go on one JPEG per theme, <output>/theme-<id>.jpg.
#include "SamplePhotos.h"

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
#include <QFileInfo>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QPainter>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>

namespace {

const QSize cell(176, 99);
constexpr int columns = 7;
constexpr int samples = 14;
constexpr int gap = 4;
constexpr int header = 26;

struct Pass
{
    double seconds;
    QColor background;
    QString label;
};

ProjectPtr makeProject(const QStringList &photos, double seconds)
{
    auto project = ProjectPtr::create();
    const auto add = [&project, seconds](int type, const QString &content) {
        auto slide = SlidePtr::create();
        slide->type = type;
        slide->durationType = OwnDuration;
        slide->duration = seconds;
        slide->content = content;
        project->slides.append(slide);
    };
    for (int i = 0; i < photos.size(); ++i) {
        if (i == 4)
            add(TextSlideType, QStringLiteral("Summer by the Sea 2026"));
        add(ImageSlideType, photos.at(i));
    }
    project->usedSlidesNumber = project->slides.size();
    project->totalDuration = seconds * project->slides.size();
    return project;
}

// Frames at every half slide from the first middle on: rests and hand-overs in turn.
QVector<int> sampleFrames(double seconds, int slides)
{
    QVector<int> frames;
    for (int k = 0; k < samples - 1; ++k)
        frames << int(std::lround(seconds * (k + 1) / 2 * 30));
    frames << int(std::lround((seconds * slides - 0.5) * 30));
    return frames;
}

QVector<QImage> renderPass(int id, const QStringList &photos, const Pass &pass, const QString &video)
{
    const ThemeTemplatePtr theme = ThemeCatalogue::instance()->templateFor(id);
    SceneStyleLevels::apply(StyleSettings(), *theme, QFont(), Qt::white);
    const ProjectPtr project = makeProject(photos, pass.seconds);
    const QVector<int> wanted = sampleFrames(pass.seconds, project->slides.size());
    QVector<QImage> shots;
    int frame = 0;
    LibavRender render(project, theme, BackgroundDescriptor::ofColor(pass.background), video);
    QObject::connect(&render, &LibavRender::progress, [&](QSharedPointer<QImage> image, double) {
        if (wanted.contains(frame++))
            shots << image->scaled(cell, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    });
    render.render();
    return shots;
}

void drawPass(QPainter &p, int top, const Pass &pass, const QVector<QImage> &shots)
{
    p.setPen(Qt::white);
    p.drawText(QRect(gap, top, 600, header), Qt::AlignVCenter, pass.label);
    for (int i = 0; i < shots.size(); ++i)
        p.drawImage(gap + (i % columns) * (cell.width() + gap), top + header + (i / columns) * (cell.height() + gap),
                    shots.at(i));
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
    parser.setApplicationDescription(QStringLiteral("Writes a contact sheet per installed theme."));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("photos"), QStringLiteral("Only write the sample photos into <folder>."),
                      QStringLiteral("folder")});
    parser.addPositionalArgument(QStringLiteral("output"), QStringLiteral("Folder for theme-<id>.jpg."));
    parser.addPositionalArgument(QStringLiteral("ids"), QStringLiteral("Theme ids (default all)."));
    parser.process(app);
    if (parser.isSet(QStringLiteral("photos"))) {
        QDir().mkpath(parser.value(QStringLiteral("photos")));
        return writeSamplePhotos(parser.value(QStringLiteral("photos"))).isEmpty() ? 1 : 0;
    }
    QStringList args = parser.positionalArguments();
    if (args.isEmpty())
        parser.showHelp(1);
    const QDir output(QFileInfo(args.takeFirst()).absoluteFilePath());
    output.mkpath(QStringLiteral("."));
    AppPaths::setup(); // may move to the folder of the installed themes
    QTemporaryDir work;
    if (!work.isValid())
        return 1;
    const QStringList photos = writeSamplePhotos(work.path());
    QList<int> ids;
    for (const QString &id : args)
        ids << id.toInt();
    if (ids.isEmpty())
        ids = ThemeCatalogue::instance()->themes().keys();

    const Pass passes[] = {{3.0, QColor(29, 35, 48), QStringLiteral("3 s per slide, dark background")},
                           {8.0, QColor(222, 216, 204), QStringLiteral("8 s per slide, light background")}};
    const int rows = (samples + columns - 1) / columns;
    const int passHeight = header + rows * (cell.height() + gap);
    for (int id : ids) {
        QImage sheet(gap + columns * (cell.width() + gap), header + 2 * passHeight, QImage::Format_RGB32);
        sheet.fill(QColor(18, 18, 22));
        QPainter p(&sheet);
        QFont font = p.font();
        font.setPixelSize(15);
        font.setBold(true);
        p.setFont(font);
        p.setPen(Qt::white);
        const QString name = ThemeCatalogue::instance()->themes().value(id).name;
        p.drawText(QRect(gap, 0, sheet.width(), header), Qt::AlignVCenter, QStringLiteral("%1. %2").arg(id).arg(name));
        font.setBold(false);
        p.setFont(font);
        for (int i = 0; i < 2; ++i)
            drawPass(p, header + i * passHeight, passes[i],
                     renderPass(id, photos, passes[i], QDir(work.path()).filePath(QStringLiteral("sheet.mp4"))));
        p.end();
        const QString path = output.filePath(QStringLiteral("theme-%1.jpg").arg(id));
        sheet.save(path, "JPEG", 80);
        std::printf("%s\n", qPrintable(path));
        std::fflush(stdout);
    }
    return 0;
}
