#include "cli/RenderCommand.h"

#include "app/AppConstants.h"
#include "app/CommonError.h"
#include "cli/BackgroundArgument.h"
#include "cli/ProgressPrinter.h"
#include "cli/ProjectFolder.h"
#include "cli/RawFileNames.h"
#include "project/ProjectPres.h"
#include "render/AsyncVideoOutput.h"
#include "render/FFmpegPtr.h"
#include "render/LibavRender.h"
#include "render/MediaFileInfo.h"
#include "render/MediaFileReader.h"
#include "render/ScenePlan.h"
#include "render/VideoFile.h"
#include "theme/SceneStyleLevels.h"
#include "theme/ThemeCatalogue.h"

#include "BuildConfig.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>

#include <cmath>
#include <sys/stat.h>


std::atomic<LibavRender *> RenderCommand::s_running{nullptr};
std::atomic<bool> RenderCommand::s_stopRequested{false};

RenderCommand::RenderCommand(FILE *out, FILE *err, bool errIsTerminal, const QString &baseDir)
    : m_out(out)
    , m_err(err)
    , m_errIsTerminal(errIsTerminal)
    , m_baseDir(baseDir)
{
    s_stopRequested = false;
}

RenderOptions RenderCommand::absolutePaths(RenderOptions options, const QString &baseDir)
{
    const QDir base(baseDir);
    auto absolute = [&base](const QString &path) { return QDir::cleanPath(base.absoluteFilePath(path)); };
    for (RenderOptions::Item &item : options.items) {
        if (item.kind == RenderOptions::Item::Picture)
            item.value = absolute(item.value);
    }
    for (QString &track : options.music)
        track = absolute(track);
    if (!options.background.startsWith(QLatin1Char('#')) && !BackgroundArgument::isCatalogueId(options.background))
        options.background = absolute(options.background);
    if (!options.output.isEmpty())
        options.output = absolute(options.output);
    for (QString *folder : {&options.projectDir, &options.saveProjectDir}) {
        if (!folder->isEmpty())
            *folder = absolute(*folder);
    }
    return options;
}

void RenderCommand::requestStop()
{
    s_stopRequested = true;
    if (LibavRender *render = s_running.load())
        render->stop();
}

bool RenderCommand::printReports(QMutex &lock)
{
    QMutexLocker locker(&lock);
    for (const QString &message : std::as_const(m_errors))
        printError(message);
    return !m_errors.isEmpty();
}

void RenderCommand::printError(const QString &message)
{
    std::fprintf(m_err, "pictovia-render: %s\n", message.toLocal8Bit().constData());
    std::fflush(m_err);
}

int RenderCommand::run(const QStringList &arguments)
{
    RenderOptions options;
    QString error;
    if (!options.parse(arguments, &error)) {
        printError(error);
        return Failure;
    }
    return execute(options);
}

int RenderCommand::run(const QList<QByteArray> &arguments)
{
    QStringList decoded;
    for (const QByteArray &argument : arguments)
        decoded << QFile::decodeName(argument);
    RawFileNames &names = RawFileNames::instance();
    const QByteArray base = QFile::encodeName(m_baseDir);
    QString unreachable;
    auto pathOf = [&](int i) {
        const QString path = names.pathFor(arguments.at(i), base);
        if (path.isEmpty() && unreachable.isEmpty())
            unreachable = RawFileNames::shown(arguments.at(i));
        return path.isEmpty() ? decoded.at(i) : path;
    };
    RenderOptions options;
    QString error;
    if (!options.parse(decoded, &error, pathOf)) {
        printError(error);
        return Failure;
    }
    if (!unreachable.isEmpty()) {
        printError(QStringLiteral("Cannot reach %1: its name is not UTF-8 and no link to it could be made in %2")
                       .arg(unreachable, QDir::tempPath()));
        return Failure;
    }
    // What is written keeps the name given; a name the text form cannot hold would come out altered.
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &name = decoded.at(i);
        if (!RawFileNames::decodable(arguments.at(i)) && !name.isEmpty()
            && (name == options.output || name == options.saveProjectDir)) {
            printError(QStringLiteral("Cannot write under the name %1: it is not UTF-8; choose another name")
                           .arg(RawFileNames::shown(arguments.at(i))));
            return Failure;
        }
    }
    return execute(options);
}

