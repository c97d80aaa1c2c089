// The layout summary of one staff system. Lengths are EVPU; the summary's
// system margins and space above are positive downward (the negated record
// fields), system lengths are unscaled and page lengths on-page.
#include <cstring>

#include "host/fx_entries.h"
#include "host/record_tags.h"
#include "globals/toolkit_globals.h"
#include "toolkit/host_version.h"
#include "toolkit/instrument_lists.h"
#include "toolkit/item_counting.h"
#include "toolkit/keyed_records.h"
#include "toolkit/layout_run.h"
#include "toolkit/page_layout.h"
#include "toolkit/staff_system_records.h"
#include "toolkit/system_metrics.h"
#include "toolkit/wrapping_math.h"

namespace {

constexpr int16_t kLayoutInfoSize = 102;
constexpr int32_t kMeasureRecordSize = 66;
constexpr int kMeasureFlagsWord = 16 / 2;
constexpr uint16_t kMeasureFlagBit = 0x0800;

int16_t flag_of(uint16_t flags, uint16_t bit) { return (flags & bit) != 0 ? 1 : 0; }

void fill_page_record_fields(int16_t page, const EDTPageSpec& pageRecord, int16_t first, int16_t last,
                             FTX_LAYOUTINFO* info) {
  info->pageNumber = page;
  info->pageWidth = pageRecord.pageWidth;
  info->pageHeight = pageRecord.pageHeight;
  info->pagePercent = pageRecord.pagePercent;
  info->pageScaled = flag_of(pageRecord.pageFlags, kPageFlagScaled);
  info->pageTopMargin = pageRecord.topMargin;
  info->pageLeftMargin = pageRecord.leftMargin;
  info->pageRightMargin = pageRecord.rightMargin;
  info->pageBottomMargin = pageRecord.bottomMargin;
  info->pageUsableWidth = FTX_Wrap32(int64_t{pageRecord.pageWidth} - pageRecord.leftMargin + pageRecord.rightMargin);
  info->pageUsableHeight = FTX_Wrap32(int64_t{pageRecord.pageHeight} + pageRecord.topMargin - pageRecord.bottomMargin);
  info->firstSystemOnPage = first;
  info->systemsOnPage = static_cast<int16_t>(last - first + 1);
  info->lastSystemOnPage = last;
}

// The page that holds `system`: the first page with systems whose last system is
// at least `system`. Within a run, a system of the page whose range the run
// knows is on that page: on a host whose pages hold ascending runs of systems
// no earlier page can end at or after it, so the walk from page 1 is skipped.
// On success the page fields are filled.
int16_t fill_page_fields(FTX_LAYOUTRUN* run, int16_t system, FTX_LAYOUTINFO* info) {
  if (FTX_RunKnowsSystemPage(run, system)) {
    fill_page_record_fields(run->rangePage, run->rangeRecord, run->rangeFirst, run->rangeLast, info);
    return kFtxOk;
  }
  int16_t first = 0;
  int16_t last = 0;
  int32_t page = 1;
  for (;; ++page) {
    if (page > kFtxLastItemNumber) return kFtxSystemPageNotFound;
    if (FTX_SystemRangeOnPage(static_cast<int16_t>(page), &first, &last) != kFtxOk) return kFtxSystemPageNotFound;
    if ((first != 0 || last != 0) && last >= system) break;
  }
  EDTPageSpec pageRecord;
  if (!FTX_LoadPageSpec(static_cast<int16_t>(page), &pageRecord)) return kFtxSystemPageNotFound;
  fill_page_record_fields(static_cast<int16_t>(page), pageRecord, first, last, info);
  return kFtxOk;
}

void fill_system_fields(const EDTStaffSystemRecord* record, FTX_LAYOUTINFO* info) {
  info->systemSpaceAbove = -int32_t{record->sysGap};
  info->systemLeftMargin = record->sysLeftMargin;
  info->systemRightMargin = record->sysRightMargin;
  info->systemTopMargin = -int32_t{record->sysTopMargin};
  info->systemBottomMargin = -int32_t{record->sysBottomMargin};
  info->systemPercent = record->sysPercent;
  info->systemWidthUnscaled = flag_of(record->sysFlags, kSysFlagWidthUnscaled);
  info->systemScaled = flag_of(record->sysFlags, kSysFlagScaled);
  info->systemHasOwnStaffList = flag_of(record->sysFlags, kSysFlagOwnStaffList);
  info->firstMeasure = record->sysFirstMeasure;
  info->lastMeasure = static_cast<int16_t>(record->sysNextMeasure - 1);
  info->measureCount = static_cast<int16_t>(record->sysNextMeasure - record->sysFirstMeasure);
}

bool load_first_measure_flag(int16_t measure, int16_t* flag) {
  uint16_t words[kMeasureRecordSize / 2] = {};
  if (!FTX_LoadOther(kTagMeasure, static_cast<uint16_t>(measure), 0, words, kMeasureRecordSize,
                     kFxInterfaceVersion)) {
    return false;
  }
  *flag = flag_of(words[kMeasureFlagsWord], kMeasureFlagBit);
  return true;
}

// Width left to the system on its page; a scaled page shows the system's
// margins at pagePercent.
void fill_system_width(FTX_LAYOUTINFO* info) {
  int32_t margins = FTX_Wrap32(int64_t{info->systemLeftMargin} - info->systemRightMargin);
  if (info->pageScaled == 1) margins = FTX_Wrap32(int64_t{margins} * info->pagePercent) / 100;
  info->systemWidth = FTX_Wrap32(int64_t{info->pageUsableWidth} - margins);
  if (info->systemWidthUnscaled == 0) info->systemWidth = FTX_Wrap32(int64_t{info->systemPercent} * info->systemWidth) / 100;
}

// The summary, with the page fields when withPage; `run` and `loaded` may be
// null (see FTX_RunGetLayoutInfo).
int16_t layout_info(FTX_LAYOUTRUN* run, int16_t system, const EDTStaffSystemRecord* loaded, FTX_LAYOUTINFO* info,
                    bool withPage) {
  if (info == nullptr) return kFtxNullPointer;
  if (info->structSize != kLayoutInfoSize) return kFtxBadRecordSize;
  // A system of the page whose range the run knows exists: the range ends
  // before the next page's first system or at the last system of the score.
  if (!FTX_RunKnowsSystemPage(run, system)) {
    int16_t systems = 0;
    if (!FTX_RunCountSystems(run, &systems)) return kFtxCountContradicted;
    if (system < 0 || system > systems) return kFtxSystemOutOfRange;
  }
  if (withPage) {
    const int16_t pageResult = fill_page_fields(run, system, info);
    if (pageResult != kFtxOk) return pageResult;
  } else {
    std::memset(info, 0, sizeof *info);
  }

  EDTStaffSystemRecord record;
  if (loaded != nullptr) {
    record = *loaded;
  } else if (!FTX_LoadStaffSystemSpec(system, &record, kFtxStaffSystemSize, kFtxCurrentLayoutVersion)) {
    return kFtxSystemRecordMissing;
  }
  fill_system_fields(&record, info);
  info->instrumentList = FTX_RunListOfSystem(run, system, record.sysFlags, true);
  FTX_LISTSUMMARY scratch;
  const FTX_LISTSUMMARY* list = FTX_RunListSummary(run, info->instrumentList, &scratch);
  info->visibleInstrumentCount = list->visibleCount;
  // -1: the list or a staff record could not be read; a height from a list
  // read half would be taken for the system's own.
  if (info->visibleInstrumentCount < 0) return kFtxStaffListMissing;

  if (list->topLoaded == 0) return kFtxStaffListMissing;
  const int32_t hostYear = FTX_FinaleVersion();
  info->firstMeasureFlag = 0;
  if (hostYear > 2000 && !load_first_measure_flag(info->firstMeasure, &info->firstMeasureFlag)) {
    return kFtxSystemRecordMissing;
  }

  if (info->visibleInstrumentCount == 0) {
    info->systemHeight = info->staffSpan = info->systemWidth = 0;
    info->firstVisibleInstrument = info->lastVisibleInstrument = 0;
    return kFtxOk;
  }
  if (list->spanResult != kFtxOk) return list->spanResult;
  const FTX_STAFFSPAN& span = list->span;
  info->staffSpan = FTX_Wrap32(int64_t{span.highest} - span.lowest);
  FTX_ApplySystemHeight(info, list->topStaffOffset, record.sysStaffHeight, hostYear);
  info->firstVisibleInstrument = span.first;
  info->lastVisibleInstrument = span.last;
  if (withPage) fill_system_width(info);
  return kFtxOk;
}

}  // namespace

int16_t FTX_GetLayoutInfo(int16_t system, FTX_LAYOUTINFO* info, bool withPage) {
  return layout_info(nullptr, system, nullptr, info, withPage);
}

int16_t FTX_RunGetLayoutInfo(FTX_LAYOUTRUN* run, int16_t system, const EDTStaffSystemRecord* record,
                             FTX_LAYOUTINFO* info) {
  return layout_info(run, system, record, info, true);
}
