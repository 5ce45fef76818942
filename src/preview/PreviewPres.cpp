#include "preview/PreviewPres.h"

#include "app/Logging.h"
#include "backgrounds/BackgroundCatalogue.h"
#include "images/ImageProvider.h"
#include "preview/PreviewPlayer.h"
#include "project/IProjectSource.h"
#include "project/ISlideRows.h"
#include "project/IStyleChoices.h"
#include "project/SlidesListModel.h"
#include "theme/ThemeCatalogue.h"

#include <algorithm>

namespace {
// Long enough to gather a slider drag or a burst of added photos into one restart, short enough
// that a change shows well within a second.
constexpr int restartDelayMs = 250;
}

PreviewPres::PreviewPres()
    // Made first so that it is deleted last, after this presenter has let go of its picture.
    : m_provider(ImageProvider::instance())
    , m_player(new PreviewPlayer(this))
    , m_source([this](double from) { return currentRun(from); })
{
    m_restart.setSingleShot(true);
    m_restart.setInterval(restartDelayMs);
    connect(&m_restart, &QTimer::timeout, this, &PreviewPres::restart);
    connect(m_player, &PreviewPlayer::frameShown, this, &PreviewPres::showFrame);
    connect(m_player, &PreviewPlayer::ended, this, &PreviewPres::onEnded);

    updateDuration();
}

void PreviewPres::setChoices(const IProjectSource *project, IStyleChoices *style, const ISlideRows *rows)
{
    m_project = project;
    m_style = style;
    m_rows = rows;
    updateDuration();
}

void PreviewPres::slidesDataChanged(const QModelIndex &, const QModelIndex &, const QVector<int> &roles)
{
    // Rotations and texts change inside the grid without a project signal.
    if (!(roles.size() == 1 && roles.first() == SlidesListModel::ImgIdRole))
        choicesChanged();
}

void PreviewPres::setRendering(bool rendering)
{
    m_rendering = rendering;
    // A render has the machine to itself, and nothing of the preview's is in its way.
    if (rendering)
        stop();
}

PreviewPres::~PreviewPres()
{
    m_player->stop();
    m_provider->removeImage(m_frame);
}

void PreviewPres::setRunSource(RunSource source)
{
    m_source = std::move(source);
    updateDuration();
}

PreviewRun PreviewPres::currentRun(double from) const
{
    PreviewRun run;
    if (!m_project || !m_style)
        return run;
    const ProjectPtr project = m_project->project();
    const ThemeTemplatePtr theme = ThemeCatalogue::instance()->templateFor(m_style->themeId());
    if (!project || !theme)
        return run;
    // Counted without missing photos: a project of missing photos only has nothing to play.
    const ProjectPtr snapshot = PreviewRun::snapshot(*project);
    if (snapshot->usedSlidesNumber <= 0)
        return run;
    // As a render does: the choices are applied afresh, even before the style screens were opened.
    m_style->applyStyle();
    run.project = snapshot;
    run.theme = theme;
    run.background = PreviewRun::backgroundFor(BackgroundCatalogue::instance()->entry(m_style->bgId()));
    run.from = from;
    return run;
}

void PreviewPres::play()
{
    startAt(m_position >= m_duration - 1.0 / 30 ? 0.0 : m_position);
}

void PreviewPres::pause()
{
    m_restart.stop();
    m_stopAfterFirstFrame = false;
    m_player->stop();
    setPlaying(false);
}

void PreviewPres::stop()
{
    pause();
}

void PreviewPres::toggle()
{
    if (m_playing)
        pause();
    else
        play();
}

void PreviewPres::seek(double seconds)
{
    // A paused preview shows the picture at that time and stays paused.
    startAt(std::clamp(seconds, 0.0, std::max(0.0, m_duration - 1.0 / 30)), m_playing);
}

double PreviewPres::slideStart(const Project &project, int slideIndex)
{
    if (slideIndex < 0 || slideIndex >= project.usedSlidesNumber || slideIndex >= project.slides.size()
        || project.slides.at(slideIndex)->leftOut())
        return -1.0;
    double start = 0.0;
    // Missing and unreadable photos are not in the video and take none of its time.
    for (int i = 0; i < slideIndex; ++i)
        start += project.lengthOf(i);
    return start;
}

void PreviewPres::playFromSlide(int row)
{
    const int slideIndex = m_rows ? m_rows->slideIndexAt(row) : -1;
    if (slideIndex < 0 || !m_project)
        return;
    const double start = slideStart(*m_project->project(), slideIndex);
    if (start >= 0.0)
        startAt(start);
}

void PreviewPres::choicesChanged()
{
    updateDuration();
    if (m_playing || !m_frame.isEmpty())
        m_restart.start();
}

// A playing preview goes on from where it was; a paused one redraws its picture.
void PreviewPres::restart()
{
    const double at = m_playing ? m_player->position() : m_position;
    if (at >= m_duration) {
        pause();
        return;
    }
    startAt(at, m_playing);
}

void PreviewPres::startAt(double from, bool playing)
{
    m_restart.stop();
    m_sinceStart.start();
    m_player->stop();
    if (m_rendering) {
        setPlaying(false);
        return;
    }
    const PreviewRun run = m_source(from);
    if (!run.project || !run.theme) {
        setPlaying(false);
        return;
    }
    // A single picture makes no sound (the copy is the run's own).
    if (!playing)
        run.project->audioTracks.clear();
    setPosition(from);
    m_awaitingFirstFrame = true;
    m_stopAfterFirstFrame = !playing;
    m_player->start(run);
    setPlaying(playing);
}

void PreviewPres::showFrame(const QImage &image, double time)
{
    if (m_awaitingFirstFrame) {
        m_awaitingFirstFrame = false;
        qCDebug(lcPreview) << "first picture at" << time << "s," << m_sinceStart.elapsed() << "ms after the start";
    }
    if (m_stopAfterFirstFrame) {
        m_stopAfterFirstFrame = false;
        m_player->stop();
    }
    const QString previous = m_frame;
    m_frame = m_provider->addImage(ImageSharedPointer::create(image));
    Q_EMIT frameChanged();
    m_provider->removeImage(previous);
    setPosition(time);
}

void PreviewPres::onEnded()
{
    setPosition(m_duration);
    setPlaying(false);
}

void PreviewPres::setPlaying(bool playing)
{
    if (m_playing == playing)
        return;
    m_playing = playing;
    Q_EMIT playingChanged();
}

void PreviewPres::setPosition(double seconds)
{
    if (qFuzzyCompare(m_position + 1.0, seconds + 1.0))
        return;
    m_position = seconds;
    Q_EMIT positionChanged();
}

void PreviewPres::updateDuration()
{
    const PreviewRun run = m_source(0.0);
    const double duration = run.project ? run.project->totalDuration : 0.0;
    if (qFuzzyCompare(m_duration + 1.0, duration + 1.0))
        return;
    m_duration = duration;
    Q_EMIT durationChanged();
}
