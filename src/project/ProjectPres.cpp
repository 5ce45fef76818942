#include "project/ProjectPres.h"
#include "app/AppConstants.h"
#include "app/CommonError.h"
#include "app/Logging.h"
#include "images/ThumbGenerator.h"
#include "project/EditCommand.h"
#include "project/EditHistory.h"
#include "project/ImgSlidePres.h"
#include "project/NullProjectStore.h"
#include "project/ProjectTexts.h"
#include "project/IOutputChoices.h"
#include "project/SlidesListModel.h"
#include "project/TextSlidePres.h"
#include "render/MediaFileReader.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QJSValue>
#include <QSequentialIterable>
#include <QTimer>
#include <QUrl>
#include <QtConcurrent/QtConcurrentMap>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>

ProjectPres::ProjectPres()
    : m_project(ProjectPtr::create())
    , m_store(NullProjectStore::shared())
{
    m_musicPool.setMaxThreadCount(1);
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
    editDurations(fixed, m_project->slideDuration, m_project->beatSync);
}

void ProjectPres::setFixedSlideDuration(int seconds)
{
    editDurations(m_project->isDurationFixed, double(seconds), m_project->beatSync);
}

void ProjectPres::setBeatSync(bool on)
{
    editDurations(m_project->isDurationFixed, m_project->slideDuration, on);
}

// The settings in one step kind: choosing "fixed" and then counting the seconds up is one step.
void ProjectPres::editDurations(bool fixed, double seconds, bool beat)
{
    const bool wasFixed = m_project->isDurationFixed;
    const double wasSeconds = m_project->slideDuration;
    const bool wasBeat = m_project->beatSync;
    if (fixed == wasFixed && seconds == wasSeconds && beat == wasBeat)
        return;
    EditHistory::perform(m_history,
                         new EditCommand(tr("Change slide duration settings"),
                                         [this, fixed, seconds, beat] { putDurations(fixed, seconds, beat); },
                                         [this, wasFixed, wasSeconds, wasBeat] {
                                             putDurations(wasFixed, wasSeconds, wasBeat);
                                         },
                                         EditCommand::DurationSettingsMerge));
}

void ProjectPres::putDurations(bool fixed, double seconds, bool beat)
{
    const bool fixedChanges = fixed != m_project->isDurationFixed;
    const bool secondsChange = seconds != m_project->slideDuration;
    const bool beatChanges = beat != m_project->beatSync;
    m_project->isDurationFixed = fixed;
    m_project->slideDuration = seconds;
    m_project->setBeatSync(beat);
    updateSeparator();
    if (fixedChanges)
        Q_EMIT isDurationFixedChanged();
    if (secondsChange)
        Q_EMIT fixedSlideDurationChanged();
    if (beatChanges) {
        Q_EMIT beatSyncChanged();
        updateBeatNotice();
    }
    Q_EMIT slideDurationChanged();
    updateTimeline();
    Q_EMIT projectEdited();
}

void ProjectPres::setRhythm(const SceneRhythm &rhythm)
{
    m_project->setRhythm(rhythm);
    if (m_project->beatSync)
        durationsRecomputed();
}

// Durations that follow from something other than an edit: found beats, another theme.
void ProjectPres::durationsRecomputed()
{
    updateSeparator();
    Q_EMIT slideDurationChanged();
    updateTimeline();
}

void ProjectPres::setMusicReads(int count)
{
    const bool was = musicReading();
    m_musicReads = count;
    if (was != musicReading())
        Q_EMIT musicReadingChanged();
}

void ProjectPres::updateBeatNotice()
{
    const QStringList names = m_project->beatSync ? m_project->tracksWithoutBeat() : QStringList();
    const QString notice = names.isEmpty()
        ? QString()
        : tr("No steady beat found in %1: its slides keep even durations.").arg(names.join(QStringLiteral(", ")));
    if (notice == m_beatNotice)
        return;
    m_beatNotice = notice;
    Q_EMIT beatNoticeChanged();
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
    if (index < 0 || index >= tracks.size())
        return;
    tracks.removeAt(index);
    editTracks(tr("Remove music track"), tracks);
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
    if (from < 0 || from >= count || to < 0 || to >= count || from == to)
        return;
    tracks.move(from, to);
    editTracks(tr("Move music track"), tracks);
}

