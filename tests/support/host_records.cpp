#include "support/host_records.h"

#include "support/host_call.h"

std::optional<sim::Bytes> host_load(uint32_t tag, int16_t first, int16_t second, int32_t capacity,
                                    uint32_t version) {
  int16_t key[2] = {first, second};
  sim::Bytes buffer(size_t(capacity), 0xCD);
  int32_t size = capacity;
  if (call_host("FX_LoadEData", tag, key, buffer.data(), &size, version) == 0) return std::nullopt;
  if (size < 0 || size > capacity) return std::nullopt;
  buffer.resize(size_t(size));
  return buffer;
}

std::optional<int32_t> host_probe(uint32_t tag, int16_t first, int16_t second, int32_t size, uint32_t version) {
  int16_t key[2] = {first, second};
  if (call_host("FX_LoadEData", tag, key, nullptr, &size, version) == 0) return std::nullopt;
  return size;
}

bool host_save(uint32_t tag, int16_t first, int16_t second, const sim::Bytes& bytes, uint32_t version) {
  int16_t key[2] = {first, second};
  return call_host("FX_SaveEData", tag, key, bytes.data(), int32_t(bytes.size()), version) != 0;
}
