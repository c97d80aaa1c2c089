#include "host/pref_maps.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "host/record_tags.h"

namespace {

struct MapCase {
  const char* name;
  uint32_t tag;
  int16_t rows;
  int32_t size;
};

const MapCase kMaps[] = {
    {"pfPF page format", fx_tag('p', 'f', 'P', 'F'), 22, 48},
    {"pfEX extract", fx_tag('p', 'f', 'E', 'X'), 25, 50},
    {"pfPL playback", fx_tag('p', 'f', 'P', 'L'), 7, 14},
    {"pfSS smart shape", fx_tag('p', 'f', 'S', 'S'), 43, 96},
    {"pfPB piano brace", fx_tag('p', 'f', 'P', 'B'), 11, 44},
    {"pfRP repeat", fx_tag('p', 'f', 'R', 'P'), 20, 40},
    {"pfMS misc doc", fx_tag('p', 'f', 'M', 'S'), 49, 104},
    {"pfSI size", fx_tag('p', 'f', 'S', 'I'), 23, 54},
    {"pfDP distance", fx_tag('p', 'f', 'D', 'P'), 36, 76},
};

std::vector<PREFERENCE_LOCATION_MAPRECORD> rows_of(const MapCase& c) {
  const PREFERENCE_LOCATION_MAPRECORD* map = nullptr;
  int16_t rows = 0;
  if (!mapPrefStruct(c.tag, 0, &map, &rows)) return {};
  return {map, map + rows};
}

TEST(PrefMaps, EachMappedTagHasItsRowCountAndRecordSize) {
  for (const MapCase& c : kMaps) {
    const PREFERENCE_LOCATION_MAPRECORD* map = nullptr;
    int16_t rows = 0;
    ASSERT_TRUE(mapPrefStruct(c.tag, 0, &map, &rows)) << c.name;
    EXPECT_EQ(rows, c.rows) << c.name;
    EXPECT_EQ(prefMapRecordSize(map, rows), c.size) << c.name;
    EXPECT_LE(rows, kMaxPrefMapRows) << c.name;
  }
}

TEST(PrefMaps, RowsCoverTheRecordWithoutGapOrOverlap) {
  for (const MapCase& c : kMaps) {
    std::vector<PREFERENCE_LOCATION_MAPRECORD> rows = rows_of(c);
    std::sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) { return a.prefOffset < b.prefOffset; });
    int32_t next = 0;
    for (const auto& row : rows) {
      EXPECT_EQ(row.prefOffset, next) << c.name << ": gap or overlap at offset " << next;
      next = row.prefOffset + row.byteSize;
    }
    EXPECT_EQ(next, c.size) << c.name;
  }
}

TEST(PrefMaps, RowsNameEachSourceWordAtMostOnceAndWithinTheRecord) {
  for (const MapCase& c : kMaps) {
    std::set<std::tuple<uint32_t, int16_t, int16_t, int>> words;
    for (const auto& row : rows_of(c)) {
      const std::string at = std::string(c.name) + " offset " + std::to_string(row.prefOffset);
      EXPECT_EQ(row.processed, 0) << at;
      EXPECT_TRUE(row.byteSize == 2 || row.byteSize == 4) << at;
      EXPECT_GE(row.wordIndex, 0) << at;
      EXPECT_LE(row.wordIndex + row.byteSize / 2, 6) << at << ": word past the other record";
      if (row.byteSize == 4) {
        EXPECT_EQ(row.conversion, MAPCONV_LONG_HIGHFIRST) << at;
      } else {
        EXPECT_TRUE(row.conversion == MAPCONV_NONE || row.conversion == MAPCONV_BOOL_INVERT ||
                    row.conversion == MAPCONV_LOWBYTE)
            << at;
      }
      for (int w = row.wordIndex; w < row.wordIndex + row.byteSize / 2; ++w) {
        const bool fresh =
            words.insert({prefRowSourceTag(row), prefRowFirstKey(row), row.secondKey, w}).second;
        EXPECT_TRUE(fresh) << at << ": source word " << w << " named twice";
      }
    }
  }
}

