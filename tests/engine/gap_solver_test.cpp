// The gap solver called as the page driver calls it, over a simulated host:
// its answer, its out-code, and what it leaves in the host's records. The
// fits and gaps of whole pages are in spread_systems_test.cpp.
#include "engine/gap_solver.h"

#include <gtest/gtest.h>

#include <vector>

#include "engine/engine_fixture.h"
#include "engine/page_results.h"
#include "toolkit/page_layout.h"

namespace {

class GapSolver : public EngineTest {
 protected:
  // Page 1, usable height 9000 (scaled when percent is given), with three
  // systems of height 2000 and gap -500.
  void add_three_system_page(int16_t percent = 0) {
    const int16_t page = percent == 0 ? add_page(9000) : add_page_scaled_to(9000, percent);
    for (int i = 0; i < 3; ++i) add_system(page, 2000);
    ASSERT_TRUE(FTX_LoadPageSpec(page, &pageRecord));
  }

  int16_t respace(int16_t first, int16_t last, int16_t trialGap, int16_t save) {
    return KVTR_RespaceStaffSystems(first, last, trialGap, 0, &pageRecord, &prefs, save, &outCode);
  }

  EDTPageSpec pageRecord = {};
  int16_t outCode = -1;
};

TEST_F(GapSolver, TrialWithoutSaveWritesNothing) {
  add_three_system_page();

  EXPECT_EQ(respace(1, 3, -1000, 0), 1);

  EXPECT_EQ(outCode, 0);
  EXPECT_EQ(host.log().count("FX_SaveEData"), 0);
  EXPECT_EQ(gaps(1, 3), (std::vector<int16_t>{-500, -500, -500}));
}

TEST_F(GapSolver, MisfitAndMissingRecordAreToldApartByTheOutCode) {
  add_three_system_page();

  EXPECT_EQ(respace(1, 3, -1500, 0), 0);
  EXPECT_EQ(outCode, 0) << "does not fit";

  EXPECT_EQ(respace(1, 4, -100, 0), 0);
  EXPECT_EQ(outCode, kSystemLoadFailed) << "system 4 does not exist";
}

TEST_F(GapSolver, UnreadableKeptTopmostSystemStopsTheRun) {
  add_three_system_page();
  prefs.keepTopmostStill = 1;
  fail_system_loads(1);

  EXPECT_EQ(respace(1, 3, -100, 1), 0);

  EXPECT_EQ(outCode, kSystemLoadFailed);
  EXPECT_EQ(host.log().count("FX_SaveEData"), 0);
}

TEST_F(GapSolver, RefusedWriteStopsTheRunAndKeepsEarlierGaps) {
  add_three_system_page();
  prefs.extraTopMargin = 100;
  refuse_system_saves_after(2);

  EXPECT_EQ(respace(1, 3, -1000, 1), 0);

  EXPECT_EQ(outCode, kSystemSaveFailed);
  EXPECT_EQ(gaps(1, 3), (std::vector<int16_t>{-100, -1000, -500}));
}

TEST_F(GapSolver, ScaledPageWithoutPercentageIsRefusedBeforeAnyTransfer) {
  add_three_system_page(50);
  pageRecord.pagePercent = 0;
  host.log().clear();

  EXPECT_EQ(respace(1, 3, -1000, 1), 0);

  EXPECT_EQ(outCode, kPageScalingInvalid);
  EXPECT_EQ(host.log().total(), 0);
}

TEST_F(GapSolver, OutCodeIsOptional) {
  add_three_system_page();

  EXPECT_EQ(KVTR_RespaceStaffSystems(1, 4, -100, 0, &pageRecord, &prefs, 0, nullptr), 0);
  EXPECT_EQ(KVTR_RespaceStaffSystems(1, 3, -1000, 0, &pageRecord, &prefs, 0, nullptr), 1);
}

}  // namespace
