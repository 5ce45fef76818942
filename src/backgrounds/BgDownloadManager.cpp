#include "backgrounds/BgDownloadManager.h"

#include "app/AppConstants.h"
#include "app/Logging.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QUrl>

BgDownloadManager::BgDownloadManager()
    : BgDownloadManager(backgroundBaseUrl())
{
}

BgDownloadManager::BgDownloadManager(const QString &baseUrl, QObject *parent)
    : QObject(parent)
    , network(new QNetworkAccessManager(this))
    , baseUrl(baseUrl)
{
    stallTimer.setSingleShot(true);
    stallTimer.setInterval(defaultStallTimeoutMs);
    connect(&stallTimer, &QTimer::timeout, this, &BgDownloadManager::onStalled);
}

BgDownloadManager::~BgDownloadManager()
{
    dropReply();
}

QString BgDownloadManager::backgroundBaseUrl()
{
    QString address = contentServerUrl();
    if (address.isEmpty())
        address = QUrl::fromLocalFile(QCoreApplication::applicationDirPath() + QStringLiteral("/content")).toString();
    while (address.endsWith(QLatin1Char('/')))
        address.chop(1);
    return address + AppConstants::backgroundPackagesPath;
}

void BgDownloadManager::setStallTimeout(int ms)
{
    stallTimer.setInterval(ms);
}

void BgDownloadManager::fetch(const QString &localPath)
{
    currentUrl = baseUrl + QFileInfo(localPath).fileName();
    currentPath = localPath;
    startRequest();
}

bool BgDownloadManager::isFetching(const QString &localPath) const
{
    return reply && currentPath == localPath;
}

void BgDownloadManager::restartCurrent()
{
    if (!currentUrl.isEmpty())
        startRequest();
}

void BgDownloadManager::startRequest()
{
    dropReply();
    QNetworkRequest request(QUrl(currentUrl, QUrl::TolerantMode));
    // A content server may move its files; never from https down to http.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    qCInfo(lcBackgrounds) << "Fetching" << currentUrl << "into" << currentPath;
    reply = network->get(request);
    connect(reply, &QNetworkReply::downloadProgress, this, &BgDownloadManager::downloadProgress);
    connect(reply, &QNetworkReply::readyRead, this, &BgDownloadManager::onReadyRead);
    connect(reply, &QNetworkReply::finished, this, &BgDownloadManager::downloadFinished);
    connect(reply, &QNetworkReply::errorOccurred, this, &BgDownloadManager::onDownloadError);
    connect(reply, &QNetworkReply::sslErrors, this, &BgDownloadManager::onDownloadSslErrors);
    stallTimer.start();
}

// Removes the running request and its temporary file; its later signals never arrive.
void BgDownloadManager::dropReply()
{
    stallTimer.stop();
    file.reset();
    if (!reply)
        return;
    disconnect(reply, nullptr, this, nullptr);
    // A reply that reported its own error has stopped; aborting it again only draws a warning.
    if (reply->isRunning() && reply->error() == QNetworkReply::NoError)
        reply->abort();
    reply->deleteLater();
    reply = nullptr;
}

void BgDownloadManager::fail()
{
    qCWarning(lcBackgrounds) << "Download failed:" << currentUrl
                             << (reply ? reply->errorString() : QString());
    dropReply();
    Q_EMIT downloadError();
}

// Appends what has arrived to the temporary file, creating it (and its folder) first.
// The body of an HTTP error page is never written.
bool BgDownloadManager::writeAvailable()
{
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid() && (status.toInt() < 200 || status.toInt() >= 300))
        return true;
    if (!file) {
        if (!QDir().mkpath(QFileInfo(currentPath).absolutePath()))
            return false;
        file = std::make_unique<QSaveFile>(currentPath);
        if (!file->open(QIODevice::WriteOnly))
            return false;
    }
    const QByteArray data = reply->readAll();
    return file->write(data) == data.size();
}

void BgDownloadManager::onReadyRead()
{
    if (!reply || sender() != reply)
        return;
    stallTimer.start();
    if (!writeAvailable())
        fail();
}

void BgDownloadManager::downloadFinished()
{
    if (!reply)
        return;
    stallTimer.stop();
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    const bool httpFailure = status.isValid() && status.toInt() >= 300;
    if (reply->error() != QNetworkReply::NoError || httpFailure || !writeAvailable() || !file
        || !file->commit()) {
        fail();
        return;
    }
    file.reset();
    reply->deleteLater();
    reply = nullptr;
    Q_EMIT done();
}

void BgDownloadManager::downloadProgress(qlonglong received, qlonglong total)
{
    if (!reply)
        return;
    stallTimer.start();
    if (total <= 0 || received <= 0)
        return;
    Q_EMIT progress(float(received) * 100.0f / float(total));
}

void BgDownloadManager::onDownloadError(QNetworkReply::NetworkError code)
{
    if (!reply)
        return;
    qCWarning(lcBackgrounds) << "Network error" << code;
    fail();
}

void BgDownloadManager::onDownloadSslErrors(const QList<QSslError> &errors)
{
    if (!reply)
        return;
    // Never ignored: a certificate problem ends the download as a failure.
    for (const QSslError &error : errors)
        qCWarning(lcBackgrounds) << "TLS error:" << error.errorString();
    fail();
}

void BgDownloadManager::onStalled()
{
    if (!reply)
        return;
    qCWarning(lcBackgrounds) << "Nothing received for" << stallTimer.interval() << "ms";
    fail();
}
