// The two treatments of a page that the page driver chooses between by the
// number of systems standing on it. Both take the run the page is processed
// in (layout_run.h), the page record as the driver loaded it and the settings
// (none null), and return a page result code.
// Lengths: EVPU, upward positive, a gap negative downward; the page's lengths
// may be scaled, system lengths are not.
#ifndef KV_ENGINE_PAGE_TREATMENTS_H
#define KV_ENGINE_PAGE_TREATMENTS_H

#include <cstdint>

#include "globals/user_prefs.h"
#include "toolkit/layout_run.h"
#include "toolkit/page_layout.h"

// A page holding one system: moves it to the top, centre or bottom of the room
// between the extra margins, or leaves it alone (singleSystems 0..3).
int16_t KVTR_PlaceSingleSystem(FTX_LAYOUTRUN* run, const EDTPageSpec* page, const structUserPrefs* prefs);

// A page holding systems first..last, count of them (last - first + 1 cut to
// 16 bits, never 1): finds the uniform gap that spreads (or packs) them over
// the page and stores it. Each system's record and height is read once, before
// the search; the search and the storing pass use what was read.
int16_t KVTR_SpreadSystems(FTX_LAYOUTRUN* run, int16_t first, int16_t last, int16_t count, const EDTPageSpec* page,
                           const structUserPrefs* prefs);

#endif