void ProjectPres::editTracks(const QString &text, const QList<MediaFileInfoPtr> &tracks)
{
    const QList<MediaFileInfoPtr> before = m_project->audioTracks;
    EditHistory::perform(m_history, new EditCommand(text, [this, tracks] { putTracks(tracks); },
                                                    [this, before] { putTracks(before); }));
}

void ProjectPres::putTracks(const QList<MediaFileInfoPtr> &tracks)
{
    setAudioList(tracks);
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
    editSlides(tr("Add text slide"), {}, {{int(m_project->slides.size()), slide}});
    Q_EMIT scrollToBottom();
}

void ProjectPres::editTextSlide(int row, const QString &text)
{
    if (m_model->kindAt(row) != TextKind)
        return;
    const int index = m_model->slideIndexAt(row);
    editSlide(tr("Edit text slide"), index, m_model->slideAt(row)->content, text, &ProjectPres::putText);
}

void ProjectPres::removeSlide(int row)
{
    removeSlides({row});
}

void ProjectPres::removeSlides(const QList<int> &rows)
{
    QList<int> indices;
    indices.reserve(rows.size());
    for (int row : rows) {
        const int index = m_model->slideIndexAt(row);
        if (index >= 0)
            indices.append(index);
    }
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    if (indices.isEmpty())
        return;
    SlidePlaces out;
    out.reserve(indices.size());
    for (int index : std::as_const(indices))
        out.append({index, m_project->slides.at(index)});
    editSlides(out.size() == 1 ? tr("Remove slide") : tr("Remove %1 slides").arg(out.size()), out, {});
}

// The slides of the rows go, in their order, before the row now at `to` (the end when `to` is
// past the last row); the separator stays out of it, it is placed anew after every change.
void ProjectPres::move(const QList<int> &rows, int to)
{
    const int rowCount = m_model->rowCount();
    QList<int> sorted = rows;
    std::sort(sorted.begin(), sorted.end());
    const bool valid = !sorted.isEmpty() && to >= 0 && sorted.first() >= 0 && sorted.last() < rowCount
        && std::adjacent_find(sorted.cbegin(), sorted.cend()) == sorted.cend();
    if (!valid)
        return;
    SlidePlaces out;
    const int end = std::min(to, rowCount);
    int movedBefore = 0; // moved slides in the rows before the target row
    for (int row : std::as_const(sorted)) {
        const int index = m_model->slideIndexAt(row);
        if (index < 0)
            continue;
        out.append({index, m_project->slides.at(index)});
        movedBefore += row < end ? 1 : 0;
    }
    if (out.isEmpty())
        return;
    // Where the block lands: after the slides that stay and stand before the target row.
    const int separator = m_model->separatorRow();
    const int target = end - (separator >= 0 && separator < end ? 1 : 0) - movedBefore;
    SlidePlaces in;
    bool moves = false;
    for (int k = 0; k < out.size(); ++k) {
        in.append({target + k, out.at(k).slide});
        moves = moves || out.at(k).index != target + k;
    }
    if (moves)
        editSlides(out.size() == 1 ? tr("Move slide") : tr("Move %1 slides").arg(out.size()), out, in);
}

void ProjectPres::setRotation(int row, int rotation)
{
    if (m_model->kindAt(row) != ImageKind)
        return;
    editSlide(tr("Rotate photo"), m_model->slideIndexAt(row), m_model->slideAt(row)->rotation, rotation,
              &ProjectPres::putRotation);
}

void ProjectPres::setSlideDuration(int row, int durationType, double duration)
{
    const SlidePtr slide = m_model->slideAt(row);
    if (!slide)
        return;
    editSlide(tr("Change slide duration"), m_model->slideIndexAt(row), qMakePair(slide->durationType, slide->duration),
              qMakePair(durationType, duration), &ProjectPres::putOwnDuration);
}

template <typename Value>
void ProjectPres::editSlide(const QString &text, int index, const Value &before, const Value &after,
                            void (ProjectPres::*set)(int index, const Value &value))
{
    if (index < 0 || before == after)
        return;
    EditHistory::perform(m_history, new EditCommand(text, [this, index, after, set] { (this->*set)(index, after); },
                                                    [this, index, before, set] { (this->*set)(index, before); }));
}

