#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "host/fx_entries.h"
#include "support/sim_host_fixture.h"
#include "tests/host/pref_test_maps.h"

namespace {

using namespace pref_test;

class PreferenceAssembly : public SimHostTest {
 protected:
  void SetUp() override {
    SimHostTest::SetUp();
    seed_all_sources(host);
    host.log().set_tracing(true);
  }

  // Loads the preference record `tag` (key number 0) into a buffer of
  // `capacity` bytes filled with 0xEE.
  FxWord load(uint32_t tag, std::vector<uint8_t>& record, int32_t capacity, int32_t* size_out = nullptr) {
    record.assign(size_t(capacity), 0xEE);
    int16_t key[4] = {0, 0, 0, 0};
    int32_t size = capacity;
    const FxWord result = FX_LoadEData(tag, key, record.data(), &size, kFxInterfaceVersion);
    if (size_out != nullptr) *size_out = size;
    return result;
  }

  int16_t word_of(const PREFERENCE_LOCATION_MAPRECORD& row, int offset = 0) {
    return (*host.records().other(source_key(row)))[size_t(row.wordIndex + offset)];
  }
};

TEST_F(PreferenceAssembly, EveryFieldOfEveryMapReadsItsSourceWordsConverted) {
  for (const MappedPref& pref : mapped_prefs()) {
    std::vector<uint8_t> record;
    int32_t size = 0;
    ASSERT_EQ(load(pref.tag, record, pref.size, &size), 1) << pref.name;
    EXPECT_EQ(size, pref.size) << pref.name;
    for (const auto& row : rows_of(pref.tag)) {
      const std::string at = std::string(pref.name) + " offset " + std::to_string(row.prefOffset);
      const int16_t word = word_of(row);
      switch (row.conversion) {
        case MAPCONV_LONG_HIGHFIRST:
          EXPECT_EQ(field_at<int32_t>(record, row.prefOffset),
                    int32_t(uint32_t(uint16_t(word)) << 16 | uint16_t(word_of(row, 1))))
              << at;
          break;
        case MAPCONV_BOOL_INVERT:
          EXPECT_EQ(field_at<int16_t>(record, row.prefOffset), word == 0 ? 1 : 0) << at;
          break;
        case MAPCONV_LOWBYTE:
          EXPECT_EQ(field_at<int16_t>(record, row.prefOffset), word & 0xFF) << at;
          break;
        default:
          EXPECT_EQ(field_at<int16_t>(record, row.prefOffset), word) << at;
      }
    }
  }
}

TEST_F(PreferenceAssembly, LoadsEachSourceRecordOnceAsATwelveByteOtherRecord) {
  for (const MappedPref& pref : mapped_prefs()) {
    host.log().clear();
    std::vector<uint8_t> record;
    load(pref.tag, record, pref.size);
    const auto loads = host.log().trace_of("FX_LoadEData");
    std::set<sim::RecordKey> loaded;
    for (const auto& call : loads) {
      EXPECT_TRUE(loaded.insert({*call.tag, *call.key_first, *call.key_second}).second)
          << pref.name << ": loaded twice: " << call.describe();
      EXPECT_EQ(*call.size, 12) << call.describe();
      EXPECT_EQ(call.version, kFxInterfaceVersion) << call.describe();
      EXPECT_TRUE(call.buffer) << call.describe();
    }
    EXPECT_EQ(loaded, sources_of(pref.tag)) << pref.name;
    EXPECT_EQ(host.log().count("FX_SaveEData"), 0) << pref.name;
  }
}

TEST_F(PreferenceAssembly, ALowByteFieldReadsTheWordsLowByteAndAnInvertedFieldItsNegation) {
  const uint32_t misc = fx_tag('p', 'f', 'M', 'S');
  host.records().set_other_word({fx_tag('o', 't', '1', '9'), -2, 0}, 4, 0x01C8);  // pfMS offset 52
  host.records().set_other_word({fx_tag('o', 't', '3', '6'), -2, 0}, 1, 0);       // pfMS offset 12
  std::vector<uint8_t> record;
  ASSERT_EQ(load(misc, record, 104), 1);
  EXPECT_EQ(field_at<int16_t>(record, 52), 200);
  EXPECT_EQ(field_at<int16_t>(record, 12), 1);
  host.records().set_other_word({fx_tag('o', 't', '3', '6'), -2, 0}, 1, 7);
  ASSERT_EQ(load(misc, record, 104), 1);
  EXPECT_EQ(field_at<int16_t>(record, 12), 0);
}

TEST_F(PreferenceAssembly, WithoutABufferOnlyTheSizeIsAnswered) {
  for (const MappedPref& pref : mapped_prefs()) {
    int16_t key[2] = {0, 0};
    int32_t size = 0;
    host.log().clear();
    EXPECT_EQ(FX_LoadEData(pref.tag, key, nullptr, &size, kFxInterfaceVersion), 1) << pref.name;
    EXPECT_EQ(size, pref.size) << pref.name;
    EXPECT_EQ(host.log().total(), 0) << pref.name;
  }
}

TEST_F(PreferenceAssembly, ATooSmallBufferFailsUntouchedButLearnsTheSize) {
  std::vector<uint8_t> record;
  int32_t size = 0;
  EXPECT_EQ(load(fx_tag('p', 'f', 'D', 'P'), record, 75, &size), 0);
  EXPECT_EQ(size, 76);
  EXPECT_EQ(record, std::vector<uint8_t>(75, 0xEE));
  EXPECT_EQ(host.log().total(), 0);
}

// A source the host cannot load feeds zeros, whatever the conversion would
// make of a zero word, and never what the buffer held before.
TEST_F(PreferenceAssembly, FieldsOfASourceThatFailsToLoadReadZero) {
  const sim::RecordKey ot36 = {fx_tag('o', 't', '3', '6'), -2, 0};
  host.records().erase(ot36);
  std::vector<uint8_t> record;
  ASSERT_EQ(load(fx_tag('p', 'f', 'M', 'S'), record, 104), 1);
  for (const auto& row : rows_of(fx_tag('p', 'f', 'M', 'S'))) {
    if (!(source_key(row) == ot36)) continue;
    EXPECT_EQ(field_at<int16_t>(record, row.prefOffset), 0) << "offset " << row.prefOffset;
  }
  EXPECT_EQ(field_at<int16_t>(record, 12), 0) << "the inverted field";
}

TEST_F(PreferenceAssembly, PageFormatWithKeyOneIsARunNotTheMap) {
  for (int16_t second = 0; second < 4; ++second)
    host.records().put_other({fx_tag('o', 't', '7', '7'), -2, second}, {second, 1, 2, 3, 4, 5});
  std::vector<uint8_t> record(48, 0xEE);
  int16_t key[2] = {1, 0};
  int32_t size = 48;
  ASSERT_EQ(FX_LoadEData(fx_tag('p', 'f', 'P', 'F'), key, record.data(), &size, kFxInterfaceVersion), 1);
  EXPECT_EQ(size, 48);
  for (int16_t second = 0; second < 4; ++second) EXPECT_EQ(field_at<int16_t>(record, 12 * second), second);
}

// The nine layouts written out as the record format describes them: "offset:
// 'otXY' (first,second) word ..." per field, offset and word ranges taking one
// 2-byte row per offset, "long" a 4-byte high-first field, "low byte" and
// "inverted" the conversions. Written apart from the maps, so a wrong row in a
// map shows as a wrong byte of the record the plug-in assembles.
const std::pair<uint32_t, const char*> kLayouts[] = {
    {fx_tag('p', 'f', 'P', 'F'),
     "0: 'ot14' w0-1 long; 4: 'ot15' w2-3 long; 8: 'ot39' w2; 10-16: 'ot16' w0-3; 18-24: 'ot02' w0-3; "
     "26-28: 'ot17' w0-1; 30: 'ot17' w3; 32: 'ot17' w2; 34: 'ot01' w4; 36: 'ot02' w4; 38: 'ot13' w5; "
     "40: 'ot13' w4; 42: 'ot02' w5; 44-46: 'ot03' w0-1"},
    {fx_tag('p', 'f', 'E', 'X'),
     "0-8: 'ot77' (-2,4) w1-5; 10-20: 'ot77' (-2,5) w0-5; 22-32: 'ot77' (-2,6) w0-5; 34-40: 'ot77' (-2,7) w0-3; "
     "46-48: 'ot77' (-2,7) w4-5; 42-44: 'ot77' (-2,8) w0-1"},
    {fx_tag('p', 'f', 'P', 'L'), "0: 'ot13' w1; 2: 'ot39' w3; 4: 'ot36' w0; 6: 'ot36' w5; 8-12: 'ot37' w0-2"},
    {fx_tag('p', 'f', 'S', 'S'),
     "0-6: 'ot92' w0-3; 8-10: 'otFI' (11,0) w0-1; 12: 'otFI' (12,0) w4; 14: 'otFI' (11,0) w4; "
     "16: 'otFI' (12,0) w0-1 long; 20: 'otFI' (12,0) w2-3 long; 24: 'otFI' (11,0) w2; 26: 'otFI' (11,0) w5; "
     "28: 'ot12' w5 low byte; 30: 'ot11' w5 low byte; 32-34: 'ot69' w4-5 low byte; 36-38: 'ot69' w2-3 low byte; "
     "40: 'ot51' w5; 42: 'ot53' w5; 44: 'ot51' w4; 46: 'ot53' w4; 48: 'ot50' w4; 50-56: 'ot53' (-2,1) w0-3; "
     "58: 'ot51' w0-1 long; 62: 'ot51' w2-3 long; 66: 'ot53' w2; 68-70: 'ot53' w0-1; 72: 'ot93' w0-1 long; "
     "76: 'ot53' w3; 78: 'ot50' w5; 80-86: 'ot50' w0-3; 88-94: 'ot97' (-2,1) w0-3"},
    {fx_tag('p', 'f', 'P', 'B'),
     "0: 'ot65' w2-3 long; 4: 'ot60' w2-3 long; 8: 'ot65' w4-5 long; 12: 'ot60' w4-5 long; 16: 'ot61' w0-1 long; "
     "20: 'ot61' w2-3 long; 24: 'ot61' w4-5 long; 28: 'ot60' w0-1 long; 32: 'ot64' w2-3 long; "
     "36: 'ot45' w2-3 long; 40: 'ot45' w4-5 long"},
    {fx_tag('p', 'f', 'R', 'P'),
     "0-10: 'ot70' w0-5; 12-22: 'ot71' w0-5; 24: 'ot05' w3; 26: 'ot72' w0; 28: 'ot76' w2; 30-38: 'ot72' w1-5"},
    {fx_tag('p', 'f', 'M', 'S'),
     "0: 'ot36' w4; 2-4: 'ot03' w4-5; 6: 'ot09' w5; 8-10: 'ot36' w2-3; 12: 'ot36' w1 inverted; 14-16: 'ot41' w0-1; "
     "18: 'ot20' w0; 20: 'ot27' w1; 22: 'ot01' w0; 24: 'ot13' w2; 26: 'ot15' w4; 28: 'ot27' w0; 30: 'ot27' w4; "
     "32: 'ot44' w4; 34: 'ot27' w2; 36-38: 'ot12' w2-3; 40: 'ot12' w1; 42: 'ot41' (-2,2) w1; 44: 'ot23' w1; "
     "46-48: 'ot19' w2-3; 50: 'ot31' w5; 52-54: 'ot19' w4-5 low byte; 56: 'ot44' w3; 58-60: 'ot05' w4-5; "
     "62: 'ot13' w0; 64: 'ot41' w5; 66: 'ot12' w4; 68: 'ot01' w1; 70: 'ot93' w4; 72: 'ot76' w4; 74: 'ot93' w2; "
     "76: 'ot76' w3; 78: 'ot17' w5; 80: 'ot23' w4; 82: 'ot16' w5; 84: 'ot62' w0-1 long; 88: 'ot62' w2-3 long; "
     "92: 'ot41' (-2,2) w0; 94: 'ot41' w2; 96: 'ot41' (-2,1) w3-4 long; 100: 'ot76' w5; 102: 'otFI' (10,0) w2"},
    {fx_tag('p', 'f', 'S', 'I'),
     "0: 'ot67' w2; 2: 'ot58' w4; 4: 'ot68' w2-3 long; 8: 'ot62' w4-5 long; 12: 'ot03' w3; 14: 'ot23' w0; "
     "16: 'ot14' w2; 18: 'ot64' w1; 20: 'ot27' w3; 22: 'ot58' w5; 24-26: 'ot59' w0-1; 28: 'ot01' w2; "
     "30: 'ot59' w2; 32: 'ot01' w3; 34: 'ot97' w0-1 long; 38-40: 'ot20' w4-5; 42: 'ot03' w2; 44: 'ot21' w2; "
     "46: 'ot64' w5; 48: 'ot97' w2-3 long; 52: 'ot69' w0"},
    {fx_tag('p', 'f', 'D', 'P'),
     "0: 'ot21' w3; 2: 'ot21' w5; 4-6: 'ot59' w3-4; 8-12: 'ot22' w1-3; 14-16: 'ot67' w3-4; 18: 'ot68' w4-5 long; "
     "22-24: 'ot20' w1-2; 26: 'ot13' w3; 28-30: 'ot19' w0-1; 32: 'ot68' w0; 34: 'ot21' w1; 36: 'ot68' w1; "
     "38: 'ot21' w0; 40: 'ot27' w5; 42: 'ot18' w0; 44: 'ot18' w2; 46: 'ot18' w1; 48: 'ot21' w4; 50-52: 'ot39' w0-1; "
     "54: 'ot65' w0-1 long; 58: 'ot67' w1; 60: 'ot18' w5; 62: 'ot67' w0; 64-66: 'ot18' w3-4; 68-70: 'ot14' w4-5; "
     "74: 'ot01' w5; 72: 'ot77' (-2,4) w0"},
};

// Seeds every source the layout names with distinct negative words whose low
// bytes differ too, and returns the record those words must assemble into.
std::vector<uint8_t> seed_layout(sim::Host& host, const std::string& layout) {
  const std::regex field(
      R"((\d+)(?:-(\d+))?: 'ot(..)'(?: \((-?\d+),(\d+)\))? w(\d)(?:-(\d))?( long| low byte| inverted)?)");
  std::map<sim::RecordKey, sim::OtherWords> sources;
  std::vector<uint8_t> expected;
  std::stringstream items(layout);
  for (std::string item; std::getline(items, item, ';');) {
    std::smatch m;
    const std::string text = item.substr(item.find_first_not_of(' '));
    EXPECT_TRUE(std::regex_match(text, m, field)) << text;
    const sim::RecordKey key{fx_tag('o', 't', m[3].str()[0], m[3].str()[1]),
                             int16_t(m[4].matched ? std::stoi(m[4]) : -2), int16_t(m[5].matched ? std::stoi(m[5]) : 0)};
    if (!sources.count(key)) {
      sim::OtherWords words;
      for (int w = 0; w < 6; ++w) {
        const int serial = int(sources.size()) * 6 + w;
        words[size_t(w)] = int16_t(uint16_t((serial | 0x80) << 8 | serial));
      }
      sources[key] = words;
    }
    const sim::OtherWords& words = sources[key];
    const int first = std::stoi(m[1]), last = m[2].matched ? std::stoi(m[2]) : first;
    const int word = std::stoi(m[6]);
    const std::string conversion = m[8];
    const bool is_long = conversion == " long";
    expected.resize(std::max(expected.size(), size_t(last + (is_long ? 4 : 2))), 0xEE);
    if (is_long) {
      const uint32_t value = uint32_t(uint16_t(words[size_t(word)])) << 16 | uint16_t(words[size_t(word + 1)]);
      std::memcpy(&expected[size_t(first)], &value, 4);
      continue;
    }
    for (int offset = first; offset <= last; offset += 2) {
      const int16_t source = words[size_t(word + (offset - first) / 2)];
      const int16_t value = conversion == " low byte"   ? int16_t(source & 0xFF)
                            : conversion == " inverted" ? int16_t(source == 0)
                                                        : source;
      std::memcpy(&expected[size_t(offset)], &value, 2);
    }
  }
  for (const auto& [key, words] : sources) host.records().put_other(key, words);
  return expected;
}

TEST_F(PreferenceAssembly, EveryRecordAssemblesTheBytesItsLayoutNames) {
  for (const auto& [tag, layout] : kLayouts) {
    std::vector<uint8_t> expected = seed_layout(host, layout);
    std::vector<uint8_t> record;
    int32_t size = 0;
    ASSERT_EQ(load(tag, record, int32_t(expected.size()), &size), 1) << layout;
    EXPECT_EQ(size, int32_t(expected.size())) << layout;
    EXPECT_EQ(record, expected) << layout;
  }
}

}  // namespace
