// A staff system's height from the toolkit's layout summary. EVPU, upward
// positive. Without the on-page flag the height is unscaled (a system length);
// with it, a system on a scaled page is measured as it stands on the page.
#ifndef KV_ENGINE_SYSTEM_HEIGHT_H
#define KV_ENGINE_SYSTEM_HEIGHT_H

#include <cstdint>

// The height, or 0 when the layout summary could not be obtained; the caller
// cannot tell that from a system of height 0 (one without visible staves).
int32_t _KVGEN_CalcStaffSystemHeight(int16_t system, int16_t onPage);

// The same height into *height (not null); false, with *height untouched, when
// the layout summary could not be obtained. The engine sums heights to place a
// run of systems, so it must not take a failed host read for a height of 0.
bool KVTR_LoadStaffSystemHeight(int16_t system, int16_t onPage, int32_t* height);

#endif