int RenderCommand::execute(const RenderOptions &options)
{
    QString error;
    if (options.help) {
        std::fputs(RenderOptions::helpText().toLocal8Bit().constData(), m_out);
        return Success;
    }
    if (options.list) {
        BackgroundArgument::printList(m_out);
        return Success;
    }
    if (options.version) {
        std::fputs("pictovia-render " PICTOVIA_VERSION "\n", m_out);
        return Success;
    }
    av_log_set_level(AV_LOG_ERROR);
    if (!options.saveProjectDir.isEmpty())
        return saveProject(options);
    RenderOptions resolved = absolutePaths(options, m_baseDir);
    if (resolved.projectDir.isEmpty())
        return render(resolved);
    QStringList warnings;
    const ProjectPtr project = ProjectFolder::load(resolved, &warnings, &error);
    printWarnings(warnings);
    if (!project) {
        printError(error);
        return Failure;
    }
    return render(resolved, project);
}

int RenderCommand::saveProject(const RenderOptions &options)
{
    RenderOptions resolved = absolutePaths(options, m_baseDir);
    QString error = ProjectFolder::saveProblem(resolved.saveProjectDir);
    if (!error.isEmpty()) {
        printError(error);
        return Failure;
    }
    // A background that names no file is a background id, kept as given.
    if (!QFileInfo(resolved.background).isFile())
        resolved.background = options.background;
    QStringList warnings;
    const StyleSettingsPtr style = ProjectFolder::styleOf(resolved, &warnings);
    const ProjectPtr project = buildProject(resolved, &error);
    printWarnings(RawFileNames::instance().takeWarnings());
    if (project)
        dropUnsavableNames(*project);
    if (project && project->slides.isEmpty())
        error = QStringLiteral("No slide left to save in %1").arg(resolved.saveProjectDir);
    const bool saved =
        project && !project->slides.isEmpty() && ProjectFolder::save(resolved.saveProjectDir, project, style, &error);
    printWarnings(warnings);
    if (!saved) {
        printError(error);
        return Failure;
    }
    std::fprintf(m_out, "%s\n%d slides saved\n", resolved.saveProjectDir.toLocal8Bit().constData(),
                 int(project->slides.size()));
    std::fflush(m_out);
    return Success;
}

void RenderCommand::printWarnings(const QStringList &warnings)
{
    for (const QString &warning : warnings)
        printError(QStringLiteral("warning: ") + warning);
}

QStringList RenderCommand::folderPictures(const QString &folder)
{
    QStringList pictures = ProjectPres::scanFolders({folder});
    // Each in its place in the name order the application's listing follows.
    for (const auto &[name, path] : RawFileNames::instance().undecodablePictures(folder)) {
        int at = 0;
        while (at < pictures.size()
               && QString::compare(QFileInfo(pictures.at(at)).fileName(), name, Qt::CaseInsensitive) <= 0)
            ++at;
        pictures.insert(at, path);
    }
    return pictures;
}

void RenderCommand::dropUnsavableNames(Project &project)
{
    const RawFileNames &names = RawFileNames::instance();
    auto warn = [this, &names](const QString &path) {
        printError(QStringLiteral("warning: %1 has a name that is not UTF-8, which a project cannot keep; it is "
                                  "left out")
                       .arg(names.shownFor(path)));
    };
    QVector<SlidePtr> kept;
    for (const SlidePtr &slide : std::as_const(project.slides)) {
        if (slide->type == ImageSlideType && names.isLink(slide->content))
            warn(slide->content);
        else
            kept.append(slide);
    }
    QList<MediaFileInfoPtr> tracks;
    for (const MediaFileInfoPtr &track : std::as_const(project.audioTracks)) {
        if (names.isLink(track->path()))
            warn(track->path());
        else
            tracks.append(track);
    }
    if (kept.size() != project.slides.size())
        project.setSlides(kept);
    if (tracks.size() != project.audioTracks.size())
        project.setAudioTracks(tracks);
}

