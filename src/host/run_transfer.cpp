// Preference records that are plain runs of whole other records.
#include <cstring>

#include "host/host_record_calls.h"
#include "host/preference_transfer.h"

namespace {

constexpr int16_t kRunFirstKey = -2;

}  // namespace

FxWord fx_assemble_run(uint32_t source, int16_t count, int16_t firstSecondKey, void* buffer, int32_t* size) {
  const int32_t run_size = int32_t(sizeof(FxOtherRecord)) * count;
  if (buffer == nullptr) {
    if (size != nullptr) *size = run_size;
    return 1;
  }
  if (size == nullptr || *size < run_size) return 0;
  unsigned char* out = static_cast<unsigned char*>(buffer);
  for (int16_t i = 0; i < count; ++i) {
    FxOtherRecord record;
    fx_load_other(source, kRunFirstKey, int16_t(firstSecondKey + i), &record);
    std::memcpy(out + sizeof(FxOtherRecord) * size_t(i), &record, sizeof(record));
  }
  *size = run_size;
  return 1;
}

FxWord fx_split_run(uint32_t source, int16_t count, int16_t firstSecondKey, const void* buffer, int32_t size) {
  if (buffer == nullptr || size < int32_t(sizeof(FxOtherRecord)) * count) return 0;
  const unsigned char* in = static_cast<const unsigned char*>(buffer);
  for (int16_t i = 0; i < count; ++i) {
    FxOtherRecord record;
    std::memcpy(&record, in + sizeof(FxOtherRecord) * size_t(i), sizeof(record));
    fx_save_other(source, kRunFirstKey, int16_t(firstSecondKey + i), &record);
  }
  return 1;
}
