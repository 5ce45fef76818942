#pragma once

#include <QString>

// Output resolution (0 = 720p, 1 = 1080p, 2 = 2160p) and the folder videos are written to.
struct OutputSettings
{
    int quality = 1;
    QString saveDir = defaultSaveDir();

    // The user's movies folder (or the temporary folder), native separators, plus "Pictovia".
    static QString defaultSaveDir();
};
