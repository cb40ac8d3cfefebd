#pragma once
// The drawing state a control sets before it draws. The draw context keeps
// whatever the views painted before it left there, so a control that relied
// on it would look different when repainted alone (on hover, say) than in a
// full repaint.

#include "toolkit/CDrawContext.h"

// Anti-aliased on whole pixels, solid lines one pixel wide.
inline void setControlDrawState(VSTGUI::CDrawContext* context)
{
    context->setDrawMode(VSTGUI::kAntiAliasing);
    context->setLineStyle(VSTGUI::kLineSolid);
    context->setLineWidth(1);
}
