#include "app/AppPaths.h"
#include "app/Logging.h"

#include <QCoreApplication>
#include <QStandardPaths>

#include <utility>

namespace AppPaths {

QString dataDir;
QString templatesDir;
QString projectsDir;
QString appDataDir;
QString backgroundsDir;
QString animatedBackgroundsDir;
QString downloadedBackgroundsDir;
QString customBackgroundsFile;

QDir projectsQDir;
QDir backgroundsQDir;
QDir animatedBackgroundsQDir;

bool hasInstalledData(const QString &dir)
{
    const QDir d(dir);
    return d.exists(QStringLiteral("templates")) || d.exists(QStringLiteral("backgrounds"))
        || d.exists(QStringLiteral("backgrounds_animated"));
}

QString findDataDir(const QString &workingDir, const QString &programDir)
{
    QStringList candidates{workingDir};
    if (!programDir.isEmpty())
        candidates << programDir + QStringLiteral("/../share/pictovia") << programDir;
    for (const QString &candidate : std::as_const(candidates)) {
        if (!candidate.isEmpty() && hasInstalledData(candidate))
            return QDir::cleanPath(QDir(candidate).absolutePath());
    }
    return {};
}

// Everything else reads the data relative to the working directory.
static void moveToInstalledData()
{
    const QString here = QDir::currentPath();
    const QString programDir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
    const QString found = findDataDir(here, programDir);
    if (found.isEmpty()) {
        qCWarning(lcApp) << "No installed themes or backgrounds in" << here << "nor beside" << programDir;
        dataDir = QDir(here).absolutePath();
        return;
    }
    dataDir = found;
    if (QDir(found) != QDir(here)) {
        qCInfo(lcApp) << "Working directory has no installed data; using" << found;
        QDir::setCurrent(found);
    }
}

void setup()
{
    moveToInstalledData();

    const QString appData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    templatesDir = QStringLiteral("./templates/");
    projectsDir = appData + QStringLiteral("/Pictovia/projects/");
    appDataDir = appData + QStringLiteral("/Pictovia");
    backgroundsDir = QStringLiteral("./backgrounds/");
    animatedBackgroundsDir = QStringLiteral("./backgrounds_animated/");
    downloadedBackgroundsDir = appData + QStringLiteral("/Pictovia/backgrounds_animated/");
    customBackgroundsFile = appDataDir + QStringLiteral("/custombgs.xml");

    projectsQDir = QDir(projectsDir);
    backgroundsQDir = QDir(backgroundsDir);
    animatedBackgroundsQDir = QDir(animatedBackgroundsDir);
}

} // namespace AppPaths
