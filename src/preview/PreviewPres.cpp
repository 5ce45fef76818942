#include "preview/PreviewPres.h"

#include "app/Logging.h"
#include "backgrounds/BackgroundCatalogue.h"
#include "backgrounds/BackgroundsPres.h"
#include "images/ImageProvider.h"
#include "preview/PreviewPlayer.h"
#include "project/ProjectPres.h"
#include "project/SlidesListModel.h"
#include "project/StyleSettingsPres.h"
#include "render/RenderPres.h"
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

    ProjectPres *project = ProjectPres::instance();
    for (auto signal : {&ProjectPres::slidesChanged, &ProjectPres::audioChanged, &ProjectPres::slideDurationChanged,
                        &ProjectPres::usedSlidesNumberChanged})
        connect(project, signal, this, &PreviewPres::choicesChanged);
    // Rotations and texts change inside the grid without a project signal; thumbnails arriving
    // change nothing in the video.
    connect(SlidesListModel::instance(), &SlidesListModel::dataChanged, this,
            [this](const QModelIndex &, const QModelIndex &, const QVector<int> &roles) {
                if (!(roles.size() == 1 && roles.first() == SlidesListModel::ImgIdRole))
                    choicesChanged();
            });
    followStyle();
    // A render has the machine to itself, and nothing of the preview's is in its way.
    connect(RenderPres::instance(), &RenderPres::isRenderingChanged, this, [this] {
        if (RenderPres::instance()->isRendering())
            stop();
    });
    updateDuration();
}

void PreviewPres::followStyle()
{
    StyleSettingsPres *style = StyleSettingsPres::instance();
    for (auto signal : {&StyleSettingsPres::themeIdChanged, &StyleSettingsPres::bgIdChanged,
                        &StyleSettingsPres::borderSizeChanged, &StyleSettingsPres::borderColorChanged,
                        &StyleSettingsPres::imgShadowBlurChanged, &StyleSettingsPres::textShadowBlurChanged,
                        &StyleSettingsPres::fontFamilyChanged, &StyleSettingsPres::fontWeightChanged,
                        &StyleSettingsPres::fontColorChanged})
        connect(style, signal, this, &PreviewPres::choicesChanged);
    // A video background downloaded meanwhile replaces the thumbnail that stood in for it.
    connect(BackgroundsPres::instance(), &BackgroundsPres::backgroundDownloaded, this, &PreviewPres::choicesChanged);
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
    const ProjectPtr project = ProjectPres::instance()->project();
    StyleSettingsPres *style = StyleSettingsPres::instance();
    const ThemeTemplatePtr theme = ThemeCatalogue::instance()->templateFor(style->themeId());
    if (!project || !theme)
        return run;
    // Counted without missing photos: a project of missing photos only has nothing to play.
    const ProjectPtr snapshot = PreviewRun::snapshot(*project);
    if (snapshot->usedSlidesNumber <= 0)
        return run;
    // As a render does: the choices are applied afresh, even before the style screens were opened.
    style->applyStyle();
    run.project = snapshot;
    run.theme = theme;
    run.background = PreviewRun::backgroundFor(BackgroundCatalogue::instance()->entry(style->bgId()));
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
        || project.slides.at(slideIndex)->missing)
        return -1.0;
    double start = 0.0;
    for (int i = 0; i < slideIndex; ++i) {
        const Slide &slide = *project.slides.at(i);
        // Missing photos are not in the video and take none of its time.
        if (!slide.missing)
            start += slide.durationType == CommonDuration ? project.effectiveSlideDuration : slide.duration;
    }
    return start;
}

void PreviewPres::playFromSlide(int row)
{
    const SlidesListModel *model = SlidesListModel::instance();
    if (row < 0 || row >= model->rowCount() || model->kindAt(row) == SeparatorKind)
        return;
    int slideIndex = 0;
    for (int r = 0; r < row; ++r)
        slideIndex += model->kindAt(r) == SeparatorKind ? 0 : 1;
    const double start = slideStart(*ProjectPres::instance()->project(), slideIndex);
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
    if (RenderPres::instance()->isRendering()) {
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
