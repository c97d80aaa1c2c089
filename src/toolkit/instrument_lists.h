// Instrument lists: the host's ordered lists of the staves shown in a staff
// system or in the whole score, one 24-byte record per staff under tag
// 0x534F4975 ('SOIu'), keyed {list number, index} with the index from 0.
//
// Staff positions are EVPU within the system, upward positive, so a staff below
// the system's top has a negative position.
#ifndef KV_TOOLKIT_INSTRUMENT_LISTS_H
#define KV_TOOLKIT_INSTRUMENT_LISTS_H

#include <cstddef>
#include <cstdint>

constexpr int32_t kFtxInstrumentListSize = 24;

struct EDTInstrumentListRecord {
  int16_t staffNumber;     // key of the staff's record
  uint16_t word2;          // the host's; the fallback for the top staff's offset
  int16_t reserved4[2];
  int32_t staffPosition;   // the staff's vertical offset within the system, zero or negative;
                           // on hosts of 2000 and earlier list records also keep a system's top margin here
  int16_t reserved12[6];
};
static_assert(sizeof(EDTInstrumentListRecord) == 24);
static_assert(offsetof(EDTInstrumentListRecord, staffNumber) == 0);
static_assert(offsetof(EDTInstrumentListRecord, word2) == 2);
static_assert(offsetof(EDTInstrumentListRecord, reserved4) == 4);
static_assert(offsetof(EDTInstrumentListRecord, staffPosition) == 8);
static_assert(offsetof(EDTInstrumentListRecord, reserved12) == 12);

// Kinds of FTX_GetInstrumentList.
constexpr int16_t kFtxScoreList = 1;          // list 0
constexpr int16_t kFtxSystemList = 2;         // the list numbered like the system given
constexpr int16_t kFtxExtractedPartList = 3;  // list -8
constexpr int16_t kFtxNumberedList = 4;       // argument 1..8 gives list argument - 37

// The list number for `kind` and `argument` when its first record exists;
// otherwise -1. An unknown kind and a missing list are shown in the host's
// alert; kind 4 with an argument outside 1..8 answers -1 silently.
int16_t FTX_GetInstrumentList(int16_t kind, int16_t argument);

// The number of records in `list` (all nonzero) or of those whose staff is
// visible (all 0); -1 when the list's first record or a staff record cannot be
// loaded. Counts at most 32767 records. The list ends at the first record the
// host says does not exist; a record that exists but cannot be loaded is a
// failure (-1), never the end of the list.
// Whether the load of list record {list, index} that just failed means the
// list ends there: true only when the host says the record does not exist
// (FTX_RecordIsMissing).
bool FTX_ListEndsAt(int16_t list, int32_t index);
int16_t FTX_CountInstruments(int16_t list, int16_t all);

// Whether the host shows an extracted part: other record 'ot23' {-2, 0} holds
// -8 in its word at offset 8.
bool FTX_ExtractedPartIsUsed();

// The same as 1 (a part is shown) or 0 (none is, or the host has no 'ot23'
// record), or -1 when the record exists but cannot be loaded: which list the
// score's systems use is then unknown.
constexpr int16_t kFtxPartStateUnknown = -1;
int16_t FTX_ReadExtractedPart();

#endif
