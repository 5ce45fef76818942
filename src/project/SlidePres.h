#pragma once

#include "project/Slide.h"

#include <QObject>
#include <QString>

// One row of the photo grid: the shared slide record plus the id of its picture in the
// "ImageProvider" image provider.
class SlidePres : public QObject
{
    Q_OBJECT

public:
    SlidePres(const SlidePtr &slide, int kind);
    ~SlidePres() override;

    SlidePtr slide() const { return m_slide; }
    int kind() const { return m_kind; }
    QString imgId() const { return m_imgId; }

Q_SIGNALS:
    void imgIdChanged(QObject *presenter);

protected:
    // Takes a freshly registered picture id, optionally announces it, then releases the old one.
    void replaceImgId(const QString &id, bool announce);

private:
    static void releaseImgId(const QString &id);

    SlidePtr m_slide;
    int m_kind;
    QString m_imgId;
};
