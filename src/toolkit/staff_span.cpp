// The span of a system's visible staves. Depths are negated staff positions:
// positive downward from the system's top.
#include "host/fx_entries.h"
#include "host/record_tags.h"
#include "globals/toolkit_globals.h"
#include "toolkit/instrument_lists.h"
#include "toolkit/keyed_records.h"
#include "toolkit/staff_records.h"
#include "toolkit/system_metrics.h"
#include "toolkit/wrapping_math.h"

namespace {

constexpr int32_t kLowestUnset = 0x0FFFFFFF;

bool load_list_record(int16_t list, int32_t index, EDTInstrumentListRecord* record) {
  FTX_RECORDKEY key = FTX_MakeKey(list, static_cast<int16_t>(index));
  int32_t size = kFtxInstrumentListSize;
  return static_cast<int16_t>(FX_LoadEData(kTagInstrumentList, &key, record, &size, kFxInterfaceVersion)) != 0;
}

void take_visible_staff(FTX_STAFFSPAN* span, int32_t index, int32_t staffPosition) {
  const int32_t depth = FTX_Wrap32(-int64_t{staffPosition});
  if (depth > span->highest) span->highest = depth;
  if (depth < span->lowest) span->lowest = depth;
  if (span->first == -1) span->first = static_cast<int16_t>(index);
  span->last = static_cast<int16_t>(index);
}

}  // namespace

int16_t FTX_ScanStaffSpan(int16_t list, FTX_STAFFSPAN* span) {
  *span = FTX_STAFFSPAN{0, kLowestUnset, -1, -1};
  EDTInstrumentListRecord record;
  if (!load_list_record(list, 0, &record)) return kFtxSystemRecordMissing;
  for (int32_t index = 0;;) {
    bool visible = false;
    if (!FTX_LoadStaffVisibility(record.staffNumber, &visible)) return kFtxStaffListMissing;
    if (visible) take_visible_staff(span, index, record.staffPosition);
    ++index;
    if (index >= kFtxLastItemNumber) break;
    if (!load_list_record(list, index, &record)) {
      // A record that exists but cannot be loaded leaves the span unknown.
      if (FTX_ListEndsAt(list, index)) break;
      return kFtxStaffListMissing;
    }
  }
  return kFtxOk;
}
