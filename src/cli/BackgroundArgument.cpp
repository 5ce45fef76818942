#include "cli/BackgroundArgument.h"

#include "app/AppConstants.h"
#include "backgrounds/BackgroundCatalogue.h"
#include "backgrounds/BgDownloadManager.h"
#include "cli/ProgressPrinter.h"
#include "images/ImageLoading.h"
#include "theme/ThemeCatalogue.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>

BackgroundArgument::BackgroundArgument(FILE *err, bool errIsTerminal, const std::atomic<bool> &stopRequested)
    : m_err(err)
    , m_errIsTerminal(errIsTerminal)
    , m_stopRequested(stopRequested)
{
}

bool BackgroundArgument::isCatalogueId(const QString &value)
{
    return BackgroundCatalogue::instance()->contains(value);
}

bool BackgroundArgument::resolve(const QString &value, int quality, BackgroundDescriptor *background,
                                 QString *error)
{
    if (value.startsWith(QLatin1Char('#'))) {
        *background = BackgroundDescriptor::ofColor(QColor(value));
        return true;
    }
    if (isCatalogueId(value)) {
        *background = BackgroundCatalogue::instance()->entry(value);
        const QString variant = resolutionVariantPath(background->path, quality);
        // A stored file that does not open as a video is deleted there and fetched again.
        return !background->isVideo() || BgDownloadManager::isDownloaded(variant) || fetch(value, variant, error);
    }
    if (QFileInfo(value).isFile()) {
        // A picture that cannot be read would be a black background without a word.
        if (const QString reason = unreadableReason(value, ImageDecoder::photoBytes); !reason.isEmpty()) {
            *error = QStringLiteral("The background picture %1 cannot be read (%2)").arg(value, reason);
            return false;
        }
        *background = BackgroundDescriptor::ofFile(QFileInfo(value).absoluteFilePath());
        return true;
    }
    *error = QStringLiteral("No such background: %1 (see --list for the installed ones)").arg(value);
    return false;
}

bool BackgroundArgument::fetch(const QString &id, const QString &path, QString *error)
{
    BgDownloadManager *downloader = BgDownloadManager::instance();
    std::fprintf(m_err, "Downloading background %s (%s)\n", id.toLocal8Bit().constData(),
                 QFileInfo(path).fileName().toLocal8Bit().constData());
    std::fflush(m_err);
    ProgressPrinter printer(m_err, m_errIsTerminal);
    QEventLoop loop;
    bool complete = false;
    const QList<QMetaObject::Connection> connections = {
        QObject::connect(downloader, &BgDownloadManager::progress, [&printer](float p) { printer.update(p); }),
        QObject::connect(downloader, &BgDownloadManager::done, [&] {
            complete = true;
            loop.quit();
        }),
        QObject::connect(downloader, &BgDownloadManager::downloadError, &loop, &QEventLoop::quit)};
    // Ctrl-C only sets a flag; look at it while waiting.
    QTimer stopWatch;
    QObject::connect(&stopWatch, &QTimer::timeout, [&] {
        if (m_stopRequested)
            loop.quit();
    });
    stopWatch.start(100);
    downloader->fetch(path);
    loop.exec();
    for (const QMetaObject::Connection &c : connections)
        QObject::disconnect(c);
    printer.finish(complete);
    if (!complete && m_stopRequested) {
        *error = QStringLiteral("Stopped while downloading the background");
    } else if (!complete) {
        *error = QStringLiteral("Cannot download background %1 from %2: %3")
                     .arg(id, BgDownloadManager::backgroundBaseUrl() + QFileInfo(path).fileName(),
                          downloader->errorString());
    }
    return complete;
}

void BackgroundArgument::printList(FILE *out)
{
    QString text = QStringLiteral("Themes (--theme ID):\n");
    const QMap<int, ThemeEntry> &themes = ThemeCatalogue::instance()->themes();
    for (const ThemeEntry &theme : themes)
        text += QStringLiteral("  %1  %2\n").arg(theme.id, -14).arg(theme.name);
    text += QStringLiteral("Backgrounds (--background ID, default %1):\n").arg(AppConstants::defaultBackgroundId);
    const BackgroundCatalogue *catalogue = BackgroundCatalogue::instance();
    const QList<QPair<QString, const BackgroundCatalogue::Map *>> kinds = {
        {QStringLiteral("video"), &catalogue->animated()},
        {QStringLiteral("picture"), &catalogue->standard()},
        {QStringLiteral("colour"), &catalogue->colors()},
        {QStringLiteral("own picture"), &catalogue->custom()}};
    for (const auto &kind : kinds) {
        for (auto it = kind.second->cbegin(); it != kind.second->cend(); ++it)
            text += QStringLiteral("  %1  %2 (%3)\n").arg(it.key(), -14).arg(it->name, kind.first);
    }
    std::fputs(text.toLocal8Bit().constData(), out);
    std::fflush(out);
}
