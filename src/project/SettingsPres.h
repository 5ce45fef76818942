#pragma once

#include "app/Singleton.h"
#include "project/IOutputChoices.h"

#include <QObject>
#include <QString>

// The output resolution (0 720p, 1 1080p, 2 2160p) and the folder videos are written to, as the
// settings screen shows them. They are the open project's own: opening a project shows its
// settings here, and the user's changes go back into it (outputEdited).
class SettingsPres : public QObject, public IOutputChoices
{
    Q_OBJECT
    Q_PROPERTY(int resolution READ resolution WRITE setResolution NOTIFY resolutionChanged)
    Q_PROPERTY(QString saveDir READ saveDir WRITE setSaveDir NOTIFY saveDirChanged)

public:
    static SettingsPres *instance() { return Singleton<SettingsPres>::instance(); }

    int resolution() const override { return m_resolution; }
    void setResolution(int resolution);
    // The stored folder with links and dot segments resolved; as stored while it does not exist.
    QString saveDir() const override;
    // Always announced, even unchanged, so the screen refreshes the folder it shows.
    void setSaveDir(const QString &saveDir);

    // Whether a file can be created in saveDir; if not, tells the user to pick another folder.
    Q_INVOKABLE bool checkSaveDirPermission(const QString &saveDir);
    // Creates the stored folder so the folder chooser can open in it.
    Q_INVOKABLE void mkSaveDir();

    // Shows an opened project's settings; not an edit.
    void showOutput(int resolution, const QString &saveDir) override;

Q_SIGNALS:
    void resolutionChanged();
    void saveDirChanged();
    // The user changed the resolution or the folder.
    void outputEdited();

private:
    friend class Singleton<SettingsPres>;
    SettingsPres();

    int m_resolution;
    QString m_saveDir;
};
