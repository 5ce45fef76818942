#pragma once

#include "app/Singleton.h"
#include "preview/PreviewRun.h"

#include <QImage>
#include <QObject>
#include <QString>
#include <QElapsedTimer>
#include <QTimer>

#include <functional>

class IProjectSource;
class ISlideRows;
class IStyleChoices;
class ImageProvider;
class PreviewPlayer;
class QModelIndex;

// The live preview ("preview" in QML): plays the open project with its theme, background,
// style and music at 640 x 360, restarts from the same time when any of them changes, and
// shows each picture as "image://ImageProvider/" + frame.
class PreviewPres : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool playing READ playing NOTIFY playingChanged)
    Q_PROPERTY(double position READ position NOTIFY positionChanged)
    Q_PROPERTY(double duration READ duration NOTIFY durationChanged)
    Q_PROPERTY(QString frame READ frame NOTIFY frameChanged)

public:
    // Builds a run of the current choices from a time on; null project when nothing can play.
    using RunSource = std::function<PreviewRun(double from)>;

    static PreviewPres *instance() { return Singleton<PreviewPres>::instance(); }

    bool playing() const { return m_playing; }
    double position() const { return m_position; }
    double duration() const { return m_duration; }
    QString frame() const { return m_frame; }

    Q_INVOKABLE void play();
    Q_INVOKABLE void pause();
    Q_INVOKABLE void toggle();
    // Goes to seconds (clamped to the video): plays on from there, or when paused shows the
    // picture there.
    Q_INVOKABLE void seek(double seconds);
    // Plays from the start of the slide in that row of the slide grid.
    Q_INVOKABLE void playFromSlide(int row);

    // What the preview plays: the open project with the style, and the grid's rows for
    // playFromSlide. The changes of either come in through the slots below.
    void setChoices(const IProjectSource *project, IStyleChoices *style, const ISlideRows *rows);
    // Another source of runs, for tests; the default reads the open project and the style.
    void setRunSource(RunSource source);
    PreviewPlayer *player() const { return m_player; }
    // Seconds from the start of the video to the slide at that index of the project's slides;
    // -1 when not in it (past the music, or a missing photo).
    static double slideStart(const Project &project, int slideIndex);

public Q_SLOTS:
    // Something the video is made of changed: a running preview restarts from the same time.
    void choicesChanged();
    // As pause.
    void stop();
    // A render started or ended: the preview stops and lets it have the machine, and refuses
    // to start while the render runs.
    void setRendering(bool rendering);
    // A slide of the grid changed (a rotation, a text); thumbnails arriving are no change.
    void slidesDataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight, const QVector<int> &roles);

Q_SIGNALS:
    void playingChanged();
    void positionChanged();
    void durationChanged();
    void frameChanged();

private:
    friend class Singleton<PreviewPres>;
    PreviewPres();
    ~PreviewPres() override;

    PreviewRun currentRun(double from) const;
    // Plays from that time on, or shows only the picture there.
    void startAt(double from, bool playing = true);
    void restart();
    void setPlaying(bool playing);
    void setPosition(double seconds);
    void updateDuration();
    void showFrame(const QImage &image, double time);
    void onEnded();

    ImageProvider *m_provider;
    PreviewPlayer *m_player;
    RunSource m_source;
    const IProjectSource *m_project = nullptr;
    IStyleChoices *m_style = nullptr;
    const ISlideRows *m_rows = nullptr;
    bool m_rendering = false;
    QTimer m_restart; // gathers the bursts of change signals into one restart
    QElapsedTimer m_sinceStart; // from the start of a run to its first picture
    bool m_awaitingFirstFrame = false;
    bool m_stopAfterFirstFrame = false; // a seek while paused shows one picture
    bool m_playing = false;
    double m_position = 0.0;
    double m_duration = 0.0;
    QString m_frame;
};
