// The key bank one key at a time: the reference every other path matches.
#define VANT_LANES key_lanes_scalar
#include "engine/KeyLanes.h"

const KeyLaneKernels kKeyLanesScalar = VANT_LANES::kernelsOf<VANT_LANES::Lanes1>();
