#include <gtest/gtest.h>

#include <cstring>

#include "host/host_abi.h"
#include "host/record_tags.h"
#include "sim/score/bytes.h"
#include "support/sim_host_fixture.h"
#include "toolkit/page_layout.h"
#include "toolkit_test_support.h"

namespace {

struct Range {
  int16_t result;
  int16_t first;
  int16_t last;
  bool operator==(const Range& o) const { return result == o.result && first == o.first && last == o.last; }
};

std::ostream& operator<<(std::ostream& out, const Range& r) {
  return out << "result " << r.result << ", systems " << r.first << ".." << r.last;
}

Range range_on(int16_t page) {
  Range r{0, -99, -99};
  r.result = FTX_SystemRangeOnPage(page, &r.first, &r.last);
  return r;
}

class SystemRangeOnPage : public SimHostTest {
 protected:
  void SetUp() override {
    SimHostTest::SetUp();
    host.log().set_tracing(true);
  }

  std::vector<int16_t> layout_updates() const {
    std::vector<int16_t> pages;
    for (const sim::CallRecord& call : host.log().trace_of("FX_UpdateLayout")) {
      EXPECT_EQ(call.args[1], 0);
      EXPECT_EQ(call.args[2], FxWord(kFxInterfaceVersion));
      pages.push_back(int16_t(call.args[0]));
    }
    return pages;
  }

  void ignore_layout_updates() {
    host.override("FX_UpdateLayout", [](const sim::Args&) -> FxWord { return 1; });
  }
};

TEST_F(SystemRangeOnPage, NeedsBothOutputs) {
  toolkit_test::lay_out(host.score(), {2});
  int16_t system = 0;
  EXPECT_EQ(FTX_SystemRangeOnPage(1, nullptr, &system), kFtxNullPointer);
  EXPECT_EQ(FTX_SystemRangeOnPage(1, &system, nullptr), kFtxNullPointer);
  EXPECT_EQ(host.log().total(), 0);
}

TEST_F(SystemRangeOnPage, EndsAtTheNextPageThatHoldsSystems) {
  toolkit_test::lay_out(host.score(), {4, 4, 0, 0, 1});
  EXPECT_EQ(range_on(1), (Range{0, 1, 4}));
  EXPECT_EQ(range_on(2), (Range{0, 5, 8}));
  EXPECT_EQ(range_on(5), (Range{0, 9, 9}));
}

TEST_F(SystemRangeOnPage, TheLastPageWithSystemsEndsAtTheScoresLastSystem) {
  toolkit_test::lay_out(host.score(), {4, 4, 4, 0});
  EXPECT_EQ(range_on(3), (Range{0, 9, 12}));
}

TEST_F(SystemRangeOnPage, APageWithoutSystemsHoldsNone) {
  toolkit_test::lay_out(host.score(), {4, 0, 4});
  EXPECT_EQ(range_on(2), (Range{0, 0, 0}));
}

TEST_F(SystemRangeOnPage, AMissingPageIsReported) {
  toolkit_test::lay_out(host.score(), {4, 4});
  EXPECT_EQ(range_on(3).result, kFtxPageRecordMissing);
  EXPECT_EQ(range_on(0).result, kFtxPageRecordMissing);
}

TEST_F(SystemRangeOnPage, ARequestedPageIsLaidOutFromItself) {
  toolkit_test::lay_out(host.score(), {4, 4, 4});
  for (sim::Page& page : host.score().pages) page.laid_out = false;
  EXPECT_EQ(range_on(2), (Range{0, 5, 8}));
  EXPECT_EQ(layout_updates(), std::vector<int16_t>{2}) << "the layout of page 2 on also reaches page 3";
}

TEST_F(SystemRangeOnPage, LaterPagesAreLaidOutFromThePageAfterTheRequestedOne) {
  toolkit_test::lay_out(host.score(), {4, 0, 0, 4});
  host.score().pages[3].laid_out = false;
  EXPECT_EQ(range_on(1), (Range{0, 1, 4}));
  EXPECT_EQ(layout_updates(), std::vector<int16_t>{2});
}

TEST_F(SystemRangeOnPage, APageTheHostWillNotLayOutIsReported) {
  toolkit_test::lay_out(host.score(), {4, 4});
  ignore_layout_updates();
  host.score().pages[1].laid_out = false;
  EXPECT_EQ(range_on(1).result, kFtxPageNotLaidOut) << "a later page";
  EXPECT_EQ(range_on(2).result, kFtxPageNotLaidOut) << "the requested page";
}

// A host whose every page exists and holds no system after the first: the walk
// over the following pages must end.
TEST_F(SystemRangeOnPage, AWalkOverEndlessEmptyPagesEnds) {
  host.log().set_tracing(false);
  host.override("FX_LoadEData", [](const sim::Args& a) -> FxWord {
    if (uint32_t(a[0]) != kTagPageSpec) return 0;
    int16_t key[2];
    std::memcpy(key, reinterpret_cast<const void*>(a[1]), sizeof key);
    if (a[2] != 0) {
      uint8_t* page = reinterpret_cast<uint8_t*>(a[2]);
      std::memset(page, 0, 22);
      sim::put_u16(page + 8, uint16_t(key[0] == 1 ? 1 : -1));
    }
    return 1;
  });
  // No system is ever found to count: a range that would end before its first
  // system contradicts the host's own page record.
  EXPECT_EQ(range_on(1).result, kFtxCountContradicted);
  EXPECT_LE(host.log().count("FX_LoadEData"), 32767 + 8);
}

}  // namespace
