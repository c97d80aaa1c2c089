// The layout summary of one staff system. Lengths are EVPU; the summary's
// system margins and space above are positive downward (the negated record
// fields), system lengths are unscaled and page lengths on-page.
#include <cstring>

#include "host/fx_entries.h"
#include "host/record_tags.h"
#include "shell/toolkit_globals.h"
#include "toolkit/host_version.h"
#include "toolkit/instrument_lists.h"
#include "toolkit/item_counting.h"
#include "toolkit/keyed_records.h"
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

// The page that holds `system`: the first page with systems whose last system is
// at least `system`. On success the page fields are filled.
int16_t fill_page_fields(int16_t system, FTX_LAYOUTINFO* info) {
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

  info->pageNumber = static_cast<int16_t>(page);
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

int16_t instrument_list_of(int16_t system, const FTX_LAYOUTINFO* info) {
  if (info->systemHasOwnStaffList == 1) return FTX_GetInstrumentList(kFtxSystemList, system);
  return FTX_GetInstrumentList(FTX_ExtractedPartIsUsed() ? kFtxExtractedPartList : kFtxScoreList, 0);
}

// The top staff's offset below the system's top, from the list's first record:
// its negated position, or when that is 0 its negated word at offset 2,
// truncated to 16 bits.
bool top_staff_offset(int16_t list, int32_t* offset) {
  EDTInstrumentListRecord record;
  if (!FTX_LoadOther(kTagInstrumentList, static_cast<uint16_t>(list), 0, &record, kFtxInstrumentListSize,
                     kFxInterfaceVersion)) {
    return false;
  }
  const int64_t t = record.staffPosition != 0 ? -int64_t{record.staffPosition} : -int64_t{record.word2};
  *offset = static_cast<int16_t>(static_cast<uint16_t>(t));
  return true;
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

}  // namespace

int16_t FTX_GetLayoutInfo(int16_t system, FTX_LAYOUTINFO* info, bool withPage) {
  if (info == nullptr) return kFtxNullPointer;
  if (info->structSize != kLayoutInfoSize) return kFtxBadRecordSize;
  if (system < 0 || system > FTX_CountItems(kFtxCountStaffSystems)) return kFtxSystemOutOfRange;
  if (withPage) {
    const int16_t pageResult = fill_page_fields(system, info);
    if (pageResult != kFtxOk) return pageResult;
  } else {
    std::memset(info, 0, sizeof *info);
  }

  EDTStaffSystemRecord record;
  if (!FTX_LoadStaffSystemSpec(system, &record, kFtxStaffSystemSize, kFtxCurrentLayoutVersion)) {
    return kFtxSystemRecordMissing;
  }
  fill_system_fields(&record, info);
  info->instrumentList = instrument_list_of(system, info);
  info->visibleInstrumentCount = FTX_CountInstruments(info->instrumentList, 0);
  // -1: the list or a staff record could not be read; a height from a list
  // read half would be taken for the system's own.
  if (info->visibleInstrumentCount < 0) return kFtxStaffListMissing;

  int32_t topStaffOffset = 0;
  if (!top_staff_offset(info->instrumentList, &topStaffOffset)) return kFtxStaffListMissing;
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
  FTX_STAFFSPAN span;
  const int16_t spanResult = FTX_ScanStaffSpan(info->instrumentList, &span);
  if (spanResult != kFtxOk) return spanResult;
  info->staffSpan = FTX_Wrap32(int64_t{span.highest} - span.lowest);
  FTX_ApplySystemHeight(info, topStaffOffset, record.sysStaffHeight, hostYear);
  info->firstVisibleInstrument = span.first;
  info->lastVisibleInstrument = span.last;
  if (withPage) fill_system_width(info);
  return kFtxOk;
}
