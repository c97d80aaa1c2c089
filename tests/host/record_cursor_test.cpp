#include <gtest/gtest.h>

#include "host/fx_entries.h"
#include "host/record_tags.h"
#include "support/sim_host_fixture.h"

namespace {

class RecordCursor : public SimHostTest {
 protected:
  void SetUp() override {
    SimHostTest::SetUp();
    host.log().set_tracing(true);
    for (const char* name : {"FX_CreateEData", "FX_PreviousEData", "FX_NextEData", "FX_DeleteEData"})
      host.override(name, [](const sim::Args&) { return FxWord(0x0001FFFE); });
  }
};

// The fourth argument is the size the version is corrected with; the answer
// is the host's, 16-bit.
TEST_F(RecordCursor, CreatePreviousAndNextCorrectTheVersionWithTheirFourthArgument) {
  using Entry = FxWord (*)(uint32_t, FxWord, FxWord, int32_t, uint32_t);
  struct Case {
    const char* name;
    Entry entry;
  };
  for (const Case& c : {Case{"FX_CreateEData", FX_CreateEData}, Case{"FX_PreviousEData", FX_PreviousEData},
                        Case{"FX_NextEData", FX_NextEData}}) {
    int16_t key[2] = {3, 1};
    const FxWord k = fx_word(key);
    host.log().clear();
    EXPECT_EQ(c.entry(kTagStaffSystemCurrent, k, 0, 24, 0x05000005u), -2) << c.name;
    EXPECT_EQ(c.entry(kTagMeasure, k, 0, 0, 0x05000005u), -2) << c.name;
    const auto calls = host.log().trace_of(c.name);
    ASSERT_EQ(calls.size(), 2u) << c.name;
    EXPECT_EQ(calls[0].args, (sim::Args{FxWord(kTagStaffSystemCurrent), k, 0, 24, 0x06000000})) << c.name;
    EXPECT_EQ(calls[1].args, (sim::Args{FxWord(kTagMeasure), k, 0, 0, 0x05000005})) << c.name;
  }
}

TEST_F(RecordCursor, DeletePassesItsThreeWordsUnchanged) {
  int16_t key[2] = {3, 1};
  EXPECT_EQ(FX_DeleteEData(kTagStaffSystemCurrent, fx_word(key), 0x05000005), -2);
  const auto calls = host.log().trace_of("FX_DeleteEData");
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].args, (sim::Args{FxWord(kTagStaffSystemCurrent), fx_word(key), 0x05000005}));
}

}  // namespace
