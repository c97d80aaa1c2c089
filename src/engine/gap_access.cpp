// Gap transfers through the toolkit's staff-system records. Lengths are EVPU,
// upward positive, a gap negative downward; gaps are system lengths, never
// scaled with the page.
#include "engine/gap_access.h"

#include <cstddef>
#include <cstring>

#include "toolkit/staff_system_records.h"

namespace {

// Hosts after 2001 keep the 24-byte layout with the gap at offset 20; older
// hosts the 20-byte layout with the gap first. The version argument names the
// layout to the toolkit, which converts where the host keeps the other one.
struct GapLayout {
  int32_t size;
  uint32_t version;
  size_t gapOffset;
};

constexpr GapLayout kCurrentLayout = {sizeof(EDTStaffSystemRecord), 0x07000000u,
                                      offsetof(EDTStaffSystemRecord, sysGap)};
constexpr GapLayout kOldLayout = {sizeof(EDTStaffSystemRecordOld), kFtxOldLayoutVersion,
                                  offsetof(EDTStaffSystemRecordOld, sysGap)};

GapLayout host_gap_layout() { return FTX_FinaleVersion() > 2001 ? kCurrentLayout : kOldLayout; }

GapLayout layout_of(const KVTR_GAPRECORD* held) { return held->current != 0 ? kCurrentLayout : kOldLayout; }

}  // namespace

bool KVTR_LoadGapRecord(int16_t system, KVTR_GAPRECORD* held) {
  const GapLayout layout = host_gap_layout();
  held->current = layout.size == kCurrentLayout.size ? 1 : 0;
  std::memset(held->record.bytes, 0, sizeof held->record.bytes);
  return FTX_LoadStaffSystemSpec(system, held->record.bytes, layout.size, layout.version);
}

int16_t KVTR_GapOf(const KVTR_GAPRECORD* held) {
  int16_t gap = 0;
  std::memcpy(&gap, held->record.bytes + layout_of(held).gapOffset, sizeof gap);
  return gap;
}

bool KVTR_SaveGapRecord(int16_t system, KVTR_GAPRECORD* held, int16_t gap) {
  const GapLayout layout = layout_of(held);
  std::memcpy(held->record.bytes + layout.gapOffset, &gap, sizeof gap);
  return FTX_SaveStaffSystemSpec(system, held->record.bytes, layout.size, layout.version);
}

bool LoadSysGapValue(int16_t system, int16_t* gap) {
  if (gap == nullptr) return false;
  KVTR_GAPRECORD held;
  const bool loaded = KVTR_LoadGapRecord(system, &held);
  *gap = KVTR_GapOf(&held);
  return loaded;
}

bool SaveSysGapValue(int16_t system, int16_t gap) {
  KVTR_GAPRECORD held;
  if (!KVTR_LoadGapRecord(system, &held)) return false;
  return KVTR_SaveGapRecord(system, &held, gap);
}
