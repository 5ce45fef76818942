#include "project/DialogFoldersPres.h"
#include "project/IOutputChoices.h"

#include <QDir>
#include <QFileInfo>

static const QString photosKey = QStringLiteral("dialogFolders/photos");
static const QString audioKey = QStringLiteral("dialogFolders/audio");
static const QString resultKey = QStringLiteral("dialogFolders/result");

static bool isFolder(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

static QString standardFolder(QStandardPaths::StandardLocation location)
{
    const QString path = QStandardPaths::writableLocation(location);
    return isFolder(path) ? path : QDir::homePath();
}

DialogFoldersPres::DialogFoldersPres()
    : m_settings(QSharedPointer<QSettings>::create())
{
}

QUrl DialogFoldersPres::folder(const QString &key, QStandardPaths::StandardLocation standard) const
{
    const QString remembered = m_settings->value(key).toString();
    return QUrl::fromLocalFile(isFolder(remembered) ? remembered : standardFolder(standard));
}

bool DialogFoldersPres::remember(const QString &key, const QUrl &folder)
{
    const QFileInfo info(folder.toLocalFile());
    if (!folder.isLocalFile() || !info.exists())
        return false;
    const QString path = info.isDir() ? info.absoluteFilePath() : info.absolutePath();
    if (m_settings->value(key).toString() == path)
        return false;
    m_settings->setValue(key, path);
    m_settings->sync();
    return true;
}

QUrl DialogFoldersPres::photosFolder() const
{
    return folder(photosKey, QStandardPaths::PicturesLocation);
}

QUrl DialogFoldersPres::audioFolder() const
{
    return folder(audioKey, QStandardPaths::MusicLocation);
}

QUrl DialogFoldersPres::resultFolder() const
{
    const QString current = m_output ? m_output->saveDir() : QString();
    return isFolder(current) ? QUrl::fromLocalFile(current) : folder(resultKey, QStandardPaths::MoviesLocation);
}

void DialogFoldersPres::setPhotosFolder(const QUrl &folder)
{
    if (remember(photosKey, folder))
        Q_EMIT photosFolderChanged();
}

void DialogFoldersPres::setAudioFolder(const QUrl &folder)
{
    if (remember(audioKey, folder))
        Q_EMIT audioFolderChanged();
}

void DialogFoldersPres::setResultFolder(const QUrl &folder)
{
    if (remember(resultKey, folder))
        Q_EMIT resultFolderChanged();
}
