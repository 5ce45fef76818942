#pragma once

#include "app/Singleton.h"

#include <QObject>
#include <QTimer>

class IOpenProject;
class IProjectStore;
class IProjectStyle;

// Keeps the open project saved (QML "autosave"): every edit of the slides, the music, the
// durations, the output settings or the style is written a moment after the last one, so a
// slider drag is one write, and at once before another project replaces it or the program
// ends. Nothing is written while nothing changed, so opening a project leaves it as it was.
class AutosavePres : public QObject
{
    Q_OBJECT
    // Edits are waiting to be written.
    Q_PROPERTY(bool pending READ pending NOTIFY pendingChanged)
    // The open project is on disk as it stands.
    Q_PROPERTY(bool saved READ saved NOTIFY savedChanged)
    // The last write failed (the error was shown); the edits wait for the next try.
    Q_PROPERTY(bool failed READ failed NOTIFY failedChanged)

public:
    static AutosavePres *instance() { return Singleton<AutosavePres>::instance(); }

    static constexpr int defaultDelayMs = 1000;

    bool pending() const { return m_pending; }
    bool saved() const { return m_saved; }
    bool failed() const { return m_failed; }
    // What is kept saved: the open project with its style, in the saved-projects list. Its
    // edits come in through edited(), explicitlySaved() and projectDeleted().
    void setProject(IOpenProject *project, IProjectStyle *style, IProjectStore *store);
    // How long after the last edit the project is written.
    void setDelay(int milliseconds) { m_timer.setInterval(milliseconds); }

    // Writes the waiting edits now; nothing when there are none.
    Q_INVOKABLE void flush();
    // Opens the saved project at that row of the saved-projects list, with its style, after
    // writing the edits of the project it replaces.
    Q_INVOKABLE void openProject(int row);
    // An empty project with the default style in place of the open one, which is written first.
    Q_INVOKABLE void newProject();

public Q_SLOTS:
    // The project or its style changed: written a moment after the last such change.
    void edited();
    // The user saved the project: its style goes with it, nothing waits.
    void explicitlySaved();
    // A saved project was deleted; when it is the open one, an empty project replaces it.
    void projectDeleted(const QString &id);

Q_SIGNALS:
    void pendingChanged();
    void savedChanged();
    void failedChanged();

private:
    friend class Singleton<AutosavePres>;
    AutosavePres();

    void setState(bool pending, bool saved, bool failed = false);

    IOpenProject *m_project = nullptr;
    IProjectStyle *m_style = nullptr;
    IProjectStore *m_store = nullptr;
    QTimer m_timer;
    bool m_pending = false;
    bool m_saved = false;
    bool m_failed = false;
};
