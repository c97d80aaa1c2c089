// Splitting a preference record back into the other records its map names.
// Each source record is loaded once, the words of its rows are replaced where
// the record's field differs, and it is saved only when a word changed.
#include <cstring>

#include "host/host_record_calls.h"
#include "host/preference_transfer.h"

namespace {

int16_t word_from_field(int16_t field, MAP_ARRAY_CONVERSION conversion) {
  switch (conversion) {
    case MAPCONV_BOOL_INVERT:
      return field == 0 ? 1 : 0;
    case MAPCONV_LOWBYTE:
      return int16_t(int8_t(uint8_t(field & 0xFF)));
    default:
      return field;
  }
}

void read_field(const PREFERENCE_LOCATION_MAPRECORD& row, const unsigned char* record, FxOtherRecord* source) {
  int16_t* words = source->words;
  if (row.byteSize == 4) {
    int32_t field;
    std::memcpy(&field, record + row.prefOffset, sizeof(field));
    if (field != makePrefsFourbyte(words[row.wordIndex], words[row.wordIndex + 1], row.conversion))
      makePrefsTwobytes(field, &words[row.wordIndex], &words[row.wordIndex + 1], row.conversion);
  } else {
    int16_t field;
    std::memcpy(&field, record + row.prefOffset, sizeof(field));
    words[row.wordIndex] = word_from_field(field, row.conversion);
  }
}

}  // namespace

FxWord fx_split_pref_record(const PREFERENCE_LOCATION_MAPRECORD* map, int16_t rows, const void* buffer,
                            int32_t size) {
  if (buffer == nullptr || size < prefMapRecordSize(map, rows)) return 0;

  const unsigned char* record = static_cast<const unsigned char*>(buffer);
  int16_t leader[kMaxPrefMapRows];
  prefRowLeaders(map, rows, leader);
  for (int16_t i = 0; i < rows; ++i) {
    if (leader[i] != i) continue;
    const uint32_t tag = prefRowSourceTag(map[i]);
    const int16_t first = prefRowFirstKey(map[i]);
    FxOtherRecord source;
    const bool loaded = fx_load_other(tag, first, map[i].secondKey, &source);
    const FxOtherRecord before = source;
    for (int16_t j = i; j < rows; ++j)
      if (leader[j] == i) read_field(map[j], record, &source);
    if (loaded && std::memcmp(&before, &source, sizeof(source)) != 0)
      fx_save_other(tag, first, map[i].secondKey, &source);
  }
  return 1;
}
