#pragma once

namespace VSTGUI {

// cairo and fontconfig keep process-wide font caches in a form a leak checker
// cannot follow. Frees them; only for the very end of a process that owns
// them (a test program), when no font, context or frame is alive any more.
void releaseFontCaches();

} // namespace VSTGUI
