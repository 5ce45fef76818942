#include "project/SlidesListModel.h"
#include "project/ImgSlidePres.h"
#include "project/SeparatorSlidePres.h"
#include "project/TextSlidePres.h"

#include <QFileInfo>

#include <algorithm>

SlidesListModel::SlidesListModel()
    : m_separator(new SeparatorSlidePres)
{
}

SlidesListModel::~SlidesListModel()
{
    for (SlidePres *presenter : std::as_const(m_items))
        dispose(presenter);
    delete m_separator;
}

int SlidesListModel::rowCount(const QModelIndex &parent) const
{
    // Rows have no children: a list that repeated its rows under every row would nest forever.
    return parent.isValid() ? 0 : m_items.size();
}

QVariant SlidesListModel::data(const QModelIndex &index, int role) const
{
    if (!isRow(index.row()))
        return QVariant();
    const SlidePres *presenter = m_items.at(index.row());
    const Slide &slide = *presenter->slide();
    switch (role) {
    case TypeRole:
        return presenter->kind();
    case ImgIdRole:
        return presenter->imgId();
    case TextRole:
        return presenter->kind() == TextKind ? QVariant(slide.content) : QVariant();
    case SlideRotationRole:
        return presenter->kind() == ImageKind ? slide.rotation : 0;
    case DurationTypeRole:
        return slide.durationType;
    case DurationRole:
        return slide.duration;
    case MissingRole:
        return presenter->kind() == ImageKind && slide.missing;
    case FileNameRole:
        return presenter->kind() == ImageKind ? QVariant(QFileInfo(slide.content).fileName()) : QVariant();
    case PathRole:
        return presenter->kind() == ImageKind ? QVariant(slide.content) : QVariant();
    case UnreadableRole:
        return presenter->kind() == ImageKind && slide.unreadable;
    case LengthRole:
        return m_lengths.value(slideIndexAt(index.row()), 0.0);
    default:
        return QVariant();
    }
}

QHash<int, QByteArray> SlidesListModel::roleNames() const
{
    return {
        {TypeRole, "type"},
        {ImgIdRole, "imgId"},
        {TextRole, "text"},
        {SlideRotationRole, "slideRotation"},
        {DurationTypeRole, "durationType"},
        {DurationRole, "duration"},
        {MissingRole, "missing"},
        {FileNameRole, "fileName"},
        {PathRole, "path"},
        {UnreadableRole, "unreadable"},
        {LengthRole, "length"},
    };
}

void SlidesListModel::appendSlide(SlidePres *presenter)
{
    insertSlide(presenter, m_items.size());
}

void SlidesListModel::appendSlides(const QList<SlidePres *> &presenters)
{
    if (presenters.isEmpty())
        return;
    for (SlidePres *presenter : presenters)
        watch(presenter);
    const int first = m_items.size();
    m_rows.clear();
    beginInsertRows(QModelIndex(), first, first + presenters.size() - 1);
    m_items.append(presenters);
    endInsertRows();
}

void SlidesListModel::insertSlide(SlidePres *presenter, int row)
{
    watch(presenter);
    insertRow(presenter, qBound(0, row, m_items.size()));
}

void SlidesListModel::watch(SlidePres *presenter)
{
    connect(presenter, &SlidePres::imgIdChanged, this, &SlidesListModel::onImgIdChanged, Qt::UniqueConnection);
    if (auto *photo = qobject_cast<ImgSlidePres *>(presenter))
        connect(photo, &ImgSlidePres::unreadableChanged, this, &SlidesListModel::onUnreadableChanged,
                Qt::UniqueConnection);
}

int SlidesListModel::removeSlideAt(int row)
{
    if (!isRow(row))
        return 0;
    SlidePres *presenter = takeRow(row);
    const int kind = presenter->kind();
    dispose(presenter);
    return kind;
}

