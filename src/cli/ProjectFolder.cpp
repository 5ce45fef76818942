#include "cli/ProjectFolder.h"

#include "app/AppConstants.h"
#include "cli/BackgroundArgument.h"
#include "images/ImageLoading.h"
#include "project/OutputSettings.h"
#include "project/ProjectFile.h"
#include "project/ProjectThumbnails.h"
#include "render/RenderPres.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <dirent.h>

namespace ProjectFolder {

namespace {


void takeStyle(const StyleSettings &style, RenderOptions &options, QStringList *warnings)
{
    auto unless = [&options](const char *name) { return !options.given.contains(QLatin1String(name)); };
    if (unless("--theme"))
        options.themeId = style.themeId;
    if (unless("--border"))
        options.border = style.borderSize;
    if (unless("--shadow"))
        options.shadow = style.imgShadowBlur;
    if (unless("--text-shadow"))
        options.textShadow = style.textShadowBlur;
    if (unless("--font"))
        options.font = style.fontFamily;
    if (unless("--font-color") && style.hasOwnFontColor)
        options.fontColor = style.fontColor;
    if (unless("--background") && BackgroundArgument::isCatalogueId(style.bgId))
        options.background = style.bgId;
    else if (unless("--background"))
        warnings->append(QStringLiteral("The project's background \"%1\" is not installed; "
                                        "using %2 (choose one with --background)")
                             .arg(style.bgId, options.background));
}

QImage thumbnailOf(const Slide &slide)
{
    if (slide.type != ImageSlideType)
        return ProjectThumbnails::fromText(slide.content);
    const ImageSharedPointer photo = loadScaledImage(slide.content, ProjectThumbnails::side, ProjectThumbnails::side);
    return ProjectThumbnails::fromPhoto(*photo, slide.rotation);
}

// The first five slides' pictures; leftovers of a longer project saved there before go.
void writeThumbnails(const QDir &folder, const Project &project)
{
    for (int n = 1; n <= ProjectThumbnails::count; ++n) {
        const QString file = ProjectThumbnails::fileIn(folder, n);
        if (n <= project.slides.size())
            ProjectThumbnails::save(thumbnailOf(*project.slides.at(n - 1)), file);
        else
            QFile::remove(file);
    }
}

// Listed by the system itself: Qt's listing leaves out names that are not UTF-8.
bool holdsAnything(const QString &dir)
{
    DIR *listing = ::opendir(QFile::encodeName(dir).constData());
    if (!listing)
        return false;
    bool found = false;
    while (const dirent *entry = ::readdir(listing)) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..") {
            found = true;
            break;
        }
    }
    ::closedir(listing);
    return found;
}

} // namespace

void dropUnreadablePhotos(Project &project, QStringList *warnings)
{
    QVector<SlidePtr> kept;
    kept.reserve(project.slides.size());
    for (const SlidePtr &slide : std::as_const(project.slides)) {
        if (slide->type != ImageSlideType) {
            kept.append(slide);
        } else if (!QFileInfo::exists(slide->content)) {
            warnings->append(QStringLiteral("The photo %1 is missing; it is left out").arg(slide->content));
        } else if (const QString reason = unreadableReason(slide->content); !reason.isEmpty()) {
            warnings->append(QStringLiteral("The photo %1 cannot be read (%2); it is left out").arg(slide->content, reason));
        } else {
            kept.append(slide);
        }
    }
    project.setSlides(kept);
}

