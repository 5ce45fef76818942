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
class QSaveFile;

// Fetches background videos from the content server into the user's data folder, one file at
// a time. The body streams into a temporary file beside the target, renamed when complete, so
// no partial file ever appears under the final name. Lives on the main thread.
class BgDownloadManager : public QObject
{
    Q_OBJECT

public:
    static constexpr int defaultStallTimeoutMs = 30000;

    static BgDownloadManager *instance() { return Singleton<BgDownloadManager>::instance(); }

    // A downloader fetching from baseUrl (ending in "/"); the single object uses backgroundBaseUrl().
    explicit BgDownloadManager(const QString &baseUrl, QObject *parent = nullptr);
    ~BgDownloadManager() override;

    // The content server's "<address>/app/2/"; with no address configured, the "content" folder
    // installed next to the program as a file:// address.
    static QString backgroundBaseUrl();

    // Starts fetching this file, abandoning any running request without a signal.
    void fetch(const QString &localPath);
    bool isFetching(const QString &localPath) const;
    // Fetches the current file again (after a failure).
    void restartCurrent();
    // A transfer that receives nothing for this long ends as a download error.
    void setStallTimeout(int ms);

Q_SIGNALS:
    void progress(float percent);
    void done();
    void downloadError();

public Q_SLOTS:
    void downloadFinished();
    void downloadProgress(qlonglong received, qlonglong total);
    void onDownloadError(QNetworkReply::NetworkError code);
    void onDownloadSslErrors(const QList<QSslError> &errors);

private Q_SLOTS:
    void onReadyRead();
    void onStalled();

private:
    friend class Singleton<BgDownloadManager>;
    BgDownloadManager();

    void startRequest();
    void fail();
    void dropReply();
    bool writeAvailable();

    QNetworkAccessManager *network;
    QNetworkReply *reply = nullptr;
    QString currentUrl;
    QString currentPath;
    QString baseUrl;
    std::unique_ptr<QSaveFile> file; // the temporary file of the running request
    QTimer stallTimer;
};
