#include "backgrounds/BackgroundsPres.h"

#include "backgrounds/BackgroundCatalogue.h"
#include "backgrounds/BgDownloadManager.h"
#include "app/AppConstants.h"
#include "images/ImageDecoder.h"
#include "images/ImageLoading.h"
#include "images/ImageProvider.h"
#include "project/OutputSettings.h"

#include <QFileInfo>
#include <QUrl>

#include <algorithm>

namespace {

const QString imageUrlPrefix = QStringLiteral("image://ImageProvider/");
const QString fileScheme = QStringLiteral("file://");
const QString idKey = QStringLiteral("id");
const QString thumbIdKey = QStringLiteral("thumbId");
const QString previewIdKey = QStringLiteral("previewId");
const QString pathKey = QStringLiteral("path");

QString registerImage(const QString &path)
{
    return ImageProvider::instance()->addImage(loadImage(path));
}

} // namespace

BackgroundsPres::BackgroundsPres()
    : BackgroundsPres(BackgroundCatalogue::instance(), BgDownloadManager::instance(),
                      [] { return OutputSettings().quality; })
{
}

BackgroundsPres::BackgroundsPres(BackgroundCatalogue *catalogue, BgDownloadManager *downloader,
                                 ResolutionSource resolution)
    : m_catalogue(catalogue)
    , m_downloader(downloader)
    , m_resolution(std::move(resolution))
{
    for (auto it = catalogue->animated().cbegin(); it != catalogue->animated().cend(); ++it)
        m_animated.append(QVariantMap{{QStringLiteral("thumbPath"), imageUrlPrefix + registerImage(it->thumbPath)},
                                      {idKey, it.key()}});
    for (auto it = catalogue->standard().cbegin(); it != catalogue->standard().cend(); ++it)
        m_standard.append(QVariantMap{{QStringLiteral("thumbPath"), imageUrlPrefix + registerImage(it->thumbPath)},
                                      {idKey, it.key()},
                                      {QStringLiteral("imgPath"), fileScheme + it->path}});
    for (auto it = catalogue->colors().cbegin(); it != catalogue->colors().cend(); ++it)
        m_colors.append(QVariantMap{{QStringLiteral("color"), it->color}, {idKey, it.key()}});
    buildCustomList();
    connect(downloader, &BgDownloadManager::done, this, &BackgroundsPres::bgDownloaded);
    connect(downloader, &BgDownloadManager::downloadError, this, &BackgroundsPres::onDownloadError);
    connect(downloader, &BgDownloadManager::bytesReceived, this, &BackgroundsPres::onDownloadBytes);
    m_progressTimer.setSingleShot(true);
    m_progressTimer.setInterval(progressIntervalMs);
    connect(&m_progressTimer, &QTimer::timeout, this, [this] {
        // A change shown now keeps the next one waiting its interval.
        if (publishTransfer())
            m_progressTimer.start();
    });
}

void BackgroundsPres::buildCustomList()
{
    m_custom.clear();
    for (auto it = m_catalogue->custom().cbegin(); it != m_catalogue->custom().cend(); ++it)
        m_custom.append(QVariantMap{{QStringLiteral("fontColor"), it->fontColor},
                                    {pathKey, fileScheme + it->path},
                                    {idKey, it.key()}});
}

void BackgroundsPres::setCustom(const QVariantList &custom)
{
    if (m_custom == custom)
        return;
    m_custom = custom;
    Q_EMIT customChanged();
}

void BackgroundsPres::setDownloadProgress(int progress)
{
    if (m_downloadProgress == progress)
        return;
    m_downloadProgress = progress;
    Q_EMIT downloadProgressChanged();
}

void BackgroundsPres::setSelectedBgThumb(const QString &thumb)
{
    if (m_selectedBgThumb == thumb)
        return;
    m_selectedBgThumb = thumb;
    Q_EMIT selectedBgThumbChanged();
}

