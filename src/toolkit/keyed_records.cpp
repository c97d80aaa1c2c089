#include "toolkit/keyed_records.h"

#include "host/fx_entries.h"

namespace {

bool host_said_yes(FxWord answer) { return static_cast<int16_t>(answer) != 0; }

}  // namespace

bool FTX_ProbeItem(uint32_t tag, int16_t first, int16_t second, void* buffer, int32_t* size) {
  FTX_RECORDKEY key = FTX_MakeKey(first, second);
  return host_said_yes(FX_LoadEData(tag, &key, buffer, size, kFxInterfaceVersion));
}

bool FTX_RecordIsMissing(uint32_t tag, int16_t first, int16_t second, int32_t size) {
  int32_t sizeVariable = size;
  for (int asked = 0; asked < 2; ++asked) {
    if (FTX_ProbeItem(tag, first, second, nullptr, &sizeVariable)) return false;
  }
  return true;
}

bool FTX_LoadOther(uint32_t tag, uint16_t first, int16_t second, void* buffer, int32_t size, uint32_t version) {
  FTX_RECORDKEY key = FTX_MakeKey(static_cast<int16_t>(first), second);
  int32_t sizeCopy = size;
  return host_said_yes(FX_LoadEData(tag, &key, buffer, &sizeCopy, version));
}

bool FTX_SaveOther(uint32_t tag, uint16_t first, int16_t second, const void* buffer, int32_t size) {
  FTX_RECORDKEY key = FTX_MakeKey(static_cast<int16_t>(first), second);
  return host_said_yes(FX_SaveEData(tag, &key, buffer, size, kFxInterfaceVersion));
}
