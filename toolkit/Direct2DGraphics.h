#pragma once
// The Direct2D backend of CDrawContext (Windows): draws on a Direct2DBitmap
// with Direct2D, text with DirectWrite.

#include "toolkit/IPlatformGraphics.h"
#include "toolkit/SharedPointer.h"

namespace VSTGUI {

class Direct2DBitmap;

SharedPointer<IPlatformGraphics> createDirect2DGraphics(Direct2DBitmap* target);

} // namespace VSTGUI
