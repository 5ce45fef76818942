#include "project/ProjectPres.h"
#include "app/AppConstants.h"
#include "app/Logging.h"
#include "images/ThumbGenerator.h"
#include "project/ImgSlidePres.h"
#include "project/NullProjectStore.h"
#include "project/ProjectTexts.h"
#include "project/SlidesListModel.h"
#include "project/TextSlidePres.h"

#include <QDir>
#include <QFileInfo>
#include <QJSValue>
#include <QUrl>


// Saves after the first slide-list change, then after every fifth.
static constexpr int autosaveInterval = 5;
static constexpr int autosaveCounterLimit = 10000;

static NullProjectStore *nullStore()
{
    static NullProjectStore store;
    return &store;
}

ProjectPres::ProjectPres()
    : m_project(ProjectPtr::create())
    , m_model(SlidesListModel::instance())
    , m_store(nullStore())
{
}

ProjectPres::~ProjectPres() = default;

QStringList ProjectPres::pictureNameFilters() const
{
    return {pictureNameFilter(tr("Images"))};
}

void ProjectPres::setProjectStore(IProjectStore *store)
{
    m_store = store ? store : nullStore();
}

void ProjectPres::setDurationFixed(bool fixed)
{
    m_project->setDurationFixed(fixed);
    updateSeparator();
    Q_EMIT isDurationFixedChanged();
    Q_EMIT slideDurationChanged();
    updateTimeline();
}

void ProjectPres::setFixedSlideDuration(int seconds)
{
    m_project->setSlideDuration(double(seconds));
    updateSeparator();
    Q_EMIT fixedSlideDurationChanged();
    Q_EMIT slideDurationChanged();
    updateTimeline();
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
    for (const QVariant &value : qAsConst(values)) {
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
    if (index >= 0 && index < tracks.size())
        tracks.removeAt(index);
    setAudioList(tracks);
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
    if (from >= 0 && from < count && to >= 0 && to < count)
        tracks.move(from, to);
    setAudioList(tracks);
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
}

void ProjectPres::editTextSlide(int index, const QString &text)
{
    m_model->setSlideText(index, text);
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
}

void ProjectPres::move(const QList<int> &rows, int to)
{
    if (m_model->moveSlides(rows, to))
        syncSlides();
}

void ProjectPres::setRotation(int index, int rotation)
{
    m_model->setSlideRotation(index, rotation);
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
}

void ProjectPres::loadPrj(int index)
{
    openProject(m_store->loadProject(index));
}

void ProjectPres::save()
{
    if (hasRows())
        saveProject();
}

void ProjectPres::reset()
{
    openProject(ProjectPtr::create());
}

void ProjectPres::addAudioPaths(const QStringList &paths)
{
    QList<MediaFileInfoPtr> tracks = m_project->audioTracks;
    for (const QString &path : paths) {
        // Unreadable files are reported by the reader; the other files are still added.
        if (const MediaFileInfoPtr track = MediaFileInfo::tryRead(path))
            tracks.append(track);
    }
    setAudioList(tracks);
    if (hasRows())
        saveProject();
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
    m_project->id = source->id;

    m_model->clear();
    m_hasTextSlide = false;
    QStringList missing;
    for (const SlidePtr &slide : slides) {
        if (slide->type == TextSlideType) {
            m_model->appendSlide(new TextSlidePres(slide));
            m_hasTextSlide = true;
        } else if (slide->type == ImageSlideType) {
            if (Project::isReadablePhoto(slide->content))
                m_model->appendSlide(new ImgSlidePres(slide, m_pixelRatio));
            else
                missing.append(slide->content);
        }
    }
    Q_EMIT hasTextSlideChanged();

    m_project->setDurationFixed(fixed);
    Q_EMIT isDurationFixedChanged();
    m_project->setSlideDuration(fixedDuration);
    Q_EMIT fixedSlideDurationChanged();
    Q_EMIT slideDurationChanged();

    announceSlides();
    setAudioList(tracks);
    if (!missing.isEmpty())
        Q_EMIT missedImageFiles(missing);
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
    announceSlides();
    if (!hasRows())
        return;
    if (m_autosaveCounter % autosaveInterval == 0)
        saveProject();
    ++m_autosaveCounter;
    if (m_autosaveCounter > autosaveCounterLimit)
        m_autosaveCounter = 0;
}

void ProjectPres::announceSlides()
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
}

void ProjectPres::saveProject()
{
    const QString id = m_store->saveProject(m_project);
    if (!id.isEmpty())
        m_project->id = id;
    Q_EMIT projectSaved();
}

bool ProjectPres::hasRows() const
{
    return m_model->rowCount() > 0;
}
