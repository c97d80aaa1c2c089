// A page's lone staff system. EVPU, upward positive, a gap negative downward.
// The room between the extra margins is measured on the page and converted to
// unscaled units, the system's own unit, before the system is placed in it.
#include "engine/evpu_arithmetic.h"
#include "engine/gap_access.h"
#include "engine/page_results.h"
#include "engine/page_scoping.h"
#include "engine/page_systems.h"
#include "engine/page_treatments.h"

namespace {

constexpr int16_t kLeaveAlone = 0;
constexpr int16_t kTop = 1;
constexpr int16_t kCentre = 2;
constexpr int16_t kBottom = 3;

// The new gap for a system of `height` in `space` (both unscaled, height <=
// space), or false for an option outside 0..3. The bottom placement stops one
// EVPU above the lowest position the extra bottom margin allows.
bool gap_for_option(int16_t option, int32_t space, int32_t height, int16_t extraTop, int16_t* gap) {
  int64_t value = 0;
  switch (option) {
    case kTop: value = -int64_t{extraTop}; break;
    case kCentre: value = -(FTX_Wrap32(int64_t{space} - height) / 2) - int64_t{extraTop}; break;
    case kBottom: value = int64_t{height} - space - extraTop + 1; break;
    default: return false;
  }
  *gap = KVTR_Cut16(FTX_Wrap32(value));
  return true;
}

}  // namespace

int16_t KVTR_PlaceSingleSystem(FTX_LAYOUTRUN* run, const EDTPageSpec* page, const structUserPrefs* prefs) {
  if (prefs->singleSystems == kLeaveAlone) return kPageProcessed;

  int32_t space = FTX_Wrap32(int64_t{KVTR_UsablePageHeight(page)} - prefs->extraTopMargin -
                              prefs->extraBottomMargin);
  if (!KVTR_AccountForPageScoping(&space, page)) return kPageScalingInvalid;
  // After this: space is the unscaled room between the extra margins.

  const int16_t system = page->firstSystem;
  int32_t height = 0;
  if (!KVTR_SystemHeightInRun(run, system, nullptr, &height) || height == 0) return kSystemLoadFailed;
  if (space < height) return kPageMarginsTooWide;

  int16_t gap = 0;
  if (!gap_for_option(prefs->singleSystems, space, height, prefs->extraTopMargin, &gap)) {
    return kUnknownSingleOption;
  }

  KVTR_GAPRECORD held;
  if (!KVTR_LoadGapRecord(system, &held)) return kSystemLoadFailed;
  return KVTR_SaveGapRecord(system, &held, gap) ? kPageProcessed : kSystemSaveFailed;
}