QColor BackgroundsPres::textColorForImage(const QImage &image)
{
    const qint64 pixels = qint64(image.width()) * image.height();
    if (pixels <= 0)
        return QColor(Qt::white);
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    quint64 sum = 0;
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            sum += (11 * qRed(line[x]) + 16 * qGreen(line[x]) + 5 * qBlue(line[x])) >> 5;
    }
    return sum / quint64(pixels) < 150 ? QColor(Qt::white) : QColor(Qt::black);
}

QString BackgroundsPres::localPath(const QString &fileUrl)
{
    const QUrl url(fileUrl);
    return url.isLocalFile() ? url.toLocalFile() : fileUrl;
}

void BackgroundsPres::releaseImage(const QString &idOrUrl)
{
    QString id = idOrUrl;
    id.remove(imageUrlPrefix);
    if (!id.isEmpty())
        ImageProvider::instance()->removeImage(id);
}

QString BackgroundsPres::registerScaledImage(const QString &path, int height, int width)
{
    return ImageProvider::instance()->addImage(loadScaledImage(path, height, width));
}

void BackgroundsPres::selectionDone(const QString &id)
{
    const BackgroundDescriptor d = m_catalogue->entry(id);
    // The picture shown for the previous choice is no longer shown: its memory goes.
    releaseImage(m_registeredBgThumb);
    m_registeredBgThumb = d.path.isEmpty() ? QString() : imageUrlPrefix + registerImage(d.thumbPath);
    m_selectedBgThumb = m_registeredBgThumb;
    Q_EMIT selectedBgThumbChanged();
    const QString variant = d.isVideo() ? resolutionVariantPath(d.path, m_resolution()) : QString();
    if (!variant.isEmpty() && m_downloader->isFetching(variant))
        return;
    // A stored file that does not open as a video is deleted and fetched again.
    const bool needed = !variant.isEmpty() && !BgDownloadManager::isDownloaded(variant);
    // The download of a background chosen before is no longer wanted: the render must not wait for it.
    m_downloader->cancel();
    if (needed) {
        m_downloader->fetch(variant);
        startTransfer(d.name);
    } else {
        endTransfer();
    }
    m_isDownloading = needed;
    Q_EMIT isDownloadingChanged();
}

void BackgroundsPres::redownload()
{
    if (!m_isDownloading)
        return;
    m_downloader->restartCurrent();
    startTransfer(m_fetchedName);
}

void BackgroundsPres::cancelDownload()
{
    m_downloader->cancel();
    endTransfer();
    setDownloading(false);
}

void BackgroundsPres::setDownloading(bool downloading)
{
    if (m_isDownloading == downloading)
        return;
    m_isDownloading = downloading;
    Q_EMIT isDownloadingChanged();
}

void BackgroundsPres::startTransfer(const QString &name)
{
    m_fetchedName = name;
    clearFigures();
    setDownloadName(name);
    setDownloadActive(true);
}

void BackgroundsPres::endTransfer()
{
    setDownloadActive(false);
    clearFigures();
    setDownloadName(QString());
}

void BackgroundsPres::clearFigures()
{
    m_progressTimer.stop();
    m_latestReceived = 0;
    m_latestTotal = 0;
    publishTransfer();
}

bool BackgroundsPres::publishTransfer()
{
    if (m_downloadReceived == m_latestReceived && m_downloadTotal == m_latestTotal)
        return false;
    setDownloadFigures(m_latestReceived, m_latestTotal);
    setDownloadProgress(m_latestTotal > 0 ? int(m_latestReceived * 100 / m_latestTotal) : 0);
    return true;
}

void BackgroundsPres::setDownloadActive(bool active)
{
    if (m_downloadActive == active)
        return;
    m_downloadActive = active;
    Q_EMIT downloadActiveChanged();
}

void BackgroundsPres::setDownloadName(const QString &name)
{
    if (m_downloadName == name)
        return;
    m_downloadName = name;
    Q_EMIT downloadNameChanged();
}

// Both are set before either is signalled, so a reader never sees one new and one old.
void BackgroundsPres::setDownloadFigures(qint64 received, qint64 total)
{
    const bool receivedChanged = m_downloadReceived != received;
    const bool totalChanged = m_downloadTotal != total;
    m_downloadReceived = received;
    m_downloadTotal = total;
    if (receivedChanged)
        Q_EMIT downloadReceivedChanged();
    if (totalChanged)
        Q_EMIT downloadTotalChanged();
}