void SlidesListModel::clear()
{
    if (m_items.isEmpty())
        return;
    beginResetModel();
    const QList<SlidePres *> items = m_items;
    m_items.clear();
    m_rows.clear();
    endResetModel();
    for (SlidePres *presenter : items)
        dispose(presenter);
}

void SlidesListModel::setSlideLengths(const QVector<double> &lengths)
{
    // Qt 6.4 compares two empty lists through memcmp on null pointers.
    if (lengths.size() == m_lengths.size() && (lengths.isEmpty() || lengths == m_lengths))
        return;
    int first = -1;
    int last = -1;
    for (int i = 0; i < qMax(lengths.size(), m_lengths.size()); ++i) {
        if (lengths.value(i, -1.0) == m_lengths.value(i, -1.0))
            continue;
        const int row = rowOfSlide(i);
        // Slides the grid does not show yet are told when their rows come.
        if (row < 0 || row >= m_items.size())
            continue;
        first = first < 0 ? row : qMin(first, row);
        last = qMax(last, row);
    }
    m_lengths = lengths;
    if (first >= 0)
        Q_EMIT dataChanged(index(first), index(last), {LengthRole});
}

void SlidesListModel::setSlideDuration(int row, int durationType, double duration)
{
    if (!isRow(row))
        return;
    Slide &slide = *m_items.at(row)->slide();
    slide.durationType = durationType;
    slide.duration = duration;
    Q_EMIT dataChanged(index(row), index(row), {DurationTypeRole, DurationRole});
}

bool SlidesListModel::setSlideRotation(int row, int rotation)
{
    if (kindAt(row) != ImageKind)
        return false;
    m_items.at(row)->slide()->rotation = rotation;
    Q_EMIT dataChanged(index(row), index(row), {SlideRotationRole});
    return true;
}

bool SlidesListModel::setSlideText(int row, const QString &text)
{
    if (kindAt(row) != TextKind)
        return false;
    static_cast<TextSlidePres *>(m_items.at(row))->setText(text);
    Q_EMIT dataChanged(index(row), index(row), {TextRole});
    return true;
}

bool SlidesListModel::locateSlide(int row, const QString &path)
{
    if (kindAt(row) != ImageKind || !m_items.at(row)->slide()->missing)
        return false;
    static_cast<ImgSlidePres *>(m_items.at(row))->locate(path);
    Q_EMIT dataChanged(index(row), index(row), {MissingRole, FileNameRole, PathRole, UnreadableRole});
    return true;
}

void SlidesListModel::placeSeparator(int used, int count)
{
    const int row = m_items.indexOf(m_separator);
    if (row == used && used != count)
        return;
    if (row >= 0)
        takeRow(row);
    if (used < count)
        insertSlide(m_separator, used);
}

QVector<SlidePtr> SlidesListModel::slides() const
{
    QVector<SlidePtr> records;
    records.reserve(m_items.size());
    for (const SlidePres *presenter : m_items) {
        if (presenter != m_separator)
            records.append(presenter->slide());
    }
    return records;
}

bool SlidesListModel::containsTextSlide() const
{
    return std::any_of(m_items.cbegin(), m_items.cend(),
                       [](const SlidePres *presenter) { return presenter->kind() == TextKind; });
}

int SlidesListModel::kindAt(int row) const
{
    return isRow(row) ? m_items.at(row)->kind() : 0;
}

int SlidesListModel::slideIndexAt(int row) const
{
    if (!isRow(row) || m_items.at(row) == m_separator)
        return -1;
    const int separator = separatorRow();
    return separator >= 0 && separator < row ? row - 1 : row;
}

int SlidesListModel::separatorRow() const
{
    return rowOf(m_separator);
}

int SlidesListModel::rowOfSlide(int index) const
{
    const int separator = separatorRow();
    return separator >= 0 && separator <= index ? index + 1 : index;
}

