#include "engine/page_systems.h"

#include <new>

#include "toolkit/host_version.h"
#include "toolkit/page_layout.h"

bool KVTR_SystemHeightInRun(FTX_LAYOUTRUN* run, int16_t system, const EDTStaffSystemRecord* record,
                            int32_t* height) {
  FTX_LAYOUTINFO info = {};
  info.structSize = sizeof info;
  if (FTX_RunGetLayoutInfo(run, system, record, &info) != 0) return false;
  *height = info.systemHeight;
  return true;
}

bool KVTR_OpenPageSystems(KVTR_PAGESYSTEMS* page, FTX_LAYOUTRUN* run, int16_t first, int16_t last) {
  page->run = run;
  page->first = first;
  page->last = last;
  page->read = 0;
  page->systems = nullptr;
  // A range the host's answers made empty or backwards has nothing to hold
  // (and an array of negative length would throw).
  if (last < first) return false;
  page->systems = new (std::nothrow) KVTR_PAGESYSTEM[static_cast<size_t>(int32_t{last} - first + 1)];
  return page->systems != nullptr;
}

void KVTR_ClosePageSystems(KVTR_PAGESYSTEMS* page) {
  delete[] page->systems;
  page->systems = nullptr;
}

bool KVTR_ReadPageSystem(KVTR_PAGESYSTEMS* page, int16_t system) {
  KVTR_PAGESYSTEM* entry = &page->systems[int32_t{system} - page->first];
  if (!KVTR_LoadGapRecord(system, &entry->held)) return false;
  entry->readGap = KVTR_GapOf(&entry->held);
  entry->stored = 0;
  // The summary reads the current layout. Hosts after 2001 hand it out for
  // the gap, so the record read is passed on; hosts of 2000 and earlier make it
  // from the old record read for the gap and the list's top margin the run
  // keeps. Only hosts of 2001 keep both layouts and are asked again.
  EDTStaffSystemRecord converted;
  const EDTStaffSystemRecord* current = nullptr;
  if (entry->held.current != 0) {
    current = &entry->held.record.currentLayout;
  } else if (FTX_HostKeepsOldLayoutOnly()) {
    if (!FTX_RunCurrentFromOld(page->run, system, &entry->held.record.oldLayout, &converted)) return false;
    current = &converted;
  }
  if (!KVTR_SystemHeightInRun(page->run, system, current, &entry->height)) return false;
  page->read = int32_t{system} - page->first + 1;
  return true;
}

const KVTR_PAGESYSTEM* KVTR_PageSystem(const KVTR_PAGESYSTEMS* page, int16_t system) {
  return &page->systems[int32_t{system} - page->first];
}

bool KVTR_StorePageSystemGap(KVTR_PAGESYSTEMS* page, int16_t system, int16_t gap) {
  KVTR_PAGESYSTEM* entry = &page->systems[int32_t{system} - page->first];
  if (!KVTR_SaveGapRecord(system, &entry->held, gap)) return false;
  entry->stored = 1;
  return true;
}

bool KVTR_RestorePageSystems(KVTR_PAGESYSTEMS* page) {
  bool restored = true;
  for (int32_t i = 0; i < page->read; ++i) {
    KVTR_PAGESYSTEM* entry = &page->systems[i];
    if (entry->stored == 0) continue;
    const int16_t system = static_cast<int16_t>(page->first + i);
    if (KVTR_SaveGapRecord(system, &entry->held, entry->readGap)) {
      entry->stored = 0;
    } else {
      restored = false;
    }
  }
  return restored;
}
