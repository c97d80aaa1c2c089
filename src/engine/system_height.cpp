// System heights: EVPU, upward positive. The summary's systemHeight is an
// unscaled system length; the page that holds the system may be scaled.
#include "engine/system_height.h"

#include "engine/evpu_arithmetic.h"
#include "toolkit/page_layout.h"

bool KVTR_LoadStaffSystemHeight(int16_t system, int16_t onPage, int32_t* height) {
  FTX_LAYOUTINFO info = {};
  info.structSize = sizeof info;
  if (FTX_GetLayoutInfo(system, &info, true) != 0) return false;

  *height = info.systemHeight;
  if (onPage != 0 && info.pageScaled != 0) *height = FTX_Wrap32(int64_t{*height} * info.pagePercent) / 100;
  return true;
}

int32_t _KVGEN_CalcStaffSystemHeight(int16_t system, int16_t onPage) {
  int32_t height = 0;
  return KVTR_LoadStaffSystemHeight(system, onPage, &height) ? height : 0;
}
