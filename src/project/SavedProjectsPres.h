#pragma once

#include "app/MetaTypes.h"
#include "app/Singleton.h"
#include "images/ThumbGeneratorTask.h"
#include "project/IProjectStore.h"
#include "project/SavedProjectEntry.h"
#include "theme/StyleSettings.h"

#include <QAbstractListModel>
#include <QImage>
#include <QList>
#include <QMap>
#include <QSharedPointer>

struct ProjectInfo;

// The projects saved under projectsDir, most recently saved first, each with up to five
// thumbnails of its first slides. Saves the open project and reads projects and styles back.
class SavedProjectsPres : public QAbstractListModel, public IProjectStore
{
    Q_OBJECT

public:
    enum Roles {
        NameRole = Qt::UserRole + 1,
        AudioNameRole,
        SlidesCountRole,
        ImgsRole,
        LastModifiedRole,
        DamagedRole,
    };

    static SavedProjectsPres *instance() { return Singleton<SavedProjectsPres>::instance(); }
    // Lists the folders under AppPaths::projectsDir as they are now; tests make their own lists.
    SavedProjectsPres();
    ~SavedProjectsPres() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    QString saveProject(const ProjectPtr &project) override;
    ProjectPtr loadProject(int row) override;
    StyleSettingsPtr loadStyle(int row) override;
    // Nothing happens while the project has no id (it was never saved).
    void saveStyle(const QString &id, const StyleSettingsPtr &style) override;

    Q_INVOKABLE bool remove(int index);

    // Runs the event loop until the thumbnails asked for have arrived or failed, for at most
    // timeoutMs; for the way out, once the window is gone. True when none is left waiting.
    bool waitForThumbnails(int timeoutMs);

Q_SIGNALS:
    void projectDeleted(QString id);

public Q_SLOTS:
    void thumbGenerated(ThumbGeneratorTask task, QSharedPointer<QImage> image);
    void thumbFailed(ThumbGeneratorTask task);

private:
    // A photo thumbnail on its way from the generator.
    struct ThumbRequest
    {
        SavedProjectEntryPtr entry;
        int n = 0;
        QString file;
        ThumbGeneratorTask task;
        int rotation = 0;
    };

    QString folderOf(const QString &id) const;
    int rowOf(const SavedProjectEntryPtr &entry) const;
    SavedProjectEntryPtr entryFor(const QString &id, const ProjectInfo &info);
    // The row of a folder as it is on disk; null for a folder that holds no project.
    SavedProjectEntryPtr listedEntry(const QString &id);
    // Before a project read from a damaged file is first written over it; false when no copy
    // could be kept (the file is then left as it is).
    bool keepDamagedFile(const ProjectPtr &project, const QString &projectPath);
    bool updateThumbnails(const ProjectPtr &project, const SavedProjectEntryPtr &entry);
    void notifyRow(int row, const QVector<int> &roles);
    void dropPendingThumb(const SavedProjectEntryPtr &entry, int n);
    template <typename Drop>
    void dropPendingThumbs(Drop drop);

    QString m_projectsDir;
    QList<SavedProjectEntryPtr> m_entries;
    const QVector<int> m_textRoles{NameRole, AudioNameRole, SlidesCountRole, LastModifiedRole, DamagedRole};
    const QVector<int> m_thumbRoles{ImgsRole};
    QString m_cachedProjectId;
    QMap<int, QString> m_thumbKeys;
    QList<ThumbRequest> m_pendingThumbs;
};
