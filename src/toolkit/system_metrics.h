// The vertical measures of one staff system that FTX_GetLayoutInfo gathers:
// the span of its visible staves and its height by host era.
//
// Lengths are EVPU. Staff positions are upward positive (zero or negative
// below the system's top); depths here are their negations, positive
// downward. System lengths are unscaled.
#ifndef KV_TOOLKIT_SYSTEM_METRICS_H
#define KV_TOOLKIT_SYSTEM_METRICS_H

#include <cstdint>

#include "toolkit/page_layout.h"

// The visible staves of an instrument list: the smallest and largest depth and
// the indices of the first and last visible staff (-1 when none). `highest`
// starts at 0, so a staff above the system's top does not lower it; `lowest`
// starts at 0x0FFFFFFF.
struct FTX_STAFFSPAN {
  int32_t highest;
  int32_t lowest;
  int16_t first;
  int16_t last;
};

// Scans records 0, 1, ... of `list` up to the first missing one. Returns 0,
// kFtxSystemRecordMissing when record 0 is missing, or kFtxStaffListMissing
// when a staff record cannot be loaded.
int16_t FTX_ScanStaffSpan(int16_t list, FTX_STAFFSPAN* span);

// Sets info->systemHeight from its staffSpan, margins and percent, the top
// staff's offset t and the system's staff height, by the formula of the host's
// era. Hosts after 2000 using the plain formula also raise systemTopMargin by t.
void FTX_ApplySystemHeight(FTX_LAYOUTINFO* info, int32_t topStaffOffset, int16_t staffHeight, int32_t hostYear);

#endif
