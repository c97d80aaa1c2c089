// The engine's arithmetic on lengths: EVPU, upward positive, a gap negative
// downward. Sums and products are signed 32-bit and wrap as the host's own
// arithmetic does (FTX_Wrap32); divisions truncate toward zero.
#ifndef KV_ENGINE_EVPU_ARITHMETIC_H
#define KV_ENGINE_EVPU_ARITHMETIC_H

#include <cstdint>

#include "toolkit/wrapping_math.h"

// The low 16 bits, read as signed: how a computed gap is stored.
inline int16_t KVTR_Cut16(int64_t value) { return static_cast<int16_t>(static_cast<uint16_t>(value)); }

#endif
