// What FTX_CountItems remembers lives as long as the process, and other tests of
// this suite count too, so every test here first brings the remembered count to
// a known state through the public functions (or needs none). The probe
// sequences from nothing remembered are in tests/isolated/toolkit_item_counting_test.cpp.
#include "toolkit/item_counting.h"

#include <gtest/gtest.h>

#include <vector>

#include "host/record_tags.h"
#include "support/sim_host_fixture.h"
#include "toolkit_test_support.h"

namespace {

using toolkit_test::calls_of;
using toolkit_test::loaded_keys;
using Keys = std::vector<int>;

class ItemCounting : public SimHostTest {
 protected:
  void SetUp() override {
    SimHostTest::SetUp();
    host.log().set_tracing(true);
  }

  void list_zero_with(int records) {
    host.score().instrument_lists[0] = std::vector<sim::InstrumentListEntry>(size_t(records));
  }
};

TEST_F(ItemCounting, KindsOutsideOneToSevenAnswerMinusOneWithoutAProbe) {
  for (int16_t kind : {int16_t(0), int16_t(8), int16_t(-1)}) EXPECT_EQ(FTX_CountItems(kind), -1) << "kind " << kind;
  EXPECT_EQ(host.log().total(), 0);
}

struct ListCase {
  int records;
  Keys probes;
};

TEST_F(ItemCounting, ScoreListRecordsAreFoundByStridesOfThree) {
  const ListCase cases[] = {
      {0, {0}},
      {1, {0, 3, 1}},
      {3, {0, 3, 1, 2, 3}},
      {5, {0, 3, 6, 4, 5}},
      {6, {0, 3, 6, 4, 5, 6}},
  };
  for (const ListCase& c : cases) {
    list_zero_with(c.records);
    if (c.records == 0) host.score().instrument_lists.erase(0);
    host.log().clear();
    EXPECT_EQ(FTX_CountItems(kFtxCountScoreListRecords), c.records) << c.records << " records";
    EXPECT_EQ(loaded_keys(host.log(), kTagInstrumentList, true), c.probes) << host.log().describe();
    for (const sim::CallRecord& call : host.log().trace()) {
      EXPECT_EQ(call.key_first, 0) << call.describe();
      EXPECT_TRUE(call.buffer) << "list records are probed into a buffer: " << call.describe();
    }
  }
}

TEST_F(ItemCounting, ARememberedCountIsConfirmedWithTwoProbes) {
  toolkit_test::lay_out(host.score(), {4, 4, 4});
  ASSERT_EQ(FTX_CountItems(kFtxCountStaffSystems), 12);
  host.log().clear();

  EXPECT_EQ(FTX_CountItems(kFtxCountStaffSystems), 12);
  EXPECT_EQ(loaded_keys(host.log(), kTagStaffSystemOld), (Keys{12, 13})) << host.log().describe();
  for (const sim::CallRecord& call : host.log().trace()) EXPECT_FALSE(call.buffer) << call.describe();
  // One size variable serves both probes: the host may change it on the way.
  EXPECT_EQ(host.log().trace().at(0).size, 22);
}

TEST_F(ItemCounting, ACountThatChangedIsMadeAfresh) {
  toolkit_test::lay_out(host.score(), {4, 4, 4});
  ASSERT_EQ(FTX_CountItems(kFtxCountStaffSystems), 12);
  toolkit_test::lay_out(host.score(), {4, 4, 2});
  host.log().clear();

  EXPECT_EQ(FTX_CountItems(kFtxCountStaffSystems), 10);
  // The fresh count, then its confirmation: 10 exists, 11 does not.
  EXPECT_EQ(loaded_keys(host.log(), kTagStaffSystemOld), (Keys{12, 1, 5, 9, 13, 10, 11, 10, 11}))
      << host.log().describe();
}

// Every probe of a fresh count of 12 systems failing in turn (a host call that
// fails answers "missing"): the count comes out right, or it is said to be
// untrustworthy; never a shorter count taken for the score's.
TEST_F(ItemCounting, AFailedProbeNeverEndsTheCountOfSystemsEarlyUnnoticed) {
  toolkit_test::lay_out(host.score(), {4, 4, 4});
  host.faults().start_counting();
  FTX_CountItems(kFtxCountStaffSystems);  // whatever was remembered: now 12
  FTX_CountItems(kFtxCountPages);
  host.score().systems.pop_back();  // 11: the next count is made afresh
  host.faults().start_counting();
  int16_t count = 0;
  ASSERT_TRUE(FTX_CountItemsSurely(kFtxCountStaffSystems, &count));
  ASSERT_EQ(count, 11);
  const int64_t probes = host.faults().calls();
  int untrusted = 0;
  for (int64_t n = 1; n <= probes; ++n) {
    host.score().systems.push_back(host.score().systems.back());  // 12 again, then 11: afresh each time
    FTX_CountItems(kFtxCountStaffSystems);
    host.score().systems.pop_back();
    host.faults().start_counting();
    host.faults().fail_call(n);
    const bool sure = FTX_CountItemsSurely(kFtxCountStaffSystems, &count);
    host.faults().clear();
    if (sure) {
      EXPECT_EQ(count, 11) << "probe " << n << " failed";
    } else {
      ++untrusted;
    }
  }
  EXPECT_GT(untrusted, 0);
}

TEST_F(ItemCounting, AScoreWithoutSystemsIsCountedAfreshOnEveryCall) {
  toolkit_test::lay_out(host.score(), {0});
  FTX_CountItems(kFtxCountStaffSystems);
  for (int call = 0; call < 2; ++call) {
    host.log().clear();
    EXPECT_EQ(FTX_CountItems(kFtxCountStaffSystems), 0);
    // The remembered 0 fails its check (the host has no system 0), so item 1 is
    // probed again, and once more to confirm the fresh 0.
    EXPECT_EQ(loaded_keys(host.log(), kTagStaffSystemOld), (Keys{0, 1, 1})) << host.log().describe();
  }
}

TEST_F(ItemCounting, PagesAreCountedOneByOneForTheDialog) {
  toolkit_test::lay_out(host.score(), std::initializer_list<int>{});
  host.score().pages.resize(37);
  Keys expected;
  for (int page = 1; page <= 38; ++page) expected.push_back(page);
  for (int call = 0; call < 2; ++call) {
    host.log().clear();
    EXPECT_EQ(KVGEN_CountNoOfPages(), 37);
    EXPECT_EQ(loaded_keys(host.log(), kTagPageSpec), expected) << "call " << call;
  }
}

TEST_F(ItemCounting, OnlyTextExpressionDefinitionsAreProbedIntoABuffer) {
  host.score().definitions = {3, 3, 3};
  EXPECT_EQ(FTX_CountItems(kFtxCountTextExpressionDefs), 3);
  EXPECT_EQ(FTX_CountItems(kFtxCountShapeExpressionDefs), 3);
  EXPECT_EQ(FTX_CountItems(kFtxCountArticulationDefs), 3);
  for (const sim::CallRecord& call : host.log().trace()) {
    EXPECT_EQ(call.buffer, call.tag == kTagTextExpressionDef) << call.describe();
  }
}

// A host that claims every record exists: no search may walk past the largest
// 16-bit item number or loop for ever.
class EveryProbeAnswered : public ItemCounting {
 protected:
  void SetUp() override {
    ItemCounting::SetUp();
    host.log().set_tracing(false);
    host.override("FX_LoadEData", [](const sim::Args&) -> FxWord { return 1; });
  }
};

TEST_F(EveryProbeAnswered, CountsEndAtTheLargestItemNumber) {
  for (int16_t kind = 1; kind <= 7; ++kind) EXPECT_EQ(FTX_CountItems(kind), 32767) << "kind " << kind;
  EXPECT_EQ(KVGEN_CountNoOfPages(), 32767);
}

TEST_F(EveryProbeAnswered, ARememberedLargestCountIsConfirmed) {
  FTX_CountItems(kFtxCountPages);
  host.log().clear();
  EXPECT_EQ(FTX_CountItems(kFtxCountPages), 32767);
  EXPECT_EQ(host.log().count("FX_LoadEData"), 1) << "item 32768 cannot exist";
}

}  // namespace
