#pragma once
// The cairo backend of CDrawContext (Linux, and headless use anywhere cairo
// is): draws on an ARGB32 image surface.

#include "toolkit/IPlatformGraphics.h"
#include "toolkit/SharedPointer.h"

typedef struct _cairo_surface cairo_surface_t;

namespace VSTGUI {

// Graphics on an image surface (they keep a reference to it).
SharedPointer<IPlatformGraphics> createCairoGraphics(cairo_surface_t* imageSurface);

} // namespace VSTGUI
