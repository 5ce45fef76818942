#include "backgrounds/BackgroundCatalogue.h"

#include "app/AppConstants.h"
#include "app/AppPaths.h"
#include "backgrounds/BackgroundFiles.h"

#include <QDir>
#include <QUuid>

BackgroundCatalogue::BackgroundCatalogue()
    : BackgroundCatalogue(Folders{AppPaths::backgroundsDir, AppPaths::animatedBackgroundsDir,
                                  AppPaths::downloadedBackgroundsDir, AppPaths::customBackgroundsFile})
{
}

static QString withSlash(const QString &dir)
{
    return dir.isEmpty() || dir.endsWith(QLatin1Char('/')) ? dir : dir + QLatin1Char('/');
}

BackgroundCatalogue::BackgroundCatalogue(const Folders &folders)
    : m_folders{withSlash(folders.backgrounds), withSlash(folders.animated), withSlash(folders.downloaded),
                folders.customFile}
{
    readFolders(m_folders.backgrounds, AppConstants::standardKind, m_standard);
    readFolders(m_folders.animated, AppConstants::animatedKind, m_animated);
    const QList<BackgroundDescriptor> colors =
        BackgroundFiles::readColorBackgrounds(m_folders.backgrounds + QStringLiteral("colorbgs.xml"));
    for (int i = 0; i < colors.size(); ++i)
        m_colors.insert(AppConstants::colorKind + QStringLiteral("%1").arg(i, 5, 10, QLatin1Char('0')), colors.at(i));
    m_custom = BackgroundFiles::readCustomBackgrounds(m_folders.customFile);
}

QString BackgroundCatalogue::folderId(const QString &kind, const QString &folderName)
{
    return kind + QStringLiteral("%1").arg(folderName, 5, QLatin1Char('0'));
}

void BackgroundCatalogue::readFolders(const QString &dir, const QString &kind, Map &map)
{
    const bool animated = kind == AppConstants::animatedKind;
    const QStringList names = QDir(dir).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &name : names) {
        const QString folder = dir + name;
        const BackgroundFiles::FolderInfo info =
            BackgroundFiles::readBackgroundInfo(folder + QLatin1Char('/') + AppConstants::infoFileName);
        BackgroundDescriptor d;
        d.path = animated ? m_folders.downloaded + name + QLatin1Char('/') + name + QStringLiteral(".mp4")
                          : folder + QStringLiteral("/bg.jpg");
        d.thumbPath = folder + QStringLiteral("/thumb.jpg");
        d.font = info.style.first;
        d.fontColor = info.style.second;
        d.name = info.name.isEmpty() ? name : info.name;
        map.insert(folderId(kind, name), d);
    }
}

const BackgroundDescriptor *BackgroundCatalogue::find(const QString &id) const
{
    for (const Map *map : {&m_custom, &m_colors, &m_standard, &m_animated}) {
        const auto it = map->constFind(id);
        if (it != map->constEnd())
            return &*it;
    }
    return nullptr;
}

BackgroundDescriptor BackgroundCatalogue::entry(const QString &id) const
{
    const BackgroundDescriptor *found = find(id);
    return found ? *found : m_animated.value(AppConstants::defaultBackgroundId);
}

bool BackgroundCatalogue::contains(const QString &id) const
{
    return find(id) != nullptr;
}

QString BackgroundCatalogue::addCustom(const QString &path, const QFont &font, const QColor &fontColor)
{
    const QString id = QUuid::createUuid().toString();
    BackgroundDescriptor d;
    d.path = path;
    d.font = font;
    d.fontColor = fontColor;
    m_custom.insert(id, d);
    saveCustom();
    return id;
}

void BackgroundCatalogue::removeCustom(const QString &id)
{
    m_custom.remove(id);
    saveCustom();
}

bool BackgroundCatalogue::saveCustom() const
{
    return BackgroundFiles::writeCustomBackgrounds(m_folders.customFile, m_custom);
}
