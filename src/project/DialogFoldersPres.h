#pragma once

#include "app/Singleton.h"

#include <QObject>
#include <QSettings>
#include <QSharedPointer>
#include <QStandardPaths>
#include <QUrl>

class IOutputChoices;

// Where the file dialogs open (QML "dialogFolders"): where a dialog of the same kind was last left,
// kept across restarts; before that, and once that folder is gone, in the user's folder for the
// kind (Pictures, Music, Videos; home without it). Read as the dialog opens: a folder removed
// meanwhile is not announced. Setting one remembers where a dialog was left (a file: its folder).
class DialogFoldersPres : public QObject
{
    Q_OBJECT
    // Add Images, Add Folder, Locate and the custom background picture.
    Q_PROPERTY(QUrl photosFolder READ photosFolder WRITE setPhotosFolder NOTIFY photosFolderChanged)
    Q_PROPERTY(QUrl audioFolder READ audioFolder WRITE setAudioFolder NOTIFY audioFolderChanged)
    // The result-folder chooser: the current result folder while it exists.
    Q_PROPERTY(QUrl resultFolder READ resultFolder WRITE setResultFolder NOTIFY resultFolderChanged)

public:
    static DialogFoldersPres *instance() { return Singleton<DialogFoldersPres>::instance(); }

    QUrl photosFolder() const;
    QUrl audioFolder() const;
    QUrl resultFolder() const;
    // The video settings' folder, where the result-folder chooser opens while it exists; its
    // changes are announced as resultFolderChanged.
    void setOutputChoices(const IOutputChoices *output) { m_output = output; }

public Q_SLOTS:
    void setPhotosFolder(const QUrl &folder);
    void setAudioFolder(const QUrl &folder);
    void setResultFolder(const QUrl &folder);

Q_SIGNALS:
    void photosFolderChanged();
    void audioFolderChanged();
    void resultFolderChanged();

private:
    friend class Singleton<DialogFoldersPres>;
    DialogFoldersPres();

    QUrl folder(const QString &key, QStandardPaths::StandardLocation standard) const;
    // False when nothing changed, or when folder names no local file or folder.
    bool remember(const QString &key, const QUrl &folder);

    QSharedPointer<QSettings> m_settings;
    const IOutputChoices *m_output = nullptr;
};
