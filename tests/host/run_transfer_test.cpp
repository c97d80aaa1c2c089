#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "host/fx_entries.h"
#include "host/record_tags.h"
#include "support/sim_host_fixture.h"

namespace {

constexpr uint32_t kTempoChanges = fx_tag('p', 'f', 'T', 'C');  // five 'ot86' records
constexpr uint32_t kOt86 = fx_tag('o', 't', '8', '6');

class RunTransfer : public SimHostTest {
 protected:
  void SetUp() override {
    SimHostTest::SetUp();
    host.log().set_tracing(true);
    for (int16_t i = 0; i < 5; ++i)
      host.records().put_other({kOt86, -2, i}, {int16_t(10 * i), int16_t(10 * i + 1), 2, 3, 4, int16_t(-i)});
  }

  FxWord load(uint32_t tag, int16_t number, void* buffer, int32_t* size) {
    int16_t key[2] = {number, 0};
    return FX_LoadEData(tag, key, buffer, size, kFxInterfaceVersion);
  }
};

TEST_F(RunTransfer, ARunIsItsOtherRecordsOneAfterAnother) {
  std::vector<int16_t> words(30, -1);
  int32_t size = 60;
  ASSERT_EQ(load(kTempoChanges, 0, words.data(), &size), 1);
  EXPECT_EQ(size, 60);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(words[size_t(6 * i)], 10 * i) << "record " << i;
    EXPECT_EQ(words[size_t(6 * i + 5)], -i) << "record " << i;
  }
  const auto loads = host.log().trace_of("FX_LoadEData");
  ASSERT_EQ(loads.size(), 5u);
  for (int16_t i = 0; i < 5; ++i) {
    EXPECT_EQ(*loads[size_t(i)].key_first, -2);
    EXPECT_EQ(*loads[size_t(i)].key_second, i);
    EXPECT_EQ(*loads[size_t(i)].size, 12);
    EXPECT_EQ(loads[size_t(i)].version, kFxInterfaceVersion);
  }
}

TEST_F(RunTransfer, WithoutABufferOnlyTheSizeIsAnsweredAndASmallBufferFails) {
  int32_t size = 0;
  EXPECT_EQ(load(kTempoChanges, 0, nullptr, &size), 1);
  EXPECT_EQ(size, 60);
  std::vector<uint8_t> buffer(59, 0xEE);
  size = 59;
  EXPECT_EQ(load(kTempoChanges, 0, buffer.data(), &size), 0);
  EXPECT_EQ(buffer, std::vector<uint8_t>(59, 0xEE));
  EXPECT_EQ(host.log().total(), 0);
}

TEST_F(RunTransfer, AKeyedRunStartsAtTheKeyNumberLessOne) {
  host.records().put_other({fx_tag('o', 't', '4', '0'), -2, 127}, {1, 2, 3, 4, 5, 6});
  int16_t words[6] = {};
  int32_t size = 12;
  ASSERT_EQ(load(fx_tag('p', 'f', 'S', 'N'), 128, words, &size), 1);
  EXPECT_EQ(words[5], 6);
  EXPECT_EQ(*host.log().trace_of("FX_LoadEData")[0].key_second, 127);
}

TEST_F(RunTransfer, ARecordThatFailsToLoadReadsAsZeros) {
  host.records().erase({kOt86, -2, 2});
  std::vector<int16_t> words(30, -1);
  int32_t size = 60;
  ASSERT_EQ(load(kTempoChanges, 0, words.data(), &size), 1);
  for (size_t w = 12; w < 18; ++w) EXPECT_EQ(words[w], 0) << "word " << w;
  EXPECT_EQ(words[18], 30);
}

TEST_F(RunTransfer, ASaveWritesEachPieceBackUnderItsKey) {
  std::vector<int16_t> words(30);
  for (size_t i = 0; i < words.size(); ++i) words[i] = int16_t(100 + i);
  int16_t key[2] = {0, 0};
  ASSERT_EQ(FX_SaveEData(kTempoChanges, key, words.data(), 60, kFxInterfaceVersion), 1);
  for (int16_t i = 0; i < 5; ++i) {
    const sim::OtherWords stored = *host.records().other({kOt86, -2, i});
    EXPECT_EQ(stored[0], 100 + 6 * i) << "record " << i;
    EXPECT_EQ(stored[5], 105 + 6 * i) << "record " << i;
  }
  const auto saves = host.log().trace_of("FX_SaveEData");
  ASSERT_EQ(saves.size(), 5u);
  for (const auto& save : saves) {
    EXPECT_EQ(save.args[3], 12) << save.describe();
    EXPECT_EQ(save.version, kFxInterfaceVersion) << save.describe();
  }
  host.log().clear();
  EXPECT_EQ(FX_SaveEData(kTempoChanges, key, words.data(), 59, kFxInterfaceVersion), 0);
  EXPECT_EQ(FX_SaveEData(kTempoChanges, key, nullptr, 60, kFxInterfaceVersion), 0);
  EXPECT_EQ(host.log().total(), 0);
}

}  // namespace
