#pragma once

#include "app/Singleton.h"

#include <QColor>
#include <QImage>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QVariantList>

#include <functional>

class BackgroundCatalogue;
class BgDownloadManager;

// The background screen's view of the catalogue ("backgrounds" in QML): the four lists, the
// chosen background's thumbnail, the download of a video background, and the user's own pictures.
// isDownloading holds while the render must wait for the chosen video (a failed transfer waits for
// Retry); downloadActive and the download figures only while a transfer runs, updated at most
// every progressIntervalMs.
class BackgroundsPres : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QVariantList animated READ animated CONSTANT)
    Q_PROPERTY(QVariantList standard READ standard CONSTANT)
    Q_PROPERTY(QVariantList colors READ colors CONSTANT)
    Q_PROPERTY(QVariantList custom READ custom WRITE setCustom NOTIFY customChanged)
    Q_PROPERTY(bool isDownloading READ isDownloading NOTIFY isDownloadingChanged)
    Q_PROPERTY(int downloadProgress READ downloadProgress WRITE setDownloadProgress NOTIFY downloadProgressChanged)
    Q_PROPERTY(bool downloadActive READ downloadActive NOTIFY downloadActiveChanged)
    Q_PROPERTY(QString downloadName READ downloadName NOTIFY downloadNameChanged)
    Q_PROPERTY(qint64 downloadReceived READ downloadReceived NOTIFY downloadReceivedChanged)
    // 0 while the server has not told the length.
    Q_PROPERTY(qint64 downloadTotal READ downloadTotal NOTIFY downloadTotalChanged)
    Q_PROPERTY(QString selectedBgThumb READ selectedBgThumb WRITE setSelectedBgThumb NOTIFY selectedBgThumbChanged)

public:
    using ResolutionSource = std::function<int()>;
    static constexpr int progressIntervalMs = 100;

    static BackgroundsPres *instance() { return Singleton<BackgroundsPres>::instance(); }

    // A presenter over another catalogue and downloader (tests); resolution gives the output
    // resolution (0 720p, 1 1080p, 2 2160p) whose video file selectionDone makes sure of.
    BackgroundsPres(BackgroundCatalogue *catalogue, BgDownloadManager *downloader, ResolutionSource resolution);
    // The resolution chosen on the video settings screen (the default one until this is set).
    void setResolutionSource(ResolutionSource resolution) { m_resolution = std::move(resolution); }

    QVariantList animated() const { return m_animated; }
    QVariantList standard() const { return m_standard; }
    QVariantList colors() const { return m_colors; }
    QVariantList custom() const { return m_custom; }
    void setCustom(const QVariantList &custom);
    bool isDownloading() const { return m_isDownloading; }
    int downloadProgress() const { return m_downloadProgress; }
    void setDownloadProgress(int progress);
    bool downloadActive() const { return m_downloadActive; }
    QString downloadName() const { return m_downloadName; }
    qint64 downloadReceived() const { return m_downloadReceived; }
    qint64 downloadTotal() const { return m_downloadTotal; }
    QString selectedBgThumb() const { return m_selectedBgThumb; }
    void setSelectedBgThumb(const QString &thumb);

    // White over dark pictures (mean luminance below 150), black over light ones; white for
    // a picture without pixels.
    static QColor textColorForImage(const QImage &image);

    Q_INVOKABLE void selectionDone(const QString &id);
    Q_INVOKABLE void redownload();
    // Drops the running or failed download: nothing waits for it any more.
    Q_INVOKABLE void cancelDownload();
    Q_INVOKABLE bool isNormalBgSize(const QString &file_url) const;
    Q_INVOKABLE QString addCustomBg(const QString &file_url);
    Q_INVOKABLE void removeCustomBg(const QString &index);
    Q_INVOKABLE void updateCustomBgThumbs();
    Q_INVOKABLE QString getCustomBgPreviewId(const QString &index);
    Q_INVOKABLE QString getStandardBgPreviewId(const QString &index);

Q_SIGNALS:
    void isDownloadingChanged();
    void downloadProgressChanged();
    void downloadActiveChanged();
    void downloadNameChanged();
    void downloadReceivedChanged();
    void downloadTotalChanged();
    void downloadError();
    void backgroundDownloaded();
    void customChanged();
    // A user's own background is gone from the list; a style that chose it must choose again.
    void customBackgroundRemoved(QString id);
    void wrongBgSize(QString path);
    void customBgAdded();
    void selectedBgThumbChanged();

public Q_SLOTS:
    void bgDownloaded();
    void onDownloadError();
    void onDownloadBytes(qint64 received, qint64 total);

private:
    friend class Singleton<BackgroundsPres>;
    BackgroundsPres();

    void buildCustomList();
    static QString registerScaledImage(const QString &path, int height, int width);
    // Drops an image of the in-memory provider, given by id or by its "image://" address.
    static void releaseImage(const QString &idOrUrl);
    static QString localPath(const QString &fileUrl);
    QString previewId(QVariantList &list, const QString &index, const QString &pathKey);
    void setDownloading(bool downloading);
    void startTransfer(const QString &name);
    void endTransfer();
    void clearFigures();
    // True when the figures shown changed.
    bool publishTransfer();
    void setDownloadActive(bool active);
    void setDownloadName(const QString &name);
    void setDownloadFigures(qint64 received, qint64 total);

    BackgroundCatalogue *m_catalogue;
    BgDownloadManager *m_downloader;
    ResolutionSource m_resolution;
    QVariantList m_animated;
    QVariantList m_standard;
    QVariantList m_colors;
    QVariantList m_custom;
    bool m_isDownloading = false;
    int m_downloadProgress = 0;
    bool m_downloadActive = false;
    QString m_downloadName;
    qint64 m_downloadReceived = 0;
    qint64 m_downloadTotal = 0;
    QString m_fetchedName; // the background being fetched, named again on Retry
    qint64 m_latestReceived = 0; // the network's last report, published by the timer
    qint64 m_latestTotal = 0;
    QTimer m_progressTimer;
    QString m_selectedBgThumb;
    QString m_registeredBgThumb; // the picture selectionDone registered for the choice shown
};
