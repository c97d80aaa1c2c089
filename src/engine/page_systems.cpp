#include "engine/page_systems.h"

#include <new>

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
  // Hosts after 2001 hand out the current layout for the gap: the very record
  // the summary reads, so it is passed on instead of read again.
  const EDTStaffSystemRecord* current = entry->held.current != 0 ? &entry->held.record.currentLayout : nullptr;
  if (!KVTR_SystemHeightInRun(page->run, system, current, &entry->height)) return false;
  page->read = int32_t{system} - page->first + 1;
  return true;
}

const KVTR_PAGESYSTEM* KVTR_PageSystem(const KVTR_PAGESYSTEMS* page, int16_t system) {
  return &page->systems[int32_t{system} - page->first];
}
