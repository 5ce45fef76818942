#include "project/SeparatorSlidePres.h"

static SlidePtr dummySlide()
{
    SlidePtr slide(new Slide);
    slide->type = TextSlideType;
    return slide;
}

SeparatorSlidePres::SeparatorSlidePres()
    : SlidePres(dummySlide(), SeparatorKind)
{
}
