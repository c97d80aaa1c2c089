// Direct calls of the host's own record functions, bound once for the whole
// library, with no correction or conversion on the way: the building blocks of
// the record entries of record_access.cpp and of the preference and run
// transfers. A host without the function answers 0 (failure).
#ifndef KV_HOST_HOST_RECORD_CALLS_H
#define KV_HOST_HOST_RECORD_CALLS_H

#include <cstdint>

#include "host/host_abi.h"

// The host's FX_LoadEData / FX_SaveEData, answers narrowed to signed 16 bits.
FxWord fx_host_load_edata(uint32_t tag, void* key, void* buffer, int32_t* size, uint32_t version);
FxWord fx_host_save_edata(uint32_t tag, void* key, const void* buffer, int32_t size, uint32_t version);

// An other record (tag 0x6F74xxxx): six signed 16-bit words under the key
// (first, second), always moved as 12 bytes with the build interface version.
struct FxOtherRecord {
  int16_t words[6];
};
static_assert(sizeof(FxOtherRecord) == 12);

// Loads into `record`; true when the host answered nonzero. On failure the
// record is all zero, never what the host may have left half-written.
bool fx_load_other(uint32_t tag, int16_t first, int16_t second, FxOtherRecord* record);
// The same under a key the caller built (at least the two key numbers).
bool fx_load_other_at(uint32_t tag, void* key, FxOtherRecord* record);
// Saves `record`; true when the host answered nonzero.
bool fx_save_other(uint32_t tag, int16_t first, int16_t second, const FxOtherRecord* record);

#endif
