#include "sim/host/drawn_answers.h"

#include <cstring>
#include <vector>

namespace sim {
namespace {

void* pointer(FxWord word) { return reinterpret_cast<void*>(word); }

bool succeeds(AnswerBytes& bytes) {
  uint8_t verdict = 0;
  return bytes.take(&verdict, 1) && (verdict & 1) != 0;
}

// Arguments: tag, key, buffer, size pointer, version (record_functions.cpp).
FxWord drawn_load(AnswerBytes& bytes, const Args& a) {
  if (a[1] == 0 || a[3] == 0 || !succeeds(bytes)) return 0;
  int32_t capacity;
  std::memcpy(&capacity, pointer(a[3]), sizeof capacity);
  if (capacity < 0) capacity = 0;
  uint8_t shape = 0;
  if (!bytes.take(&shape, 1)) return 0;
  int32_t size = capacity;
  if ((shape & 1) == 0) {
    uint8_t number[2];
    if (!bytes.take(number, sizeof number)) return 0;
    size = int32_t(uint32_t(number[0] | number[1] << 8) % (uint32_t(capacity) + 1));
  }
  if (a[2] != 0 && size > 0) {
    std::vector<uint8_t> record(size_t(size), 0);
    if (!bytes.take(record.data(), record.size())) return 0;
    std::memcpy(pointer(a[2]), record.data(), record.size());
  }
  std::memcpy(pointer(a[3]), &size, sizeof size);
  return 1;
}

FxWord drawn_save(AnswerBytes& bytes, const Args& a) {
  if (a[1] == 0 || a[2] == 0) return 0;
  return succeeds(bytes) ? 1 : 0;
}

}  // namespace

bool AnswerBytes::take(void* out, size_t count) {
  if (count > remaining()) return false;
  if (count != 0) std::memcpy(out, data_ + at_, count);
  at_ += count;
  return true;
}

void draw_answers(Host& host, AnswerBytes& bytes) {
  uint8_t word[4] = {};
  bytes.take(word, sizeof word);
  host.set_version_word(uint32_t(word[0]) | uint32_t(word[1]) << 8 | uint32_t(word[2]) << 16 |
                        uint32_t(word[3]) << 24);
  host.override("FX_LoadEData", [&bytes](const Args& a) { return drawn_load(bytes, a); });
  host.override("FX_SaveEData", [&bytes](const Args& a) { return drawn_save(bytes, a); });
}

void end_drawn_answers(Host& host) {
  host.restore("FX_LoadEData");
  host.restore("FX_SaveEData");
}

}  // namespace sim
