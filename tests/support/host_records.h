// Record transfers with the installed simulated host, made through its
// exported FX_LoadEData and FX_SaveEData as the plug-in would make them.
#ifndef TESTS_SUPPORT_HOST_RECORDS_H
#define TESTS_SUPPORT_HOST_RECORDS_H

#include <cstdint>
#include <optional>

#include "sim/score/bytes.h"

// The record's bytes as the host reported them (the buffer cut to the size it
// answered), loaded into a buffer of `capacity` bytes; empty when the load fails.
std::optional<sim::Bytes> host_load(uint32_t tag, int16_t first, int16_t second, int32_t capacity,
                                    uint32_t version = 0x0F000200u);

// A load without a buffer: the size the host reports, or empty when the record
// does not exist.
std::optional<int32_t> host_probe(uint32_t tag, int16_t first, int16_t second, int32_t size,
                                  uint32_t version = 0x0F000200u);

// True when the host accepted the save.
bool host_save(uint32_t tag, int16_t first, int16_t second, const sim::Bytes& bytes,
               uint32_t version = 0x0F000200u);

#endif
