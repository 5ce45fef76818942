#include "project/SlidePres.h"
#include "app/AppConstants.h"
#include "images/ImageProvider.h"

SlidePres::SlidePres(const SlidePtr &slide, int kind)
    : m_slide(slide)
    , m_kind(kind)
    , m_imgId(AppConstants::slideStubId)
{
}

SlidePres::~SlidePres()
{
    releaseImgId(m_imgId);
}

void SlidePres::replaceImgId(const QString &id, bool announce)
{
    const QString previous = m_imgId;
    m_imgId = id;
    if (announce)
        Q_EMIT imgIdChanged(this);
    releaseImgId(previous);
}

void SlidePres::releaseImgId(const QString &id)
{
    if (id == AppConstants::slideStubId)
        return;
    // At exit the provider may already be gone; then there is nothing left to release.
    if (ImageProvider *provider = ImageProvider::instance())
        provider->removeImage(id);
}
