// The host's records that the score model does not structure: other records
// (tags 'ot..', six 16-bit words), preference records (tags 'pf..') and any
// record a test wants the host to hold, kept as the exact bytes stored.
//
// A record is addressed by its tag and the first two 16-bit numbers of its key.
#ifndef SIM_SCORE_RECORD_STORE_H
#define SIM_SCORE_RECORD_STORE_H

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <tuple>

#include "sim/score/bytes.h"

namespace sim {

struct RecordKey {
  uint32_t tag = 0;
  int16_t first = 0;
  int16_t second = 0;

  friend bool operator<(const RecordKey& a, const RecordKey& b) {
    return std::tie(a.tag, a.first, a.second) < std::tie(b.tag, b.first, b.second);
  }
  friend bool operator==(const RecordKey& a, const RecordKey& b) {
    return a.tag == b.tag && a.first == b.first && a.second == b.second;
  }
};

// Other records hold six signed 16-bit words: 12 bytes.
using OtherWords = std::array<int16_t, 6>;

class RecordStore {
 public:
  bool contains(const RecordKey& key) const { return records_.count(key) != 0; }
  // Null when the record does not exist.
  const Bytes* find(const RecordKey& key) const;
  Bytes* find(const RecordKey& key);
  void put(const RecordKey& key, Bytes bytes) { records_[key] = std::move(bytes); }
  bool erase(const RecordKey& key) { return records_.erase(key) != 0; }
  void clear() { records_.clear(); }
  size_t size() const { return records_.size(); }

  // The key of the same tag that follows (or precedes) `key` in key order.
  std::optional<RecordKey> next(const RecordKey& key) const;
  std::optional<RecordKey> previous(const RecordKey& key) const;

  // Other records as words. other() is empty when the record is missing or is
  // not 12 bytes long; set_other_word() creates a zeroed record first and
  // ignores an index outside 0..5.
  void put_other(const RecordKey& key, const OtherWords& words);
  std::optional<OtherWords> other(const RecordKey& key) const;
  void set_other_word(const RecordKey& key, int index, int16_t value);

  const std::map<RecordKey, Bytes>& all() const { return records_; }

 private:
  std::map<RecordKey, Bytes> records_;
};

}  // namespace sim

#endif
