// The staff systems of one page as its search reads them: each system's
// record (for its gap, and to write the gap back) and its unscaled height,
// read once per page and used for every trial gap and for storing.
//
// Nothing is written to a system before the page's storing pass, and a
// system's height does not depend on its gap, so what the first read found is
// what every later read would find. Lengths are EVPU, upward positive, a gap
// negative downward; heights are unscaled system lengths.
//
// The page driver owns one KVTR_PAGESYSTEMS per page: KVTR_OpenPageSystems
// takes the memory for the page's systems, KVTR_ClosePageSystems gives it
// back; KVTR_ReadPageSystem reads the systems in order, one call each.
#ifndef KV_ENGINE_PAGE_SYSTEMS_H
#define KV_ENGINE_PAGE_SYSTEMS_H

#include <cstdint>

#include "engine/gap_access.h"
#include "toolkit/layout_run.h"

struct KVTR_PAGESYSTEM {
  KVTR_GAPRECORD held;  // the record as read (then as last written), in the host era's gap layout
  int32_t height;       // unscaled
  int16_t readGap;      // the gap as read, before the page's storing pass
  int16_t stored;       // 1: the storing pass wrote a new gap to the host
};

struct KVTR_PAGESYSTEMS {
  FTX_LAYOUTRUN* run;        // the run the heights are read in (not null)
  int16_t first;
  int16_t last;
  int32_t read;              // systems first .. first + read - 1 are read
  KVTR_PAGESYSTEM* systems;  // last - first + 1 entries
};

// False when the memory cannot be had.
bool KVTR_OpenPageSystems(KVTR_PAGESYSTEMS* page, FTX_LAYOUTRUN* run, int16_t first, int16_t last);
void KVTR_ClosePageSystems(KVTR_PAGESYSTEMS* page);

// Reads the next system of the page (its record, then its height); false when
// its record or its layout summary cannot be read.
bool KVTR_ReadPageSystem(KVTR_PAGESYSTEMS* page, int16_t system);

// A system of the page that has been read.
const KVTR_PAGESYSTEM* KVTR_PageSystem(const KVTR_PAGESYSTEMS* page, int16_t system);

// Writes the held record of `system` with `gap`; on success the system counts
// as stored.
bool KVTR_StorePageSystemGap(KVTR_PAGESYSTEMS* page, int16_t system, int16_t gap);

// Puts back the gap each stored system had when it was read: a page whose
// storing pass failed part-way is left as it was, not half respaced. Best
// effort: a write the host refuses leaves that system as the pass left it.
// False when any write was refused.
bool KVTR_RestorePageSystems(KVTR_PAGESYSTEMS* page);

// A system's unscaled height within a run, through the toolkit's layout
// summary; `record` is the system's current-layout record when already read,
// or null. False, with *height untouched, when the summary cannot be had.
bool KVTR_SystemHeightInRun(FTX_LAYOUTRUN* run, int16_t system, const EDTStaffSystemRecord* record,
                            int32_t* height);

#endif
