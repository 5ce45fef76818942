#pragma once

#include <QString>
#include <QStringList>

// Photo-like pictures painted in code: landscapes, portraits and one JPEG stored sideways with
// an EXIF orientation that turns it upright. Returns the paths written in folder, in show order.
QStringList writeSamplePhotos(const QString &folder);
