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
#include "engine/page_systems.h"
#include "engine/page_treatments.h"

namespace {

constexpr int32_t kNoSpaceSeen = 0x0FFFFFFF;

// What the page leaves free once its systems (and, with includeGaps, their
// existing gaps) are accounted for, and the smallest existing space above a
// system after the first.
struct FreeRoom {
  int32_t remaining = 0;
  int32_t smallestSpace = kNoSpaceSeen;
};

// Reads the page's systems, in order, and takes their on-page heights, and
// with includeGaps their existing spaces, from the room between the extra
// margins. Returns a result code.
int16_t measure_free_room(KVTR_PAGESYSTEMS* systems, const EDTPageSpec* page, const structUserPrefs* prefs,
                          FreeRoom* room) {
  const int16_t first = systems->first;
  const int16_t last = systems->last;
  room->remaining = FTX_Wrap32(int64_t{KVTR_UsablePageHeight(page)} - prefs->extraTopMargin -
                                prefs->extraBottomMargin);
  int32_t existingSpace = 0;
  for (int32_t s = first; s <= last; ++s) {
    const int16_t system = static_cast<int16_t>(s);
    if (!KVTR_ReadPageSystem(systems, system)) return kSystemLoadFailed;
    const KVTR_PAGESYSTEM* read = KVTR_PageSystem(systems, system);
    const int16_t gap = KVTR_GapOf(&read->held);
    if (s > first && prefs->includeGaps != 0) {
      existingSpace = FTX_Wrap32(int64_t{existingSpace} - gap);
      if (-int32_t{gap} < room->smallestSpace) room->smallestSpace = -int32_t{gap};
    }
    room->remaining = FTX_Wrap32(int64_t{room->remaining} - KVTR_ScaleToPage(read->height, page));
  }
  room->remaining = FTX_Wrap32(int64_t{room->remaining} - existingSpace);
  if (room->smallestSpace == kNoSpaceSeen) room->smallestSpace = 0;
  return kPageProcessed;
}

// With keepTopmostStill the topmost system's own placement stands in for the
// extra top margin: its on-page space is given back to the room, and so is
// the extra top margin.
void give_back_kept_topmost(const KVTR_PAGESYSTEMS* systems, const EDTPageSpec* page, const structUserPrefs* prefs,
                            FreeRoom* room) {
  const int16_t keptGap = KVTR_GapOf(&KVTR_PageSystem(systems, systems->first)->held);
  const int32_t onPage = KVTR_ScaleToPage(keptGap, page);
  room->remaining = FTX_Wrap32(int64_t{room->remaining} + onPage + prefs->extraTopMargin);
}

// Tries trial gaps from `trialGap` on, one unscaled EVPU less space each time,
// until the run fits. Stops with kSystemsDoNotFit once even the largest 16-bit
// gap does not fit; nothing has been written then.
int16_t search_fitting_gap(KVTR_PAGESYSTEMS* systems, int32_t smallestSpace, const EDTPageSpec* page,
                           const structUserPrefs* prefs, int16_t* trialGap) {
  for (;;) {
    int16_t code = 0;
    if (KVTR_RespacePageSystems(systems, *trialGap, smallestSpace, page, prefs, 0, &code) != 0) {
      return kPageProcessed;
    }
    if (code != 0) return code;
    if (*trialGap == INT16_MAX) return kSystemsDoNotFit;
    ++*trialGap;
  }
}

int16_t spread_read_systems(KVTR_PAGESYSTEMS* systems, int16_t count, const EDTPageSpec* page,
                            const structUserPrefs* prefs) {
  FreeRoom room;
  int16_t code = measure_free_room(systems, page, prefs, &room);
  if (code != kPageProcessed) return code;
  // After this: every system of the page is read; nothing more is read from
  // the host for this page.
  if (prefs->keepTopmostStill != 0) give_back_kept_topmost(systems, page, prefs, &room);
  if (!KVTR_AccountForPageScoping(&room.remaining, page)) return kPageScalingInvalid;
  // After this: room.remaining is the unscaled space to share out between the
  // count - 1 spaces that separate the systems.

  int16_t trialGap = KVTR_Cut16(-(int64_t{room.remaining} / (int64_t{count} - 1)));
  code = search_fitting_gap(systems, room.smallestSpace, page, prefs, &trialGap);
  if (code != kPageProcessed) return code;
  // After this: trialGap is the first gap, from the even share on, that fits.

  int16_t storeCode = 0;
  if (KVTR_RespacePageSystems(systems, trialGap, room.smallestSpace, page, prefs, 1, &storeCode) != 0) {
    return kPageProcessed;
  }
  // A write refused part-way: the systems already written get their gaps back,
  // so that a page reported as failed is the page as it was. A host that
  // refuses a write back is asked once more (one failed call must not leave
  // the page half respaced); a system it still refuses keeps its new gap,
  // and the page's box, that a system could not be saved, says what is so.
  if (!KVTR_RestorePageSystems(systems) && !KVTR_RestorePageSystems(systems)) return kSystemSaveFailed;
  return storeCode;
}

}  // namespace

// Memory for the page's systems that cannot be had is reported like a system
// that cannot be read: the page is left as it was.
int16_t KVTR_SpreadSystems(FTX_LAYOUTRUN* run, int16_t first, int16_t last, int16_t count, const EDTPageSpec* page,
                           const structUserPrefs* prefs) {
  KVTR_PAGESYSTEMS systems;
  if (!KVTR_OpenPageSystems(&systems, run, first, last)) return kSystemLoadFailed;
  const int16_t code = spread_read_systems(&systems, count, page, prefs);
  KVTR_ClosePageSystems(&systems);
  return code;
}