ProjectPtr RenderCommand::buildProject(const RenderOptions &options, QString *error)
{
    QVector<SlidePtr> slides;
    auto add = [&slides](int type, const QString &content) {
        auto slide = SlidePtr::create();
        slide->type = type;
        slide->content = content;
        slides.append(slide);
    };
    for (const RenderOptions::Item &item : options.items) {
        if (item.kind == RenderOptions::Item::Text) {
            add(TextSlideType, item.value);
            continue;
        }
        const QFileInfo info(item.value);
        if (info.isDir() && !info.isReadable()) {
            *error = QStringLiteral("Cannot read the folder %1: Permission denied").arg(item.value);
            return {};
        }
        if (info.isDir()) {
            const QStringList pictures = folderPictures(info.absoluteFilePath());
            if (pictures.isEmpty()) {
                *error = QStringLiteral("No .jpg, .jpeg, .png or .gif photo in folder %1").arg(item.value);
                return {};
            }
            for (const QString &picture : pictures)
                add(ImageSlideType, picture);
        } else if (info.isFile()) {
            QFile photo(info.absoluteFilePath());
            if (!photo.open(QIODevice::ReadOnly)) {
                *error = QStringLiteral("Cannot read the photo %1: %2").arg(item.value, photo.errorString());
                return {};
            }
            add(ImageSlideType, info.absoluteFilePath());
        } else {
            *error = QStringLiteral("No such photo or folder: %1").arg(item.value);
            return {};
        }
    }

    QList<MediaFileInfoPtr> tracks;
    for (const QString &path : options.music) {
        try {
            // Listened to in the same pass when the slides are to change on the beat.
            tracks.append(MediaFileReader::read(path, options.beat ? MediaFileReader::WithBeats
                                                                   : MediaFileReader::WithoutBeats));
        } catch (...) {
            *error = QStringLiteral("Cannot read the music file %1").arg(path);
            return {};
        }
    }

    auto project = ProjectPtr::create();
    project->setOutputSettings(options.quality, options.output.isEmpty() ? project->output.saveDir
                                                                         : QFileInfo(options.output).absolutePath());
    project->setSlides(slides);
    project->setAudioTracks(tracks);
    if (options.duration > 0.0)
        project->setSlideDuration(options.duration);
    project->setDurationFixed(options.duration > 0.0);
    return project;
}

QString RenderCommand::outputProblem(const QString &output, const QString &shown, const QStringList &inputs)
{
    if (QFileInfo(output).isDir())
        return QStringLiteral("-o names a folder: %1 (give a file name such as %1/slideshow.mp4)").arg(shown);
    struct stat out;
    if (::stat(QFile::encodeName(output).constData(), &out) != 0)
        return {}; // not there yet: the video is a new file
    if (!S_ISREG(out.st_mode))
        return QStringLiteral("-o names something that is not a regular file: %1").arg(shown);
    const QString outputPath = QFileInfo(output).absoluteFilePath();
    for (const QString &input : inputs) {
        struct stat in;
        if (::stat(QFile::encodeName(input).constData(), &in) == 0 && in.st_dev == out.st_dev
            && in.st_ino == out.st_ino) {
            if (QFileInfo(input).absoluteFilePath() == outputPath)
                return QStringLiteral("-o names one of the inputs: %1 (the video would replace it)").arg(shown);
            return QStringLiteral("-o names one of the inputs: %1 is %2 (the video would replace it)")
                .arg(shown, QDir::toNativeSeparators(input));
        }
    }
    return {};
}

void RenderCommand::fitToBeats(Project &project, const ThemeTemplate &theme, bool asked)
{
    if (asked)
        project.beatSync = true;
    if (project.beatSync) {
        for (const MediaFileInfoPtr &track : std::as_const(project.audioTracks)) {
            if (!track->beatGrid().isFor(track->path()))
                track->setBeatGrid(MediaFileReader::tryTrackBeats(track->path()));
        }
    }
    project.setRhythm(SceneScheduler::rhythmOf(theme));
    if (!project.beatSync)
        return;
    for (const QString &name : project.tracksWithoutBeat())
        printError(QStringLiteral("warning: no steady beat found in %1; its slides keep even durations").arg(name));
}

QString RenderCommand::leftOutWarning(const Project &project)
{
    const int count = project.slides.size();
    const int left = count - project.usedSlidesNumber;
    if (left <= 0)
        return {};
    const double music = project.musicLength();
    const QString why = project.isDurationFixed
                            ? QStringLiteral("at --duration %1 s each").arg(project.slideDuration)
                            : QStringLiteral("slides that follow the music last at least 3 s each");
    QString advice = QStringLiteral("add more music");
    // The longest fixed duration, to a tenth of a second, at which every slide fits the music.
    const double fitting = std::floor(music / count * 10.0) / 10.0;
    if (fitting >= 0.1)
        advice += QStringLiteral(" or give --duration %1 or less").arg(fitting);
    return QStringLiteral("warning: the music (%1) has room for %2 of the %3 slides (%4); the last %5 %6 left "
                          "out. To keep them all, %7.")
        .arg(ProgressPrinter::clock(music))
        .arg(project.usedSlidesNumber)
        .arg(count)
        .arg(why)
        .arg(left)
        .arg(left == 1 ? QStringLiteral("is") : QStringLiteral("are"))
        .arg(advice);
}

