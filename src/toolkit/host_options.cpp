#include "toolkit/host_options.h"

#include "host/fx_entries.h"
#include "host/record_tags.h"
#include "toolkit/keyed_records.h"

namespace {

constexpr uint16_t kAvoidCollisionKey = 10;
constexpr uint16_t kAvoidCollisionBit = 0x8000;
constexpr int32_t kGeneralPrefsSize = 64;
constexpr int kUnitWord = 30 / 2;
constexpr int16_t kUnitWhenUnknown = 1;

}  // namespace

bool KVGEN_AvoidCollisionSelected() {
  int16_t words[6] = {};
  if (!FTX_LoadOther(kTagFlagsOther, kAvoidCollisionKey, 0, words, sizeof words, kFxInterfaceVersion)) return false;
  return (static_cast<uint16_t>(words[2]) & kAvoidCollisionBit) != 0;
}

int16_t KVGEN_GetCurrentUnitStyle() {
  int16_t prefs[kGeneralPrefsSize / 2] = {};
  if (!FTX_LoadOther(kTagGeneralPrefs, 0, 0, prefs, kGeneralPrefsSize, kFxInterfaceVersion)) return kUnitWhenUnknown;
  return prefs[kUnitWord];
}
