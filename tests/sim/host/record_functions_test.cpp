#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "host/record_tags.h"
#include "sim/host/sim_host.h"
#include "support/host_call.h"

namespace {

constexpr uint32_t kTag = fx_tag('x', 'T', 'S', 'T');
constexpr uint32_t kVersion = 0x0F000200u;

class RecordFunctions : public testing::Test {
 protected:
  void SetUp() override {
    sim::install(host);
    host.records().put({kTag, 3, 0}, {1, 2, 3, 4, 5, 6});
  }

  FxWord load(int16_t first, int16_t second, void* buffer, int32_t* size) {
    int16_t key[2] = {first, second};
    return call_host("FX_LoadEData", kTag, key, buffer, size, kVersion);
  }

  sim::Host host;
};

TEST(RecordFunctionsWithoutHost, AnswerZeroWhenNoHostIsInstalled) {
  {
    sim::Host passing;
    sim::install(passing);
  }
  int16_t key[2] = {1, 0};
  int32_t size = 0;
  EXPECT_EQ(call_host("FX_LoadEData", kTag, key, nullptr, &size, kVersion), 0);
}

TEST_F(RecordFunctions, LoadWithoutBufferTellsExistenceAndReportsSize) {
  int32_t size = 0;
  EXPECT_EQ(load(3, 0, nullptr, &size), 1);
  EXPECT_EQ(size, 6);

  size = 99;
  EXPECT_EQ(load(4, 0, nullptr, &size), 0);
  EXPECT_EQ(size, 99) << "a failed load leaves the size alone";
  EXPECT_EQ(load(3, 1, nullptr, &size), 0) << "the second key number is part of the address";
}

TEST_F(RecordFunctions, LoadCopiesTheRecordIntoALargerBufferAndReportsItsSize) {
  std::vector<uint8_t> buffer(10, 0xEE);
  int32_t size = 10;
  EXPECT_EQ(load(3, 0, buffer.data(), &size), 1);
  EXPECT_EQ(size, 6);
  EXPECT_EQ(buffer, (std::vector<uint8_t>{1, 2, 3, 4, 5, 6, 0xEE, 0xEE, 0xEE, 0xEE}));
}

TEST_F(RecordFunctions, LoadIntoASmallerBufferFailsWithoutTouchingIt) {
  std::vector<uint8_t> buffer(5, 0xEE);
  int32_t size = 5;
  EXPECT_EQ(load(3, 0, buffer.data(), &size), 0);
  EXPECT_EQ(size, 5);
  EXPECT_EQ(buffer, std::vector<uint8_t>(5, 0xEE));
}

TEST_F(RecordFunctions, LoadWithoutKeyOrSizePointerFails) {
  int32_t size = 6;
  EXPECT_EQ(call_host("FX_LoadEData", kTag, nullptr, nullptr, &size, kVersion), 0);
  int16_t key[2] = {3, 0};
  EXPECT_EQ(call_host("FX_LoadEData", kTag, key, nullptr, nullptr, kVersion), 0);
}

TEST_F(RecordFunctions, SaveReplacesAnExistingRecordWithTheGivenBytes) {
  int16_t key[2] = {3, 0};
  const uint8_t bytes[4] = {9, 8, 7, 6};
  EXPECT_EQ(call_host("FX_SaveEData", kTag, key, bytes, 4, kVersion), 1);
  EXPECT_EQ(*host.records().find({kTag, 3, 0}), (sim::Bytes{9, 8, 7, 6}));
}

TEST_F(RecordFunctions, SaveNeverCreatesARecord) {
  int16_t key[2] = {4, 0};
  const uint8_t bytes[2] = {1, 1};
  EXPECT_EQ(call_host("FX_SaveEData", kTag, key, bytes, 2, kVersion), 0);
  EXPECT_FALSE(host.records().contains({kTag, 4, 0}));
  EXPECT_EQ(call_host("FX_SaveEData", kTag, key, nullptr, 2, kVersion), 0);
}

TEST_F(RecordFunctions, CreateAddsARecordOnlyWhereThereIsNone) {
  int16_t key[2] = {4, 2};
  const uint8_t bytes[3] = {5, 5, 5};
  EXPECT_EQ(call_host("FX_CreateEData", kTag, key, bytes, 3, kVersion), 1);
  EXPECT_EQ(*host.records().find({kTag, 4, 2}), (sim::Bytes{5, 5, 5}));
  EXPECT_EQ(call_host("FX_CreateEData", kTag, key, bytes, 3, kVersion), 0);

  int16_t blank_key[2] = {5, 0};
  EXPECT_EQ(call_host("FX_CreateEData", kTag, blank_key, nullptr, 2, kVersion), 1);
  EXPECT_EQ(*host.records().find({kTag, 5, 0}), (sim::Bytes{0, 0}));
}

TEST_F(RecordFunctions, DeleteRemovesTheRecordOnce) {
  int16_t key[2] = {3, 0};
  EXPECT_EQ(call_host("FX_DeleteEData", kTag, key, kVersion), 1);
  EXPECT_FALSE(host.records().contains({kTag, 3, 0}));
  EXPECT_EQ(call_host("FX_DeleteEData", kTag, key, kVersion), 0);
}

TEST_F(RecordFunctions, NextAndPreviousStepThroughOneTagInKeyOrder) {
  host.records().put({kTag, 3, 5}, {7, 7});
  host.records().put({kTag, 8, 0}, {8, 8});
  host.records().put({kTag + 1, 0, 0}, {0});
  int16_t key[2] = {3, 0};
  uint8_t buffer[4] = {};

  EXPECT_EQ(call_host("FX_NextEData", kTag, key, buffer, 4, kVersion), 1);
  EXPECT_EQ(key[0], 3);
  EXPECT_EQ(key[1], 5);
  EXPECT_EQ(buffer[0], 7);
  EXPECT_EQ(call_host("FX_NextEData", kTag, key, nullptr, 0, kVersion), 1);
  EXPECT_EQ(key[0], 8);
  EXPECT_EQ(call_host("FX_NextEData", kTag, key, nullptr, 0, kVersion), 0) << "never into another tag";
  EXPECT_EQ(key[0], 8);

  EXPECT_EQ(call_host("FX_PreviousEData", kTag, key, buffer, 1, kVersion), 0) << "a record of 2 bytes, capacity 1";
  EXPECT_EQ(key[0], 8);
  EXPECT_EQ(call_host("FX_PreviousEData", kTag, key, buffer, 4, kVersion), 1);
  EXPECT_EQ(key[1], 5);
}

TEST_F(RecordFunctions, OtherRecordHelpersKeepSixLittleEndianWords) {
  const sim::RecordKey key{kTagFlagsOther, 10, 0};
  host.records().put_other(key, {1, -2, 0x1234, 0, 0, 0});
  host.records().set_other_word(key, 5, -1);
  host.records().set_other_word(key, 6, 7);

  const sim::Bytes expected{1, 0, 0xFE, 0xFF, 0x34, 0x12, 0, 0, 0, 0, 0xFF, 0xFF};
  EXPECT_EQ(*host.records().find(key), expected);
  EXPECT_EQ(host.records().other(key)->at(1), -2);
  host.records().put({kTagFlagsOther, 11, 0}, {1, 2});
  EXPECT_FALSE(host.records().other({kTagFlagsOther, 11, 0})) << "not 12 bytes long";
}

}  // namespace
