#include "app/LaunchFiles.h"
#include "app/AppConstants.h"
#include "app/CommonError.h"
#include "app/Logging.h"
#include "project/ProjectPres.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include <utility>

static QString localPath(const QString &argument, const QDir &base)
{
    const QUrl url(argument);
    if (url.isLocalFile())
        return QDir::cleanPath(url.toLocalFile());
    return QDir::cleanPath(base.absoluteFilePath(argument));
}

LaunchFiles LaunchFiles::sort(const QStringList &arguments, const QString &baseDir)
{
    LaunchFiles files;
    const QDir base(baseDir);
    for (const QString &argument : arguments) {
        if (argument.isEmpty())
            continue;
        const QString path = localPath(argument, base);
        const QFileInfo info(path);
        if (!info.exists())
            files.missing << path;
        else if (info.isDir())
            files.folders << path;
        else if (isPictureFileName(info.fileName()))
            files.images << path;
        else if (AppConstants::audioSuffixes.contains(info.suffix(), Qt::CaseInsensitive))
            files.audio << path;
        else
            files.unsupported << path;
    }
    return files;
}

bool LaunchFiles::isEmpty() const
{
    return images.isEmpty() && folders.isEmpty() && audio.isEmpty() && missing.isEmpty() && unsupported.isEmpty();
}

void LaunchFiles::addTo(ProjectPres &project) const
{
    // In the order a drop on the main screen adds them.
    project.addImagePaths(images);
    project.addImagePaths(ProjectPres::scanFolders(folders));
    project.addAudioPaths(audio);
    const QString separator = QStringLiteral(", ");
    QStringList problems;
    if (!missing.isEmpty())
        problems << QCoreApplication::translate("LaunchFiles", "Not found: %1").arg(missing.join(separator));
    if (!unsupported.isEmpty())
        problems << QCoreApplication::translate("LaunchFiles", "Not a photo, music or folder Pictovia can open: %1")
                        .arg(unsupported.join(separator));
    // Told in the window, and in the terminal it was started from.
    for (const QString &problem : std::as_const(problems)) {
        qCWarning(lcApp).noquote() << problem;
        CommonError::report(problem);
    }
}
