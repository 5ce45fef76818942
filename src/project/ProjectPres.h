#pragma once

#include "app/AppConstants.h"
#include "app/Singleton.h"
#include "project/Project.h"

#include <QList>
#include <QObject>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

class IProjectStore;
class SlidesListModel;

// The open project: keeps the slide grid and the project record in step, fits the slides to
// the music and saves the project into the saved-projects list at fixed moments.
class ProjectPres : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString timelineText MEMBER m_timelineText NOTIFY timelineChanged)
    Q_PROPERTY(int timelineValue MEMBER m_timelineValue NOTIFY timelineChanged)
    Q_PROPERTY(QVariantList audioFiles MEMBER m_audioFiles NOTIFY audioChanged)
    Q_PROPERTY(int audioFilesCount MEMBER m_audioFilesCount NOTIFY audioChanged)
    Q_PROPERTY(QString audioTracksText MEMBER m_audioTracksText NOTIFY audioTracksTextChanged)
    Q_PROPERTY(bool isDurationFixed READ isDurationFixed WRITE setDurationFixed NOTIFY isDurationFixedChanged)
    Q_PROPERTY(int slideDuration READ slideDuration NOTIFY slideDurationChanged)
    Q_PROPERTY(int usedSlidesNumber MEMBER m_usedSlidesNumber NOTIFY usedSlidesNumberChanged)
    Q_PROPERTY(int slidesNumber MEMBER m_slidesNumber NOTIFY slidesNumberChanged)
    Q_PROPERTY(int fixedSlideDuration READ fixedSlideDuration WRITE setFixedSlideDuration NOTIFY
                   fixedSlideDurationChanged)
    Q_PROPERTY(bool hasTextSlide READ hasTextSlide NOTIFY hasTextSlideChanged)
    // nameFilters of the photo file dialogs: camera endings in any letter case.
    Q_PROPERTY(QStringList pictureNameFilters READ pictureNameFilters CONSTANT)
    // The audio file dialog's patterns, "*.[mM][pP]3 *.[mM]4[aA]".
    Q_PROPERTY(QString audioNamePatterns READ audioNamePatterns CONSTANT)

public:
    static ProjectPres *instance() { return Singleton<ProjectPres>::instance(); }

    ProjectPtr project() const { return m_project; }
    bool isDurationFixed() const { return m_project->isDurationFixed; }
    void setDurationFixed(bool fixed);
    int slideDuration() const { return int(m_project->effectiveSlideDuration); }
    int fixedSlideDuration() const { return int(m_project->slideDuration); }
    void setFixedSlideDuration(int seconds);
    bool hasTextSlide() const { return m_hasTextSlide; }
    QStringList pictureNameFilters() const;
    QString audioNamePatterns() const { return anyCasePatterns(AppConstants::audioSuffixes); }

    void setPixelRatio(double ratio) { m_pixelRatio = ratio; }
    // The saved-projects list; without one, saving keeps nothing and loading gives an empty project.
    void setProjectStore(IProjectStore *store);

    void addAudioPaths(const QStringList &paths);
    void addImagePaths(const QStringList &paths);
    void openProject(const ProjectPtr &source);

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
    Q_INVOKABLE void move(const QList<int> &rows, int to);
    Q_INVOKABLE void setRotation(int index, int rotation);
    Q_INVOKABLE void setSlideDuration(int index, int durationType, double duration);
    Q_INVOKABLE void loadPrj(int index);
    Q_INVOKABLE void save();
    Q_INVOKABLE void reset();

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
    void projectSaved();
    void hasTextSlideChanged();

private:
    friend class Singleton<ProjectPres>;
    ProjectPres();
    ~ProjectPres() override;

    static QStringList localPaths(const QVariant &urls);
    void setAudioList(const QList<MediaFileInfoPtr> &tracks);
    void moveAudio(int from, int to);
    void syncSlides();
    void announceSlides();
    void updateTimeline();
    void updateSeparator();
    void saveProject();
    bool hasRows() const;

    ProjectPtr m_project;
    QVariantList m_audioFiles;
    int m_audioFilesCount = 0;
    double m_audioTotal = 0.0;
    QString m_timelineText = QStringLiteral("0:00 ");
    int m_timelineValue = 100;
    QString m_audioTracksText;
    int m_usedSlidesNumber = 0;
    int m_slidesNumber = 0;
    double m_pixelRatio = 1.0;
    bool m_hasTextSlide = false;
    int m_autosaveCounter = 0;
    SlidesListModel *m_model;
    IProjectStore *m_store;
};