void ProjectPres::putRotation(int index, const int &rotation)
{
    m_model->setSlideRotation(m_model->rowOfSlide(index), rotation);
    slideChanged(index);
}

void ProjectPres::putOwnDuration(int index, const QPair<int, double> &duration)
{
    m_model->setSlideDuration(m_model->rowOfSlide(index), duration.first, duration.second);
    m_project->recompute();
    updateSeparator();
    Q_EMIT isDurationFixedChanged();
    Q_EMIT slideDurationChanged();
    updateTimeline();
    slideChanged(index);
}

void ProjectPres::putText(int index, const QString &text)
{
    m_model->setSlideText(m_model->rowOfSlide(index), text);
    slideChanged(index);
}

void ProjectPres::slideChanged(int index)
{
    Q_EMIT projectEdited();
    if (EditCommand::isReplaying())
        Q_EMIT slidesRestored({m_model->rowOfSlide(index)});
}

void ProjectPres::editSlides(const QString &text, const SlidePlaces &out, const SlidePlaces &in)
{
    EditHistory::perform(m_history, new EditCommand(text, [this, out, in] { spliceSlides(out, in); },
                                                    [this, out, in] { spliceSlides(in, out); }));
}

// Presenters of slides that only move are kept, thumbnails and all; a slide that comes back
// gets a new one.
void ProjectPres::spliceSlides(const SlidePlaces &out, const SlidePlaces &in)
{
    const QVector<SlidePtr> current = m_model->slides();
    QVector<int> leaving;
    leaving.reserve(out.size());
    for (const SlidePlace &place : out) {
        // The places are exact while every change goes through the history; looked for otherwise.
        const int index = place.index < current.size() && current.at(place.index) == place.slide
            ? place.index
            : int(current.indexOf(place.slide));
        if (index >= 0)
            leaving.append(index);
        else
            qCWarning(lcProject) << "A slide to take out is not in the project:" << place.slide->content;
    }
    std::sort(leaving.begin(), leaving.end());
    QHash<const Slide *, SlidePres *> kept;
    for (SlidePres *presenter : m_model->takeSlides(leaving))
        kept.insert(presenter->slide().data(), presenter);
    QList<QPair<int, SlidePres *>> arriving;
    arriving.reserve(in.size());
    for (const SlidePlace &place : in) {
        SlidePres *presenter = kept.take(place.slide.data());
        arriving.append({place.index, presenter ? presenter : presenterFor(place.slide)});
    }
    m_model->putSlides(arriving);
    qDeleteAll(kept);

    const bool hasText = m_model->containsTextSlide();
    if (hasText != m_hasTextSlide) {
        m_hasTextSlide = hasText;
        Q_EMIT hasTextSlideChanged();
    }
    syncSlides();
    updateTimeline();
    Q_EMIT projectEdited();
    if (EditCommand::isReplaying() && !in.isEmpty()) {
        QList<int> rows;
        for (const SlidePlace &place : in)
            rows.append(m_model->rowOfSlide(place.index));
        Q_EMIT slidesRestored(rows);
    }
}

SlidePres *ProjectPres::presenterFor(const SlidePtr &slide) const
{
    if (slide->type == TextSlideType)
        return new TextSlidePres(slide);
    return new ImgSlidePres(slide, m_pixelRatio);
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
    if (paths.isEmpty())
        return;
    setMusicReads(m_musicReads + 1);
    QThread *home = thread();
    const int generation = m_generation;
    QtConcurrent::run(&m_musicPool,
                      [paths, home] {
                          QList<MediaFileInfoPtr> read;
                          for (const QString &path : paths) {
                              // Unreadable files are reported by the reader; the others are still added.
                              if (const MediaFileInfoPtr track = MediaFileReader::tryRead(path, MediaFileReader::WithBeats)) {
                                  track->moveToThread(home);
                                  read.append(track);
                              }
                          }
                          return read;
                      })
        .then(this, [this, generation](const QList<MediaFileInfoPtr> &read) { tracksRead(read, generation); });
}

