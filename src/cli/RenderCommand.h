#pragma once

#include "cli/RenderOptions.h"
#include "project/Project.h"
#include "theme/ThemeTemplate.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <cstdio>

class LibavRender;
class QMutex;

// The work of pictovia-render: builds the project and style the application would, renders
// and reports on the given streams.
class RenderCommand
{
public:
    enum ExitCode { Success = 0, Failure = 1, Stopped = 130 };

    // Relative paths on the command line are taken from baseDir (the caller's working folder,
    // which start-up may change to find the installed data).
    RenderCommand(FILE *out, FILE *err, bool errIsTerminal, const QString &baseDir);

    int run(const QStringList &arguments);
    // The arguments as the system gave them: names that are not UTF-8 still reach their files.
    int run(const QList<QByteArray> &arguments);
    // Safe from a signal handler: asks the running render to stop like the stop button.
    static void requestStop();

    // The slides and music of the options, durations computed; on failure a message.
    static ProjectPtr buildProject(const RenderOptions &options, QString *error);
    // The options with every path made absolute against baseDir.
    static RenderOptions absolutePaths(RenderOptions options, const QString &baseDir);
    // Photos in a folder, as "Add Folder with Images" finds them, and those whose names are not
    // UTF-8 (which the application cannot list), through RawFileNames.
    static QStringList folderPictures(const QString &folder);
    // How many slides the music leaves out and how to keep them; empty when all are used.
    // Beats for the tracks that have none yet (when slides change on them), the theme's rhythm,
    // and a warning for music without a steady beat.
    void fitToBeats(Project &project, const ThemeTemplate &theme, bool asked);
    static QString leftOutWarning(const Project &project);
    // Why the video may not be written at output: a folder, something that is not a regular
    // file (a device, a named pipe), or one of the inputs under any name (the same file by
    // identity, hard links and symbolic links included); shown is the name as the user gave it.
    // Empty when it may.
    static QString outputProblem(const QString &output, const QString &shown, const QStringList &inputs);

private:
    int execute(const RenderOptions &options);
    // Renders the loaded project, or the one the options describe when there is none.
    int render(const RenderOptions &options, const ProjectPtr &loaded = {});
    int saveProject(const RenderOptions &options);
    void printWarnings(const QStringList &warnings);
    // Leaves out what a project file cannot keep: files reached through RawFileNames' links.
    void dropUnsavableNames(Project &project);
    void printError(const QString &message);
    // Prints what was reported through the error channel; false when nothing was.
    bool printReports(QMutex &lock);

    FILE *m_out;
    FILE *m_err;
    bool m_errIsTerminal;
    QString m_baseDir;
    QStringList m_errors;
    static std::atomic<LibavRender *> s_running;
    static std::atomic<bool> s_stopRequested;
};
