// The page driver: one layout update, then each page of the range in turn.
// Lengths are handled by the treatments (EVPU, upward positive, a gap negative
// downward; page lengths may be scaled, system lengths are not).
#include "engine/page_driver.h"

#include "engine/evpu_arithmetic.h"
#include "engine/page_results.h"
#include "engine/page_treatments.h"
#include "host/fx_entries.h"
#include "toolkit/layout_run.h"
#include "toolkit/page_layout.h"

namespace {

int16_t process_page(FTX_LAYOUTRUN* run, int16_t page, const structUserPrefs* prefs) {
  EDTPageSpec record = {};
  if (!FTX_RunReloadPageSpec(run, page, &record)) return kPageLoadFailed;
  if (record.firstSystem == kFtxFirstSystemNotLaidOut) return kPageNotLaidOut;
  if (record.firstSystem == kFtxFirstSystemNone) return kPageHasNoSystems;

  int16_t first = 0;
  int16_t last = 0;
  if (FTX_RunSystemRangeOnPage(run, page, &first, &last) != 0) return kSystemRangeFailed;
  if (first == 0) return kPageHasNoSystems;
  // After this: systems first..last stand on the page, which is laid out.

  const int16_t count = KVTR_Cut16(int32_t{last} - first + 1);
  if (count == 1) return KVTR_PlaceSingleSystem(run, &record, prefs);
  return KVTR_SpreadSystems(run, first, last, count, &record, prefs);
}

}  // namespace

// A page processed alone is a run of its own: what it reads is kept while it
// is processed.
int16_t KVTR_ProcessPage(int16_t page, const structUserPrefs* prefs) {
  FTX_LAYOUTRUN run = {};
  FTX_BeginLayoutRun(&run);
  return process_page(&run, page, prefs);
}

void KVTR_StartProcess(HWND owner, const structUserPrefs* prefs, KVTR_PageResultReporter report) {
  if (prefs == nullptr) return;
  FX_UpdateLayout(1, 0, kFxInterfaceVersion);
  // The run's view of the layout, read once from here to the end of the run.
  FTX_LAYOUTRUN run = {};
  FTX_BeginLayoutRun(&run);
  // A 32-bit counter, so that a range ending at page 32767 ends.
  for (int32_t page = prefs->firstPage; page <= prefs->lastPage; ++page) {
    const int16_t result = process_page(&run, static_cast<int16_t>(page), prefs);
    if (report != nullptr) report(owner, static_cast<int16_t>(page), result);
  }
}
