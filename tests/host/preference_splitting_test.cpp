#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <vector>

#include "host/fx_entries.h"
#include "support/sim_host_fixture.h"
#include "tests/host/pref_test_maps.h"

namespace {

using namespace pref_test;

class PreferenceSplitting : public SimHostTest {
 protected:
  void SetUp() override {
    SimHostTest::SetUp();
    seed_all_sources(host);
    host.log().set_tracing(true);
  }

  std::vector<uint8_t> load(uint32_t tag, int32_t size) {
    std::vector<uint8_t> record(size_t(size), 0xEE);
    int16_t key[2] = {0, 0};
    EXPECT_EQ(FX_LoadEData(tag, key, record.data(), &size, kFxInterfaceVersion), 1);
    return record;
  }

  FxWord save(uint32_t tag, const std::vector<uint8_t>& record, uint32_t version = kFxInterfaceVersion) {
    int16_t key[2] = {0, 0};
    return FX_SaveEData(tag, key, record.data(), int32_t(record.size()), version);
  }

  std::map<sim::RecordKey, sim::OtherWords> all_other_records() {
    std::map<sim::RecordKey, sim::OtherWords> records;
    for (const auto& [key, bytes] : host.records().all())
      if (auto words = host.records().other(key)) records[key] = *words;
    return records;
  }
};

// A new value for every field, and the source words that must hold it.
void change_every_field(uint32_t tag, std::vector<uint8_t>& record,
                        std::map<sim::RecordKey, sim::OtherWords>& expected) {
  for (const auto& row : rows_of(tag)) {
    int16_t* words = expected[source_key(row)].data();
    int16_t& word = words[row.wordIndex];
    switch (row.conversion) {
      case MAPCONV_LONG_HIGHFIRST: {
        const int32_t value = field_at<int32_t>(record, row.prefOffset) + 0x00010003;
        set_field(record, row.prefOffset, value);
        word = int16_t(value >> 16);
        words[row.wordIndex + 1] = int16_t(value & 0xFFFF);
        break;
      }
      case MAPCONV_BOOL_INVERT: {
        const int16_t value = field_at<int16_t>(record, row.prefOffset) == 0 ? 1 : 0;
        set_field(record, row.prefOffset, value);
        word = value == 0 ? 1 : 0;
        break;
      }
      case MAPCONV_LOWBYTE: {
        const int16_t value = int16_t((field_at<int16_t>(record, row.prefOffset) + 77) & 0xFF);
        set_field(record, row.prefOffset, value);
        word = int16_t(int8_t(uint8_t(value)));
        break;
      }
      default: {
        const int16_t value = int16_t(field_at<int16_t>(record, row.prefOffset) + 5);
        set_field(record, row.prefOffset, value);
        word = value;
      }
    }
  }
}

TEST_F(PreferenceSplitting, ASaveWithoutChangesWritesNothing) {
  for (const MappedPref& pref : mapped_prefs()) {
    const std::vector<uint8_t> record = load(pref.tag, pref.size);
    host.log().clear();
    EXPECT_EQ(save(pref.tag, record), 1) << pref.name;
    EXPECT_EQ(host.log().count("FX_SaveEData"), 0) << pref.name << ":\n" << host.log().describe();
    EXPECT_EQ(host.log().count("FX_LoadEData"), int(sources_of(pref.tag).size())) << pref.name;
  }
}

// Every field changed and saved: exactly the words the map names take the new
// values; every other word of every other record, including the words of
// shared sources that only other maps name, stays as it was. Loading again
// gives back the changed record.
TEST_F(PreferenceSplitting, ChangedFieldsRoundTripThroughTheirSourceWordsOnly) {
  for (const MappedPref& pref : mapped_prefs()) {
    std::vector<uint8_t> record = load(pref.tag, pref.size);
    std::map<sim::RecordKey, sim::OtherWords> expected = all_other_records();
    change_every_field(pref.tag, record, expected);
    host.log().clear();
    ASSERT_EQ(save(pref.tag, record), 1) << pref.name;
    EXPECT_EQ(all_other_records(), expected) << pref.name;
    for (const auto& call : host.log().trace_of("FX_SaveEData")) {
      EXPECT_EQ(int32_t(call.args[3]), 12) << call.describe();
      EXPECT_EQ(call.version, kFxInterfaceVersion) << call.describe();
    }
    EXPECT_EQ(host.log().count("FX_SaveEData"), int(sources_of(pref.tag).size())) << pref.name;
    EXPECT_EQ(load(pref.tag, pref.size), record) << pref.name;
  }
}

TEST_F(PreferenceSplitting, OnlyTheSourcesWithAChangedWordAreSaved) {
  const uint32_t playback = fx_tag('p', 'f', 'P', 'L');
  const sim::RecordKey ot13 = {fx_tag('o', 't', '1', '3'), -2, 0};
  const sim::OtherWords ot13_before = *host.records().other(ot13);
  std::vector<uint8_t> record = load(playback, 14);
  set_field<int16_t>(record, 0, 4321);  // 'ot13' word 1
  host.log().clear();
  ASSERT_EQ(save(playback, record), 1);
  const auto saves = host.log().trace_of("FX_SaveEData");
  ASSERT_EQ(saves.size(), 1u) << host.log().describe();
  EXPECT_EQ(*saves[0].tag, ot13.tag);
  EXPECT_EQ(*saves[0].key_first, -2);
  EXPECT_EQ(*saves[0].key_second, 0);
  sim::OtherWords expected = ot13_before;
  expected[1] = 4321;
  EXPECT_EQ(*host.records().other(ot13), expected) << "words 0 and 2 to 5 belong to other maps";
}

TEST_F(PreferenceSplitting, ALowByteFieldIsSavedAsASignedByte) {
  const uint32_t misc = fx_tag('p', 'f', 'M', 'S');
  const sim::RecordKey ot19 = {fx_tag('o', 't', '1', '9'), -2, 0};
  std::vector<uint8_t> record = load(misc, 104);
  set_field<int16_t>(record, 52, 200);
  ASSERT_EQ(save(misc, record), 1);
  EXPECT_EQ((*host.records().other(ot19))[4], -56);
}

// The host refuses to lend 'ot36' although it holds it: writing that group
// back from an unfilled record would overwrite its other words.
TEST_F(PreferenceSplitting, AGroupWhoseSourceFailsToLoadIsNotWritten) {
  const uint32_t misc = fx_tag('p', 'f', 'M', 'S');
  const sim::RecordKey ot36 = {fx_tag('o', 't', '3', '6'), -2, 0};
  std::vector<uint8_t> record = load(misc, 104);
  std::map<sim::RecordKey, sim::OtherWords> expected = all_other_records();
  change_every_field(misc, record, expected);
  expected[ot36] = *host.records().other(ot36);
  host.override("FX_LoadEData", [this, ot36](const sim::Args& args) -> FxWord {
    int16_t key[2];
    std::memcpy(key, reinterpret_cast<const void*>(args[1]), sizeof key);
    const sim::RecordKey wanted = {uint32_t(args[0]), key[0], key[1]};
    const auto words = host.records().other(wanted);
    if (wanted == ot36 || !words) return 0;
    std::memcpy(reinterpret_cast<void*>(args[2]), words->data(), 12);
    return 1;
  });
  host.log().clear();
  ASSERT_EQ(save(misc, record), 1);
  for (const auto& call : host.log().trace_of("FX_SaveEData")) EXPECT_NE(*call.tag, ot36.tag) << call.describe();
  EXPECT_EQ(host.log().count("FX_SaveEData"), int(sources_of(misc).size()) - 1);
  EXPECT_EQ(all_other_records(), expected);
}

TEST_F(PreferenceSplitting, ASaveNamingAnOldLayoutGoesToTheHostWhole) {
  const uint32_t distance = fx_tag('p', 'f', 'D', 'P');
  std::vector<uint8_t> record = load(distance, 76);
  host.override("FX_SaveEData", [](const sim::Args&) { return FxWord(1); });
  host.log().clear();
  EXPECT_EQ(save(distance, record, 0x07FFFFFFu), 1);
  auto saves = host.log().trace_of("FX_SaveEData");
  ASSERT_EQ(saves.size(), 1u);
  EXPECT_EQ(*saves[0].tag, distance);
  EXPECT_EQ(int32_t(saves[0].args[3]), 76);
  EXPECT_EQ(saves[0].version, 0x07FFFFFFu);

  set_field<int16_t>(record, 0, int16_t(field_at<int16_t>(record, 0) + 1));
  host.log().clear();
  EXPECT_EQ(save(distance, record, 0x08000000u), 1);
  saves = host.log().trace_of("FX_SaveEData");
  ASSERT_EQ(saves.size(), 1u);
  EXPECT_EQ(*saves[0].tag, fx_tag('o', 't', '2', '1'));
  EXPECT_EQ(host.log().count("FX_LoadEData"), int(sources_of(distance).size()));
}

TEST_F(PreferenceSplitting, ASaveWithoutABufferOrWithTooFewBytesFails) {
  const uint32_t distance = fx_tag('p', 'f', 'D', 'P');
  int16_t key[2] = {0, 0};
  std::vector<uint8_t> record(76, 0);
  host.log().clear();
  EXPECT_EQ(FX_SaveEData(distance, key, nullptr, 76, kFxInterfaceVersion), 0);
  EXPECT_EQ(FX_SaveEData(distance, key, record.data(), 75, kFxInterfaceVersion), 0);
  EXPECT_EQ(host.log().total(), 0);
}

}  // namespace