ProjectPtr load(RenderOptions &options, QStringList *warnings, QString *error)
{
    const QDir folder(options.projectDir);
    const QString projectFile = folder.filePath(AppConstants::projectFileName);
    if (!QFileInfo(projectFile).isFile()) {
        *error = QStringLiteral("No saved project in %1 (it has no %2)")
                     .arg(options.projectDir, AppConstants::projectFileName);
        return {};
    }
    QString damage;
    const ProjectPtr project = readProjectFile(projectFile, &damage);
    if (!damage.isEmpty() && project->slides.isEmpty()) {
        *error = QStringLiteral("The project file %1 is damaged (%2) and no slide of it could be read")
                     .arg(projectFile, damage);
        return {};
    }
    if (!damage.isEmpty())
        warnings->append(QStringLiteral("The project file %1 is damaged (%2); the %3 slide(s) before the damage are used")
                             .arg(projectFile, damage)
                             .arg(project->slides.size()));
    for (const QString &music : std::as_const(project->missingMusic))
        warnings->append(QStringLiteral("The music %1 is missing; the video has no sound from it").arg(music));
    for (const QString &music : std::as_const(project->unreadableMusic))
        warnings->append(QStringLiteral("The music %1 cannot be read; the video has no sound from it").arg(music));
    dropUnreadablePhotos(*project, warnings);
    if (project->slides.isEmpty()) {
        *error = QStringLiteral("The project in %1 has no slide to show").arg(options.projectDir);
        return {};
    }
    options.style = readStyleFile(folder.filePath(AppConstants::styleFileName));
    takeStyle(*options.style, options, warnings);
    if (options.given.contains(QStringLiteral("--quality")))
        project->setOutputSettings(options.quality, project->output.saveDir);
    else
        options.quality = project->output.quality;
    if (options.output.isEmpty()) {
        const QString saveDir =
            project->output.saveDir.isEmpty() ? OutputSettings::defaultSaveDir() : project->output.saveDir;
        options.output = RenderPres::resultPathFor(saveDir, QDateTime::currentDateTime());
    }
    return project;
}

StyleSettingsPtr styleOf(const RenderOptions &options, QStringList *warnings)
{
    auto style = StyleSettingsPtr::create(options.styleSettings());
    if (options.given.contains(QStringLiteral("--background"))) {
        // A project names its background by id; colours and files have none.
        if (options.background.startsWith(QLatin1Char('#')) || QFileInfo(options.background).isFile())
            warnings->append(QStringLiteral("A project keeps its background by id; \"%1\" is not kept, the default "
                                            "background is saved")
                                 .arg(options.background));
        else
            style->bgId = options.background;
    }
    return style;
}

QString saveProblem(const QString &dir)
{
    const QFileInfo info(dir);
    if (info.exists() && !info.isDir())
        return QStringLiteral("%1 is a file, not a folder; choose an empty folder").arg(dir);
    const QDir folder(dir);
    if (!info.exists() || QFileInfo(folder.filePath(AppConstants::projectFileName)).isFile())
        return {};
    if (!info.isReadable() || !info.isExecutable())
        return QStringLiteral("Cannot read the folder %1: Permission denied").arg(dir);
    if (holdsAnything(dir))
        return QStringLiteral("The folder %1 holds other files and is not a saved project; choose an empty folder")
            .arg(dir);
    return {};
}

bool save(const QString &dir, const ProjectPtr &project, const StyleSettingsPtr &style, QString *error)
{
    const QDir folder(dir);
    if (!folder.mkpath(QStringLiteral("."))) {
        *error = QStringLiteral("Cannot create the folder %1").arg(dir);
        return false;
    }
    QString reason;
    auto failed = [&reason, error](const QString &file) {
        *error = QStringLiteral("Cannot write %1: %2").arg(file, reason);
        return false;
    };
    const QString infoFile = folder.filePath(AppConstants::infoFileName);
    if (!writeProjectInfo(infoFile, projectInfoOf(*project, QDateTime::currentDateTime()), &reason))
        return failed(infoFile);
    writeThumbnails(folder, *project);
    const QString projectFile = folder.filePath(AppConstants::projectFileName);
    if (!writeProjectFile(projectFile, project, &reason))
        return failed(projectFile);
    const QString styleFile = folder.filePath(AppConstants::styleFileName);
    if (!writeStyleFile(styleFile, style, &reason))
        return failed(styleFile);
    return true;
}

} // namespace ProjectFolder
