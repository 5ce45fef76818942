#pragma once

#include <QHash>
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

inline uint qHash(const ThumbGeneratorTask &task, uint seed = 0)
{
    return qHash(task.path, seed) ^ uint(task.height * 31 + task.width);
}

Q_DECLARE_METATYPE(ThumbGeneratorTask)
