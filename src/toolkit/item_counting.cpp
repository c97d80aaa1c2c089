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

// The number of the last item: strides forward while items exist, then walks
// one at a time from the last one found to the first one missing.
int16_t FindLastLinearItem(uint32_t tag, int32_t size, int16_t stride, void* buffer) {
  int32_t sizeVariable = size;
  if (!probe(tag, 1, buffer, &sizeVariable)) return 0;
  int32_t found = 1;
  while (probe(tag, found + stride, buffer, &sizeVariable)) found += stride;
  const int32_t missing = found + stride;
  for (int32_t number = found + 1; number <= missing; ++number) {
    if (!probe(tag, number, buffer, &sizeVariable)) return static_cast<int16_t>(number - 1);
  }
  return 0;
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

int16_t count_remembered_kind(int16_t kind, void* buffer) {
  const CountedKind& counted = kCountedKinds[kind];
  int16_t* remembered = counted.remembered;
  if (_CheckStoredCounter(*remembered, counted.tag, counted.size, buffer)) return *remembered;
  *remembered = FindLastLinearItem(counted.tag, counted.size, counted.stride, buffer);
  return *remembered;
}

}  // namespace

int16_t FTX_CountItems(int16_t kind) {
  if (kind < 1 || kind > 7) return -1;
  if (kind == kFtxCountScoreListRecords) return count_score_list_records();
  if (kind != kFtxCountTextExpressionDefs) return count_remembered_kind(kind, nullptr);

  uint8_t* buffer = new (std::nothrow) uint8_t[kTextExpressionProbeBufferSize];
  if (buffer == nullptr) return -1;
  const int16_t count = count_remembered_kind(kind, buffer);
  delete[] buffer;
  return count;
}

int16_t KVGEN_CountNoOfLinearItems(uint32_t tag, int32_t size) {
  int32_t number = 1;
  while (probe(tag, number, nullptr, &size)) ++number;
  return static_cast<int16_t>(number - 1);
}

int16_t KVGEN_CountNoOfPages() { return KVGEN_CountNoOfLinearItems(kTagPageSpec, 22); }
