#include "project/SavedProjectsPres.h"

#include "app/AppConstants.h"
#include "app/AppPaths.h"
#include "app/CommonError.h"
#include "app/Logging.h"
#include "images/PrjImgProvider.h"
#include "images/ThumbGenerator.h"
#include "project/ProjectFile.h"
#include "project/ProjectThumbnails.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <QUuid>

#include <algorithm>

namespace {

QStringList folderThumbIds(const QString &id, int slidesCount)
{
    QStringList ids;
    for (int k = 1; k <= qMin(slidesCount, ProjectThumbnails::count); ++k)
        ids.append(id + QLatin1Char('/') + QString::number(k));
    return ids;
}

// Element index of imgs set to value, padding with empty ids when the list is shorter.
void setImg(QStringList &imgs, int index, const QString &value)
{
    while (imgs.size() <= index)
        imgs.append(QString());
    imgs[index] = value;
}

// Creates and deletes an empty file so the folder's modification time is the time of the save.
void touchFolder(const QDir &folder)
{
    QFile dummy(folder.filePath(AppConstants::dummyFileName));
    if (dummy.open(QIODevice::ReadWrite)) {
        dummy.close();
        dummy.remove();
    }
}

} // namespace

SavedProjectsPres::SavedProjectsPres()
    : m_projectsDir(AppPaths::projectsDir)
{
    connect(ThumbGenerator::instance(), &ThumbGenerator::generated, this, &SavedProjectsPres::thumbGenerated);
    connect(ThumbGenerator::instance(), &ThumbGenerator::failed, this, &SavedProjectsPres::thumbFailed);
    // An unset folder would list the working directory.
    if (m_projectsDir.isEmpty())
        return;
    const QStringList folders = QDir(m_projectsDir).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Time);
    for (const QString &id : folders) {
        if (const SavedProjectEntryPtr entry = listedEntry(id))
            m_entries.append(entry);
    }
}

SavedProjectEntryPtr SavedProjectsPres::listedEntry(const QString &id)
{
    const QDir folder(folderOf(id));
    const QString infoFile = folder.filePath(AppConstants::infoFileName);
    const QString projectFile = folder.filePath(AppConstants::projectFileName);
    const bool hasInfo = QFileInfo::exists(infoFile);
    const bool hasProject = QFileInfo::exists(projectFile);
    if (!hasInfo && !hasProject)
        return {};
    ProjectInfo info;
    if (hasInfo) {
        info = readProjectInfo(infoFile);
    } else {
        // The list's own summary is gone: made again from the project, named after its last save.
        const ProjectPtr project = readProjectFile(projectFile);
        info = projectInfoOf(*project, QFileInfo(projectFile).lastModified());
    }
    SavedProjectEntryPtr entry = entryFor(id, info);
    entry->damaged = !projectFileLooksWhole(projectFile);
    return entry;
}

SavedProjectsPres::~SavedProjectsPres() = default;

int SavedProjectsPres::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_entries.size();
}

QVariant SavedProjectsPres::data(const QModelIndex &index, int role) const
{
    if (index.row() < 0 || index.row() >= m_entries.size())
        return {};
    const SavedProjectEntry &entry = *m_entries.at(index.row());
    switch (role) {
    case NameRole:
        return entry.name;
    case AudioNameRole:
        return entry.audioName;
    case SlidesCountRole:
        return entry.slidesCount;
    case ImgsRole:
        return entry.imgs;
    case LastModifiedRole:
        return entry.lastModified;
    case DamagedRole:
        return entry.damaged;
    default:
        return {};
    }
}

QHash<int, QByteArray> SavedProjectsPres::roleNames() const
{
    return {{NameRole, "name"},
            {AudioNameRole, "audioName"},
            {SlidesCountRole, "slidesCount"},
            {ImgsRole, "imgs"},
            {LastModifiedRole, "lastModified"},
            {DamagedRole, "damaged"}};
}

QString SavedProjectsPres::folderOf(const QString &id) const
{
    return m_projectsDir + id;
}

int SavedProjectsPres::rowOf(const SavedProjectEntryPtr &entry) const
{
    return m_entries.indexOf(entry);
}

SavedProjectEntryPtr SavedProjectsPres::entryFor(const QString &id, const ProjectInfo &info)
{
    auto entry = SavedProjectEntryPtr::create();
    entry->id = id;
    entry->name = info.name;
    entry->audioName = info.audio;
    entry->slidesCount = info.slidesCount;
    entry->imgs = folderThumbIds(id, info.slidesCount);
    entry->lastModified = QDateTime::currentDateTime();
    return entry;
}

