#pragma once
// An instrument linked into the test program, opened through the same entry
// path a host uses, for the plug-in's own operations.
#include "plugin/Kelvane.h"
#include "plugin/PluginFactory.h"
#include "tools/HostModule.h"

struct InProcessInstrument
{
    HostModule host;
    Kelvane* plugin = nullptr;

    InProcessInstrument()
    {
        host.attach(createVantorel);
        if (AEffect* fx = host.open())
            plugin = static_cast<Kelvane*>(static_cast<AudioEffect*>(fx->object));
    }
};
