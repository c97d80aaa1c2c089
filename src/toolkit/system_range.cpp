// Which staff systems stand on a page. A page's last system is one less than
// the first system of the next page that holds any, or the score's last system
// when no later page does (a later page of the score whose record cannot be
// read makes the range fail). Pages the host has not laid out yet (firstSystem 0)
// are laid out on the way.
//
// A range is never shortened on a count the host's answers contradict: the
// count of systems is confirmed (FTX_CountItemsSurely), and a range that would
// end before its own first system (a next page whose first system is not
// after this page's, a count below it) fails with kFtxCountContradicted.
#include "host/fx_entries.h"
#include "globals/toolkit_globals.h"
#include "toolkit/item_counting.h"
#include "toolkit/keyed_records.h"
#include "toolkit/layout_run.h"
#include "toolkit/page_layout.h"

namespace {

// A layout update makes whatever the run kept stale.
void lay_out_from(FTX_LAYOUTRUN* run, int32_t page) {
  FX_UpdateLayout(static_cast<int16_t>(page), 0, kFxInterfaceVersion);
  if (run != nullptr) FTX_BeginLayoutRun(run);
}

// The first system of `page`, laid out from `layoutFrom` on when the host has
// not laid it out yet; false when its record cannot be loaded.
bool first_system_of(FTX_LAYOUTRUN* run, int32_t page, int32_t layoutFrom, int16_t* firstSystem) {
  if (page > kFtxLastItemNumber) return false;
  EDTPageSpec pageRecord;
  if (!FTX_RunLoadPageSpec(run, static_cast<int16_t>(page), &pageRecord)) return false;
  if (pageRecord.firstSystem == kFtxFirstSystemNotLaidOut) {
    lay_out_from(run, layoutFrom);
    if (!FTX_RunLoadPageSpec(run, static_cast<int16_t>(page), &pageRecord)) return false;
  }
  *firstSystem = pageRecord.firstSystem;
  return true;
}

int16_t system_range(FTX_LAYOUTRUN* run, int16_t page, int16_t* pFirstSystem, int16_t* pLastSystem) {
  if (pFirstSystem == nullptr || pLastSystem == nullptr) return kFtxNullPointer;
  int16_t first = 0;
  if (!first_system_of(run, page, page, &first)) return kFtxPageRecordMissing;
  if (first == kFtxFirstSystemNone) {
    *pFirstSystem = 0;
    *pLastSystem = 0;
    return kFtxOk;
  }
  if (first == kFtxFirstSystemNotLaidOut) return kFtxPageNotLaidOut;

  // Every later layout update starts at the page after the requested one.
  for (int32_t next = int32_t{page} + 1;; ++next) {
    int16_t nextFirst = 0;
    if (!first_system_of(run, next, int32_t{page} + 1, &nextFirst)) {
      // A page the score has but the host would not hand over is a failure,
      // not the end of the score: the range would take in later pages' systems.
      // So is a count of pages the host's answers contradict.
      if (next <= kFtxLastItemNumber) {
        int16_t pages = 0;
        if (!FTX_CountItemsSurely(kFtxCountPages, &pages) || next <= pages) return kFtxPageRecordMissing;
      }
      int16_t systems = 0;
      if (!FTX_RunCountSystems(run, &systems) || systems < first) return kFtxCountContradicted;
      *pFirstSystem = first;
      *pLastSystem = systems;
      return kFtxOk;
    }
    if (nextFirst == kFtxFirstSystemNone) continue;
    if (nextFirst == kFtxFirstSystemNotLaidOut) return kFtxPageNotLaidOut;
    if (nextFirst <= first) return kFtxCountContradicted;
    *pFirstSystem = first;
    *pLastSystem = static_cast<int16_t>(nextFirst - 1);
    return kFtxOk;
  }
}

}  // namespace

int16_t FTX_SystemRangeOnPage(int16_t page, int16_t* pFirstSystem, int16_t* pLastSystem) {
  return system_range(nullptr, page, pFirstSystem, pLastSystem);
}

int16_t FTX_RunSystemRangeOnPage(FTX_LAYOUTRUN* run, int16_t page, int16_t* pFirstSystem, int16_t* pLastSystem) {
  EDTPageSpec pageRecord;
  // The page's own record, read before the walk moves the run's held load on.
  const bool loaded = FTX_RunLoadPageSpec(run, page, &pageRecord);
  const int32_t generation = run->generation;
  const int16_t result = system_range(run, page, pFirstSystem, pLastSystem);
  if (result == kFtxOk && loaded && generation == run->generation) {
    run->rangePage = page;
    run->rangeFirst = *pFirstSystem;
    run->rangeLast = *pLastSystem;
    run->rangeRecord = pageRecord;
  }
  return result;
}
