#include "host/record_fallbacks.h"

#include <algorithm>
#include <cstring>

#include "host/host_record_calls.h"
#include "host/record_tags.h"

namespace {

constexpr int32_t kStaffSpecSize = 66;
constexpr size_t kStaffSpecKeySize = 8;

int32_t probe_bytes(uint32_t tag) {
  if (tag == kTagArticulationDef) return 48;
  if (tag == kTagCompatibleArticulation) return 108;
  return 0;
}

int32_t capacity_of(const int32_t* size) { return size != nullptr ? std::max<int32_t>(*size, 0) : 0; }

}  // namespace

bool fx_load_definition_probe(uint32_t tag, void* key, void* buffer, int32_t* size, uint32_t version,
                              FxWord* result) {
  const int32_t probe = probe_bytes(tag);
  if (probe == 0 || buffer == nullptr) return false;
  const size_t cleared = size_t(std::min(probe, capacity_of(size)));
  unsigned char* bytes = static_cast<unsigned char*>(buffer);
  std::memset(bytes, 0, cleared);
  if (fx_host_load_edata(tag, key, buffer, size, version) != 0) return false;
  *result = std::any_of(bytes, bytes + cleared, [](unsigned char b) { return b != 0; }) ? 1 : 0;
  return true;
}

bool fx_load_staff_spec(uint32_t tag, void* key, void* buffer, int32_t* size, uint32_t version, FxWord* result) {
  if (tag != kTagStaffSpec) return false;
  if (fx_host_load_edata(tag, key, buffer, size, version) != 0) return false;
  *result = 0;
  if (key == nullptr) return true;
  int16_t other_key[kStaffSpecKeySize / sizeof(int16_t)];
  std::memcpy(other_key, key, kStaffSpecKeySize);
  other_key[1] = 0;
  FxOtherRecord other;
  if (!fx_load_other_at(kTagStaffSpecOther, other_key, &other)) return true;
  if (buffer != nullptr)
    std::memset(buffer, 0, size_t(std::min(kStaffSpecSize, capacity_of(size))));
  else if (size != nullptr)
    *size = kStaffSpecSize;
  *result = 1;
  return true;
}
