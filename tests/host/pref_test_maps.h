// The nine mapped preference records, and a simulated host seeded with every
// source other record they name, for the preference transfer tests.
#ifndef TESTS_HOST_PREF_TEST_MAPS_H
#define TESTS_HOST_PREF_TEST_MAPS_H

#include <cstdint>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "host/pref_maps.h"
#include "host/record_tags.h"
#include "sim/host/sim_host.h"

namespace pref_test {

struct MappedPref {
  const char* name;
  uint32_t tag;
  int32_t size;
};

inline const std::vector<MappedPref>& mapped_prefs() {
  static const std::vector<MappedPref> prefs = {
      {"pfPF", fx_tag('p', 'f', 'P', 'F'), 48}, {"pfEX", fx_tag('p', 'f', 'E', 'X'), 50},
      {"pfPL", fx_tag('p', 'f', 'P', 'L'), 14}, {"pfSS", fx_tag('p', 'f', 'S', 'S'), 96},
      {"pfPB", fx_tag('p', 'f', 'P', 'B'), 44}, {"pfRP", fx_tag('p', 'f', 'R', 'P'), 40},
      {"pfMS", fx_tag('p', 'f', 'M', 'S'), 104}, {"pfSI", fx_tag('p', 'f', 'S', 'I'), 54},
      {"pfDP", fx_tag('p', 'f', 'D', 'P'), 76},
  };
  return prefs;
}

inline std::vector<PREFERENCE_LOCATION_MAPRECORD> rows_of(uint32_t tag) {
  const PREFERENCE_LOCATION_MAPRECORD* map = nullptr;
  int16_t rows = 0;
  if (!mapPrefStruct(tag, 0, &map, &rows)) return {};
  return {map, map + rows};
}

inline sim::RecordKey source_key(const PREFERENCE_LOCATION_MAPRECORD& row) {
  return {prefRowSourceTag(row), prefRowFirstKey(row), row.secondKey};
}

// The distinct source records of a map.
inline std::set<sim::RecordKey> sources_of(uint32_t tag) {
  std::set<sim::RecordKey> keys;
  for (const auto& row : rows_of(tag)) keys.insert(source_key(row));
  return keys;
}

// Puts every source record of every map into the host, each word a distinct
// value that survives its row's conversion unchanged on a round trip:
// inverted words are 0 or 1, low-byte words are sign-extended bytes.
inline void seed_all_sources(sim::Host& host) {
  int serial = 0;
  for (const MappedPref& pref : mapped_prefs())
    for (const sim::RecordKey& key : sources_of(pref.tag))
      if (!host.records().other(key)) {
        sim::OtherWords words;
        for (int w = 0; w < 6; ++w) words[size_t(w)] = int16_t(-3000 + 257 * (serial * 6 + w));
        host.records().put_other(key, words);
        ++serial;
      }
  for (const MappedPref& pref : mapped_prefs())
    for (const auto& row : rows_of(pref.tag)) {
      sim::OtherWords words = *host.records().other(source_key(row));
      int16_t& word = words[size_t(row.wordIndex)];
      if (row.conversion == MAPCONV_BOOL_INVERT) word = int16_t(word & 1);
      if (row.conversion == MAPCONV_LOWBYTE) word = int16_t(int8_t(uint8_t(word & 0xFF)));
      host.records().put_other(source_key(row), words);
    }
}

template <typename T>
T field_at(const std::vector<uint8_t>& record, int offset) {
  T value;
  std::memcpy(&value, record.data() + offset, sizeof value);
  return value;
}

template <typename T>
void set_field(std::vector<uint8_t>& record, int offset, T value) {
  std::memcpy(record.data() + offset, &value, sizeof value);
}

}  // namespace pref_test

#endif
