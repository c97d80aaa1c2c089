// The run's kept answers. Every answer kept here is one the host gives again
// unchanged until the next layout update (see layout_run.h); a host that
// answered a repeated read differently would see the first answer used.
#include "toolkit/layout_run.h"

#include <cstring>

#include "host/fx_entries.h"
#include "host/record_tags.h"
#include "globals/toolkit_globals.h"
#include "toolkit/instrument_lists.h"
#include "toolkit/item_counting.h"
#include "toolkit/keyed_records.h"

void FTX_BeginLayoutRun(FTX_LAYOUTRUN* run) {
  const int32_t generation = run->generation;
  std::memset(run, 0, sizeof *run);
  run->generation = generation + 1;
  run->extractedPart = kFtxRunPartNotRead;
}

bool FTX_RunLoadPageSpec(FTX_LAYOUTRUN* run, int16_t page, EDTPageSpec* pageRecord) {
  if (run == nullptr) return FTX_LoadPageSpec(page, pageRecord);
  if (run->heldPage != page || page == 0) {
    // Kept: the host lays pages out only when asked, and nothing in a run
    // writes page records.
    run->heldLoaded = FTX_LoadPageSpec(page, &run->heldRecord) ? 1 : 0;
    run->heldPage = page;
  }
  if (run->heldLoaded == 0) return false;
  *pageRecord = run->heldRecord;
  return true;
}

bool FTX_RunReloadPageSpec(FTX_LAYOUTRUN* run, int16_t page, EDTPageSpec* pageRecord) {
  run->heldPage = 0;
  return FTX_RunLoadPageSpec(run, page, pageRecord);
}

bool FTX_RunCountSystems(FTX_LAYOUTRUN* run, int16_t* count) {
  if (run == nullptr) return FTX_CountItemsSurely(kFtxCountStaffSystems, count);
  if (run->systemCountKnown == 0) {
    // Kept: systems are added or removed only by the user, never during a run.
    run->systemCountSure = FTX_CountItemsSurely(kFtxCountStaffSystems, &run->systemCount) ? 1 : 0;
    run->systemCountKnown = 1;
  }
  *count = run->systemCount;
  return run->systemCountSure != 0;
}

int16_t FTX_RunExtractedPart(FTX_LAYOUTRUN* run) {
  if (run == nullptr) return FTX_ReadExtractedPart();
  // Kept: which part is shown changes only by the user.
  if (run->extractedPart == kFtxRunPartNotRead) run->extractedPart = FTX_ReadExtractedPart();
  return run->extractedPart;
}

namespace {

// The top staff's offset below the system's top, from the list's first record:
// its negated position, or when that is 0 its negated word at offset 2,
// truncated to 16 bits.
bool read_top_staff(int16_t list, FTX_LISTSUMMARY* summary) {
  EDTInstrumentListRecord record;
  if (!FTX_LoadOther(kTagInstrumentList, static_cast<uint16_t>(list), 0, &record, kFtxInstrumentListSize,
                     kFxInterfaceVersion)) {
    return false;
  }
  const int64_t t = record.staffPosition != 0 ? -int64_t{record.staffPosition} : -int64_t{record.word2};
  summary->topStaffOffset = static_cast<int16_t>(static_cast<uint16_t>(t));
  summary->firstStaffPosition = record.staffPosition;
  return true;
}

void read_list_summary(int16_t list, FTX_LISTSUMMARY* summary) {
  std::memset(summary, 0, sizeof *summary);
  summary->list = list;
  summary->used = 1;
  summary->visibleCount = FTX_CountInstruments(list, 0);
  summary->topLoaded = read_top_staff(list, summary) ? 1 : 0;
  if (summary->topLoaded == 1 && summary->visibleCount != 0) {
    summary->spanResult = FTX_ScanStaffSpan(list, &summary->span);
  }
}

}  // namespace

bool FTX_RunKnowsSystemPage(const FTX_LAYOUTRUN* run, int16_t system) {
  return run != nullptr && run->rangePage != 0 && run->rangeFirst != 0 && system >= run->rangeFirst &&
         system <= run->rangeLast;
}

bool FTX_RunKnowsList(const FTX_LAYOUTRUN* run, int16_t list) {
  if (run == nullptr) return false;
  for (const FTX_LISTSUMMARY& summary : run->lists)
    if (summary.used == 1 && summary.list == list) return true;
  return false;
}

const FTX_LISTSUMMARY* FTX_RunListSummary(FTX_LAYOUTRUN* run, int16_t list, FTX_LISTSUMMARY* scratch) {
  // -1 is FTX_GetInstrumentList's answer for a missing list: never kept.
  if (run == nullptr || list == -1) {
    read_list_summary(list, scratch);
    return scratch;
  }
  for (const FTX_LISTSUMMARY& summary : run->lists)
    if (summary.used == 1 && summary.list == list) return &summary;
  // Kept: no run writes instrument list or staff records (gaps are written in
  // the layout of the host's era, which holds no list field).
  FTX_LISTSUMMARY* slot = &run->lists[run->nextListSlot];
  run->nextListSlot = static_cast<int16_t>((run->nextListSlot + 1) % kFtxRunListSlots);
  read_list_summary(list, slot);
  return slot;
}

int16_t FTX_RunListOfSystem(FTX_LAYOUTRUN* run, int16_t system, uint16_t sysFlags, bool probeOwnList) {
  if ((sysFlags & kSysFlagOwnStaffList) != 0) {
    if (!probeOwnList || FTX_RunKnowsList(run, system)) return system;
    return FTX_GetInstrumentList(kFtxSystemList, system);
  }
  const int16_t part = FTX_RunExtractedPart(run);
  if (part == kFtxPartStateUnknown) return -1;
  const int16_t list = part == 1 ? -8 : 0;
  if (FTX_RunKnowsList(run, list)) return list;
  return FTX_GetInstrumentList(part == 1 ? kFtxExtractedPartList : kFtxScoreList, 0);
}

namespace {

// The top margin an old host keeps for a system in its list's first record:
// the run's summary of the list, or the record itself read in the old layout.
bool top_margin_of_list(FTX_LAYOUTRUN* run, int16_t list, int32_t* topMargin) {
  if (run == nullptr) {
    EDTInstrumentListRecord record;
    if (!FTX_LoadOther(kTagInstrumentList, static_cast<uint16_t>(list), 0, &record, kFtxInstrumentListSize,
                       kFtxOldLayoutVersion)) {
      return false;
    }
    *topMargin = record.staffPosition;
    return true;
  }
  FTX_LISTSUMMARY scratch;
  const FTX_LISTSUMMARY* summary = FTX_RunListSummary(run, list, &scratch);
  if (summary->topLoaded == 0) return false;
  *topMargin = summary->firstStaffPosition;
  return true;
}

}  // namespace

bool FTX_RunCurrentFromOld(FTX_LAYOUTRUN* run, int16_t system, const EDTStaffSystemRecordOld* old,
                           EDTStaffSystemRecord* current) {
  const int16_t list = FTX_RunListOfSystem(run, system, old->sysFlags, false);
  if (list == -1) return false;
  int32_t topMargin = 0;
  if (!top_margin_of_list(run, list, &topMargin)) return false;
  FTX_StaffSystemOldToCurrent(old, topMargin, current);
  return true;
}
