#pragma once

#include "images/ThumbGeneratorTask.h"
#include "project/SlidePres.h"

#include <QImage>
#include <QSharedPointer>

// A photo row: asks the thumbnail generator for a square thumbnail and shows it once it arrives.
// A missing photo asks for none until it is located.
class ImgSlidePres : public SlidePres
{
    Q_OBJECT

public:
    ImgSlidePres(const SlidePtr &slide, double pixelRatio);
    ~ImgSlidePres() override;

    ThumbGeneratorTask thumbTask() const { return m_thumbTask; }
    // The photo is at path now: no longer missing, its thumbnail is asked for.
    void locate(const QString &path);

public Q_SLOTS:
    // The generator's results for this row's request (other requests are ignored).
    virtual void thumbGenerated(ThumbGeneratorTask task, QSharedPointer<QImage> image);
    // No picture could be made for this row's request: the photo cannot be read.
    void thumbFailed(ThumbGeneratorTask task);

Q_SIGNALS:
    void unreadableChanged(QObject *presenter);

private:
    void requestThumb();
    void forgetThumb();

    ThumbGeneratorTask m_thumbTask;
    bool m_thumbAsked = false;
    int m_side;
};
