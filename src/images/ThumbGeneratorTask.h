#pragma once

#include <QMetaType>
#include <QString>

// One thumbnail request: an image file and the box to cover. Height comes before width.
struct ThumbGeneratorTask
{
    QString path;
    int height = 0;
    int width = 0;

    bool operator==(const ThumbGeneratorTask &other) const
    {
        return path == other.path && height == other.height && width == other.width;
    }
    bool operator!=(const ThumbGeneratorTask &other) const { return !(*this == other); }
};

Q_DECLARE_METATYPE(ThumbGeneratorTask)
