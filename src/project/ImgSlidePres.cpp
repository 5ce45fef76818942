#include "project/ImgSlidePres.h"
#include "images/ImageProvider.h"
#include "images/ThumbGenerator.h"
#include "project/SlideThumbRouter.h"

// Thumbnail side in device-independent pixels.
static constexpr int thumbSide = 150;

ImgSlidePres::ImgSlidePres(const SlidePtr &slide, double pixelRatio)
    : SlidePres(slide, ImageKind)
    , m_side(int(pixelRatio * thumbSide))
{
    if (!slide->missing)
        requestThumb();
}

ImgSlidePres::~ImgSlidePres()
{
    forgetThumb();
}

void ImgSlidePres::forgetThumb()
{
    // At exit the generator and the router may already be gone, and with them every request.
    if (!m_thumbAsked)
        return;
    m_thumbAsked = false;
    if (ThumbGenerator *generator = ThumbGenerator::instance())
        generator->removeTask(m_thumbTask);
    if (SlideThumbRouter *router = SlideThumbRouter::instance())
        router->unwatch(m_thumbTask, this);
}

void ImgSlidePres::locate(const QString &path)
{
    forgetThumb();
    slide()->content = path;
    slide()->missing = false;
    slide()->unreadable = false;
    requestThumb();
}

void ImgSlidePres::requestThumb()
{
    m_thumbTask.path = slide()->content;
    m_thumbTask.height = m_side;
    m_thumbTask.width = m_side;
    m_thumbAsked = true;
    SlideThumbRouter::instance()->watch(m_thumbTask, this);
    ThumbGenerator::instance()->addTask(m_thumbTask);
}

void ImgSlidePres::thumbGenerated(ThumbGeneratorTask task, QSharedPointer<QImage> image)
{
    if (task != m_thumbTask)
        return;
    replaceImgId(ImageProvider::instance()->addImage(image), true);
}

void ImgSlidePres::thumbFailed(ThumbGeneratorTask task)
{
    if (task != m_thumbTask || slide()->unreadable)
        return;
    slide()->unreadable = true;
    Q_EMIT unreadableChanged(this);
}
