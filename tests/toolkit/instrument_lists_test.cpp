#include "toolkit/instrument_lists.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "host/record_tags.h"
#include "support/sim_host_fixture.h"
#include "toolkit/system_metrics.h"
#include "toolkit_test_support.h"

namespace {

class InstrumentLists : public SimHostTest {
 protected:
  void SetUp() override {
    SimHostTest::SetUp();
    for (int16_t list : {int16_t(0), int16_t(5), int16_t(-8), int16_t(-36), int16_t(-29)}) {
      host.score().instrument_lists[list] = {sim::InstrumentListEntry{}};
    }
    host.score().staves[1] = sim::Staff{};
    host.log().set_tracing(true);
  }
};

struct ListCase {
  int16_t kind;
  int16_t argument;
  int16_t expected;
  const char* alert;  // null: no alert
};

TEST_F(InstrumentLists, KindsNameTheirLists) {
  const ListCase cases[] = {
      {1, 0, 0, nullptr},
      {1, 9, 0, nullptr},
      {2, 5, 5, nullptr},
      {3, 0, -8, nullptr},
      {4, 1, -36, nullptr},
      {4, 8, -29, nullptr},
      {4, 9, -1, nullptr},
      {4, 0, -1, nullptr},
      {2, 7, -1, "pFTX_GetInstrumentList: list #7 does not exist"},
      {4, 2, -1, "pFTX_GetInstrumentList: list #65501 does not exist"},
      {5, 0, -1, "pFTX_GetInstrumentList: invalid flag"},
      {0, 0, -1, "pFTX_GetInstrumentList: invalid flag"},
  };
  for (const ListCase& c : cases) {
    const size_t alertsBefore = host.alerts().size();
    EXPECT_EQ(FTX_GetInstrumentList(c.kind, c.argument), c.expected) << "kind " << c.kind << ", " << c.argument;
    const std::vector<std::string>& alerts = host.alerts();
    if (c.alert == nullptr) {
      EXPECT_EQ(alerts.size(), alertsBefore) << "kind " << c.kind << ", " << c.argument;
    } else {
      ASSERT_EQ(alerts.size(), alertsBefore + 1) << "kind " << c.kind << ", " << c.argument;
      EXPECT_EQ(alerts.back(), c.alert);
    }
  }
}

TEST_F(InstrumentLists, AMissingExtractedPartListIsNamedAsUnsigned) {
  host.score().instrument_lists.erase(-8);
  EXPECT_EQ(FTX_GetInstrumentList(kFtxExtractedPartList, 0), -1);
  ASSERT_EQ(host.alerts().size(), 1u);
  EXPECT_EQ(host.alerts()[0], "pFTX_GetInstrumentList: list #65528 does not exist");
}

TEST_F(InstrumentLists, AListIsFoundByProbingItsFirstRecord) {
  FTX_GetInstrumentList(kFtxSystemList, 5);
  const auto probes = toolkit_test::calls_of(host.log(), "FX_LoadEData", kTagInstrumentList);
  ASSERT_EQ(probes.size(), 1u);
  EXPECT_EQ(probes[0].key_first, 5);
  EXPECT_EQ(probes[0].key_second, 0);
  EXPECT_FALSE(probes[0].buffer);
  EXPECT_EQ(probes[0].size, 24);
}

TEST_F(InstrumentLists, HiddenStavesAreLeftOutOfTheVisibleCount) {
  host.score().instrument_lists[5] = {{1, 0, 0}, {2, 0, -300}, {3, 0, -600}, {4, 0, -900}};
  host.score().staves = {{1, {false}}, {2, {true}}, {3, {false}}, {4, {true}}};
  EXPECT_EQ(FTX_CountInstruments(5, 1), 4);
  EXPECT_EQ(FTX_CountInstruments(5, 0), 2);
}

TEST_F(InstrumentLists, CountingFailsForAMissingListOrStaff) {
  EXPECT_EQ(FTX_CountInstruments(7, 1), -1) << "missing list";
  host.score().instrument_lists[5] = {{1, 0, 0}, {9, 0, -300}};
  EXPECT_EQ(FTX_CountInstruments(5, 0), -1) << "staff 9 has no record";
  EXPECT_EQ(FTX_CountInstruments(5, 1), 2) << "counting all records needs no staff";
}

TEST_F(InstrumentLists, AnExtractedPartIsInUseWhileItsRecordNamesListMinusEight) {
  const sim::RecordKey part{kTagPartOther, -2, 0};
  EXPECT_FALSE(FTX_ExtractedPartIsUsed()) << "no record";
  host.records().put_other(part, {0, 0, 0, 0, -8, 0});
  EXPECT_TRUE(FTX_ExtractedPartIsUsed());
  host.records().put_other(part, {0, 0, 0, 0, 8, 0});
  EXPECT_FALSE(FTX_ExtractedPartIsUsed());
}

// A host that claims every list index and staff exists, all visible at the
// system's top: walks over a list must end below the largest 16-bit index.
TEST_F(InstrumentLists, WalksOverAListEndWhenTheHostAnswersEveryIndex) {
  host.log().set_tracing(false);
  host.override("FX_LoadEData", [](const sim::Args& a) -> FxWord {
    int32_t capacity;
    std::memcpy(&capacity, reinterpret_cast<const void*>(a[3]), sizeof capacity);
    if (a[2] != 0) std::memset(reinterpret_cast<void*>(a[2]), 0, size_t(capacity));
    return 1;
  });
  EXPECT_EQ(FTX_CountInstruments(0, 0), 32767);
  FTX_STAFFSPAN span;
  ASSERT_EQ(FTX_ScanStaffSpan(0, &span), kFtxOk);
  EXPECT_EQ(span.last, 32766);
}

}  // namespace
