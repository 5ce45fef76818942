#pragma once

#include "app/AppConstants.h"
#include "app/Singleton.h"
#include "project/IOpenProject.h"
#include "project/Project.h"

#include <QList>
#include <QObject>
#include <QThreadPool>
#include <QPair>
#include <QStringList>
#include <QUrl>
#include <QVariant>
#include <QVariantList>

class EditHistory;
class IOutputChoices;
class IProjectStore;
class SlidePres;
class SlidesListModel;

// The open project: keeps the slide grid and the project record in step, fits the slides to
// the music and saves the project into the saved-projects list. Every edit is announced with
// projectEdited, so that edits are saved however the session ends, and is a step of the edit
// history, so that it can be undone.
class ProjectPres : public QObject, public IOpenProject
{
    Q_OBJECT
    Q_PROPERTY(QString timelineText MEMBER m_timelineText NOTIFY timelineChanged)
    Q_PROPERTY(int timelineValue MEMBER m_timelineValue NOTIFY timelineChanged)
    Q_PROPERTY(QVariantList audioFiles MEMBER m_audioFiles NOTIFY audioChanged)
    Q_PROPERTY(int audioFilesCount MEMBER m_audioFilesCount NOTIFY audioChanged)
    Q_PROPERTY(QString audioTracksText MEMBER m_audioTracksText NOTIFY audioTracksTextChanged)
    Q_PROPERTY(bool isDurationFixed READ isDurationFixed WRITE setDurationFixed NOTIFY isDurationFixedChanged)
    Q_PROPERTY(int slideDuration READ slideDuration NOTIFY slideDurationChanged)
    // The same in seconds as the video plays it, for labels that show a tenth (3.76 s is "3.8 s").
    Q_PROPERTY(double exactSlideDuration READ exactSlideDuration NOTIFY slideDurationChanged)
    Q_PROPERTY(int usedSlidesNumber MEMBER m_usedSlidesNumber NOTIFY usedSlidesNumberChanged)
    // The slides that go into the video: the used ones without the missing photos among them.
    Q_PROPERTY(int videoSlidesNumber READ videoSlidesNumber NOTIFY videoSlidesNumberChanged)
    Q_PROPERTY(int slidesNumber MEMBER m_slidesNumber NOTIFY slidesNumberChanged)
    Q_PROPERTY(int fixedSlideDuration READ fixedSlideDuration WRITE setFixedSlideDuration NOTIFY
                   fixedSlideDurationChanged)
    Q_PROPERTY(bool hasTextSlide READ hasTextSlide NOTIFY hasTextSlideChanged)
    // "Change slides on the beat": hand-overs fall on the music's beats.
    Q_PROPERTY(bool beatSync READ beatSync WRITE setBeatSync NOTIFY beatSyncChanged)
    // Why some slides cannot change on the beat ("No steady beat found in …"); empty when all can.
    Q_PROPERTY(QString beatNotice READ beatNotice NOTIFY beatNoticeChanged)
    // Music being read (measured and listened to for its beat) on a worker thread.
    Q_PROPERTY(bool musicReading READ musicReading NOTIFY musicReadingChanged)

public:
    static ProjectPres *instance() { return Singleton<ProjectPres>::instance(); }

    ProjectPtr project() const override { return m_project; }
    bool isDurationFixed() const { return m_project->isDurationFixed; }
    void setDurationFixed(bool fixed);
    int slideDuration() const { return int(m_project->effectiveSlideDuration); }
    double exactSlideDuration() const { return m_project->effectiveSlideDuration; }
    int fixedSlideDuration() const { return int(m_project->slideDuration); }
    void setFixedSlideDuration(int seconds);
    bool hasTextSlide() const { return m_hasTextSlide; }
    int videoSlidesNumber() const { return m_videoSlidesNumber; }
    bool beatSync() const { return m_project->beatSync; }
    void setBeatSync(bool on);
    QString beatNotice() const { return m_beatNotice; }
    bool musicReading() const { return m_musicReads > 0; }
    // The chosen theme's scene changes, which the hand-overs on the beat allow for.
    void setRhythm(const SceneRhythm &rhythm);
    // The photo and music file dialogs' name filter for a translated label: see fileDialogNameFilter.
    Q_INVOKABLE QString pictureNameFilter(const QString &label) const
    {
        return fileDialogNameFilter(label, AppConstants::pictureSuffixes);
    }
    Q_INVOKABLE QString audioNameFilter(const QString &label) const
    {
        return fileDialogNameFilter(label, AppConstants::audioSuffixes);
    }

