// Several staff systems on one page: the free room of the page is shared out
// evenly between them. EVPU, upward positive, a gap negative downward. The
// page's room and the systems' on-page heights are measured in page units;
// the result is converted to unscaled units, the unit of the gaps the solver
// tries and stores.
#include <cstdint>

#include "engine/evpu_arithmetic.h"
#include "engine/gap_access.h"
#include "engine/gap_solver.h"
#include "engine/page_results.h"
#include "engine/page_scoping.h"
#include "engine/page_treatments.h"
#include "engine/system_height.h"

namespace {

constexpr int32_t kNoSpaceSeen = 0x0FFFFFFF;

// What the page leaves free once its systems (and, with includeGaps, their
// existing gaps) are accounted for, and the smallest existing space above a
// system after the first.
struct FreeRoom {
  int32_t remaining = 0;
  int32_t smallestSpace = kNoSpaceSeen;
};

// Takes the systems' on-page heights, and with includeGaps their existing
// spaces, from the room between the extra margins. Returns a result code.
int16_t measure_free_room(int16_t first, int16_t last, const EDTPageSpec* page, const structUserPrefs* prefs,
                          FreeRoom* room) {
  room->remaining = FTX_Wrap32(int64_t{KVTR_UsablePageHeight(page)} - prefs->extraTopMargin -
                                prefs->extraBottomMargin);
  int32_t existingSpace = 0;
  for (int32_t s = first; s <= last; ++s) {
    const int16_t system = static_cast<int16_t>(s);
    int16_t gap = 0;
    if (!LoadSysGapValue(system, &gap)) return kSystemLoadFailed;
    if (s > first && prefs->includeGaps != 0) {
      existingSpace = FTX_Wrap32(int64_t{existingSpace} - gap);
      if (-int32_t{gap} < room->smallestSpace) room->smallestSpace = -int32_t{gap};
    }
    int32_t height = 0;
    if (!KVTR_LoadStaffSystemHeight(system, 1, &height)) return kSystemLoadFailed;
    room->remaining = FTX_Wrap32(int64_t{room->remaining} - height);
  }
  room->remaining = FTX_Wrap32(int64_t{room->remaining} - existingSpace);
  if (room->smallestSpace == kNoSpaceSeen) room->smallestSpace = 0;
  return kPageProcessed;
}

// With keepTopmostStill the topmost system's own placement stands in for the
// extra top margin: its on-page space is given back to the room, and so is
// the extra top margin.
int16_t give_back_kept_topmost(int16_t first, const EDTPageSpec* page, const structUserPrefs* prefs,
                               FreeRoom* room) {
  int16_t keptGap = 0;
  if (!LoadSysGapValue(first, &keptGap)) return kSystemLoadFailed;
  const int32_t onPage = KVTR_ScaleToPage(keptGap, page);
  room->remaining = FTX_Wrap32(int64_t{room->remaining} + onPage + prefs->extraTopMargin);
  return kPageProcessed;
}

// Tries trial gaps from `trialGap` on, one unscaled EVPU less space each time,
// until the run fits. Stops with kSystemsDoNotFit once even the largest 16-bit
// gap does not fit; nothing has been written then.
int16_t search_fitting_gap(int16_t first, int16_t last, int32_t smallestSpace, const EDTPageSpec* page,
                           const structUserPrefs* prefs, int16_t* trialGap) {
  for (;;) {
    int16_t code = 0;
    if (KVTR_RespaceStaffSystems(first, last, *trialGap, smallestSpace, page, prefs, 0, &code) != 0) {
      return kPageProcessed;
    }
    if (code != 0) return code;
    if (*trialGap == INT16_MAX) return kSystemsDoNotFit;
    ++*trialGap;
  }
}

}  // namespace

int16_t KVTR_SpreadSystems(int16_t first, int16_t last, int16_t count, const EDTPageSpec* page,
                           const structUserPrefs* prefs) {
  FreeRoom room;
  int16_t code = measure_free_room(first, last, page, prefs, &room);
  if (code != kPageProcessed) return code;
  if (prefs->keepTopmostStill != 0) {
    code = give_back_kept_topmost(first, page, prefs, &room);
    if (code != kPageProcessed) return code;
  }
  if (!KVTR_AccountForPageScoping(&room.remaining, page)) return kPageScalingInvalid;
  // After this: room.remaining is the unscaled space to share out between the
  // count - 1 spaces that separate the systems.

  int16_t trialGap = KVTR_Cut16(-(int64_t{room.remaining} / (int64_t{count} - 1)));
  code = search_fitting_gap(first, last, room.smallestSpace, page, prefs, &trialGap);
  if (code != kPageProcessed) return code;
  // After this: trialGap is the first gap, from the even share on, that fits.

  int16_t storeCode = 0;
  if (KVTR_RespaceStaffSystems(first, last, trialGap, room.smallestSpace, page, prefs, 1, &storeCode) != 0) {
    return kPageProcessed;
  }
  return storeCode;
}
