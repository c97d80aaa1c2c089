#include "toolkit/item_counting.h"

#include <new>

#include "host/record_tags.h"
#include "toolkit/instrument_lists.h"
#include "toolkit/keyed_records.h"

namespace {

// The remembered counts; records of list 0 are never remembered.
int16_t tbMeasures;
int16_t tbStaffSystems;
int16_t tbPages;
int16_t tbTextExpressionDefs;
int16_t tbShapeExpressionDefs;
int16_t tbArticulationDefs;

struct CountedKind {
  uint32_t tag;
  int32_t size;
  int16_t stride;
  int16_t* remembered;
};

// By kind number; kind 2 (records of instrument list 0) has a search of its own.
constexpr CountedKind kCountedKinds[8] = {
    {0, 0, 0, nullptr},
    {kTagMeasure, 24, 10, &tbMeasures},
    {kTagInstrumentList, kFtxInstrumentListSize, 3, nullptr},
    {kTagStaffSystemOld, 22, 4, &tbStaffSystems},
    {kTagPageSpec, 22, 2, &tbPages},
    {kTagTextExpressionDef, 14, 10, &tbTextExpressionDefs},
    {kTagShapeExpressionDef, 12, 10, &tbShapeExpressionDefs},
    {kTagArticulationDef, 48, 10, &tbArticulationDefs},
};

constexpr int32_t kTextExpressionProbeBufferSize = 2000;

bool probe(uint32_t tag, int32_t number, void* buffer, int32_t* size) {
  if (number > kFtxLastItemNumber) return false;
  return FTX_ProbeItem(tag, static_cast<int16_t>(number), 0, buffer, size);
}

// The remembered count still holds: item `count` exists and item `count` + 1
// does not. A count of 0 holds only when the host has an item numbered 0.
bool _CheckStoredCounter(int16_t count, uint32_t tag, int32_t size, void* buffer) {
  int32_t sizeVariable = size;
  if (!probe(tag, count, buffer, &sizeVariable)) return false;
  return !probe(tag, int32_t{count} + 1, buffer, &sizeVariable);
}

// A count just made, probed once more: its last item exists (none is needed
// for 0) and the item after it does not. A probe the host failed during the
// count shows here as an item found missing that exists after all.
bool confirm_fresh_count(int16_t count, uint32_t tag, int32_t size, void* buffer) {
  int32_t sizeVariable = size;
  if (count > 0 && !probe(tag, count, buffer, &sizeVariable)) return false;
  return !probe(tag, int32_t{count} + 1, buffer, &sizeVariable);
}

// The number of the last item: strides forward while items exist, then walks
// one at a time from the last one found to the first one missing. False, with
// *last 0, when every number up to the one the stride found missing exists
// after all: the host's answers contradict each other.
bool FindLastLinearItem(uint32_t tag, int32_t size, int16_t stride, void* buffer, int16_t* last) {
  int32_t sizeVariable = size;
  *last = 0;
  if (!probe(tag, 1, buffer, &sizeVariable)) return true;
  int32_t found = 1;
  while (probe(tag, found + stride, buffer, &sizeVariable)) found += stride;
  const int32_t missing = found + stride;
  for (int32_t number = found + 1; number <= missing; ++number) {
    if (!probe(tag, number, buffer, &sizeVariable)) {
      *last = static_cast<int16_t>(number - 1);
      return true;
    }
  }
  return false;
}

// Records of instrument list 0 are keyed {0, index} with the index from 0; the
// answer is the first missing index.
int16_t count_score_list_records() {
  const CountedKind& kind = kCountedKinds[kFtxCountScoreListRecords];
  uint8_t buffer[kFtxInstrumentListSize];
  int32_t sizeVariable = kind.size;
  auto exists = [&](int32_t index) {
    return index <= kFtxLastItemNumber &&
           FTX_ProbeItem(kind.tag, 0, static_cast<int16_t>(index), buffer, &sizeVariable);
  };
  if (!exists(0)) return 0;
  int32_t found = 0;
  while (exists(found + kind.stride)) found += kind.stride;
  const int32_t missing = found + kind.stride;
  for (int32_t index = found + 1; index <= missing; ++index) {
    if (!exists(index)) return static_cast<int16_t>(index > kFtxLastItemNumber ? kFtxLastItemNumber : index);
  }
  return 0;
}

// A remembered count that still holds is trusted; otherwise the items are
// counted afresh and the count confirmed before it is remembered. False when
// the host's answers contradict the fresh count; nothing is remembered then.
bool count_remembered_kind(int16_t kind, void* buffer, int16_t* count) {
  const CountedKind& counted = kCountedKinds[kind];
  int16_t* remembered = counted.remembered;
  if (_CheckStoredCounter(*remembered, counted.tag, counted.size, buffer)) {
    *count = *remembered;
    return true;
  }
  const bool found = FindLastLinearItem(counted.tag, counted.size, counted.stride, buffer, count);
  if (!found || !confirm_fresh_count(*count, counted.tag, counted.size, buffer)) {
    *remembered = 0;
    return false;
  }
  *remembered = *count;
  return true;
}

}  // namespace

bool FTX_CountItemsSurely(int16_t kind, int16_t* count) {
  *count = -1;
  if (kind < 1 || kind > 7) return false;
  if (kind == kFtxCountScoreListRecords) {
    *count = count_score_list_records();
    return true;
  }
  if (kind != kFtxCountTextExpressionDefs) return count_remembered_kind(kind, nullptr, count);

  uint8_t* buffer = new (std::nothrow) uint8_t[kTextExpressionProbeBufferSize];
  if (buffer == nullptr) return false;
  const bool sure = count_remembered_kind(kind, buffer, count);
  delete[] buffer;
  return sure;
}

int16_t FTX_CountItems(int16_t kind) {
  int16_t count = -1;
  FTX_CountItemsSurely(kind, &count);
  return count;
}

int16_t KVGEN_CountNoOfLinearItems(uint32_t tag, int32_t size) {
  int32_t number = 1;
  while (probe(tag, number, nullptr, &size)) ++number;
  return static_cast<int16_t>(number - 1);
}

int16_t KVGEN_CountNoOfPages() { return KVGEN_CountNoOfLinearItems(kTagPageSpec, 22); }
