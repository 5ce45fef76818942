#include "project/ProjectPres.h"
#include "app/AppConstants.h"
#include "app/CommonError.h"
#include "app/Logging.h"
#include "images/ThumbGenerator.h"
#include "project/ImgSlidePres.h"
#include "project/NullProjectStore.h"
#include "project/ProjectTexts.h"
#include "project/IOutputChoices.h"
#include "project/SlidesListModel.h"
#include "project/TextSlidePres.h"
#include "render/MediaFileReader.h"

#include <QDir>
#include <QFileInfo>
#include <QJSValue>
#include <QSequentialIterable>
#include <QTimer>
#include <QUrl>
#include <QtConcurrent/QtConcurrentMap>

ProjectPres::ProjectPres()
    : m_project(ProjectPtr::create())
    , m_store(NullProjectStore::shared())
{
}

ProjectPres::~ProjectPres() = default;

void ProjectPres::setProjectStore(IProjectStore *store)
{
    m_store = store ? store : NullProjectStore::shared();
}

void ProjectPres::setSlidesModel(SlidesListModel *model)
{
    m_model = model;
    // Not an edit: the file is as it was, only now known to be unreadable. Many such photos
    // arriving together are counted out once.
    connect(m_model, &SlidesListModel::slideLeftOut, this, [this] {
        if (m_leftOutPending)
            return;
        m_leftOutPending = true;
        QTimer::singleShot(0, this, [this] {
            m_leftOutPending = false;
            syncSlides();
            updateTimeline();
        });
    });
}

void ProjectPres::setDurationFixed(bool fixed)
{
    m_project->setDurationFixed(fixed);
    updateSeparator();
    Q_EMIT isDurationFixedChanged();
    Q_EMIT slideDurationChanged();
    updateTimeline();
    Q_EMIT projectEdited();
}

void ProjectPres::setFixedSlideDuration(int seconds)
{
    m_project->setSlideDuration(double(seconds));
    updateSeparator();
    Q_EMIT fixedSlideDurationChanged();
    Q_EMIT slideDurationChanged();
    updateTimeline();
    Q_EMIT projectEdited();
}

QStringList ProjectPres::localPaths(const QVariant &urls)
{
    QVariantList values;
    // QML hands over url lists, JavaScript arrays, or a single url or string.
    const QVariant list = urls.userType() == qMetaTypeId<QJSValue>() ? urls.value<QJSValue>().toVariant() : urls;
    if (list.userType() != QMetaType::QString && list.canConvert<QVariantList>()) {
        const QSequentialIterable sequence = list.value<QSequentialIterable>();
        for (const QVariant &value : sequence)
            values.append(value);
    } else {
        values.append(list);
    }
    QStringList paths;
    for (const QVariant &value : std::as_const(values)) {
        // A URL that names no local file has an empty path, which would stand for the working folder.
        const QString path = value.toUrl().toLocalFile();
        if (!path.isEmpty())
            paths.append(path);
    }
    return paths;
}

