#include "project/SlideThumbRouter.h"

#include "images/ThumbGenerator.h"
#include "project/ImgSlidePres.h"

SlideThumbRouter::SlideThumbRouter()
{
    connect(ThumbGenerator::instance(), &ThumbGenerator::generated, this, &SlideThumbRouter::deliver);
    connect(ThumbGenerator::instance(), &ThumbGenerator::failed, this, &SlideThumbRouter::deliverFailure);
}

void SlideThumbRouter::watch(const ThumbGeneratorTask &task, ImgSlidePres *row)
{
    m_rows.insert(task, row);
}

void SlideThumbRouter::unwatch(const ThumbGeneratorTask &task, ImgSlidePres *row)
{
    m_rows.remove(task, row);
}

void SlideThumbRouter::deliver(const ThumbGeneratorTask &task, const QSharedPointer<QImage> &image)
{
    forEachRow(task, [&](ImgSlidePres *row) { row->thumbGenerated(task, image); });
}

void SlideThumbRouter::deliverFailure(const ThumbGeneratorTask &task)
{
    forEachRow(task, [&](ImgSlidePres *row) { row->thumbFailed(task); });
}

template <typename Answer>
void SlideThumbRouter::forEachRow(const ThumbGeneratorTask &task, Answer answer)
{
    // Copied: a row's answer may change the rows watching (a view that drops it, say).
    const QList<ImgSlidePres *> rows = m_rows.values(task);
    for (ImgSlidePres *row : rows) {
        if (m_rows.contains(task, row))
            answer(row);
    }
}