bool BackgroundsPres::isNormalBgSize(const QString &file_url) const
{
    // The header's size where the format tells it, so a huge picture is not decoded to be measured.
    ImageDecoder decoder(localPath(file_url));
    QSize size = decoder.tellsSize() ? decoder.storedSize() : loadImage(localPath(file_url))->size();
    if (decoder.tellsSize() && decoder.orientationTurns())
        size.transpose();
    return decoder.canRead() && size.width() > 640 && size.height() > 480;
}

QString BackgroundsPres::addCustomBg(const QString &file_url)
{
    const QString path = localPath(file_url);
    // One decode gives both the text colour and the thumbnail.
    const ImageSharedPointer thumb = loadScaledImage(path, 250, 400);
    const QColor textColor = textColorForImage(*thumb);
    QFont font(QStringLiteral("Oswald Book"));
    font.setItalic(false);
    const QString id = m_catalogue->addCustom(path, font, textColor);
    m_custom.append(QVariantMap{{QStringLiteral("fontColor"), textColor},
                                {pathKey, fileScheme + path},
                                {thumbIdKey, ImageProvider::instance()->addImage(thumb)},
                                {idKey, id}});
    Q_EMIT customChanged();
    return id;
}

void BackgroundsPres::removeCustomBg(const QString &index)
{
    m_catalogue->removeCustom(index);
    for (int i = 0; i < m_custom.size(); ++i) {
        const QVariantMap entry = m_custom.at(i).toMap();
        if (entry.value(idKey).toString() == index) {
            // Its thumbnail and full-size preview are shown nowhere any more.
            releaseImage(entry.value(thumbIdKey).toString());
            releaseImage(entry.value(previewIdKey).toString());
            m_custom.removeAt(i);
            break;
        }
    }
    Q_EMIT customChanged();
    Q_EMIT customBackgroundRemoved(index);
}

void BackgroundsPres::updateCustomBgThumbs()
{
    bool changed = false;
    for (QVariant &item : m_custom) {
        QVariantMap map = item.toMap();
        if (map.contains(thumbIdKey))
            continue;
        QString path = map.value(pathKey).toString();
        path.remove(fileScheme);
        map.insert(thumbIdKey, registerScaledImage(path, 250, 400));
        item = map;
        changed = true;
    }
    if (changed)
        Q_EMIT customChanged();
}

QString BackgroundsPres::previewId(QVariantList &list, const QString &index, const QString &pathKey)
{
    for (QVariant &item : list) {
        QVariantMap map = item.toMap();
        if (map.value(idKey).toString() != index)
            continue;
        if (!map.contains(previewIdKey)) {
            QString path = map.value(pathKey).toString();
            path.remove(fileScheme);
            map.insert(previewIdKey, registerScaledImage(path, 1080, 1920));
            item = map;
        }
        return map.value(previewIdKey).toString();
    }
    return QString();
}

QString BackgroundsPres::getCustomBgPreviewId(const QString &index)
{
    return previewId(m_custom, index, pathKey);
}

QString BackgroundsPres::getStandardBgPreviewId(const QString &index)
{
    return previewId(m_standard, index, QStringLiteral("imgPath"));
}

void BackgroundsPres::bgDownloaded()
{
    endTransfer();
    Q_EMIT backgroundDownloaded();
    setDownloading(false);
}

// The render still waits for the file: Retry starts the transfer again.
void BackgroundsPres::onDownloadError()
{
    endTransfer();
    Q_EMIT downloadError();
}

void BackgroundsPres::onDownloadBytes(qint64 received, qint64 total)
{
    if (!m_downloadActive)
        return;
    m_latestReceived = received;
    m_latestTotal = std::max<qint64>(total, 0);
    // The first report shows at once, later ones at most once an interval.
    if (!m_progressTimer.isActive() && publishTransfer())
        m_progressTimer.start();
}
