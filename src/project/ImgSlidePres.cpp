#include "project/ImgSlidePres.h"
#include "images/ImageProvider.h"
#include "images/ThumbGenerator.h"

// Thumbnail side in device-independent pixels.
static constexpr int thumbSide = 150;

ImgSlidePres::ImgSlidePres(const SlidePtr &slide, double pixelRatio)
    : SlidePres(slide, ImageKind)
    , m_side(int(pixelRatio * thumbSide))
{
    connect(ThumbGenerator::instance(), &ThumbGenerator::generated, this, &ImgSlidePres::thumbGenerated);
    if (!slide->missing)
        requestThumb();
}

ImgSlidePres::~ImgSlidePres()
{
    // At exit the generator may already be gone, and with it every queued task.
    if (ThumbGenerator *generator = ThumbGenerator::instance())
        generator->removeTask(m_thumbTask);
}

void ImgSlidePres::locate(const QString &path)
{
    ThumbGenerator::instance()->removeTask(m_thumbTask);
    slide()->content = path;
    slide()->missing = false;
    requestThumb();
}

void ImgSlidePres::requestThumb()
{
    m_thumbTask.path = slide()->content;
    m_thumbTask.height = m_side;
    m_thumbTask.width = m_side;
    ThumbGenerator::instance()->addTask(m_thumbTask);
}

void ImgSlidePres::thumbGenerated(ThumbGeneratorTask task, QSharedPointer<QImage> image)
{
    if (task != m_thumbTask)
        return;
    replaceImgId(ImageProvider::instance()->addImage(image), true);
}
