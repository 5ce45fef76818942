#include "app/AppPaths.h"
#include "app/Logging.h"

#include <QCoreApplication>
#include <QStandardPaths>

namespace AppPaths {

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

static void moveToInstalledData()
{
    if (hasInstalledData(QDir::currentPath()) || !QCoreApplication::instance())
        return;
    const QString appDir = QCoreApplication::applicationDirPath();
    if (hasInstalledData(appDir)) {
        qCInfo(lcApp) << "Working directory has no installed data; using" << appDir;
        QDir::setCurrent(appDir);
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
