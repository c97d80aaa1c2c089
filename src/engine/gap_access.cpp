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

// Room for a record of either layout, read and written as bytes at the
// layout's gap offset.
union AnyStaffSystemRecord {
  EDTStaffSystemRecord current;
  EDTStaffSystemRecordOld old;
  unsigned char bytes[sizeof(EDTStaffSystemRecord)];
};

GapLayout host_gap_layout() { return FTX_FinaleVersion() > 2001 ? kCurrentLayout : kOldLayout; }

}  // namespace

bool LoadSysGapValue(int16_t system, int16_t* gap) {
  if (gap == nullptr) return false;
  const GapLayout layout = host_gap_layout();
  AnyStaffSystemRecord record = {};
  const bool loaded = FTX_LoadStaffSystemSpec(system, &record, layout.size, layout.version);
  std::memcpy(gap, record.bytes + layout.gapOffset, sizeof *gap);
  return loaded;
}

bool SaveSysGapValue(int16_t system, int16_t gap) {
  const GapLayout layout = host_gap_layout();
  AnyStaffSystemRecord record = {};
  if (!FTX_LoadStaffSystemSpec(system, &record, layout.size, layout.version)) return false;
  std::memcpy(record.bytes + layout.gapOffset, &gap, sizeof gap);
  return FTX_SaveStaffSystemSpec(system, &record, layout.size, layout.version);
}
