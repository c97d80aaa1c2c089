// Preference records that the host keeps spread over its other records,
// assembled for a load and split again for a save. The caller owns `buffer`;
// nothing is kept between calls. Results: 1 success, 0 failure (no buffer, or
// a capacity or size below the record's size). The loads and saves of the
// individual source records are not reported: a source the host cannot load
// feeds zeros on assembly and is never written back on splitting.
#ifndef KV_HOST_PREFERENCE_TRANSFER_H
#define KV_HOST_PREFERENCE_TRANSFER_H

#include <cstdint>

#include "host/host_abi.h"
#include "host/pref_maps.h"

// Assembles the record of `map` into `buffer`. `*size` is the capacity in and
// the record's size out (also when the capacity is too small: then 0 and the
// buffer untouched). A null buffer only reports the size, answering 1.
FxWord fx_assemble_pref_record(const PREFERENCE_LOCATION_MAPRECORD* map, int16_t rows, void* buffer,
                               int32_t* size);

// Writes the fields of `buffer` back into their source records; only source
// records with a changed word are saved.
FxWord fx_split_pref_record(const PREFERENCE_LOCATION_MAPRECORD* map, int16_t rows, const void* buffer,
                            int32_t size);

// A run of `count` whole other records of `source` under (-2, firstSecondKey),
// (-2, firstSecondKey + 1), ..., copied 12 bytes each into or out of `buffer`.
// A load with a null buffer only sets `*size` to 12 * count and answers 1.
FxWord fx_assemble_run(uint32_t source, int16_t count, int16_t firstSecondKey, void* buffer, int32_t* size);
FxWord fx_split_run(uint32_t source, int16_t count, int16_t firstSecondKey, const void* buffer, int32_t size);

#endif
