// Conversions between the old and the current staff-system layout. Fields the
// host owns are carried over, never interpreted: the old 32-bit field at offset
// 12 becomes its low 16 bits and comes back sign-extended.
#include "toolkit/staff_system_records.h"

namespace {
constexpr int16_t kStaffHeightOfOldHosts = 96;
}

void FTX_StaffSystemOldToCurrent(const EDTStaffSystemRecordOld* old, int32_t topMargin,
                                 EDTStaffSystemRecord* current) {
  current->sysTopMargin = static_cast<int16_t>(topMargin);
  current->sysLeftMargin = old->sysLeftMargin;
  current->sysRightMargin = old->sysRightMargin;
  current->sysBottomMargin = old->sysBottomMargin;
  current->sysFirstMeasure = old->sysFirstMeasure;
  current->sysFlags = old->sysFlags;
  current->sysNextMeasure = old->sysNextMeasure;
  current->reserved14 = 0;
  current->reserved16 = static_cast<int16_t>(old->reserved12);
  current->sysPercent = old->sysPercent;
  current->sysGap = old->sysGap;
  current->sysStaffHeight = kStaffHeightOfOldHosts;
}

void FTX_StaffSystemCurrentToOld(const EDTStaffSystemRecord* current, EDTStaffSystemRecordOld* old) {
  old->sysGap = current->sysGap;
  old->sysLeftMargin = current->sysLeftMargin;
  old->sysRightMargin = current->sysRightMargin;
  old->sysBottomMargin = current->sysBottomMargin;
  old->sysFirstMeasure = current->sysFirstMeasure;
  old->sysNextMeasure = current->sysNextMeasure;
  old->reserved12 = current->reserved16;
  old->sysPercent = current->sysPercent;
  old->sysFlags = current->sysFlags;
}
