#include "sim/score/score_options.h"

#include "host/record_tags.h"

namespace sim {
namespace {

const RecordKey kPartKey{kTagPartOther, -2, 0};
constexpr int kPartWord = 4;  // offset 8
constexpr int16_t kExtractedPartList = -8;

const RecordKey kFlagsKey{kTagFlagsOther, 10, 0};
constexpr int kFlagsWord = 2;  // offset 4
constexpr uint16_t kAvoidCollisionBit = 0x8000;

const RecordKey kGeneralPrefsKey{kTagGeneralPrefs, 0, 0};
constexpr size_t kGeneralPrefsSize = 64;
constexpr size_t kUnitOffset = 30;

int16_t other_word(const Score& score, const RecordKey& key, int index) {
  const std::optional<OtherWords> words = score.records.other(key);
  return words ? (*words)[size_t(index)] : 0;
}

}  // namespace

void set_extracted_part(Score& score, bool in_use) {
  score.records.set_other_word(kPartKey, kPartWord, in_use ? kExtractedPartList : 0);
}

bool extracted_part(const Score& score) { return other_word(score, kPartKey, kPartWord) == kExtractedPartList; }

void set_avoid_collision(Score& score, bool selected) {
  const uint16_t word = uint16_t(other_word(score, kFlagsKey, kFlagsWord));
  const uint16_t changed = selected ? uint16_t(word | kAvoidCollisionBit) : uint16_t(word & ~kAvoidCollisionBit);
  score.records.set_other_word(kFlagsKey, kFlagsWord, int16_t(changed));
}

bool avoid_collision(const Score& score) {
  return (uint16_t(other_word(score, kFlagsKey, kFlagsWord)) & kAvoidCollisionBit) != 0;
}

void set_unit(Score& score, int16_t value) {
  Bytes* record = score.records.find(kGeneralPrefsKey);
  if (record == nullptr) {
    score.records.put(kGeneralPrefsKey, Bytes(kGeneralPrefsSize, 0));
    record = score.records.find(kGeneralPrefsKey);
  }
  if (record->size() < kGeneralPrefsSize) record->resize(kGeneralPrefsSize);
  put_u16(&(*record)[kUnitOffset], uint16_t(value));
}

std::optional<int16_t> unit(const Score& score) {
  const Bytes* record = score.records.find(kGeneralPrefsKey);
  if (record == nullptr || record->size() < kUnitOffset + 2) return std::nullopt;
  return get_i16(&(*record)[kUnitOffset]);
}

}  // namespace sim
