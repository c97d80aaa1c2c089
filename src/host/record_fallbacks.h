// Record loads that get help before the ordinary path: definition probes whose
// host answer is not trusted on its own, and the staff record that older scores
// keep only as an other record. Each answers true when the load is finished,
// with its result in *result, and false when the ordinary path must go on.
#ifndef KV_HOST_RECORD_FALLBACKS_H
#define KV_HOST_RECORD_FALLBACKS_H

#include <cstdint>

#include "host/host_abi.h"

// Tags 0x4F044958 (first 48 bytes) and 0x4F096649 (first 108) with a buffer:
// those bytes are cleared, never more than the capacity in *size, and the host
// is asked. If it refuses, the load succeeds exactly when it left a nonzero
// byte among them.
bool fx_load_definition_probe(uint32_t tag, void* key, void* buffer, int32_t* size, uint32_t version,
                              FxWord* result);

// Tag 'SOSD' (its key is 8 bytes): if the host refuses, the load succeeds when
// 'otSD' exists under the same key with the second key number 0; the buffer is
// then cleared up to 66 bytes (never past the capacity), or, without a buffer,
// the size set to 66.
bool fx_load_staff_spec(uint32_t tag, void* key, void* buffer, int32_t* size, uint32_t version, FxWord* result);

#endif
