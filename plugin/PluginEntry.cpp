// The module's only exports: VSTPluginMain and, for hosts that look it up
// first, the same function under the legacy name `main`.
#include "plugin/PluginFactory.h"

#ifdef _WIN32
#define VANTOREL_EXPORT extern "C" // exported through Vantorel.def
#else
#define VANTOREL_EXPORT extern "C" __attribute__((visibility("default")))
#endif

VANTOREL_EXPORT AEffect* VSTPluginMain(audioMasterCallback audioMaster) { return createVantorel(audioMaster); }

// C++ forbids a function named main with this signature; give it the symbol name.
VANTOREL_EXPORT AEffect* vstLegacyMain(audioMasterCallback audioMaster) asm("main");
AEffect* vstLegacyMain(audioMasterCallback audioMaster) { return createVantorel(audioMaster); }
