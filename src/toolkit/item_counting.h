// Counting the host's numbered items (pages, staff systems, measures,
// definitions) by probing record numbers: the host numbers them 1, 2, 3, ...
// without gaps but has no call that says how many there are.
//
// Every probe is a host call. FTX_CountItems remembers its counts for the life
// of the library and confirms a remembered count with two probes before
// trusting it, so a score that changed is noticed on the next call. A fresh
// count is probed once more at its end (its last item exists, the next does
// not) before it is remembered: a probe the host failed reads as a missing
// item, and would otherwise end the count early. Numbers are
// signed 16-bit: nothing above 32767 is ever probed, and a search ends there
// even when the host answers every probe.
#ifndef KV_TOOLKIT_ITEM_COUNTING_H
#define KV_TOOLKIT_ITEM_COUNTING_H

#include <cstdint>

// Kinds of FTX_CountItems.
constexpr int16_t kFtxCountMeasures = 1;
constexpr int16_t kFtxCountScoreListRecords = 2;  // records of instrument list 0; never remembered
constexpr int16_t kFtxCountStaffSystems = 3;
constexpr int16_t kFtxCountPages = 4;
constexpr int16_t kFtxCountTextExpressionDefs = 5;
constexpr int16_t kFtxCountShapeExpressionDefs = 6;
constexpr int16_t kFtxCountArticulationDefs = 7;

// The number of items of `kind`: 0 when item 1 does not exist, -1 for a kind
// outside 1..7 (and for kind 5 when its probe buffer cannot be allocated).
int16_t FTX_CountItems(int16_t kind);

// FTX_CountItems, and whether the count can be trusted: false when the host's
// answers contradicted it (an item found missing exists after all, or the
// item after the last one found exists), or for a kind outside 1..7 or a
// probe buffer that cannot be had. *count is the count as found (-1 for
// those two). Callers for whom a count that ends early would be taken for
// the end of the score use this one.
bool FTX_CountItemsSurely(int16_t kind, int16_t* count);

// How many of the items 1, 2, 3, ... of `tag` exist, probing each in turn up to
// the first missing one. Nothing is remembered.
int16_t KVGEN_CountNoOfLinearItems(uint32_t tag, int32_t size);

// KVGEN_CountNoOfLinearItems of the page records.
int16_t KVGEN_CountNoOfPages();

#endif