int RenderCommand::render(const RenderOptions &options, const ProjectPtr &loaded)
{
    QMutex lock;
    auto collect = [this, &lock](const QString &message) {
        QMutexLocker locker(&lock);
        m_errors.append(message);
    };
    const QMetaObject::Connection reports =
        QObject::connect(CommonError::instance(), &CommonError::error, collect);
    auto done = [&reports](int code) {
        QObject::disconnect(reports);
        return code;
    };

    QString error;
    const ProjectPtr project = loaded ? loaded : buildProject(options, &error);
    printWarnings(RawFileNames::instance().takeWarnings());
    if (!project) {
        printReports(lock);
        printError(error);
        return done(Failure);
    }
    if (!loaded) {
        QStringList left;
        ProjectFolder::dropUnreadablePhotos(*project, &left);
        printWarnings(left);
        if (project->slides.isEmpty()) {
            printError(QStringLiteral("No photo given can be read, and there is no text slide"));
            return done(Failure);
        }
    }
    QString output = QFileInfo(options.output).absoluteFilePath();
    // A link is written through: the video goes where it points, and the link stays.
    if (QFileInfo(output).isSymLink())
        output = QFileInfo(output).symLinkTarget();
    QStringList inputs;
    for (const SlidePtr &slide : std::as_const(project->slides)) {
        if (slide->type == ImageSlideType)
            inputs << slide->content;
    }
    for (const MediaFileInfoPtr &track : std::as_const(project->audioTracks))
        inputs << track->path();
    if (!options.background.isEmpty())
        inputs << QFileInfo(options.background).absoluteFilePath();
    // Found now, not when the finished video cannot take that name or has replaced an input.
    const QString problem = outputProblem(output, options.output, inputs);
    if (!problem.isEmpty()) {
        printError(problem);
        return done(Failure);
    }
    // As the application does with its save folder; a folder that cannot be made shows up in
    // the check that follows, with the system's reason.
    QDir().mkpath(QFileInfo(output).absolutePath());
    // Found now, not when the finished video cannot take the name.
    const QString unwritable = VideoFile::problem(output);
    if (!unwritable.isEmpty()) {
        printError(QStringLiteral("Cannot create the video %1: %2").arg(output, unwritable));
        return done(Failure);
    }
    const ThemeTemplatePtr theme = ThemeCatalogue::instance()->templateFor(options.themeId);
    if (!theme || (theme->photoScenes.isEmpty() && theme->textScenes.isEmpty())) {
        printError(QStringLiteral("Theme %1 is not installed").arg(options.themeId));
        return done(Failure);
    }
    fitToBeats(*project, *theme, options.beat);
    BackgroundDescriptor background;
    if (!BackgroundArgument(m_err, m_errIsTerminal, s_stopRequested)
             .resolve(options.background, options.quality, &background, &error)) {
        printError(error);
        return done(s_stopRequested ? Stopped : Failure);
    }
    SceneStyleLevels::apply(options.styleSettings(), *theme, background.font, background.fontColor);

    const QString warning = leftOutWarning(*project);
    if (!warning.isEmpty())
        printError(warning);

    ProgressPrinter printer(m_err, m_errIsTerminal);
    LibavRender render(project, theme, background, output);
    QObject::connect(&render, &LibavRender::progress,
                     [&printer](QSharedPointer<QImage>, double percent) { printer.update(percent); });
    s_running = &render;
    if (s_stopRequested)
        render.stop();
    const bool ok = render.render();
    // Another render may have taken the name meanwhile: the video then has the next number.
    const QString written = ok ? AsyncVideoOutput::publishedOnThisThread() : QString();
    s_running = nullptr;
    printer.finish(ok && !s_stopRequested);

    if (s_stopRequested) {
        printError(QStringLiteral("Stopped; no video written"));
        return done(Stopped);
    }
    if (!ok) {
        if (!printReports(lock))
            printError(QStringLiteral("The render failed"));
        return done(Failure);
    }
    // What went wrong without failing the render (music cut short) is said, as warnings.
    {
        QMutexLocker locker(&lock);
        for (const QString &message : std::as_const(m_errors))
            printError(QStringLiteral("warning: ") + message);
        m_errors.clear();
    }
    std::fprintf(m_out, "%s\nlength %s (%d slides)\n", written.toLocal8Bit().constData(),
                 ProgressPrinter::clock(project->totalDuration).toLocal8Bit().constData(), project->usedSlidesNumber);
    std::fflush(m_out);
    return done(Success);
}