    void setPixelRatio(double ratio) { m_pixelRatio = ratio; }
    // The saved-projects list; without one, saving keeps nothing and loading gives an empty project.
    void setProjectStore(IProjectStore *store);
    // The slide grid the project is shown in; set before the first edit.
    void setSlidesModel(SlidesListModel *model);
    // The video settings screen: an opened project's output is shown there, and the screen's
    // edits (outputEdited) come back through takeEditedOutput.
    void setOutputChoices(IOutputChoices *output) { m_output = output; }
    // Where the edits are recorded for undo; opening a project starts it anew. Without one,
    // edits are made without a history.
    void setHistory(EditHistory *history) { m_history = history; }

    // Read on a worker thread; the tracks join the project, as one step, when all are read.
    void addAudioPaths(const QStringList &paths);
    void addImagePaths(const QStringList &paths);
    // Replaces the open project's content, output settings included; saves nothing.
    void openProject(const ProjectPtr &source) override;
    // Whether there is anything to keep: a slide or a music track.
    bool hasContent() const override;
    // Saves the project without a word to the user when it has content; false when not saved.
    bool saveQuietly() override;

    // The image files directly inside the folders (".jpg", ".jpeg", ".gif", ".png" in any
    // letter case), in name order, folder after folder; missing folders are skipped.
    static QStringList scanFolders(const QStringList &folders);

    Q_INVOKABLE void addAudio(const QVariant &urls);
    Q_INVOKABLE void removeAudio(int index);
    Q_INVOKABLE void moveAudioForward(int index);
    Q_INVOKABLE void moveAudioBack(int index);
    Q_INVOKABLE void addImages(const QVariant &urls);
    Q_INVOKABLE void addImagesFolder(const QVariant &urls);
    Q_INVOKABLE void addTextSlide(const QString &text);
    Q_INVOKABLE void editTextSlide(int index, const QString &text);
    Q_INVOKABLE void removeSlide(int index);
    // The slides of these grid rows, as one step; the separator's row is left alone.
    Q_INVOKABLE void removeSlides(const QList<int> &rows);
    Q_INVOKABLE void move(const QList<int> &rows, int to);
    Q_INVOKABLE void setRotation(int index, int rotation);
    Q_INVOKABLE void setSlideDuration(int index, int durationType, double duration);
    Q_INVOKABLE void loadPrj(int index);
    Q_INVOKABLE void save();
    Q_INVOKABLE void reset() override;
    // The missing photo in that grid row is the chosen file from now on.
    Q_INVOKABLE void locateSlide(int row, const QVariant &url);
    // How many missing photos the folder of the chosen file (or the chosen folder) holds under
    // their own file names.
    Q_INVOKABLE int relinkableFrom(const QVariant &url) const;
    // Points every missing photo found by file name in that folder at its file there.
    Q_INVOKABLE void relinkMissingFrom(const QVariant &url);
    // The folder a missing photo was in, or its nearest ancestor that still exists, as a URL;
    // empty when none does.
    Q_INVOKABLE QUrl nearestFolderOf(const QString &path) const;

public Q_SLOTS:
    // The video settings screen's resolution or folder changed: the project takes them.
    void takeEditedOutput();

Q_SIGNALS:
    void audioChanged();
    void timelineChanged();
    void slidesChanged();
    void isDurationFixedChanged();
    void slideDurationChanged();
    void fixedSlideDurationChanged();
    void usedSlidesNumberChanged();
    void slidesNumberChanged();
    void scrollToSeparator();
    void scrollToBottom();
    void audioTracksTextChanged();
    void missedImageFiles(QStringList files);
    // Music the project names that is gone or cannot be read: the project opened without it.
    void missedMusicFiles(QStringList files);
    // The project's file was damaged: what came before the damage, slidesRead slides, is open.
    void projectFileDamaged(int slidesRead);
    void projectSaved();
    void hasTextSlideChanged();
    // An edit by the user: slides, music, durations or output settings.
    void projectEdited();
    void videoSlidesNumberChanged();
    // An undo or redo put back or changed the slides of these grid rows: the grid selects them.
    void slidesRestored(const QList<int> &rows);
    void beatSyncChanged();
    void beatNoticeChanged();
    void musicReadingChanged();

private:
    // A slide and its place among the slides (the separator not counted).
    struct SlidePlace
    {
        int index;
        SlidePtr slide;
    };
    using SlidePlaces = QVector<SlidePlace>;

