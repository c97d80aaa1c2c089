// What one respacing run reads of the page layout, read once and kept from
// one layout update to the end of the run.
//
// The run (the page driver) owns an FTX_LAYOUTRUN, starts it with
// FTX_BeginLayoutRun right after asking the host to lay the score out, and
// passes it by pointer to the functions below. Between a layout update and the
// end of a run the host keeps every page's systems where they are and nothing
// writes page records, instrument lists or staff records (the run writes only
// staff-system gaps), so an answer read once stands for the whole run. Should
// the toolkit itself lay pages out during the run (a page found with
// firstSystem 0), everything kept is dropped and read again.
//
// Kept: the record of the page read last (the driver still reads each page it
// processes afresh) and the system range of the page
// asked about last (so the driver's next page and the page of a system of the
// current page cost no walk), the number of staff systems, whether an
// extracted part is shown, and the staff summary of the instrument lists in
// use (only of lists that exist: a missing list is asked about, and reported
// by the host's alert, every time).
//
// Lengths are EVPU; page lengths on-page, system lengths unscaled.
#ifndef KV_TOOLKIT_LAYOUT_RUN_H
#define KV_TOOLKIT_LAYOUT_RUN_H

#include <cstdint>

#include "toolkit/page_layout.h"
#include "toolkit/staff_system_records.h"
#include "toolkit/system_metrics.h"

// What a layout summary needs of one instrument list, read once per run.
struct FTX_LISTSUMMARY {
  int16_t list;               // the list number; meaningful when used is 1
  int16_t used;
  int16_t visibleCount;       // FTX_CountInstruments(list, 0)
  int16_t topLoaded;          // 1 when the list's first record was read for the top staff's offset
  int32_t topStaffOffset;
  int32_t firstStaffPosition; // that record's staffPosition: an old host's top margin of the system
  int16_t spanResult;         // FTX_ScanStaffSpan's result, when visibleCount is not 0
  FTX_STAFFSPAN span;
};

constexpr int kFtxRunListSlots = 8;  // lists kept at once; the oldest gives way

struct FTX_LAYOUTRUN {
  int32_t generation;         // counts the layout updates the run has seen
  int16_t heldPage;           // page whose load is held; 0: none
  int16_t heldLoaded;         // 1: heldRecord is its record; 0: it could not be loaded
  EDTPageSpec heldRecord;
  int16_t rangePage;          // page whose system range is known; 0: none
  int16_t rangeFirst;
  int16_t rangeLast;
  EDTPageSpec rangeRecord;    // that page's record
  int16_t systemCount;        // valid when systemCountKnown is 1
  int16_t systemCountKnown;
  int16_t systemCountSure;    // 0: the host's answers contradicted the count
  int16_t extractedPart;      // kFtxRunPartNotRead, or FTX_ReadExtractedPart's answer
  int16_t nextListSlot;
  FTX_LISTSUMMARY lists[kFtxRunListSlots];
};

// Forgets everything kept: call right after the host laid the score out. The
// first call on a run's record must find it zeroed (or call it on a fresh
// record: FTX_LAYOUTRUN run = {}).
void FTX_BeginLayoutRun(FTX_LAYOUTRUN* run);

// FTX_LoadPageSpec, answered from the run when it holds that page's load.
bool FTX_RunLoadPageSpec(FTX_LAYOUTRUN* run, int16_t page, EDTPageSpec* pageRecord);
// FTX_LoadPageSpec always read from the host, and held by the run: the page
// driver reads each page it processes afresh, so that a page the host cannot
// load is reported as such, and the page's own walk then finds it held.
bool FTX_RunReloadPageSpec(FTX_LAYOUTRUN* run, int16_t page, EDTPageSpec* pageRecord);

// FTX_SystemRangeOnPage over the run's page loads; on success the range is
// kept as the run's known range. Same results and outputs.
int16_t FTX_RunSystemRangeOnPage(FTX_LAYOUTRUN* run, int16_t page, int16_t* pFirstSystem, int16_t* pLastSystem);

// FTX_GetLayoutInfo(system, info, true) within the run: the system's page is
// the run's known range when the system stands on it (no page walk), the
// number of systems, the extracted-part state and list summaries are the
// run's. `record` is the system's current-layout record when the caller has
// just read it with FTX_LoadStaffSystemSpec(system, ..., 24, 0x06000200 or
// more), or null to have it read here. Same results and fields.
int16_t FTX_RunGetLayoutInfo(FTX_LAYOUTRUN* run, int16_t system, const EDTStaffSystemRecord* record,
                             FTX_LAYOUTINFO* info);

constexpr int16_t kFtxRunPartNotRead = -2;

// For the toolkit's own files: the staff-system count and extracted-part state
// through the run when there is one (run may be null). The count's result is
// FTX_CountItemsSurely's: false when it cannot be trusted (and a run keeps
// that answer too). The part state is FTX_ReadExtractedPart's.
bool FTX_RunCountSystems(FTX_LAYOUTRUN* run, int16_t* count);
int16_t FTX_RunExtractedPart(FTX_LAYOUTRUN* run);
// The summary of `list` (a list number FTX_GetInstrumentList answered), read
// now or found in the run; `scratch` holds it when run is null.
const FTX_LISTSUMMARY* FTX_RunListSummary(FTX_LAYOUTRUN* run, int16_t list, FTX_LISTSUMMARY* scratch);
// The instrument list a system uses: its own when sysFlags has 0x4000, else
// the score's or, while an extracted part is shown, the part's. The one rule
// for every caller, found through the run when there is one (run may be
// null). A system's own list is taken by its number unasked when
// `probeOwnList` is false (the record transfers), and asked of the host like
// the others when it is true (the layout summary). A list the run knows needs
// no probe; a missing one is asked about, and its alert shown, every time.
// -1 when the list does not exist, or when the part record exists but cannot
// be read (which list is in use is then unknown).
int16_t FTX_RunListOfSystem(FTX_LAYOUTRUN* run, int16_t system, uint16_t sysFlags, bool probeOwnList);

// The current layout of a system on a host of 2000 or earlier, made from its
// old record `old` as just read and the top margin its instrument list keeps
// in the list's first record. This is what FTX_LoadStaffSystemSpec(system,
// current, 24, 0x06000200) answers there; within a run the top margin is the
// one the run keeps for the list, instead of reading the list choice and the
// list's first record again for every system. False where the list is
// missing (its alert is shown) or its first record cannot be read.
bool FTX_RunCurrentFromOld(FTX_LAYOUTRUN* run, int16_t system, const EDTStaffSystemRecordOld* old,
                           EDTStaffSystemRecord* current);

// Whether `system` stands on the page whose system range the run knows (run
// may be null: false).
bool FTX_RunKnowsSystemPage(const FTX_LAYOUTRUN* run, int16_t system);

// Whether the run already knows `list` to exist.
bool FTX_RunKnowsList(const FTX_LAYOUTRUN* run, int16_t list);

#endif
