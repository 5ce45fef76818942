#pragma once

#include "app/Singleton.h"
#include "backgrounds/BackgroundDescriptor.h"
#include "project/Slide.h"
#include "theme/StyleSettings.h"

#include <QElapsedTimer>
#include <QImage>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QThreadPool>
#include <QTimer>

#include <atomic>
#include <functional>
#include <memory>

class IProjectSource;

// The style screen's two previews (a photo slide and a text slide placed in the chosen theme
// over the chosen background) and the theme screen's looping preview, published as ids of the
// in-memory image provider. Each new preview replaces the previous one there.
// The looping preview is drawn on a thread of its own and published as it grows: its first frame
// at once, later ones at most every framesIntervalMs.
class ThumbsPres : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString imgStyleThumb READ imgStyleThumb WRITE setImgStyleThumb NOTIFY imgStyleThumbChanged)
    Q_PROPERTY(QString textStyleThumb READ textStyleThumb WRITE setTextStyleThumb NOTIFY textStyleThumbChanged)
    Q_PROPERTY(QStringList themePreviewFrames READ themePreviewFrames NOTIFY themePreviewFramesChanged)
    // True from a request until its last frame is drawn.
    Q_PROPERTY(bool themePreviewBusy READ themePreviewBusy NOTIFY themePreviewBusyChanged)

public:
    static constexpr int framesIntervalMs = 100;

    static ThumbsPres *instance() { return Singleton<ThumbsPres>::instance(); }

    QString imgStyleThumb() const { return m_imgStyleThumb; }
    void setImgStyleThumb(const QString &id);
    QString textStyleThumb() const { return m_textStyleThumb; }
    void setTextStyleThumb(const QString &id);

    QStringList themePreviewFrames() const { return m_themeFrames; }
    bool themePreviewBusy() const { return m_themeBusy; }

    Q_INVOKABLE void genImgStyleThumb();
    Q_INVOKABLE void genTextStyleThumb();
    // Starts drawing a few seconds of the theme's photo scenes at a small size, from the
    // project's first photos or sample pictures, in place of any earlier request's frames; the
    // ids stay registered until releaseThemePreview().
    Q_INVOKABLE void requestThemePreview(int themeId);
    // Stops the drawing and drops the frames.
    Q_INVOKABLE void releaseThemePreview();

    // Where the current style comes from (the style settings presenter, set at start-up);
    // without one a new style record is used.
    void setStyleSource(std::function<StyleSettingsPtr()> source) { m_styleSource = std::move(source); }
    // The open project, whose first photos and text the previews show; without one, samples.
    void setProjectSource(const IProjectSource *project) { m_project = project; }

Q_SIGNALS:
    void imgStyleThumbChanged();
    void textStyleThumbChanged();
    void themePreviewFramesChanged();
    void themePreviewBusyChanged();

private:
    friend class Singleton<ThumbsPres>;
    ThumbsPres();
    ~ThumbsPres() override;

    StyleSettingsPtr style() const;
    QVector<SlidePtr> projectSlides() const;
    // The chosen background covering width x height.
    QImage canvas(int width, int height) const;
    static QImage canvas(const BackgroundDescriptor &background, int width, int height);
    // Registers the image and drops the one it replaces.
    static QString publish(const QImage &image, const QString &previous);
    // A frame drawn for request, dropped when a newer request or a release came since.
    void takeThemeFrame(quint64 request, const QImage &frame);
    void finishThemePreview(quint64 request);
    void setThemePreviewBusy(bool busy);

    QString m_imgStyleThumb;
    QString m_textStyleThumb;
    QStringList m_themeFrames;
    bool m_themeBusy = false;
    quint64 m_themeRequest = 0;
    std::shared_ptr<std::atomic<bool>> m_themeCancelled;
    QElapsedTimer m_themeClock;
    QTimer m_framesTimer;
    std::function<StyleSettingsPtr()> m_styleSource;
    const IProjectSource *m_project = nullptr;
    // One thread: a preview never takes more than a core from the interface.
    QThreadPool m_themePool;
};
