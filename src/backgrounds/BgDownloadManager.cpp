#include "backgrounds/BgDownloadManager.h"

#include "app/AppConstants.h"
#include "app/AppPaths.h"
#include "app/Logging.h"
#include "backgrounds/DownloadChecks.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QTemporaryFile>
#include <QUrl>

#include <filesystem>
#include <system_error>

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
    rateTimer.setInterval(defaultRateWindowMs);
    connect(&rateTimer, &QTimer::timeout, this, &BgDownloadManager::onRateWindow);
    failureTimer.setSingleShot(true);
    failureTimer.setInterval(0);
    connect(&failureTimer, &QTimer::timeout, this, [this] { Q_EMIT downloadError(lastError); });
}

BgDownloadManager::~BgDownloadManager()
{
    dropReply();
}

QString BgDownloadManager::backgroundBaseUrl()
{
    QString address = contentServerUrl();
    if (address.isEmpty()) {
        // The content folder is installed with the themes, wherever AppPaths found those.
        const QString data = AppPaths::dataDir.isEmpty() ? QCoreApplication::applicationDirPath() : AppPaths::dataDir;
        address = QUrl::fromLocalFile(data + QStringLiteral("/content")).toString();
    }
    while (address.endsWith(QLatin1Char('/')))
        address.chop(1);
    return address + AppConstants::backgroundPackagesPath;
}

bool BgDownloadManager::isDownloaded(const QString &localPath)
{
    if (!QFileInfo(localPath).isFile())
        return false;
    if (DownloadChecks::opensAsVideo(localPath))
        return true;
    // Left in place it would fail every render; gone, it is fetched again.
    qCWarning(lcBackgrounds) << "Removing" << localPath << "which does not open as a video";
    QFile::remove(localPath);
    return false;
}

void BgDownloadManager::setStallTimeout(int ms)
{
    stallTimer.setInterval(ms);
}

void BgDownloadManager::setMinimumRate(int bytesPerSecond, int windowMs)
{
    minimumBytesPerSecond = bytesPerSecond;
    rateTimer.setInterval(windowMs);
}

