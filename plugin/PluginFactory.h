#pragma once
// Creates one instrument for a host: what the module's entry point does.
#include "vst2/AEffect.h"

AEffect* createVantorel(audioMasterCallback audioMaster);
