#pragma once

#include "app/Singleton.h"

#include <QList>
#include <QNetworkReply>
#include <QObject>
#include <QSslError>
#include <QString>
#include <QTimer>

#include <memory>

class QNetworkAccessManager;
class QTemporaryFile;

// Fetches background videos from the content server into the user's data folder, one file at
// a time. The body streams into a temporary file beside the target, renamed only once the whole
// answer has arrived and opens as a video, so nothing else ever appears under the final name.
// Lives on the main thread.
class BgDownloadManager : public QObject
{
    Q_OBJECT

public:
    static constexpr int defaultStallTimeoutMs = 30000;
    // A trickle that never reaches this rate over the window fails like a stalled transfer.
    static constexpr int defaultMinimumBytesPerSecond = 1024;
    static constexpr int defaultRateWindowMs = 60000;
    // The loops are under 20 MB even at 2160p; an answer beyond this is not a background.
    static constexpr qint64 defaultMaximumBytes = 512LL * 1024 * 1024;
    // What a reply may hold in memory before it is written out.
    static constexpr qint64 readBufferBytes = 1024 * 1024;

    static BgDownloadManager *instance() { return Singleton<BgDownloadManager>::instance(); }

    // A downloader fetching from baseUrl (ending in "/"); the single object uses backgroundBaseUrl().
    explicit BgDownloadManager(const QString &baseUrl, QObject *parent = nullptr);
    ~BgDownloadManager() override;

    // The content server's "<address>/app/2/"; with no address configured, the "content" folder
    // installed with the themes (AppPaths::dataDir) as a file:// address.
    static QString backgroundBaseUrl();
    // True when localPath holds a video that opens; a file there that does not open is deleted,
    // so that it is fetched again.
    static bool isDownloaded(const QString &localPath);

    // Starts fetching this file, abandoning any running request without a signal.
    void fetch(const QString &localPath);
    bool isFetching(const QString &localPath) const;
    // Fetches the current file again (after a failure).
    void restartCurrent();
    // Drops the running download, if any, and its temporary file; nothing is signalled.
    void cancel();
    // A transfer that receives nothing for this long ends as a download error.
    void setStallTimeout(int ms);
    // A transfer that receives less than bytesPerSecond over a window of windowMs ends as one.
    void setMinimumRate(int bytesPerSecond, int windowMs);
    // An answer larger than this is refused before it is stored.
    void setMaximumSize(qint64 bytes);
    // Why the last download failed, in words for the user.
    QString errorString() const { return lastError; }

Q_SIGNALS:
    // The bytes of the video stored so far, each time more arrive; total is -1 when the server
    // has not told the length. progress is the same as a percentage, where the length is known.
    void bytesReceived(qint64 received, qint64 total);
    void progress(float percent);
    void done();
    // reason as errorString() gives it.
    void downloadError(const QString &reason);

public Q_SLOTS:
    void downloadFinished();
    void onDownloadError(QNetworkReply::NetworkError code);
    void onDownloadSslErrors(const QList<QSslError> &errors);

private Q_SLOTS:
    void onReadyRead();
    // Tells bytesReceived and progress what has been stored so far.
    void reportReceived();
    void onStalled();
    void onRateWindow();

private:
    friend class Singleton<BgDownloadManager>;
    BgDownloadManager();

    void startRequest();
    QString openPartFile();
    void fail(const QString &reason);
    void failLater(const QString &reason);
    void dropReply();
    QString takeAvailable();
    QString store();

    QNetworkAccessManager *network;
    QNetworkReply *reply = nullptr;
    QString currentUrl;
    QString currentPath;
    QString baseUrl;
    QString lastError;
    std::unique_ptr<QTemporaryFile> file; // the temporary file of the running request
    bool headChecked = false;
    qint64 received = 0;
    qint64 receivedBeforeWindow = 0;
    qint64 maximumBytes = defaultMaximumBytes;
    int minimumBytesPerSecond = defaultMinimumBytesPerSecond;
    QTimer stallTimer;
    QTimer rateTimer;
    QTimer failureTimer; // reports a failure found before the request started, once fetch() has returned
};
