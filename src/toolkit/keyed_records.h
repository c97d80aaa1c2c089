// Host records under a two-number key: the toolkit's small wrappers around the
// host's record transfers (FX_LoadEData / FX_SaveEData).
//
// Buffers belong to the caller. A load with a null buffer only asks whether the
// record exists. Every function answers whether the host said yes; no message,
// no error code.
#ifndef KV_TOOLKIT_KEYED_RECORDS_H
#define KV_TOOLKIT_KEYED_RECORDS_H

#include <cstdint>

// A record key as the host reads it: the first and the second key number. The
// host may read up to eight bytes of a key for some record types, so the key is
// padded to eight bytes with zeros.
struct FTX_RECORDKEY {
  int16_t first;
  int16_t second;
  int16_t padding[2];
};
static_assert(sizeof(FTX_RECORDKEY) == 8);

inline FTX_RECORDKEY FTX_MakeKey(int16_t first, int16_t second) { return FTX_RECORDKEY{first, second, {0, 0}}; }

// Item numbers are signed 16-bit: a search that walks numbers upward treats
// every number above this one as missing, so it ends even when the host answers
// every probe.
constexpr int32_t kFtxLastItemNumber = 32767;

// One probe of a search: loads record {first, second} of `tag` into `buffer` (or
// none), passing `size` by address and the build interface version. The caller
// sets `*size` once before a search and passes the same variable to every probe
// of it.
bool FTX_ProbeItem(uint32_t tag, int16_t first, int16_t second, void* buffer, int32_t* size);

// After a load of record {first, second} of `tag` failed: whether the record is
// not there. Only the host's answer to a probe without a buffer says so; a
// record that exists but cannot be loaded is a failure of whoever needed it.
// The host is asked twice, both answers must say "missing", so that one failed
// host call after the failed load is not taken for the answer.
bool FTX_RecordIsMissing(uint32_t tag, int16_t first, int16_t second, int32_t size);

// Loads record {first, second} of `tag` into `buffer` with a copy of `size` and
// the given layout version; true when the host's 16-bit answer is nonzero. The
// size the host reports back is not passed on.
bool FTX_LoadOther(uint32_t tag, uint16_t first, int16_t second, void* buffer, int32_t size, uint32_t version);

// Saves `size` bytes of `buffer` as record {first, second} of `tag` with the
// build interface version; true when the host's answer is nonzero.
bool FTX_SaveOther(uint32_t tag, uint16_t first, int16_t second, const void* buffer, int32_t size);

#endif