QString SavedProjectsPres::saveProject(const ProjectPtr &project)
{
    if (project->id.isEmpty())
        project->id = QUuid::createUuid().toString();
    const QString id = project->id;
    const QDir folder(folderOf(id));
    folder.mkpath(QStringLiteral("."));

    const ProjectInfo info = projectInfoOf(*project, QDateTime::currentDateTime());
    writeProjectInfo(folder.filePath(AppConstants::infoFileName), info);

    auto found = std::find_if(m_entries.begin(), m_entries.end(),
                              [&id](const SavedProjectEntryPtr &e) { return e->id == id; });
    SavedProjectEntryPtr entry;
    if (found != m_entries.end()) {
        entry = *found;
        entry->slidesCount = info.slidesCount;
        entry->audioName = info.audio;
        entry->name = info.name;
        const int row = int(found - m_entries.begin());
        if (row > 0) {
            beginMoveRows(QModelIndex(), row, row, QModelIndex(), 0);
            m_entries.move(row, 0);
            endMoveRows();
        }
    } else {
        entry = entryFor(id, info);
        beginInsertRows(QModelIndex(), 0, 0);
        m_entries.prepend(entry);
        endInsertRows();
    }

    const bool thumbsChanged = updateThumbnails(project, entry);
    notifyRow(0, thumbsChanged ? QVector<int>() : m_textRoles);

    const QString projectPath = folder.filePath(AppConstants::projectFileName);
    if (!keepDamagedFile(project, projectPath))
        return QString();
    QString reason;
    const bool written = writeProjectFile(projectPath, project, &reason);
    if (!written)
        CommonError::report(QStringLiteral("Failed to save the project to %1: %2").arg(projectPath, reason));
    entry->damaged = entry->damaged && !written;
    touchFolder(folder);
    return written ? id : QString();
}

bool SavedProjectsPres::keepDamagedFile(const ProjectPtr &project, const QString &projectPath)
{
    if (project->damage.isEmpty())
        return true;
    QString reason;
    const QString copy = QFileInfo::exists(projectPath) ? keepDamagedCopy(projectPath, &reason) : projectPath;
    if (copy.isEmpty()) {
        CommonError::report(QStringLiteral("The damaged project file %1 was not saved over: no copy of it could be "
                                           "kept (%2)")
                                .arg(projectPath, reason));
        return false;
    }
    qCInfo(lcProject) << "kept the damaged project file as" << copy;
    project->damage.clear();
    return true;
}

bool SavedProjectsPres::updateThumbnails(const ProjectPtr &project, const SavedProjectEntryPtr &entry)
{
    if (project->id != m_cachedProjectId) {
        m_thumbKeys.clear();
        m_cachedProjectId = project->id;
    }
    const QDir folder(folderOf(entry->id));
    const int handled = qMin(project->slides.size(), ProjectThumbnails::count);
    bool changed = false;
    for (int n = 1; n <= handled; ++n) {
        const Slide &slide = *project->slides.at(n - 1);
        const bool photo = slide.type == ImageSlideType;
        const QString key = photo ? slide.content + QString::number(slide.rotation) : slide.content;
        if (m_thumbKeys.contains(n) && m_thumbKeys.value(n) == key)
            continue;
        m_thumbKeys.insert(n, key);
        changed = true;
        // A request still on its way is for what stood here before: its picture would overwrite this one.
        dropPendingThumb(entry, n);
        const QString file = ProjectThumbnails::fileIn(folder, n);
        if (photo) {
            // Until the new picture comes, and for good if it never does, the old one is gone.
            QFile::remove(file);
            setImg(entry->imgs, n - 1, QString());
            const ThumbGeneratorTask task{slide.content, ProjectThumbnails::side, ProjectThumbnails::side};
            m_pendingThumbs.append(ThumbRequest{entry, n, file, task, slide.rotation});
            ThumbGenerator::instance()->addTask(task);
        } else {
            setImg(entry->imgs, n - 1, PrjImgProvider::instance()->addProjectThumbAlias(entry->id, n));
            ProjectThumbnails::save(ProjectThumbnails::fromText(slide.content), file);
        }
    }
    for (int k = ProjectThumbnails::count; k > handled; --k) {
        dropPendingThumb(entry, k);
        QFile::remove(ProjectThumbnails::fileIn(folder, k));
        // Forgotten too, so a slide that comes back at that place gets its file again.
        m_thumbKeys.remove(k);
        if (entry->imgs.size() >= k) {
            entry->imgs.removeLast();
            changed = true;
        }
    }
    return changed;
}

