// Staff-system transfers across host eras. Hosts after 2000 keep both layouts
// and are asked for the one requested; hosts of 2000 and earlier keep only the
// old layout, so a current-layout request is converted here, with the top
// margin taken from (or put into) the system's instrument list record.
#include "toolkit/staff_system_records.h"

#include <cstring>

#include "host/fx_entries.h"
#include "host/record_tags.h"
#include "globals/toolkit_globals.h"
#include "toolkit/host_version.h"
#include "toolkit/instrument_lists.h"
#include "toolkit/keyed_records.h"
#include "toolkit/layout_run.h"

namespace {

enum class Layout { kCurrent, kOld, kMalformed };

// The layout a size and version argument name together.
Layout requested_layout(int32_t size, uint32_t version) {
  const bool current = static_cast<int32_t>(version) >= static_cast<int32_t>(kFtxCurrentLayoutVersion);
  if (current) return size == kFtxStaffSystemSize ? Layout::kCurrent : Layout::kMalformed;
  return size == kFtxStaffSystemOldSize ? Layout::kOld : Layout::kMalformed;
}

uint32_t host_version_word() { return static_cast<uint32_t>(PDKTOOLS_RawFXTVersion()); }

bool load_old_record(int16_t system, EDTStaffSystemRecordOld* old) {
  return FTX_LoadOther(kTagStaffSystemOld, static_cast<uint16_t>(system), 0, old, kFtxStaffSystemOldSize,
                       kFtxOldLayoutVersion);
}

bool load_list_record(int16_t list, EDTInstrumentListRecord* record) {
  return FTX_LoadOther(kTagInstrumentList, static_cast<uint16_t>(list), 0, record, kFtxInstrumentListSize,
                       kFtxOldLayoutVersion);
}

bool load_from_new_host(int16_t system, void* record, Layout layout) {
  const bool current = layout == Layout::kCurrent;
  uint8_t loaded[kFtxStaffSystemSize];
  const int32_t size = current ? kFtxStaffSystemSize : kFtxStaffSystemOldSize;
  if (!FTX_LoadOther(current ? kTagStaffSystemCurrent : kTagStaffSystemOld, static_cast<uint16_t>(system), 0, loaded,
                     size, current ? host_version_word() : kFtxOldLayoutVersion)) {
    return false;
  }
  if (record != nullptr) std::memcpy(record, loaded, static_cast<size_t>(size));
  return true;
}

// Old hosts: the old record is read before the request is checked.
bool load_from_old_host(int16_t system, void* record, Layout layout) {
  EDTStaffSystemRecordOld old;
  if (!load_old_record(system, &old)) return false;
  if (layout == Layout::kMalformed) return false;
  if (record == nullptr) return true;
  if (layout == Layout::kOld) {
    std::memcpy(record, &old, sizeof old);
    return true;
  }
  EDTStaffSystemRecord current;
  if (!FTX_RunCurrentFromOld(nullptr, system, &old, &current)) return false;
  std::memcpy(record, &current, sizeof current);
  return true;
}

bool save_with_version(uint32_t tag, int16_t system, const void* record, int32_t size, uint32_t version) {
  FTX_RECORDKEY key = FTX_MakeKey(system, 0);
  return static_cast<int16_t>(FX_SaveEData(tag, &key, record, size, version)) != 0;
}

bool save_to_new_host(int16_t system, const void* record, Layout layout) {
  if (layout == Layout::kOld) {
    return save_with_version(kTagStaffSystemOld, system, record, kFtxStaffSystemOldSize, kFtxOldLayoutVersion);
  }
  EDTStaffSystemRecord copy;
  std::memcpy(&copy, record, sizeof copy);
  return save_with_version(kTagStaffSystemCurrent, system, &copy, kFtxStaffSystemSize, host_version_word());
}

// Old hosts keep a current record's top margin in the instrument list numbered
// like the system, so only a system with a list of its own can be written.
bool save_current_to_old_host(int16_t system, const EDTStaffSystemRecord* current) {
  if ((current->sysFlags & kSysFlagOwnStaffList) == 0) return false;
  EDTInstrumentListRecord list;
  if (!load_list_record(system, &list)) return false;
  list.staffPosition = current->sysTopMargin;
  if (!FTX_SaveOther(kTagInstrumentList, static_cast<uint16_t>(system), 0, &list, kFtxInstrumentListSize)) {
    return false;
  }
  EDTStaffSystemRecordOld old;
  FTX_StaffSystemCurrentToOld(current, &old);
  return FTX_SaveOther(kTagStaffSystemOld, static_cast<uint16_t>(system), 0, &old, kFtxStaffSystemOldSize);
}

bool save_to_old_host(int16_t system, const void* record, Layout layout) {
  if (layout == Layout::kCurrent) {
    EDTStaffSystemRecord current;
    std::memcpy(&current, record, sizeof current);
    return save_current_to_old_host(system, &current);
  }
  EDTStaffSystemRecordOld old;
  std::memcpy(&old, record, sizeof old);
  return FTX_SaveOther(kTagStaffSystemOld, static_cast<uint16_t>(system), 0, &old, kFtxStaffSystemOldSize);
}

}  // namespace

bool FTX_SaveStaffSystemSpec(int16_t system, const void* record, int32_t size, uint32_t version) {
  if (record == nullptr) return false;
  const Layout layout = requested_layout(size, version);
  if (layout == Layout::kMalformed) return false;
  if (FTX_HostKeepsOldLayoutOnly()) return save_to_old_host(system, record, layout);
  return save_to_new_host(system, record, layout);
}

bool FTX_LoadStaffSystemSpec(int16_t system, void* record, int32_t size, uint32_t version) {
  const Layout layout = requested_layout(size, version);
  if (FTX_HostKeepsOldLayoutOnly()) return load_from_old_host(system, record, layout);
  if (layout == Layout::kMalformed) return false;
  return load_from_new_host(system, record, layout);
}
