#include "project/ImgSlidePres.h"
#include "images/ImageProvider.h"
#include "images/ThumbGenerator.h"

// Thumbnail side in device-independent pixels.
static constexpr int thumbSide = 150;

ImgSlidePres::ImgSlidePres(const SlidePtr &slide, double pixelRatio)
    : SlidePres(slide, ImageKind)
{
    const int side = int(pixelRatio * thumbSide);
    m_thumbTask.path = slide->content;
    m_thumbTask.height = side;
    m_thumbTask.width = side;
    ThumbGenerator *generator = ThumbGenerator::instance();
    connect(generator, &ThumbGenerator::generated, this, &ImgSlidePres::thumbGenerated);
    generator->addTask(m_thumbTask);
}

ImgSlidePres::~ImgSlidePres()
{
    // At exit the generator may already be gone, and with it every queued task.
    if (ThumbGenerator *generator = ThumbGenerator::instance())
        generator->removeTask(m_thumbTask);
}

void ImgSlidePres::thumbGenerated(ThumbGeneratorTask task, QSharedPointer<QImage> image)
{
    if (task != m_thumbTask)
        return;
    replaceImgId(ImageProvider::instance()->addImage(image), true);
}
