#include "project/OutputSettings.h"

#include <QDir>
#include <QStandardPaths>

QString OutputSettings::defaultSaveDir()
{
    QString base = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
    if (base.isEmpty())
        base = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    return QDir::toNativeSeparators(base) + QDir::separator() + QStringLiteral("Pictovia");
}
