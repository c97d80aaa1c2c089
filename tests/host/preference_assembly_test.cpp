#include <gtest/gtest.h>

#include <cstring>
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

}  // namespace
