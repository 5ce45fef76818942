#pragma once

#include "app/Singleton.h"
#include "project/ISlideRows.h"
#include "project/Slide.h"

#include <QAbstractListModel>
#include <QHash>
#include <QList>
#include <QPair>
#include <QVector>

class SlidePres;
class SeparatorSlidePres;

// The photo grid: one presenter per slide in display order, plus the separator where the
// music ends. Owns every presenter in its rows except the separator, which it keeps for good.
class SlidesListModel : public QAbstractListModel, public ISlideRows
{
    Q_OBJECT

public:
    enum Roles {
        TypeRole = Qt::UserRole + 1,
        ImgIdRole,
        TextRole,
        SlideRotationRole,
        DurationTypeRole,
        DurationRole,
        MissingRole,  // a photo that was not there when the project opened
        FileNameRole, // a photo's file name, without its folder
        PathRole,     // a photo's full path
        UnreadableRole, // a photo that is there but cannot be read
        LengthRole,     // seconds the slide lasts in the video
    };

    static SlidesListModel *instance() { return Singleton<SlidesListModel>::instance(); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    void appendSlide(SlidePres *presenter);
    // Appends the presenters as one block: a single row-insert notification for all of them, so
    // the grid lays out once however many photos arrive.
    void appendSlides(const QList<SlidePres *> &presenters);
    void insertSlide(SlidePres *presenter, int row);
    // Returns the removed row's kind, or 0 when there is no such row.
    int removeSlideAt(int row);
    // Removes every row; slide presenters are destroyed, the separator is kept.
    void clear();
    void setSlideDuration(int row, int durationType, double duration);
    // Seconds each slide lasts in the video, by slide index; rows whose length changed are told.
    void setSlideLengths(const QVector<double> &lengths);
    // Both false, with nothing changed, for a row of another kind or no such row.
    bool setSlideRotation(int row, int rotation);
    bool setSlideText(int row, const QString &text);
    // Points a missing photo's row at path; false, with nothing changed, for any other row.
    bool locateSlide(int row, const QString &path);
    void placeSeparator(int used, int count);

    QVector<SlidePtr> slides() const;
    bool containsTextSlide() const;
    int kindAt(int row) const;
    // The slide record of that row; null for the separator or no such row.
    SlidePtr slideAt(int row) const;
    int slideIndexAt(int row) const override;
    // The grid row of the slide at that index (the separator not counted); rowCount() past the last.
    int rowOfSlide(int index) const;
    // -1 while every slide goes into the video.
    int separatorRow() const;
    // Takes out the slides at these indices (ascending, the separator not counted) and hands
    // over their presenters, in the same order. The separator stays; placeSeparator moves it.
    QList<SlidePres *> takeSlides(const QVector<int> &indices);
    // Puts each presenter at its index among the slides, ascending: the indices are where they
    // stand once all are in.
    void putSlides(const QList<QPair<int, SlidePres *>> &slides);
    SeparatorSlidePres *separatorPres() const { return m_separator; }

Q_SIGNALS:
    // A photo turned out unreadable: the video leaves it out from now on.
    void slideLeftOut();

public Q_SLOTS:
    void onImgIdChanged(QObject *presenter);
    void onUnreadableChanged(QObject *presenter);

private:
    friend class Singleton<SlidesListModel>;
    SlidesListModel();
    ~SlidesListModel() override;

    bool isRow(int row) const { return row >= 0 && row < m_items.size(); }
    int rowOf(const SlidePres *presenter) const;
    void watch(SlidePres *presenter);
    void insertRow(SlidePres *presenter, int row);
    SlidePres *takeRow(int row);
    void dispose(SlidePres *presenter) const;

    SeparatorSlidePres *m_separator;
    QList<SlidePres *> m_items;
    mutable QHash<const SlidePres *, int> m_rows; // row of each presenter; empty when stale
    QVector<double> m_lengths; // by slide index
};
