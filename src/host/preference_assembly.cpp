// Assembling a preference record from the other records its map names. Each
// source record is loaded once; every row it feeds is served from that load.
#include <cstring>

#include "host/host_record_calls.h"
#include "host/preference_transfer.h"

namespace {

int16_t word_value(int16_t word, MAP_ARRAY_CONVERSION conversion) {
  switch (conversion) {
    case MAPCONV_BOOL_INVERT:
      return word == 0 ? 1 : 0;
    case MAPCONV_LOWBYTE:
      return int16_t(word & 0xFF);
    default:
      return word;
  }
}

// A row whose source could not be loaded reads 0, whatever its conversion.
void write_field(const PREFERENCE_LOCATION_MAPRECORD& row, const FxOtherRecord& source, bool loaded,
                 unsigned char* record) {
  if (row.byteSize == 4) {
    int32_t value = loaded ? makePrefsFourbyte(source.words[row.wordIndex], source.words[row.wordIndex + 1],
                                               row.conversion)
                           : 0;
    std::memcpy(record + row.prefOffset, &value, sizeof(value));
  } else {
    int16_t value = loaded ? word_value(source.words[row.wordIndex], row.conversion) : int16_t(0);
    std::memcpy(record + row.prefOffset, &value, sizeof(value));
  }
}

}  // namespace

FxWord fx_assemble_pref_record(const PREFERENCE_LOCATION_MAPRECORD* map, int16_t rows, void* buffer,
                               int32_t* size) {
  const int32_t record_size = prefMapRecordSize(map, rows);
  const int32_t capacity = size != nullptr ? *size : 0;
  if (size != nullptr) *size = record_size;
  if (buffer == nullptr) return 1;
  if (capacity < record_size) return 0;

  unsigned char* record = static_cast<unsigned char*>(buffer);
  int16_t leader[kMaxPrefMapRows];
  prefRowLeaders(map, rows, leader);
  for (int16_t i = 0; i < rows; ++i) {
    if (leader[i] != i) continue;
    FxOtherRecord source;
    const bool loaded = fx_load_other(prefRowSourceTag(map[i]), prefRowFirstKey(map[i]), map[i].secondKey, &source);
    for (int16_t j = i; j < rows; ++j)
      if (leader[j] == i) write_field(map[j], source, loaded, record);
  }
  return 1;
}
