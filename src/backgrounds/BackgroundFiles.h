#pragma once

#include "backgrounds/BackgroundDescriptor.h"

#include <QColor>
#include <QFont>
#include <QMap>
#include <QPair>
#include <QString>

// The background description files: "info.xml" of a background folder, the installed
// "colorbgs.xml" and the user's "custombgs.xml". Unreadable or damaged files give defaults.
namespace BackgroundFiles {

using TextStyle = QPair<QFont, QColor>;

// "family,style word,point size,colour"; missing or unusable fields take the value of
// "Arial,Sans-Serif,84,#000000" except the colour, which is white when unusable.
TextStyle parseFontAttribute(const QString &attribute);

// Text style and display name of a background folder's "info.xml" (the last "media" element).
// A missing file, or one without "media", gives the default font and white text.
struct FolderInfo
{
    TextStyle style;
    QString name;
};
FolderInfo readBackgroundInfo(const QString &path);

// One descriptor per "color" element, in document order; a missing file gives none.
QList<BackgroundDescriptor> readColorBackgrounds(const QString &path);

// Custom pictures by id; entries whose picture is gone are dropped.
QMap<QString, BackgroundDescriptor> readCustomBackgrounds(const QString &path);
// Writes through a temporary file renamed over the old one; false when that fails.
bool writeCustomBackgrounds(const QString &path, const QMap<QString, BackgroundDescriptor> &custom);

} // namespace BackgroundFiles
