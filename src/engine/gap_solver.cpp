// The gap solver. EVPU, upward positive; a gap is negative downward and the
// space it leaves is its negation. Gaps and heights are unscaled system
// lengths; the page's height and margins may be scaled (pagePercent), so the
// run's total is brought to on-page units before the fit test.
#include "engine/gap_solver.h"

#include "engine/evpu_arithmetic.h"
#include "engine/gap_access.h"
#include "engine/page_results.h"
#include "engine/page_scoping.h"
#include "engine/system_height.h"

namespace {

// Where the solver gets a system's gap and unscaled height and puts its new
// gap: the host itself, or a page's systems as read once.
struct SystemSource {
  bool (*loadGap)(void* context, int16_t system, int16_t* gap);
  bool (*height)(void* context, int16_t system, int32_t* height);  // false: the height cannot be had
  bool (*saveGap)(void* context, int16_t system, int16_t gap);
  void* context;
};

bool host_load_gap(void*, int16_t system, int16_t* gap) { return LoadSysGapValue(system, gap); }
bool host_height(void*, int16_t system, int32_t* height) { return KVTR_LoadStaffSystemHeight(system, 0, height); }
bool host_save_gap(void*, int16_t system, int16_t gap) { return SaveSysGapValue(system, gap); }
constexpr SystemSource kHostSource = {host_load_gap, host_height, host_save_gap, nullptr};

bool read_load_gap(void* context, int16_t system, int16_t* gap) {
  *gap = KVTR_GapOf(&KVTR_PageSystem(static_cast<KVTR_PAGESYSTEMS*>(context), system)->held);
  return true;
}
bool read_height(void* context, int16_t system, int32_t* height) {
  *height = KVTR_PageSystem(static_cast<KVTR_PAGESYSTEMS*>(context), system)->height;
  return true;
}
bool read_save_gap(void* context, int16_t system, int16_t gap) {
  return KVTR_StorePageSystemGap(static_cast<KVTR_PAGESYSTEMS*>(context), system, gap);
}

// The room the run takes, unscaled: the space its gaps leave plus its heights.
struct RunTotals {
  int32_t space = 0;
  int32_t height = 0;
};

// The gap a system of the run takes for this trial, before the rule for the
// run's first system. With includeGaps the trial gap is added to the system's
// existing gap, which is converted as if it were a page length; compact packs
// systems against each other, closing up the smallest existing space when
// gaps count in.
int16_t candidate_gap(int16_t existingGap, int16_t trialGap, int32_t smallestSpace, const EDTPageSpec* page,
                      const structUserPrefs* prefs) {
  if (prefs->compact != 0) {
    return prefs->includeGaps != 0 ? KVTR_Cut16(int64_t{existingGap} + smallestSpace) : 0;
  }
  if (prefs->includeGaps == 0) return trialGap;
  int32_t existing = existingGap;
  KVTR_AccountForPageScoping(&existing, page);
  return KVTR_Cut16(int64_t{trialGap} + existing);
}

// Places systems start..last after any kept topmost system and adds them to
// the totals. Afterwards: with save set, every placed system holds its new gap
// in the host; on failure the out-code says which transfer failed.
bool place_run(const SystemSource* source, int32_t start, int16_t last, int16_t trialGap, int32_t smallestSpace,
               const EDTPageSpec* page, const structUserPrefs* prefs, int16_t save, RunTotals* totals,
               int16_t* outCode) {
  for (int32_t s = start; s <= last; ++s) {
    const int16_t system = static_cast<int16_t>(s);
    int16_t existingGap = 0;
    if (!source->loadGap(source->context, system, &existingGap)) {
      *outCode = kSystemLoadFailed;
      return false;
    }
    int16_t newGap = candidate_gap(existingGap, trialGap, smallestSpace, page, prefs);
    if (s == start && prefs->keepTopmostStill == 0) newGap = KVTR_Cut16(-int32_t{prefs->extraTopMargin});

    // A height that cannot be read is a failed system, never a height of 0:
    // the run's total would be short and the page spread with wrong gaps.
    int32_t height = 0;
    if (!source->height(source->context, system, &height)) {
      *outCode = kSystemLoadFailed;
      return false;
    }
    totals->space = FTX_Wrap32(int64_t{totals->space} - newGap);
    totals->height = FTX_Wrap32(int64_t{totals->height} + height);
    if (save != 0 && !source->saveGap(source->context, system, newGap)) {
      *outCode = kSystemSaveFailed;
      return false;
    }
  }
  return true;
}

int16_t respace(const SystemSource* source, int16_t first, int16_t last, int16_t trialGap, int32_t smallestSpace,
                const EDTPageSpec* page, const structUserPrefs* prefs, int16_t save, int16_t* outCode) {
  int16_t ignoredCode = 0;
  if (outCode == nullptr) outCode = &ignoredCode;
  *outCode = 0;
  if (!KVTR_PageScalingIsUsable(page)) {
    *outCode = kPageScalingInvalid;
    return 0;
  }

  RunTotals totals;
  int32_t start = first;
  if (prefs->keepTopmostStill != 0) {
    int16_t keptGap = 0;
    if (!source->loadGap(source->context, first, &keptGap) ||
        !source->height(source->context, first, &totals.height)) {
      *outCode = kSystemLoadFailed;
      return 0;
    }
    totals.space = -int32_t{keptGap};
    start = int32_t{first} + 1;
  }
  // After this: the kept topmost system, if any, counts in the totals untouched.

  if (!place_run(source, start, last, trialGap, smallestSpace, page, prefs, save, &totals, outCode)) return 0;
  // After this: every system of the run has its new gap counted (and stored when saving).

  const int32_t total = KVTR_ScaleToPage(FTX_Wrap32(int64_t{totals.space} + totals.height), page);
  if (prefs->compact != 0) return 1;
  return total < int64_t{KVTR_UsablePageHeight(page)} - 2 ? 1 : 0;
}

}  // namespace

int16_t KVTR_RespaceStaffSystems(int16_t first, int16_t last, int16_t trialGap, int32_t smallestSpace,
                                 const EDTPageSpec* page, const structUserPrefs* prefs, int16_t save,
                                 int16_t* outCode) {
  return respace(&kHostSource, first, last, trialGap, smallestSpace, page, prefs, save, outCode);
}

int16_t KVTR_RespacePageSystems(KVTR_PAGESYSTEMS* systems, int16_t trialGap, int32_t smallestSpace,
                                const EDTPageSpec* page, const structUserPrefs* prefs, int16_t save,
                                int16_t* outCode) {
  const SystemSource source = {read_load_gap, read_height, read_save_gap, systems};
  return respace(&source, systems->first, systems->last, trialGap, smallestSpace, page, prefs, save, outCode);
}
