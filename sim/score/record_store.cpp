#include "sim/score/record_store.h"

namespace sim {

const Bytes* RecordStore::find(const RecordKey& key) const {
  auto found = records_.find(key);
  return found == records_.end() ? nullptr : &found->second;
}

Bytes* RecordStore::find(const RecordKey& key) {
  auto found = records_.find(key);
  return found == records_.end() ? nullptr : &found->second;
}

std::optional<RecordKey> RecordStore::next(const RecordKey& key) const {
  auto after = records_.upper_bound(key);
  if (after == records_.end() || after->first.tag != key.tag) return std::nullopt;
  return after->first;
}

std::optional<RecordKey> RecordStore::previous(const RecordKey& key) const {
  auto at = records_.lower_bound(key);
  if (at == records_.begin()) return std::nullopt;
  --at;
  if (at->first.tag != key.tag) return std::nullopt;
  return at->first;
}

void RecordStore::put_other(const RecordKey& key, const OtherWords& words) {
  Bytes bytes(12);
  for (int i = 0; i < 6; ++i) put_u16(&bytes[2 * i], uint16_t(words[i]));
  records_[key] = std::move(bytes);
}

std::optional<OtherWords> RecordStore::other(const RecordKey& key) const {
  const Bytes* bytes = find(key);
  if (bytes == nullptr || bytes->size() != 12) return std::nullopt;
  OtherWords words{};
  for (int i = 0; i < 6; ++i) words[i] = get_i16(&(*bytes)[2 * i]);
  return words;
}

void RecordStore::set_other_word(const RecordKey& key, int index, int16_t value) {
  if (index < 0 || index > 5) return;
  Bytes& bytes = records_[key];
  if (bytes.size() < 12) bytes.resize(12);
  put_u16(&bytes[2 * index], uint16_t(value));
}

}  // namespace sim
