// The plug-in's record entries. The layout version is corrected for the
// buffer's size before anything reaches the host; preference records that the
// host keeps as other records are assembled and split here, and a few record
// types get a fallback (record_fallbacks.h). A null key is passed on as is.
#include <cstring>

#include "host/fx_entries.h"
#include "host/host_record_calls.h"
#include "host/preference_transfer.h"
#include "host/record_fallbacks.h"
#include "host/version_correction.h"

namespace {

// Saves that name a layout older than this go to the host whole.
constexpr uint32_t kLastWholePrefVersion = 0x07FFFFFFu;

// Where a preference record lives among the other records: a map of fields,
// or a run of whole records, or neither (an ordinary record of the host).
struct PrefLayout {
  const PREFERENCE_LOCATION_MAPRECORD* map = nullptr;
  int16_t rows = 0;
  uint32_t runSource = 0;
  int16_t runCount = 0;
  int16_t runFirstSecondKey = 0;
};

PrefLayout pref_layout(uint32_t tag, const void* key) {
  PrefLayout layout;
  if (key == nullptr) return layout;
  int16_t number;
  std::memcpy(&number, key, sizeof(number));
  if (!mapPrefStruct(tag, number, &layout.map, &layout.rows))
    layout.runSource = mapPrefTag(tag, number, &layout.runCount, &layout.runFirstSecondKey);
  return layout;
}

}  // namespace

FxWord FX_LoadEData(uint32_t tag, void* key, void* buffer, int32_t* size, uint32_t version) {
  uint32_t corrected = version;
  HandleEnigmaVersion(tag, size != nullptr ? *size : 0, corrected);

  FxWord result = 0;
  if (fx_load_definition_probe(tag, key, buffer, size, corrected, &result)) return result;
  if (fx_load_staff_spec(tag, key, buffer, size, corrected, &result)) return result;

  const PrefLayout layout = pref_layout(tag, key);
  if (layout.map != nullptr) return fx_assemble_pref_record(layout.map, layout.rows, buffer, size);
  if (layout.runSource != 0)
    return fx_assemble_run(layout.runSource, layout.runCount, layout.runFirstSecondKey, buffer, size);
  return fx_host_load_edata(tag, key, buffer, size, corrected);
}

FxWord FX_SaveEData(uint32_t tag, void* key, const void* buffer, int32_t size, uint32_t version) {
  uint32_t corrected = version;
  HandleEnigmaVersion(tag, size, corrected);

  if (version > kLastWholePrefVersion) {
    const PrefLayout layout = pref_layout(tag, key);
    if (layout.map != nullptr) return fx_split_pref_record(layout.map, layout.rows, buffer, size);
    if (layout.runSource != 0)
      return fx_split_run(layout.runSource, layout.runCount, layout.runFirstSecondKey, buffer, size);
  }
  return fx_host_save_edata(tag, key, buffer, size, corrected);
}
