// The key bank four keys at a time (SSE2, every x86-64 processor).
#define VANT_LANES key_lanes_sse2
#include "engine/KeyLanes.h"

const KeyLaneKernels kKeyLanesSse2 = VANT_LANES::kernelsOf<VANT_LANES::Lanes4>();