QStringList ProjectPres::scanFolders(const QStringList &folders)
{
    QStringList files;
    for (const QString &folder : folders) {
        if (folder.isEmpty() || !QFileInfo(folder).isDir())
            continue;
        const QFileInfoList entries =
            QDir(folder).entryInfoList(QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
        for (const QFileInfo &entry : entries) {
            if (isPictureFileName(entry.fileName()))
                files.append(entry.absoluteFilePath());
        }
    }
    return files;
}

void ProjectPres::addAudio(const QVariant &urls)
{
    addAudioPaths(localPaths(urls));
}

void ProjectPres::removeAudio(int index)
{
    QList<MediaFileInfoPtr> tracks = m_project->audioTracks;
    const bool removed = index >= 0 && index < tracks.size();
    if (removed)
        tracks.removeAt(index);
    setAudioList(tracks);
    if (removed)
        Q_EMIT projectEdited();
}

void ProjectPres::moveAudioForward(int index)
{
    moveAudio(index, index + 1);
}

void ProjectPres::moveAudioBack(int index)
{
    moveAudio(index, index - 1);
}

void ProjectPres::moveAudio(int from, int to)
{
    QList<MediaFileInfoPtr> tracks = m_project->audioTracks;
    const int count = tracks.size();
    const bool moved = from >= 0 && from < count && to >= 0 && to < count && from != to;
    if (moved)
        tracks.move(from, to);
    setAudioList(tracks);
    if (moved)
        Q_EMIT projectEdited();
}

void ProjectPres::addImages(const QVariant &urls)
{
    addImagePaths(localPaths(urls));
}

void ProjectPres::addImagesFolder(const QVariant &urls)
{
    addImagePaths(scanFolders(localPaths(urls)));
}

void ProjectPres::addTextSlide(const QString &text)
{
    SlidePtr slide(new Slide);
    slide->type = TextSlideType;
    slide->content = text.trimmed();
    m_model->appendSlide(new TextSlidePres(slide));
    syncSlides();
    updateTimeline();
    Q_EMIT scrollToBottom();
    if (!m_hasTextSlide) {
        m_hasTextSlide = true;
        Q_EMIT hasTextSlideChanged();
    }
    Q_EMIT projectEdited();
}

void ProjectPres::editTextSlide(int index, const QString &text)
{
    if (m_model->setSlideText(index, text))
        Q_EMIT projectEdited();
}

void ProjectPres::removeSlide(int index)
{
    const int kind = m_model->removeSlideAt(index);
    if (kind == 0)
        return;
    if (kind == TextKind && !m_model->containsTextSlide()) {
        m_hasTextSlide = false;
        Q_EMIT hasTextSlideChanged();
    }
    syncSlides();
    updateTimeline();
    Q_EMIT projectEdited();
}

void ProjectPres::move(const QList<int> &rows, int to)
{
    if (!m_model->moveSlides(rows, to))
        return;
    syncSlides();
    Q_EMIT projectEdited();
}

void ProjectPres::setRotation(int index, int rotation)
{
    if (m_model->setSlideRotation(index, rotation))
        Q_EMIT projectEdited();
}

void ProjectPres::setSlideDuration(int index, int durationType, double duration)
{
    if (index < 0 || index >= m_model->rowCount())
        return;
    m_model->setSlideDuration(index, durationType, duration);
    m_project->recompute();
    updateSeparator();
    Q_EMIT isDurationFixedChanged();
    Q_EMIT slideDurationChanged();
    updateTimeline();
    Q_EMIT projectEdited();
}

void ProjectPres::loadPrj(int index)
{
    openProject(m_store->loadProject(index));
}

void ProjectPres::save()
{
    if (saveQuietly())
        Q_EMIT projectSaved();
}

bool ProjectPres::saveQuietly()
{
    return hasContent() && saveProject();
}

bool ProjectPres::hasContent() const
{
    return !m_project->slides.isEmpty() || !m_project->audioTracks.isEmpty();
}

void ProjectPres::reset()
{
    // A new project goes where the last video went, at the same resolution.
    const ProjectPtr fresh = ProjectPtr::create();
    fresh->output = m_project->output;
    openProject(fresh);
}

void ProjectPres::addAudioPaths(const QStringList &paths)
{
    QList<MediaFileInfoPtr> tracks = m_project->audioTracks;
    const int before = tracks.size();
    for (const QString &path : paths) {
        // Unreadable files are reported by the reader; the other files are still added.
        if (const MediaFileInfoPtr track = MediaFileReader::tryRead(path))
            tracks.append(track);
    }
    setAudioList(tracks);
    if (tracks.size() != before)
        Q_EMIT projectEdited();
}

void ProjectPres::addImagePaths(const QStringList &paths)
{
    ThumbGenerator::instance()->suspendFullDecode();
    const int oldUsed = m_project->usedSlidesNumber;
    const int oldCount = m_project->slides.size();
    QList<SlidePres *> added;
    added.reserve(paths.size());
    for (const QString &path : paths) {
        SlidePtr slide(new Slide);
        slide->type = ImageSlideType;
        slide->content = path;
        added.append(new ImgSlidePres(slide, m_pixelRatio));
    }
    m_model->appendSlides(added);
    syncSlides();
    updateTimeline();
    ThumbGenerator::instance()->resumeFullDecode();
    if (oldUsed == oldCount && m_project->usedSlidesNumber != m_project->slides.size())
        Q_EMIT scrollToSeparator();
    else
        Q_EMIT scrollToBottom();
    if (!added.isEmpty())
        Q_EMIT projectEdited();
}

void ProjectPres::openProject(const ProjectPtr &source)
{
    if (!source)
        return;
    // Copied first: the source may be the open project itself.
    const QVector<SlidePtr> slides = source->slides;
    const QList<MediaFileInfoPtr> tracks = source->audioTracks;
    const bool fixed = source->isDurationFixed;
    const double fixedDuration = source->slideDuration;
    const OutputSettings output = source->output;
    const QString damage = source->damage;
    const QStringList lostMusic = source->missingMusic + source->unreadableMusic;
    m_project->id = source->id;
    m_project->damage = damage;
    takeOutputSettings(output);

    m_model->clear();
    m_hasTextSlide = false;
    markMissingPhotos(slides);
    ThumbGenerator *thumbs = ThumbGenerator::instance();
    thumbs->pause();
    QStringList missing;
    // One block: a row insert per slide would lay the grid out again for each of them.
    QList<SlidePres *> rows;
    rows.reserve(slides.size());
    for (const SlidePtr &slide : slides) {
        if (slide->type == TextSlideType) {
            rows.append(new TextSlidePres(slide));
            m_hasTextSlide = true;
        } else if (slide->type == ImageSlideType) {
            // Kept in its place, so the next save does not lose it; the video leaves it out.
            if (slide->missing)
                missing.append(slide->content);
            rows.append(new ImgSlidePres(slide, m_pixelRatio));
        }
    }
    m_model->appendSlides(rows);
    thumbs->resume();
    Q_EMIT hasTextSlideChanged();

    m_project->setDurationFixed(fixed);
    Q_EMIT isDurationFixedChanged();
    m_project->setSlideDuration(fixedDuration);
    Q_EMIT fixedSlideDurationChanged();
    Q_EMIT slideDurationChanged();

    syncSlides();
    setAudioList(tracks);
    if (!damage.isEmpty())
        Q_EMIT projectFileDamaged(int(slides.size()));
    if (!missing.isEmpty())
        Q_EMIT missedImageFiles(missing);
    if (!lostMusic.isEmpty())
        Q_EMIT missedMusicFiles(lostMusic);
}

// Every photo's file is looked for on all cores: a project of 100 000 photos opens in a
// fraction of a second.
void ProjectPres::markMissingPhotos(QVector<SlidePtr> slides)
{
    QtConcurrent::blockingMap(slides, [](const SlidePtr &slide) {
        if (slide->type == ImageSlideType)
            slide->missing = !Project::isReadablePhoto(slide->content);
    });
}

void ProjectPres::setAudioList(const QList<MediaFileInfoPtr> &tracks)
{
    m_project->setAudioTracks(tracks);
    m_audioTotal = 0.0;
    m_audioFiles.clear();
    for (const MediaFileInfoPtr &track : tracks) {
        m_audioFiles.append(track->description());
        m_audioTotal += track->duration();
    }
    m_audioFilesCount = m_audioFiles.size();
    Q_EMIT audioChanged();
    Q_EMIT slideDurationChanged();
    updateTimeline();
    updateSeparator();
    m_audioTracksText = ProjectTexts::audioTracksText(tracks, m_audioTotal);
    Q_EMIT audioTracksTextChanged();
}

void ProjectPres::syncSlides()
{
    m_project->setSlides(m_model->slides());
    updateSeparator();
    Q_EMIT slidesChanged();
    Q_EMIT slideDurationChanged();
    m_slidesNumber = m_project->slides.size();
    Q_EMIT slidesNumberChanged();
}

void ProjectPres::updateTimeline()
{
    m_timelineText = ProjectTexts::timelineText(m_project->totalDuration);
    m_timelineValue = ProjectTexts::timelineValue(m_project->totalDuration, m_audioTotal);
    Q_EMIT timelineChanged();
}

void ProjectPres::updateSeparator()
{
    m_model->placeSeparator(m_project->usedSlidesNumber, m_project->slides.size());
    if (m_project->usedSlidesNumber != m_usedSlidesNumber) {
        m_usedSlidesNumber = m_project->usedSlidesNumber;
        Q_EMIT usedSlidesNumberChanged();
    }
    if (m_project->videoSlidesNumber != m_videoSlidesNumber) {
        m_videoSlidesNumber = m_project->videoSlidesNumber;
        Q_EMIT videoSlidesNumberChanged();
    }
}

bool ProjectPres::saveProject()
{
    const QString id = m_store->saveProject(m_project);
    if (id.isEmpty())
        return false;
    m_project->id = id;
    return true;
}

// A project saved before its folder was ever chosen keeps the folder on screen.
void ProjectPres::takeOutputSettings(const OutputSettings &output)
{
    const int quality = output.quality >= 0 && output.quality <= 2 ? output.quality : m_output->resolution();
    const QString saveDir = output.saveDir.isEmpty() ? m_output->saveDir() : output.saveDir;
    m_project->setOutputSettings(quality, saveDir);
    m_output->showOutput(quality, saveDir);
}

void ProjectPres::takeEditedOutput()
{
    m_project->setOutputSettings(m_output->resolution(), m_output->saveDir());
    Q_EMIT projectEdited();
}

void ProjectPres::locateSlide(int row, const QVariant &url)
{
    const QStringList paths = localPaths(url);
    const SlidePtr slide = m_model->slideAt(row);
    if (paths.isEmpty() || !slide || !slide->missing)
        return;
    if (!Project::isReadablePhoto(paths.first())) {
        CommonError::report(tr("Cannot open the photo %1").arg(QDir::toNativeSeparators(paths.first())));
        return;
    }
    m_model->locateSlide(row, paths.first());
    afterLocating();
}

int ProjectPres::relinkableFrom(const QVariant &url) const
{
    return relinkable(url).size();
}

void ProjectPres::relinkMissingFrom(const QVariant &url)
{
    const QList<QPair<int, QString>> found = relinkable(url);
    if (found.isEmpty())
        return;
    for (const auto &row : found)
        m_model->locateSlide(row.first, row.second);
    afterLocating();
}

QList<QPair<int, QString>> ProjectPres::relinkable(const QVariant &url) const
{
    QList<QPair<int, QString>> found;
    const QStringList paths = localPaths(url);
    if (paths.isEmpty())
        return found;
    const QFileInfo chosen(paths.first());
    const QDir folder(chosen.isDir() ? chosen.absoluteFilePath() : chosen.absolutePath());
    for (int row = 0; row < m_model->rowCount(); ++row) {
        const SlidePtr slide = m_model->slideAt(row);
        if (!slide || !slide->missing)
            continue;
        const QString candidate = folder.filePath(QFileInfo(slide->content).fileName());
        if (Project::isReadablePhoto(candidate))
            found.append({row, candidate});
    }
    return found;
}

void ProjectPres::afterLocating()
{
    syncSlides();
    updateTimeline();
    Q_EMIT projectEdited();
}

QUrl ProjectPres::nearestFolderOf(const QString &path) const
{
    if (path.isEmpty())
        return {};
    QString folder = QFileInfo(path).absolutePath();
    while (!QFileInfo(folder).isDir()) {
        const QString up = QFileInfo(folder).absolutePath();
        if (up == folder)
            return {};
        folder = up;
    }
    // The root says nothing of where the photo was.
    return QDir(folder).isRoot() ? QUrl() : QUrl::fromLocalFile(folder);
}
