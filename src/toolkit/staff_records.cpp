#include "toolkit/staff_records.h"

#include "host/record_tags.h"
#include "toolkit/keyed_records.h"

namespace {

constexpr int32_t kStaffRecordSize = 66;
constexpr uint32_t kStaffRecordVersion = 0x05000000u;
constexpr int kHiddenByte = 22;
constexpr uint8_t kHiddenBit = 0x04;

}  // namespace

bool FTX_LoadStaffVisibility(int16_t staff, bool* visible) {
  // The host may leave the record's last twelve bytes alone; they start cleared
  // (with the rest) so that nothing stale is ever read from them.
  uint8_t record[kStaffRecordSize] = {};
  if (!FTX_LoadOther(kTagStaff, static_cast<uint16_t>(staff), 0, record, kStaffRecordSize, kStaffRecordVersion)) {
    return false;
  }
  *visible = (record[kHiddenByte] & kHiddenBit) == 0;
  return true;
}