void SavedProjectsPres::thumbGenerated(ThumbGeneratorTask task, QSharedPointer<QImage> image)
{
    // An empty result may be followed by a better pass; the request waits for it.
    if (!image || image->isNull())
        return;
    for (auto it = m_pendingThumbs.begin(); it != m_pendingThumbs.end();) {
        if (it->task != task) {
            ++it;
            continue;
        }
        ProjectThumbnails::save(ProjectThumbnails::fromPhoto(*image, it->rotation), it->file);
        setImg(it->entry->imgs, it->n - 1, PrjImgProvider::instance()->addProjectThumbAlias(it->entry->id, it->n));
        notifyRow(rowOf(it->entry), m_thumbRoles);
        it = m_pendingThumbs.erase(it);
    }
}

void SavedProjectsPres::thumbFailed(ThumbGeneratorTask task)
{
    // The slot keeps its empty id: the list shows an empty square for a picture that cannot be read.
    dropPendingThumbs([&task](const ThumbRequest &r) { return r.task == task; });
}

bool SavedProjectsPres::waitForThumbnails(int timeoutMs)
{
    if (m_pendingThumbs.isEmpty())
        return true;
    QEventLoop loop;
    // Connected after this list's own slots, so these run once a result has been taken.
    const auto check = [this, &loop] {
        if (m_pendingThumbs.isEmpty())
            loop.quit();
    };
    const QMetaObject::Connection generated = connect(ThumbGenerator::instance(), &ThumbGenerator::generated, &loop, check);
    const QMetaObject::Connection failed = connect(ThumbGenerator::instance(), &ThumbGenerator::failed, &loop, check);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    disconnect(generated);
    disconnect(failed);
    return m_pendingThumbs.isEmpty();
}

void SavedProjectsPres::dropPendingThumb(const SavedProjectEntryPtr &entry, int n)
{
    dropPendingThumbs([&](const ThumbRequest &r) { return r.entry == entry && r.n == n; });
}

template <typename Drop>
void SavedProjectsPres::dropPendingThumbs(Drop drop)
{
    m_pendingThumbs.erase(std::remove_if(m_pendingThumbs.begin(), m_pendingThumbs.end(), drop), m_pendingThumbs.end());
}

void SavedProjectsPres::notifyRow(int row, const QVector<int> &roles)
{
    if (row < 0 || row >= m_entries.size())
        return;
    const QModelIndex at = index(row);
    Q_EMIT dataChanged(at, at, roles);
}

ProjectPtr SavedProjectsPres::loadProject(int row)
{
    if (row < 0 || row >= m_entries.size())
        return ProjectPtr::create();
    const QString id = m_entries.at(row)->id;
    QString damage;
    const ProjectPtr project = readProjectFile(QDir(folderOf(id)).filePath(AppConstants::projectFileName), &damage);
    project->id = id;
    project->damage = damage;
    // A list made without the project file, or before it was damaged, did not know.
    if (m_entries.at(row)->damaged != !damage.isEmpty()) {
        m_entries.at(row)->damaged = !damage.isEmpty();
        notifyRow(row, m_textRoles);
    }
    return project;
}

StyleSettingsPtr SavedProjectsPres::loadStyle(int row)
{
    if (row < 0 || row >= m_entries.size())
        return StyleSettingsPtr::create();
    return readStyleFile(QDir(folderOf(m_entries.at(row)->id)).filePath(AppConstants::styleFileName));
}

void SavedProjectsPres::saveStyle(const QString &id, const StyleSettingsPtr &style)
{
    if (id.isEmpty())
        return;
    const QDir folder(folderOf(id));
    folder.mkpath(QStringLiteral("."));
    writeStyleFile(folder.filePath(AppConstants::styleFileName), style);
}

bool SavedProjectsPres::remove(int index)
{
    if (index < 0 || index >= m_entries.size())
        return false;
    const SavedProjectEntryPtr entry = m_entries.at(index);
    m_thumbKeys.clear();
    beginRemoveRows(QModelIndex(), index, index);
    m_entries.removeAt(index);
    endRemoveRows();
    dropPendingThumbs([&entry](const ThumbRequest &r) { return r.entry == entry; });
    const bool removed = !entry->id.isEmpty() && QDir(folderOf(entry->id)).removeRecursively();
    if (removed)
        Q_EMIT projectDeleted(entry->id);
    return removed;
}