// A few rows read back as the layout says: a long, a keyed source, each conversion.
TEST(PrefMaps, RowsNameTheirSourcesAndConversions) {
  struct RowCase {
    uint32_t tag;
    int16_t offset;
    uint32_t source;
    int16_t first, second, word, size;
    MAP_ARRAY_CONVERSION conversion;
  };
  const RowCase cases[] = {
      {fx_tag('p', 'f', 'P', 'F'), 4, fx_tag('o', 't', '1', '5'), -2, 0, 2, 4, MAPCONV_LONG_HIGHFIRST},
      {fx_tag('p', 'f', 'E', 'X'), 42, fx_tag('o', 't', '7', '7'), -2, 8, 0, 2, MAPCONV_NONE},
      {fx_tag('p', 'f', 'S', 'S'), 12, fx_tag('o', 't', 'F', 'I'), 12, 0, 4, 2, MAPCONV_NONE},
      {fx_tag('p', 'f', 'S', 'S'), 34, fx_tag('o', 't', '6', '9'), -2, 0, 5, 2, MAPCONV_LOWBYTE},
      {fx_tag('p', 'f', 'M', 'S'), 12, fx_tag('o', 't', '3', '6'), -2, 0, 1, 2, MAPCONV_BOOL_INVERT},
      {fx_tag('p', 'f', 'M', 'S'), 96, fx_tag('o', 't', '4', '1'), -2, 1, 3, 4, MAPCONV_LONG_HIGHFIRST},
      {fx_tag('p', 'f', 'M', 'S'), 102, fx_tag('o', 't', 'F', 'I'), 10, 0, 2, 2, MAPCONV_NONE},
      {fx_tag('p', 'f', 'P', 'B'), 40, fx_tag('o', 't', '4', '5'), -2, 0, 4, 4, MAPCONV_LONG_HIGHFIRST},
      {fx_tag('p', 'f', 'D', 'P'), 72, fx_tag('o', 't', '7', '7'), -2, 4, 0, 2, MAPCONV_NONE},
  };
  for (const RowCase& c : cases) {
    const PREFERENCE_LOCATION_MAPRECORD* map = nullptr;
    int16_t rows = 0;
    ASSERT_TRUE(mapPrefStruct(c.tag, 0, &map, &rows));
    const auto* row = std::find_if(map, map + rows, [&](const auto& r) { return r.prefOffset == c.offset; });
    ASSERT_NE(row, map + rows) << std::hex << c.tag << " offset " << std::dec << c.offset;
    const std::string at = std::to_string(c.offset);
    EXPECT_EQ(prefRowSourceTag(*row), c.source) << at;
    EXPECT_EQ(prefRowFirstKey(*row), c.first) << at;
    EXPECT_EQ(row->secondKey, c.second) << at;
    EXPECT_EQ(row->wordIndex, c.word) << at;
    EXPECT_EQ(row->byteSize, c.size) << at;
    EXPECT_EQ(row->conversion, c.conversion) << at;
  }
}

TEST(PrefMaps, PageFormatIsMappedOnlyForKeyZero) {
  int16_t rows = -1;
  EXPECT_TRUE(mapPrefStruct(fx_tag('p', 'f', 'P', 'F'), 0, nullptr, &rows));
  EXPECT_EQ(rows, 22);
  rows = -1;
  EXPECT_FALSE(mapPrefStruct(fx_tag('p', 'f', 'P', 'F'), 1, nullptr, &rows));
  EXPECT_EQ(rows, -1) << "outputs untouched when there is no map";
  EXPECT_FALSE(mapPrefStruct(fx_tag('p', 'f', 'g', 'p'), 0, nullptr, nullptr));
  EXPECT_FALSE(mapPrefStruct(fx_tag('o', 't', '1', '3'), 0, nullptr, nullptr));
}