void BgDownloadManager::setMaximumSize(qint64 bytes)
{
    maximumBytes = bytes;
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

void BgDownloadManager::cancel()
{
    dropReply();
    currentUrl.clear();
    currentPath.clear();
}

void BgDownloadManager::startRequest()
{
    dropReply();
    // A folder that cannot take the file fails before anything is fetched, naming the folder.
    const QString problem = openPartFile();
    if (!problem.isEmpty()) {
        failLater(problem);
        return;
    }
    QNetworkRequest request(QUrl(currentUrl, QUrl::TolerantMode));
    // A content server may move its files; never from https down to http.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    qCInfo(lcBackgrounds) << "Fetching" << currentUrl << "into" << currentPath;
    reply = network->get(request);
    // The network stops reading ahead once this much waits, so memory stays bounded by it.
    reply->setReadBufferSize(readBufferBytes);
    connect(reply, &QNetworkReply::readyRead, this, &BgDownloadManager::onReadyRead);
    connect(reply, &QNetworkReply::finished, this, &BgDownloadManager::downloadFinished);
    connect(reply, &QNetworkReply::errorOccurred, this, &BgDownloadManager::onDownloadError);
    connect(reply, &QNetworkReply::sslErrors, this, &BgDownloadManager::onDownloadSslErrors);
    headChecked = false;
    received = 0;
    receivedBeforeWindow = 0;
    stallTimer.start();
    rateTimer.start();
}

// Creates the target's folder and the temporary file beside the target; the reason when it cannot.
QString BgDownloadManager::openPartFile()
{
    const QString folder = QFileInfo(currentPath).absolutePath();
    const QString problem = DownloadChecks::folderProblem(folder);
    if (!problem.isEmpty())
        return problem;
    file = std::make_unique<QTemporaryFile>(currentPath + QStringLiteral(".XXXXXX.part"));
    if (file->open()) {
        // A temporary file is private to its owner; the video it becomes is an ordinary one.
        file->setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
        return {};
    }
    const QString reason = file->errorString();
    file.reset();
    return tr("Cannot write in the folder %1: %2").arg(QDir::toNativeSeparators(folder), reason);
}

// Removes the running request and its temporary file; its later signals never arrive.
void BgDownloadManager::dropReply()
{
    stallTimer.stop();
    rateTimer.stop();
    failureTimer.stop();
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

void BgDownloadManager::fail(const QString &reason)
{
    lastError = reason;
    qCWarning(lcBackgrounds) << "Download failed:" << currentUrl << reason;
    dropReply();
    Q_EMIT downloadError(reason);
}

// As fail(), with the signal once the caller of fetch() is back in its event loop.
void BgDownloadManager::failLater(const QString &reason)
{
    lastError = reason;
    qCWarning(lcBackgrounds) << "Download failed:" << currentUrl << reason;
    dropReply();
    failureTimer.start();
}

// Appends what has arrived to the temporary file once the answer's headers have passed;
// the reason to stop, empty while all is well.
QString BgDownloadManager::takeAvailable()
{
    if (DownloadChecks::isRedirect(*reply)) {
        reply->readAll();
        return {};
    }
    if (!headChecked) {
        headChecked = true;
        const QString problem = DownloadChecks::headProblem(*reply, maximumBytes);
        if (!problem.isEmpty())
            return problem;
    }
    while (reply->bytesAvailable() > 0) {
        const QByteArray data = reply->read(readBufferBytes);
        if (data.isEmpty())
            break;
        received += data.size();
        const QString problem = DownloadChecks::sizeProblem(received, maximumBytes);
        if (!problem.isEmpty())
            return problem;
        if (file->write(data) != data.size())
            return tr("Cannot write %1: %2").arg(QDir::toNativeSeparators(file->fileName()), file->errorString());
    }
    return {};
}

// Gives the complete file its final name once it opens as a video.
QString BgDownloadManager::store()
{
    const QString part = file->fileName();
    if (!file->flush())
        return tr("Cannot write %1: %2").arg(QDir::toNativeSeparators(part), file->errorString());
    file->close();
    if (!DownloadChecks::opensAsVideo(part))
        return tr("The server's answer is not a video");
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(part).constData(), QFile::encodeName(currentPath).constData(), error);
    if (error)
        return tr("Cannot store %1: %2")
            .arg(QDir::toNativeSeparators(currentPath), QString::fromLocal8Bit(error.message().c_str()));
    file->setAutoRemove(false);
    file.reset();
    return {};
}

void BgDownloadManager::onReadyRead()
{
    if (!reply || sender() != reply)
        return;
    stallTimer.start();
    const QString problem = takeAvailable();
    if (!problem.isEmpty())
        fail(problem);
    else
        reportReceived();
}

void BgDownloadManager::reportReceived()
{
    // A redirect's own body is not the video.
    if (DownloadChecks::isRedirect(*reply))
        return;
    const qint64 length = DownloadChecks::declaredLength(*reply);
    Q_EMIT bytesReceived(received, length);
    if (length > 0 && received > 0)
        Q_EMIT progress(float(received) * 100.0f / float(length));
}

void BgDownloadManager::downloadFinished()
{
    if (!reply)
        return;
    stallTimer.stop();
    rateTimer.stop();
    QString problem = reply->error() != QNetworkReply::NoError ? reply->errorString() : takeAvailable();
    // A redirect that ended the answer names its status.
    if (problem.isEmpty() && !headChecked)
        problem = DownloadChecks::headProblem(*reply, maximumBytes);
    if (problem.isEmpty())
        problem = DownloadChecks::lengthProblem(*reply, received);
    if (problem.isEmpty()) {
        reportReceived();
        problem = store();
    }
    if (!problem.isEmpty()) {
        fail(problem);
        return;
    }
    reply->deleteLater();
    reply = nullptr;
    Q_EMIT done();
}

void BgDownloadManager::onDownloadError(QNetworkReply::NetworkError code)
{
    if (!reply)
        return;
    qCWarning(lcBackgrounds) << "Network error" << code;
    fail(reply->errorString());
}

void BgDownloadManager::onDownloadSslErrors(const QList<QSslError> &errors)
{
    if (!reply)
        return;
    // Never ignored: a certificate problem ends the download as a failure.
    for (const QSslError &error : errors)
        qCWarning(lcBackgrounds) << "TLS error:" << error.errorString();
    fail(errors.isEmpty() ? reply->errorString() : errors.first().errorString());
}

void BgDownloadManager::onStalled()
{
    if (!reply)
        return;
    fail(tr("Nothing received for %1 s").arg(stallTimer.interval() / 1000.0));
}

// A server that sends a byte now and then never stalls, yet never finishes either.
void BgDownloadManager::onRateWindow()
{
    if (!reply)
        return;
    const qint64 wanted = qint64(minimumBytesPerSecond) * rateTimer.interval() / 1000;
    if (received - receivedBeforeWindow < wanted) {
        fail(tr("Less than %1 bytes received in %2 s").arg(wanted).arg(rateTimer.interval() / 1000.0));
        return;
    }
    receivedBeforeWindow = received;
}