// Neighbouring rows go as one block: undoing the adding of 500 photos is one notification.
QList<SlidePres *> SlidesListModel::takeSlides(const QVector<int> &indices)
{
    QVector<int> rows;
    rows.reserve(indices.size());
    for (int index : indices) {
        const int row = rowOfSlide(index);
        if (isRow(row) && m_items.at(row) != m_separator)
            rows.append(row);
    }
    QList<QList<SlidePres *>> blocks; // from the last one up
    for (int end = int(rows.size()); end > 0;) {
        int begin = end - 1;
        while (begin > 0 && rows.at(begin - 1) == rows.at(begin) - 1)
            --begin;
        const int first = rows.at(begin), last = rows.at(end - 1);
        m_rows.clear();
        beginRemoveRows(QModelIndex(), first, last);
        blocks.append(m_items.mid(first, last - first + 1));
        m_items.erase(m_items.begin() + first, m_items.begin() + last + 1);
        endRemoveRows();
        end = begin;
    }
    QList<SlidePres *> taken;
    taken.reserve(rows.size());
    for (auto block = blocks.crbegin(); block != blocks.crend(); ++block)
        taken.append(*block);
    return taken;
}

void SlidesListModel::putSlides(const QList<QPair<int, SlidePres *>> &slides)
{
    // Followed here rather than looked up after each block: each look-up would index every row.
    int separator = separatorRow();
    for (int begin = 0; begin < slides.size();) {
        int end = begin + 1;
        while (end < slides.size() && slides.at(end).first == slides.at(end - 1).first + 1)
            ++end;
        // After the separator when it stands at the place: adding at the end leaves it alone.
        const int index = slides.at(begin).first;
        const int first = qBound(0, separator >= 0 && separator <= index ? index + 1 : index, int(m_items.size()));
        QList<SlidePres *> block;
        block.reserve(end - begin);
        for (int k = begin; k < end; ++k) {
            watch(slides.at(k).second);
            block.append(slides.at(k).second);
        }
        m_rows.clear();
        beginInsertRows(QModelIndex(), first, first + int(block.size()) - 1);
        m_items.insert(first, block.size(), nullptr);
        std::copy(block.cbegin(), block.cend(), m_items.begin() + first);
        endInsertRows();
        if (separator >= first)
            separator += int(block.size());
        begin = end;
    }
}

SlidePtr SlidesListModel::slideAt(int row) const
{
    return isRow(row) && m_items.at(row) != m_separator ? m_items.at(row)->slide() : SlidePtr();
}

void SlidesListModel::onImgIdChanged(QObject *presenter)
{
    const int row = rowOf(static_cast<SlidePres *>(presenter));
    if (row >= 0)
        Q_EMIT dataChanged(index(row), index(row), {ImgIdRole});
}

// Rebuilt after the rows change, on the first look-up: thumbnails arriving for a project of
// 100 000 photos find their rows in constant time, and a batch of moves rebuilds it once.
int SlidesListModel::rowOf(const SlidePres *presenter) const
{
    if (m_rows.isEmpty() && !m_items.isEmpty()) {
        m_rows.reserve(m_items.size());
        for (int row = 0; row < m_items.size(); ++row)
            m_rows.insert(m_items.at(row), row);
    }
    return m_rows.value(presenter, -1);
}

void SlidesListModel::onUnreadableChanged(QObject *presenter)
{
    const int row = rowOf(static_cast<SlidePres *>(presenter));
    if (row < 0)
        return;
    Q_EMIT dataChanged(index(row), index(row), {UnreadableRole});
    Q_EMIT slideLeftOut();
}

void SlidesListModel::insertRow(SlidePres *presenter, int row)
{
    m_rows.clear();
    beginInsertRows(QModelIndex(), row, row);
    m_items.insert(row, presenter);
    endInsertRows();
}

SlidePres *SlidesListModel::takeRow(int row)
{
    m_rows.clear();
    beginRemoveRows(QModelIndex(), row, row);
    SlidePres *presenter = m_items.takeAt(row);
    endRemoveRows();
    return presenter;
}

void SlidesListModel::dispose(SlidePres *presenter) const
{
    if (presenter != m_separator)
        delete presenter;
}
