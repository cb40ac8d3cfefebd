#include "plugin/PluginFactory.h"

#include <new>

#include "plugin/Kelvane.h"
#include "vst2/Opcodes.h"

AEffect* createVantorel(audioMasterCallback audioMaster)
{
    if (!audioMaster)
        return nullptr;
    // A host that cannot tell its version gets no plug-in.
    if (audioMaster(nullptr, audioMasterVersion, 0, 0, nullptr, 0.f) == 0)
        return nullptr;
    Kelvane* plugin = new (std::nothrow) Kelvane(audioMaster);
    return plugin ? plugin->getAeffect() : nullptr;
}
