// Where the fields of the host's preference records live.
//
// The host keeps most preference records (tags 0x7066xxxx, 'pf' and two
// characters) not as records of their own but spread over its other records
// (tags 0x6F74xxxx: six signed 16-bit words each). A structured preference
// record has a map: one row per field, naming the source other record, the
// word in it, the field's byte offset and width and how the value is converted.
// A preference record that is a plain run of whole other records has a run
// instead (mapPrefTag). Everything here is constant data and pure functions;
// the transfers that use them are in preference_transfer.cpp.
#ifndef KV_HOST_PREF_MAPS_H
#define KV_HOST_PREF_MAPS_H

#include <cstdint>

enum MAP_ARRAY_CONVERSION : int32_t {
  MAPCONV_NONE = 0,            // the word itself
  MAPCONV_LONG_HIGHFIRST = 1,  // 4 bytes: the row's word is the high half, the next word the low half
  MAPCONV_LONG_LOWFIRST = 2,   // 4 bytes: the row's word is the low half (no map row uses it)
  MAPCONV_BOOL_INVERT = 3,     // 1 when the word is 0, else 0; both ways
  MAPCONV_LOWBYTE = 4,         // the word's low byte: 0..255 loading, -128..127 saving
};

// One field of a preference record. The maps are constant, so `processed` is 0
// in every row; a transfer keeps its own marks beside the rows.
struct PREFERENCE_LOCATION_MAPRECORD {
  int16_t processed;
  char otherTag[2];      // third and fourth character of the source tag ('o', 't' first)
  int16_t firstKey;      // first key number of the source record; 0 stands for -2
  int16_t secondKey;     // second key number of the source record
  int16_t prefOffset;    // byte offset of the field in the preference record
  int16_t wordIndex;     // source word 0..5; the first of two for a 4-byte field
  int16_t byteSize;      // 2 or 4
  MAP_ARRAY_CONVERSION conversion;
};

// The largest row count of any map.
constexpr int kMaxPrefMapRows = 49;

// The map of a structured preference record: true with the map's rows and
// their count for the nine mapped tags ('pfPF' only with key number 0), false
// otherwise (the outputs are then left alone). Null outputs are allowed.
bool mapPrefStruct(uint32_t tag, int16_t key, const PREFERENCE_LOCATION_MAPRECORD** map, int16_t* rows);

// The run of a preference record that is a sequence of whole other records:
// the source tag, with *count records under the keys (-2, *firstSecondKey) to
// (-2, *firstSecondKey + *count - 1). Answers source tag 0 with count and first
// key 0 when the tag with this key number is not a run.
uint32_t mapPrefTag(uint32_t tag, int16_t key, int16_t* count, int16_t* firstSecondKey);

// The long made of two source words: conversion 1 takes the first as the high
// half, conversion 2 as the low half; any other conversion gives 0.
int32_t makePrefsFourbyte(int16_t first, int16_t second, MAP_ARRAY_CONVERSION conversion);

// The inverse of makePrefsFourbyte for conversions 1 and 2; any other
// conversion stores nothing.
void makePrefsTwobytes(int32_t value, int16_t* first, int16_t* second, MAP_ARRAY_CONVERSION conversion);

// A row's source tag and the first key number the host is asked with.
uint32_t prefRowSourceTag(const PREFERENCE_LOCATION_MAPRECORD& row);
int16_t prefRowFirstKey(const PREFERENCE_LOCATION_MAPRECORD& row);

// True when two rows take their words from the same source other record.
bool prefRowsShareSource(const PREFERENCE_LOCATION_MAPRECORD& a, const PREFERENCE_LOCATION_MAPRECORD& b);

// Groups the rows by source record: `leader[row]` gets the index of the first
// row reading the same source, so a row that is its own leader starts a group.
// `leader` has room for `rows` entries.
void prefRowLeaders(const PREFERENCE_LOCATION_MAPRECORD* map, int16_t rows, int16_t* leader);

// The size in bytes of the preference record a map describes.
int32_t prefMapRecordSize(const PREFERENCE_LOCATION_MAPRECORD* map, int16_t rows);

#endif
