// Signed 32-bit arithmetic as the host does it: sums and products wrap,
// divisions truncate toward zero. Working in 64 bits and wrapping each result
// gives the same values without undefined behaviour on overflow.
#ifndef KV_TOOLKIT_WRAPPING_MATH_H
#define KV_TOOLKIT_WRAPPING_MATH_H

#include <cstdint>

inline int32_t FTX_Wrap32(int64_t value) { return static_cast<int32_t>(static_cast<uint32_t>(value)); }

#endif
