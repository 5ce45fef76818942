#include "backgrounds/DownloadChecks.h"

#include "render/VideoInput.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QNetworkReply>

#include <filesystem>
#include <new>
#include <system_error>

namespace DownloadChecks {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("DownloadChecks", text);
}

int statusOf(const QNetworkReply &reply)
{
    const QVariant status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute);
    return status.isValid() ? status.toInt() : 0;
}

// The media type without its parameters ("video/mp4; codecs=..." is "video/mp4").
QString mediaType(const QNetworkReply &reply)
{
    const QString declared = reply.header(QNetworkRequest::ContentTypeHeader).toString();
    return declared.section(QLatin1Char(';'), 0, 0).trimmed().toLower();
}

bool isVideoType(const QString &type)
{
    // Storage services label untyped objects binary/octet-stream.
    return type.isEmpty() || type.startsWith(QLatin1String("video/"))
           || type == QLatin1String("application/octet-stream") || type == QLatin1String("binary/octet-stream");
}

QString sizeText(qint64 bytes)
{
    return QLocale().formattedDataSize(bytes, 0, QLocale::DataSizeTraditionalFormat);
}

} // namespace

QString folderProblem(const QString &folder)
{
    std::error_code error;
    std::filesystem::create_directories(QFile::encodeName(folder).constData(), error);
    if (!error && QFileInfo(folder).isDir())
        return {};
    const QString reason = error ? QString::fromLocal8Bit(error.message().c_str()) : tr("Not a folder");
    return tr("Cannot create the folder %1: %2").arg(QDir::toNativeSeparators(folder), reason);
}

bool isRedirect(const QNetworkReply &reply)
{
    const int status = statusOf(reply);
    return status >= 300 && status < 400
           && reply.attribute(QNetworkRequest::RedirectionTargetAttribute).isValid();
}

QString headProblem(const QNetworkReply &reply, qint64 maximumBytes)
{
    const int status = statusOf(reply);
    if (status != 0 && (status < 200 || status >= 300)) {
        const QString phrase = reply.attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
        return tr("The server answered %1 %2").arg(status).arg(phrase).trimmed();
    }
    const QString type = mediaType(reply);
    if (!isVideoType(type))
        return tr("The server sent %1, not a video").arg(type);
    bool declared = false;
    const qint64 length = reply.header(QNetworkRequest::ContentLengthHeader).toLongLong(&declared);
    if (declared && length > maximumBytes)
        return tr("The server announces %1, more than the %2 a background can be")
            .arg(sizeText(length), sizeText(maximumBytes));
    return {};
}

QString sizeProblem(qint64 received, qint64 maximumBytes)
{
    if (received <= maximumBytes)
        return {};
    return tr("The answer is larger than the %1 a background can be").arg(sizeText(maximumBytes));
}

qint64 declaredLength(const QNetworkReply &reply)
{
    // A compressed answer declares the length of what travelled, not of what it unpacks to.
    const QByteArray encoding = reply.rawHeader("Content-Encoding").trimmed().toLower();
    if (!encoding.isEmpty() && encoding != "identity")
        return -1;
    bool declared = false;
    const qint64 length = reply.header(QNetworkRequest::ContentLengthHeader).toLongLong(&declared);
    return declared ? length : -1;
}

QString lengthProblem(const QNetworkReply &reply, qint64 received)
{
    const qint64 length = declaredLength(reply);
    if (length >= 0 && length != received)
        return tr("The server sent %1 of the %2 bytes it announced").arg(received).arg(length);
    return {};
}

bool opensAsVideo(const QString &path)
{
    try {
        VideoInput input(path);
        return true;
    } catch (int) {
        return false;
    } catch (const std::bad_alloc &) {
        return false;
    }
}

} // namespace DownloadChecks
