// FTX_CountItems remembers its counts for the life of the library, so the probe
// sequences from nothing remembered are checked in a process of their own. Each
// test is the first in this process to count its kind.
#include "toolkit/item_counting.h"

#include <gtest/gtest.h>

#include <vector>

#include "host/record_tags.h"
#include "support/sim_host_fixture.h"
#include "toolkit/toolkit_test_support.h"

namespace {

using toolkit_test::loaded_keys;
using Keys = std::vector<int>;

class FirstCount : public SimHostTest {
 protected:
  void SetUp() override {
    SimHostTest::SetUp();
    host.log().set_tracing(true);
  }
};

TEST_F(FirstCount, ThirtySevenPagesAreFoundByStridesOfTwo) {
  toolkit_test::lay_out(host.score(), std::initializer_list<int>{});
  host.score().pages.resize(37);

  EXPECT_EQ(FTX_CountItems(kFtxCountPages), 37);
  Keys expected = {0};  // the check of the remembered 0
  for (int page = 1; page <= 39; page += 2) expected.push_back(page);
  expected.insert(expected.end(), {38, 37, 38});  // the walk, then the fresh count confirmed
  EXPECT_EQ(loaded_keys(host.log(), kTagPageSpec), expected) << host.log().describe();

  host.log().clear();
  EXPECT_EQ(FTX_CountItems(kFtxCountPages), 37);
  EXPECT_EQ(loaded_keys(host.log(), kTagPageSpec), (Keys{37, 38})) << host.log().describe();
}

TEST_F(FirstCount, TwelveSystemsAreFoundByStridesOfFour) {
  toolkit_test::lay_out(host.score(), {4, 4, 4});

  EXPECT_EQ(FTX_CountItems(kFtxCountStaffSystems), 12);
  EXPECT_EQ(loaded_keys(host.log(), kTagStaffSystemOld), (Keys{0, 1, 5, 9, 13, 10, 11, 12, 13, 12, 13}))
      << host.log().describe();
  for (const sim::CallRecord& call : host.log().trace()) EXPECT_FALSE(call.buffer) << call.describe();
}

TEST_F(FirstCount, AScoreWithoutMeasuresRemembersZero) {
  EXPECT_EQ(FTX_CountItems(kFtxCountMeasures), 0);
  EXPECT_EQ(loaded_keys(host.log(), kTagMeasure), (Keys{0, 1, 1})) << host.log().describe();
}

}  // namespace
