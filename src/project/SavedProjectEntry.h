#pragma once

#include <QDateTime>
#include <QSharedPointer>
#include <QString>
#include <QStringList>

// One row of the saved-projects list.
struct SavedProjectEntry
{
    QString id;        // the project's folder name under projectsDir
    QString name;      // the time of the last save as text
    QString audioName; // path of the first music track
    int slidesCount = 0;
    QStringList imgs;  // "image://PrjImgProvider/" ids, at most five; empty while one is being made
    QDateTime lastModified;
    bool damaged = false; // its project file is cut short or gone: opening it reads what is left
};
using SavedProjectEntryPtr = QSharedPointer<SavedProjectEntry>;
