#include "toolkit/FontCaches.h"

#include <cairo.h>
#include <fontconfig/fontconfig.h>

namespace VSTGUI {

void releaseFontCaches()
{
    cairo_debug_reset_static_data();
    FcFini();
}

} // namespace VSTGUI
