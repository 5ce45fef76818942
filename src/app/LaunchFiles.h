#pragma once

#include <QString>
#include <QStringList>

class ProjectPres;

// The photos, music and folders named on the command line (a file manager's "Open with"
// passes them the same way), sorted as the main screen sorts files dropped on it.
struct LaunchFiles
{
    QStringList images;
    QStringList folders;
    QStringList audio;
    QStringList missing;    // names of nothing that exists
    QStringList unsupported; // files that are neither a photo nor music

    // Relative names are taken from baseDir, the working directory the program was started in
    // (read before AppPaths::setup moves away from it); file:// addresses are taken too.
    static LaunchFiles sort(const QStringList &arguments, const QString &baseDir);

    bool isEmpty() const;

    // Adds them to the open project as the user's own adds would (undoable, an unreadable
    // track reported by the reader); what could not be opened is reported in one message each.
    void addTo(ProjectPres &project) const;
};
