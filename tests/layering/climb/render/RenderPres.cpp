// A presenter reaching another by its instance(): the layering check must name that call, and
// not the presenter's own instance().
#include "project/ProjectPres.h"

void startRender()
{
    RenderPres::instance()->start(ProjectPres::instance()->project());
}
