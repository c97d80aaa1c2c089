// The gap solver: places a run of consecutive staff systems of one page for one
// trial gap, adds up the room the run then takes, tests whether it fits between
// the page's margins, and on request stores the new gaps.
//
// Lengths are EVPU, upward positive, a gap negative downward. The trial gap,
// every system gap and system height are unscaled; the page record's lengths
// are on-page units, and the fit test is made in them.
#ifndef KV_ENGINE_GAP_SOLVER_H
#define KV_ENGINE_GAP_SOLVER_H

#include <cstdint>

#include "engine/page_systems.h"
#include "globals/user_prefs.h"
#include "toolkit/page_layout.h"

// first..last: the run (first <= last). trialGap: the gap tried between
// systems. smallestSpace: the smallest existing space above any system after
// the page's first (positive; 0 unless prefs->includeGaps). page, prefs: as the
// page driver loaded them; neither may be null. save: nonzero writes the new
// gaps. *outCode (may be null) is set to 0 on entry, and on failure to
// kSystemLoadFailed or kSystemSaveFailed (page_results.h), or to
// kPageScalingInvalid for a scaled page whose percentage is 0 or negative.
//
// Returns 1 when the run fits (always with prefs->compact) and 0 when it does
// not fit (out-code 0) or on failure (out-code nonzero). A failure while saving
// leaves the gaps already written in place.
int16_t KVTR_RespaceStaffSystems(int16_t first, int16_t last, int16_t trialGap, int32_t smallestSpace,
                                 const EDTPageSpec* page, const structUserPrefs* prefs, int16_t save,
                                 int16_t* outCode);

// The same over a page whose systems page->first..page->last have all been
// read (page_systems.h): gaps and heights come from what was read, and saving
// writes each held record back with its new gap. Reads nothing from the host.
int16_t KVTR_RespacePageSystems(KVTR_PAGESYSTEMS* systems, int16_t trialGap, int32_t smallestSpace,
                                const EDTPageSpec* page, const structUserPrefs* prefs, int16_t save,
                                int16_t* outCode);

#endif
