// The key bank eight keys at a time. This unit alone is compiled for AVX2
// (no FMA: the products and sums stay those of the other paths); it runs only
// where the processor reports AVX2.
#define VANT_LANES key_lanes_avx2
#include "engine/KeyLanes.h"

#if !defined(__AVX2__)
#error "engine/KeyLanesAvx2.cpp is compiled with -mavx2"
#endif

const KeyLaneKernels kKeyLanesAvx2 = VANT_LANES::kernelsOf<VANT_LANES::Lanes8>();
