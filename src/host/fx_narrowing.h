// How a host answer is narrowed before it reaches the caller, one macro per
// result kind of fx_entry_table.h. The answer stays in a word.
#ifndef KV_HOST_FX_NARROWING_H
#define KV_HOST_FX_NARROWING_H

#include <cstdint>

#include "host/host_abi.h"

#define FX_NARROW_S16(answer) FxWord(int16_t(answer))
#define FX_NARROW_U16(answer) FxWord(uint16_t(answer))
#define FX_NARROW_U8(answer) FxWord(uint8_t(answer))
#define FX_NARROW_WORD(answer) FxWord(answer)

#endif
