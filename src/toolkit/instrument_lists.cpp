#include "toolkit/instrument_lists.h"

#include <cstdio>

#include "host/fx_entries.h"
#include "host/record_tags.h"
#include "toolkit/host_alert.h"
#include "toolkit/keyed_records.h"
#include "toolkit/staff_records.h"

namespace {

constexpr int16_t kNoList = -1;
constexpr int16_t kExtractedPartListNumber = -8;
constexpr int16_t kNumberedListBase = -37;

// The list number a kind names, or kNoList. An unknown kind is also reported
// through `unknown`, so that only it is shown to the user.
int16_t list_number_of(int16_t kind, int16_t argument, bool* unknown) {
  *unknown = false;
  switch (kind) {
    case kFtxScoreList:
      return 0;
    case kFtxSystemList:
      return argument;
    case kFtxExtractedPartList:
      return kExtractedPartListNumber;
    case kFtxNumberedList:
      return (argument >= 1 && argument <= 8) ? static_cast<int16_t>(argument + kNumberedListBase) : kNoList;
    default:
      *unknown = true;
      return kNoList;
  }
}

bool load_list_record(int16_t list, int32_t index, EDTInstrumentListRecord* record) {
  return FTX_LoadOther(kTagInstrumentList, static_cast<uint16_t>(list), static_cast<int16_t>(index), record,
                       kFtxInstrumentListSize, kFxInterfaceVersion);
}

}  // namespace

int16_t FTX_GetInstrumentList(int16_t kind, int16_t argument) {
  bool unknown = false;
  const int16_t list = list_number_of(kind, argument, &unknown);
  if (unknown) {
    FTX_ShowHostAlert("pFTX_GetInstrumentList: invalid flag");
    return kNoList;
  }
  if (kind == kFtxNumberedList && list == kNoList) return kNoList;

  int32_t size = kFtxInstrumentListSize;
  if (FTX_ProbeItem(kTagInstrumentList, list, 0, nullptr, &size)) return list;

  char text[64];
  std::snprintf(text, sizeof text, "pFTX_GetInstrumentList: list #%d does not exist",
                static_cast<int>(static_cast<uint16_t>(list)));
  FTX_ShowHostAlert(text);
  return kNoList;
}

int16_t FTX_CountInstruments(int16_t list, int16_t all) {
  EDTInstrumentListRecord record;
  if (!load_list_record(list, 0, &record)) return -1;

  int16_t count = 0;
  for (int32_t index = 0;;) {
    bool visible = true;
    if (all == 0 && !FTX_LoadStaffVisibility(record.staffNumber, &visible)) return -1;
    if (visible) ++count;
    ++index;
    if (index >= kFtxLastItemNumber) break;
    if (!load_list_record(list, index, &record)) {
      if (FTX_ListEndsAt(list, index)) break;
      return -1;
    }
  }
  return count;
}

bool FTX_ListEndsAt(int16_t list, int32_t index) {
  return FTX_RecordIsMissing(kTagInstrumentList, list, static_cast<int16_t>(index), kFtxInstrumentListSize);
}

int16_t FTX_ReadExtractedPart() {
  int16_t words[6] = {};
  const int16_t currentPart = -2;
  if (!FTX_LoadOther(kTagPartOther, static_cast<uint16_t>(currentPart), 0, words, sizeof words,
                     kFxInterfaceVersion)) {
    return FTX_RecordIsMissing(kTagPartOther, currentPart, 0, sizeof words) ? 0 : kFtxPartStateUnknown;
  }
  return words[4] == kExtractedPartListNumber ? 1 : 0;
}

bool FTX_ExtractedPartIsUsed() { return FTX_ReadExtractedPart() == 1; }