    friend class Singleton<ProjectPres>;
    ProjectPres();
    ~ProjectPres() override;

    static QStringList localPaths(const QVariant &urls);
    void setAudioList(const QList<MediaFileInfoPtr> &tracks);
    void moveAudio(int from, int to);
    void syncSlides();
    static void markMissingPhotos(QVector<SlidePtr> slides);
    void updateTimeline();
    void updateSeparator();
    bool saveProject();
    void takeOutputSettings(const OutputSettings &output);
    // The grid rows of the missing photos found by file name in the folder of url, each with
    // its file there.
    QList<QPair<int, QString>> relinkable(const QVariant &url) const;
    void afterLocating();

    // Records the step and does it: `out` leaves the slides, then `in` takes its places.
    void editSlides(const QString &text, const SlidePlaces &out, const SlidePlaces &in);
    void spliceSlides(const SlidePlaces &out, const SlidePlaces &in);
    // The slide at index changes through set, a step that set(before) undoes.
    template <typename Value>
    void editSlide(const QString &text, int index, const Value &before, const Value &after,
                   void (ProjectPres::*set)(int index, const Value &value));
    void putRotation(int index, const int &rotation);
    void putOwnDuration(int index, const QPair<int, double> &duration);
    void putText(int index, const QString &text);
    void slideChanged(int index);
    SlidePres *presenterFor(const SlidePtr &slide) const;
    void editTracks(const QString &text, const QList<MediaFileInfoPtr> &tracks);
    void putTracks(const QList<MediaFileInfoPtr> &tracks);
    void editDurations(bool fixed, double seconds, bool beat);
    void putDurations(bool fixed, double seconds, bool beat);
    void tracksRead(const QList<MediaFileInfoPtr> &read, int generation);
    // Listens for the beats of the tracks that have none, or whose file changed since.
    void trackMissingBeats();
    void beatsFound(const QList<QPair<MediaFileInfoPtr, BeatGrid>> &found, int generation);
    void durationsRecomputed();
    void setMusicReads(int count);
    void updateBeatNotice();
    void putOutput(const OutputSettings &output);

    ProjectPtr m_project;
    QVariantList m_audioFiles;
    int m_audioFilesCount = 0;
    double m_audioTotal = 0.0;
    QString m_timelineText = QStringLiteral("0:00 ");
    int m_timelineValue = 100;
    QString m_audioTracksText;
    int m_usedSlidesNumber = 0;
    int m_videoSlidesNumber = 0;
    int m_slidesNumber = 0;
    double m_pixelRatio = 1.0;
    bool m_hasTextSlide = false;
    bool m_leftOutPending = false; // a photo turned out unreadable; the slides are counted again soon
    SlidesListModel *m_model = nullptr;
    IProjectStore *m_store;
    IOutputChoices *m_output = nullptr;
    EditHistory *m_history = nullptr;
    QString m_beatNotice;
    int m_musicReads = 0;
    // Counts the projects opened: music read for an earlier one does not join this one.
    int m_generation = 0;
    // One track at a time, so that reading music takes one core and leaves the other to the screens.
    QThreadPool m_musicPool;
};