void ProjectPres::tracksRead(const QList<MediaFileInfoPtr> &read, int generation)
{
    setMusicReads(m_musicReads - 1);
    if (generation != m_generation || read.isEmpty())
        return;
    const int added = int(read.size());
    editTracks(added == 1 ? tr("Add music track") : tr("Add %1 music tracks").arg(added),
               m_project->audioTracks + read);
}

void ProjectPres::trackMissingBeats()
{
    QList<MediaFileInfoPtr> tracks;
    for (const MediaFileInfoPtr &track : std::as_const(m_project->audioTracks)) {
        if (!track->beatGrid().isFor(track->path()))
            tracks.append(track);
    }
    if (tracks.isEmpty())
        return;
    setMusicReads(m_musicReads + 1);
    QStringList paths;
    for (const MediaFileInfoPtr &track : std::as_const(tracks))
        paths.append(track->path());
    const int generation = m_generation;
    QtConcurrent::run(&m_musicPool,
                      [paths] {
                          QList<BeatGrid> grids;
                          for (const QString &path : paths)
                              grids.append(MediaFileReader::tryTrackBeats(path));
                          return grids;
                      })
        .then(this, [this, tracks, generation](const QList<BeatGrid> &grids) {
            QList<QPair<MediaFileInfoPtr, BeatGrid>> found;
            for (int i = 0; i < tracks.size() && i < grids.size(); ++i)
                found.append({tracks.at(i), grids.at(i)});
            beatsFound(found, generation);
        });
}

// Not an edit: the music is what it was, only now listened to. The beats are saved with the
// project's next save.
void ProjectPres::beatsFound(const QList<QPair<MediaFileInfoPtr, BeatGrid>> &found, int generation)
{
    setMusicReads(m_musicReads - 1);
    if (generation != m_generation)
        return;
    for (const auto &[track, grid] : found)
        track->setBeatGrid(grid);
    m_project->recompute();
    durationsRecomputed();
    updateBeatNotice();
}

void ProjectPres::addImagePaths(const QStringList &paths)
{
    if (paths.isEmpty())
        return;
    ThumbGenerator::instance()->suspendFullDecode();
    const int oldUsed = m_project->usedSlidesNumber;
    const int oldCount = m_project->slides.size();
    SlidePlaces added;
    added.reserve(paths.size());
    for (const QString &path : paths) {
        SlidePtr slide(new Slide);
        slide->type = ImageSlideType;
        slide->content = path;
        added.append({oldCount + int(added.size()), slide});
    }
    editSlides(added.size() == 1 ? tr("Add photo") : tr("Add %1 photos").arg(added.size()), {}, added);
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
    const bool beat = source->beatSync;
    const OutputSettings output = source->output;
    const QString damage = source->damage;
    const QStringList lostMusic = source->missingMusic + source->unreadableMusic;
    m_project->id = source->id;
    m_project->damage = damage;
    ++m_generation;
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
    m_project->setBeatSync(beat);
    Q_EMIT beatSyncChanged();
    Q_EMIT slideDurationChanged();

    syncSlides();
    setAudioList(tracks);
    if (!damage.isEmpty())
        Q_EMIT projectFileDamaged(int(slides.size()));
    if (!missing.isEmpty())
        Q_EMIT missedImageFiles(missing);
    if (!lostMusic.isEmpty())
        Q_EMIT missedMusicFiles(lostMusic);
    updateBeatNotice();
    trackMissingBeats();
    // Another project, another history: the steps of the one before cannot be undone in it.
    if (m_history)
        m_history->clear();
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
    updateBeatNotice();
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
    m_model->setSlideLengths(m_project->slideLengths);
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
    const OutputSettings before = m_project->output;
    OutputSettings after;
    after.quality = m_output->resolution();
    after.saveDir = m_output->saveDir();
    m_project->setOutputSettings(after.quality, after.saveDir);
    Q_EMIT projectEdited();
    if (before.quality == after.quality && before.saveDir == after.saveDir)
        return;
    auto *step = new EditCommand(before.quality != after.quality ? tr("Change video quality") : tr("Change result directory"),
                                 [this, after] { putOutput(after); }, [this, before] { putOutput(before); });
    step->markDone();
    EditHistory::perform(m_history, step);
}

void ProjectPres::putOutput(const OutputSettings &output)
{
    m_project->setOutputSettings(output.quality, output.saveDir);
    m_output->showOutput(output.quality, output.saveDir);
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