TEST(PrefMaps, RunsAnswerTheirSourceCountAndFirstKeyWhenTheConditionHolds) {
  struct RunCase {
    const char* name;
    uint32_t tag;
    int16_t key;
    uint32_t source;
    int16_t count, first;
  };
  const RunCase cases[] = {
      {"pfPF k=1", fx_tag('p', 'f', 'P', 'F'), 1, fx_tag('o', 't', '7', '7'), 4, 0},
      {"pfPF k=0 is a map, not a run", fx_tag('p', 'f', 'P', 'F'), 0, 0, 0, 0},
      {"pfPF k=2", fx_tag('p', 'f', 'P', 'F'), 2, 0, 0, 0},
      {"pfGd any key", fx_tag('p', 'f', 'G', 'd'), -7, fx_tag('o', 't', '8', '0'), 1, 0},
      {"pfGG", fx_tag('p', 'f', 'G', 'G'), 0, fx_tag('o', 't', '8', '8'), 11, 0},
      {"pfGD", fx_tag('p', 'f', 'G', 'D'), 3, fx_tag('o', 't', '7', '9'), 1, 0},
      {"pfGb k=1", fx_tag('p', 'f', 'G', 'b'), 1, fx_tag('o', 't', '9', '8'), 1, 0},
      {"pfGb k=4", fx_tag('p', 'f', 'G', 'b'), 4, fx_tag('o', 't', '9', '8'), 1, 3},
      {"pfGb k=5", fx_tag('p', 'f', 'G', 'b'), 5, 0, 0, 0},
      {"pfGb k=0", fx_tag('p', 'f', 'G', 'b'), 0, 0, 0, 0},
      {"pfMM", fx_tag('p', 'f', 'M', 'M'), 0, fx_tag('o', 't', '2', '5'), 2, 0},
      {"pfGs k=1", fx_tag('p', 'f', 'G', 's'), 1, fx_tag('o', 't', '9', '1'), 1, 0},
      {"pfGs k=2", fx_tag('p', 'f', 'G', 's'), 2, 0, 0, 0},
      {"pfND", fx_tag('p', 'f', 'N', 'D'), 0, fx_tag('o', 't', '0', '4'), 1, 0},
      {"pfNd", fx_tag('p', 'f', 'N', 'd'), 0, fx_tag('o', 't', '6', '6'), 1, 0},
      {"pfTC", fx_tag('p', 'f', 'T', 'C'), 0, fx_tag('o', 't', '8', '6'), 5, 0},
      {"pfSN k=1", fx_tag('p', 'f', 'S', 'N'), 1, fx_tag('o', 't', '4', '0'), 1, 0},
      {"pfSN k=128", fx_tag('p', 'f', 'S', 'N'), 128, fx_tag('o', 't', '4', '0'), 1, 127},
      {"pfSN k=129", fx_tag('p', 'f', 'S', 'N'), 129, 0, 0, 0},
      {"pfSN k=0", fx_tag('p', 'f', 'S', 'N'), 0, 0, 0, 0},
      {"pfSC", fx_tag('p', 'f', 'S', 'C'), 0, fx_tag('o', 't', '5', '2'), 2, 0},
      {"pfSP", fx_tag('p', 'f', 'S', 'P'), 0, fx_tag('o', 't', '9', '4'), 3, 0},
      {"pfSl k=15", fx_tag('p', 'f', 'S', 'l'), 15, fx_tag('o', 't', '2', '6'), 1, 14},
      {"pfSl k=16", fx_tag('p', 'f', 'S', 'l'), 16, 0, 0, 0},
      {"pfTX", fx_tag('p', 'f', 'T', 'X'), 0, fx_tag('o', 't', '7', '8'), 8, 0},
      {"pfTI", fx_tag('p', 'f', 'T', 'I'), 0, fx_tag('o', 't', '8', '4'), 4, 0},
      {"pfTp", fx_tag('p', 'f', 'T', 'p'), 0, fx_tag('o', 't', '8', '5'), 4, 0},
      {"pfTs k=9", fx_tag('p', 'f', 'T', 's'), 9, fx_tag('o', 't', '9', '0'), 1, 8},
      {"pfTs k=10", fx_tag('p', 'f', 'T', 's'), 10, 0, 0, 0},
      {"pfDP is a map", fx_tag('p', 'f', 'D', 'P'), 0, 0, 0, 0},
      {"SOPS", kTagPageSpec, 1, 0, 0, 0},
  };
  for (const RunCase& c : cases) {
    int16_t count = -1;
    int16_t first = -1;
    EXPECT_EQ(mapPrefTag(c.tag, c.key, &count, &first), c.source) << c.name;
    EXPECT_EQ(count, c.count) << c.name;
    EXPECT_EQ(first, c.first) << c.name;
  }
}

