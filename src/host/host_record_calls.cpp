#include "host/host_record_calls.h"

#include <cstring>

#include "host/fx_binding.h"
#include "host/fx_entries.h"
#include "host/fx_narrowing.h"

namespace {

using RecordFunction = FX_HOST_FUNCTION_TYPE(W, W, W, W, W);

// The key of an other record: the two key numbers, then zeros for any further
// key field the host may read.
struct OtherKey {
  int16_t numbers[4];
};

}  // namespace

FxWord fx_host_load_edata(uint32_t tag, void* key, void* buffer, int32_t* size, uint32_t version) {
  FX_BIND_HOST(FX_LoadEData, RecordFunction);
  if (fpProc == nullptr) return 0;
  return FX_NARROW_S16(fpProc(FxWord(tag), fx_word(key), fx_word(buffer), fx_word(size), FxWord(version)));
}

FxWord fx_host_save_edata(uint32_t tag, void* key, const void* buffer, int32_t size, uint32_t version) {
  FX_BIND_HOST(FX_SaveEData, RecordFunction);
  if (fpProc == nullptr) return 0;
  return FX_NARROW_S16(fpProc(FxWord(tag), fx_word(key), fx_word(buffer), FxWord(size), FxWord(version)));
}

bool fx_load_other(uint32_t tag, int16_t first, int16_t second, FxOtherRecord* record) {
  OtherKey key = {{first, second, 0, 0}};
  return fx_load_other_at(tag, &key, record);
}

bool fx_load_other_at(uint32_t tag, void* key, FxOtherRecord* record) {
  int32_t size = int32_t(sizeof(FxOtherRecord));
  FxOtherRecord loaded = {};
  if (fx_host_load_edata(tag, key, &loaded, &size, kFxInterfaceVersion) == 0) {
    *record = FxOtherRecord{};
    return false;
  }
  *record = loaded;
  return true;
}

bool fx_save_other(uint32_t tag, int16_t first, int16_t second, const FxOtherRecord* record) {
  OtherKey key = {{first, second, 0, 0}};
  return fx_host_save_edata(tag, &key, record, int32_t(sizeof(FxOtherRecord)), kFxInterfaceVersion) != 0;
}