TEST(PrefMaps, RowLeadersGroupRowsByTheFirstRowOfTheirSource) {
  const PREFERENCE_LOCATION_MAPRECORD map[] = {
      {0, {'7', '7'}, 0, 1, 0, 0, 2, MAPCONV_NONE},
      {0, {'7', '8'}, 0, 1, 2, 0, 2, MAPCONV_NONE},
      {0, {'7', '7'}, -2, 1, 4, 1, 2, MAPCONV_NONE},
      {0, {'7', '7'}, 0, 2, 6, 0, 2, MAPCONV_NONE},
      {0, {'7', '8'}, 0, 1, 8, 1, 4, MAPCONV_LONG_HIGHFIRST},
      {0, {'7', '7'}, 3, 1, 12, 0, 2, MAPCONV_NONE},
  };
  int16_t leader[6] = {};
  prefRowLeaders(map, 6, leader);
  const int16_t expected[6] = {0, 1, 0, 3, 1, 5};
  for (int i = 0; i < 6; ++i)
    EXPECT_EQ(leader[i], expected[i]) << "row " << i << " (first key 0 reads as -2; second key and tag count)";
}

TEST(PrefMaps, FourbyteJoinsTwoWordsInTheConversionsOrder) {
  EXPECT_EQ(makePrefsFourbyte(1, -1, MAPCONV_LONG_HIGHFIRST), 131071);
  EXPECT_EQ(makePrefsFourbyte(1, -1, MAPCONV_LONG_LOWFIRST), -65535);
  EXPECT_EQ(makePrefsFourbyte(-1, -1, MAPCONV_LONG_HIGHFIRST), -1);
  EXPECT_EQ(makePrefsFourbyte(-32768, 0, MAPCONV_LONG_HIGHFIRST), INT32_MIN);
  for (MAP_ARRAY_CONVERSION other : {MAPCONV_NONE, MAPCONV_BOOL_INVERT, MAPCONV_LOWBYTE})
    EXPECT_EQ(makePrefsFourbyte(1, -1, other), 0) << "conversion " << other;
}

TEST(PrefMaps, TwobytesSplitsALongBackIntoTheWordsItCameFrom) {
  int16_t first = 0;
  int16_t second = 0;
  makePrefsTwobytes(-2, &first, &second, MAPCONV_LONG_HIGHFIRST);
  EXPECT_EQ(first, -1);
  EXPECT_EQ(second, -2);
  for (int32_t value : {0, 1, -1, 131071, -65535, INT32_MAX, INT32_MIN, 0x12345678}) {
    for (MAP_ARRAY_CONVERSION conversion : {MAPCONV_LONG_HIGHFIRST, MAPCONV_LONG_LOWFIRST}) {
      makePrefsTwobytes(value, &first, &second, conversion);
      EXPECT_EQ(makePrefsFourbyte(first, second, conversion), value) << value << " conversion " << conversion;
    }
  }
  first = 7;
  second = 8;
  makePrefsTwobytes(-2, &first, &second, MAPCONV_LOWBYTE);
  EXPECT_EQ(first, 7);
  EXPECT_EQ(second, 8);
}

}  // namespace
