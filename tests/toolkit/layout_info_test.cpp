#include <gtest/gtest.h>

#include <cstring>

#include "host/record_tags.h"
#include "support/sim_host_fixture.h"
#include "toolkit/page_layout.h"
#include "toolkit/staff_system_records.h"
#include "toolkit_test_support.h"

namespace {

using toolkit_test::HostEra;

FTX_LAYOUTINFO fresh_info() {
  FTX_LAYOUTINFO info;
  std::memset(&info, 0x5A, sizeof info);
  info.structSize = sizeof info;
  return info;
}

// Three pages of four systems each; every system shows the score's list 0,
// whose one staff (staff 1) is visible at the system's top.
class LayoutInfo : public SimHostTest {
 protected:
  void SetUp() override {
    SimHostTest::SetUp();
    toolkit_test::lay_out(host.score(), {4, 4, 4});
    host.score().measures.resize(20);
  }

  sim::StaffSystem& system(int number) { return host.score().systems[size_t(number) - 1]; }

  void set_list(int16_t list, std::vector<sim::InstrumentListEntry> entries) {
    host.score().instrument_lists[list] = std::move(entries);
    for (const sim::InstrumentListEntry& entry : host.score().instrument_lists[list]) {
      host.score().staves.emplace(entry.staff, sim::Staff{});
    }
  }

  void hide(int16_t staff) { host.score().staves[staff].hidden = true; }
};

TEST_F(LayoutInfo, RefusesANullRecordAndOtherSizes) {
  EXPECT_EQ(FTX_GetLayoutInfo(1, nullptr, true), kFtxNullPointer);
  for (int16_t size : {int16_t(0), int16_t(100), int16_t(104)}) {
    FTX_LAYOUTINFO info = fresh_info();
    info.structSize = size;
    const FTX_LAYOUTINFO before = info;
    EXPECT_EQ(FTX_GetLayoutInfo(1, &info, false), kFtxBadRecordSize) << "size " << size;
    EXPECT_EQ(std::memcmp(&info, &before, sizeof info), 0) << "size " << size << " left the record untouched";
  }
  EXPECT_EQ(host.log().total(), 0);
}

TEST_F(LayoutInfo, RefusesSystemsOutsideTheScore) {
  FTX_LAYOUTINFO info = fresh_info();
  EXPECT_EQ(FTX_GetLayoutInfo(-1, &info, true), kFtxSystemOutOfRange);
  EXPECT_EQ(FTX_GetLayoutInfo(13, &info, true), kFtxSystemOutOfRange);
  // System 0 passes the range test; the host has no record for it.
  EXPECT_EQ(FTX_GetLayoutInfo(0, &info, true), kFtxSystemRecordMissing);
}

TEST_F(LayoutInfo, DescribesThePageThatHoldsTheSystem) {
  sim::Page& page = host.score().pages[2];
  page = sim::Page{3000, 2400, 0x0002, -100, 120, 80, -60, 85, true};
  FTX_LAYOUTINFO info = fresh_info();
  ASSERT_EQ(FTX_GetLayoutInfo(10, &info, true), kFtxOk);
  EXPECT_EQ(+info.pageNumber, 3);
  EXPECT_EQ(+info.firstSystemOnPage, 9);
  EXPECT_EQ(+info.systemsOnPage, 4);
  EXPECT_EQ(+info.lastSystemOnPage, 12);
  EXPECT_EQ(+info.pageHeight, 3000);
  EXPECT_EQ(+info.pageWidth, 2400);
  EXPECT_EQ(+info.pagePercent, 85);
  EXPECT_EQ(+info.pageScaled, 1);
  EXPECT_EQ(+info.pageTopMargin, -100);
  EXPECT_EQ(+info.pageLeftMargin, 120);
  EXPECT_EQ(+info.pageBottomMargin, 80);
  EXPECT_EQ(+info.pageRightMargin, -60);
  EXPECT_EQ(+info.pageUsableWidth, 2400 - 120 - 60);
  EXPECT_EQ(+info.pageUsableHeight, 3000 - 100 - 80);
}

TEST_F(LayoutInfo, PagesWithoutSystemsArePassedOver) {
  toolkit_test::lay_out(host.score(), {2, 0, 0, 2});
  FTX_LAYOUTINFO info = fresh_info();
  ASSERT_EQ(FTX_GetLayoutInfo(3, &info, true), kFtxOk);
  EXPECT_EQ(+info.pageNumber, 4);
  EXPECT_EQ(+info.firstSystemOnPage, 3);
  EXPECT_EQ(+info.systemsOnPage, 2);
}

TEST_F(LayoutInfo, AnUnreadablePageBeforeTheSystemsPageIsReported) {
  host.score().pages[1].laid_out = false;
  host.override("FX_UpdateLayout", [](const sim::Args&) -> FxWord { return 1; });
  FTX_LAYOUTINFO info = fresh_info();
  EXPECT_EQ(FTX_GetLayoutInfo(10, &info, true), kFtxSystemPageNotFound);
}

TEST_F(LayoutInfo, WithoutThePageEverythingElseStartsFromZero) {
  FTX_LAYOUTINFO info = fresh_info();
  ASSERT_EQ(FTX_GetLayoutInfo(10, &info, false), kFtxOk);
  EXPECT_EQ(+info.structSize, 0) << "the caller must set it again";
  EXPECT_EQ(+info.pageNumber, 0);
  EXPECT_EQ(+info.pageWidth, 0);
  EXPECT_EQ(+info.pageUsableHeight, 0);
  EXPECT_EQ(+info.lastSystemOnPage, 0);
  EXPECT_EQ(+info.systemWidth, 0);
  EXPECT_EQ(FTX_GetLayoutInfo(10, &info, false), kFtxBadRecordSize);
}

TEST_F(LayoutInfo, CopiesTheSystemsFieldsPositiveDownward) {
  sim::StaffSystem& s = system(2);
  s.top_margin = -50;
  s.left_margin = 10;
  s.right_margin = -20;
  s.bottom_margin = -30;
  s.gap = -144;
  s.percent = 80;
  s.flags = 0x0001;
  s.first_measure = 3;
  s.next_measure = 5;
  FTX_LAYOUTINFO info = fresh_info();
  ASSERT_EQ(FTX_GetLayoutInfo(2, &info, true), kFtxOk);
  EXPECT_EQ(+info.systemSpaceAbove, 144);
  EXPECT_EQ(+info.systemLeftMargin, 10);
  EXPECT_EQ(+info.systemRightMargin, -20);
  EXPECT_EQ(+info.systemTopMargin, 50) << "the top staff sits at the system's top: nothing to add";
  EXPECT_EQ(+info.systemBottomMargin, 30);
  EXPECT_EQ(+info.systemPercent, 80);
  EXPECT_EQ(+info.systemWidthUnscaled, 1);
  EXPECT_EQ(+info.systemScaled, 0);
  EXPECT_EQ(+info.systemHasOwnStaffList, 0);
  EXPECT_EQ(+info.instrumentList, 0);
  EXPECT_EQ(+info.firstMeasure, 3);
  EXPECT_EQ(+info.lastMeasure, 4);
  EXPECT_EQ(+info.measureCount, 2);
}

TEST_F(LayoutInfo, HiddenStavesAreLeftOutOfTheSpan) {
  set_list(0, {{1, 0, 0}, {2, 0, -200}, {3, 0, -400}, {4, 0, -500}, {5, 0, -900}});
  hide(1);
  hide(3);
  hide(5);
  FTX_LAYOUTINFO info = fresh_info();
  ASSERT_EQ(FTX_GetLayoutInfo(1, &info, true), kFtxOk);
  EXPECT_EQ(+info.visibleInstrumentCount, 2);
  EXPECT_EQ(+info.firstVisibleInstrument, 1);
  EXPECT_EQ(+info.lastVisibleInstrument, 3);
  EXPECT_EQ(+info.staffSpan, 300);
}

TEST_F(LayoutInfo, ASystemWithEveryStaffHiddenHasNoHeight) {
  set_list(0, {{1, 0, 0}, {2, 0, -300}});
  hide(1);
  hide(2);
  FTX_LAYOUTINFO info = fresh_info();
  ASSERT_EQ(FTX_GetLayoutInfo(1, &info, true), kFtxOk);
  EXPECT_EQ(+info.visibleInstrumentCount, 0);
  EXPECT_EQ(+info.systemHeight, 0);
  EXPECT_EQ(+info.staffSpan, 0);
  EXPECT_EQ(+info.systemWidth, 0);
  EXPECT_EQ(+info.firstVisibleInstrument, 0);
  EXPECT_EQ(+info.lastVisibleInstrument, 0);
}

struct SpanCase {
  const char* name;
  std::vector<sim::InstrumentListEntry> staves;
  int32_t span;
};

TEST_F(LayoutInfo, TheSpanRunsFromTheSystemsTopOrTheHighestStaff) {
  const SpanCase cases[] = {
      {"one staff at -300", {{1, 0, -300}}, 0},
      {"staves at 0 and -576", {{1, 0, 0}, {2, 0, -576}}, 576},
      {"one staff above the top at +100", {{1, 0, 100}}, 100},
      {"staves at +100 and -200", {{1, 0, 100}, {2, 0, -200}}, 300},
  };
  for (const SpanCase& c : cases) {
    set_list(0, c.staves);
    FTX_LAYOUTINFO info = fresh_info();
    ASSERT_EQ(FTX_GetLayoutInfo(1, &info, true), kFtxOk) << c.name;
    EXPECT_EQ(+info.staffSpan, c.span) << c.name;
  }
}

TEST_F(LayoutInfo, AnExtractedPartShowsListMinusEight) {
  set_list(-8, {{1, 0, 0}, {2, 0, -300}, {3, 0, -600}});
  host.records().put_other({kTagPartOther, -2, 0}, {0, 0, 0, 0, -8, 0});
  FTX_LAYOUTINFO info = fresh_info();
  ASSERT_EQ(FTX_GetLayoutInfo(1, &info, true), kFtxOk);
  EXPECT_EQ(+info.instrumentList, -8);
  EXPECT_EQ(+info.visibleInstrumentCount, 3);
  EXPECT_EQ(+info.staffSpan, 600);
}

TEST_F(LayoutInfo, AMissingListOrStaffRecordFailsTheCall) {
  host.score().instrument_lists.erase(0);
  FTX_LAYOUTINFO info = fresh_info();
  EXPECT_EQ(FTX_GetLayoutInfo(1, &info, true), kFtxStaffListMissing);
  EXPECT_EQ(+info.instrumentList, -1);

  host.score().instrument_lists[0] = {{1, 0, 0}, {7, 0, -300}};
  info = fresh_info();
  EXPECT_EQ(FTX_GetLayoutInfo(1, &info, true), kFtxStaffListMissing) << "staff 7 has no record";
}

// Width left to the system: page 2400 wide with margins 120 and -60 leaves 2220;
// the system's margins 10 and -20 take 30, shown at 85% on the scaled page: 25;
// 2220 - 25 = 2195, and the system at 80%: 1756.
TEST_F(LayoutInfo, TheSystemsWidthIsWhatItsPageLeavesIt) {
  host.score().pages[0] = sim::Page{3000, 2400, 0x0002, -100, 120, 80, -60, 85, true};
  sim::StaffSystem& s = system(1);
  s.left_margin = 10;
  s.right_margin = -20;
  s.percent = 80;
  FTX_LAYOUTINFO info = fresh_info();
  ASSERT_EQ(FTX_GetLayoutInfo(1, &info, true), kFtxOk);
  EXPECT_EQ(+info.systemWidth, 1756);

  s.flags = kSysFlagWidthUnscaled;
  info = fresh_info();
  ASSERT_EQ(FTX_GetLayoutInfo(1, &info, true), kFtxOk);
  EXPECT_EQ(+info.systemWidth, 2195);
}

TEST_F(LayoutInfo, AScaledPageAtZeroPercentIsSummedWithoutDividing) {
  host.score().pages[0] = sim::Page{3000, 2400, 0x0002, -100, 120, 80, -60, 0, true};
  system(1).left_margin = 10;
  system(1).right_margin = -20;
  FTX_LAYOUTINFO info = fresh_info();
  ASSERT_EQ(FTX_GetLayoutInfo(1, &info, true), kFtxOk);
  EXPECT_EQ(+info.pagePercent, 0);
  EXPECT_EQ(+info.pageScaled, 1);
  EXPECT_EQ(+info.systemWidth, 2220) << "the margins vanish at 0%";
}

// The same system on every host era: margins 24 above and 30 below, its own
// list with staves at -24 (the top staff: 24 below the system's top) and -600,
// so the span is 576. Old hosts keep the top margin in the list's first record,
// where the top staff's position also lies; both are -24 here.
class LayoutInfoByEra : public LayoutInfo, public testing::WithParamInterface<HostEra> {
 protected:
  void SetUp() override {
    LayoutInfo::SetUp();
    set_host_version(GetParam().word);
    sim::StaffSystem& s = system(1);
    s.flags = kSysFlagOwnStaffList;
    s.top_margin = -24;
    s.bottom_margin = -30;
    set_list(1, {{1, 0, -24}, {2, 0, -600}});
    host.score().measures[2].flags = 0x0800;
    s.first_measure = 3;
    host.log().set_tracing(true);
  }

  int32_t year() const { return GetParam().year; }
};

TEST_P(LayoutInfoByEra, PlainHeight) {
  FTX_LAYOUTINFO info = fresh_info();
  ASSERT_EQ(FTX_GetLayoutInfo(1, &info, true), kFtxOk);
  EXPECT_EQ(+info.instrumentList, 1);
  EXPECT_EQ(+info.staffSpan, 576);
  // Up to 2000: 24 + 576 + 30. Later: the top staff's 24 as well, and the top margin takes it.
  EXPECT_EQ(+info.systemHeight, year() <= 2000 ? 630 : 654);
  EXPECT_EQ(+info.systemTopMargin, year() <= 2000 ? 24 : 48);
}

TEST_P(LayoutInfoByEra, ScaledHeight) {
  system(1).flags = kSysFlagOwnStaffList | kSysFlagScaled;
  system(1).percent = 75;
  system(1).staff_height = 1536;
  FTX_LAYOUTINFO info = fresh_info();
  ASSERT_EQ(FTX_GetLayoutInfo(1, &info, true), kFtxOk);
  // Up to 2000: (576 + 24 + 30) * 75 / 100 = 472. Later: (24 + 576 + 30) * 75 / 100
  // = 472, after 2001 times 1536 / 16 / 96 (= 1), plus the top margin 24.
  EXPECT_EQ(+info.systemHeight, year() <= 2000 ? 472 : 496);
  EXPECT_EQ(+info.systemTopMargin, 24);
}

TEST_P(LayoutInfoByEra, TheFirstMeasuresFlagIsReadAfter2000) {
  FTX_LAYOUTINFO info = fresh_info();
  ASSERT_EQ(FTX_GetLayoutInfo(1, &info, true), kFtxOk);
  EXPECT_EQ(+info.firstMeasureFlag, year() <= 2000 ? 0 : 1);
  EXPECT_EQ(toolkit_test::calls_of(host.log(), "FX_LoadEData", kTagMeasure).size(), year() <= 2000 ? 0u : 1u);

  system(1).first_measure = 40;
  info = fresh_info();
  EXPECT_EQ(FTX_GetLayoutInfo(1, &info, true), year() <= 2000 ? kFtxOk : kFtxSystemRecordMissing)
      << "measure 40 does not exist";
}

INSTANTIATE_TEST_SUITE_P(Eras, LayoutInfoByEra, testing::ValuesIn(toolkit_test::kHostEras), toolkit_test::era_name);

// On hosts after 2000 a list whose first staff has position 0 takes the top
// staff's offset from the word at offset 2: 0xFFF0 negated is -65520, which
// truncated to 16 bits is 16.
TEST_F(LayoutInfo, ATopStaffAtPositionZeroTakesItsOffsetFromTheSecondWord) {
  set_host_version(0x0F000200u);
  set_list(0, {{1, 0xFFF0, 0}, {2, 0, -576}});
  system(1).top_margin = -40;
  system(1).bottom_margin = -30;
  FTX_LAYOUTINFO info = fresh_info();
  ASSERT_EQ(FTX_GetLayoutInfo(1, &info, true), kFtxOk);
  EXPECT_EQ(+info.systemHeight, 16 + 576 + 40 + 30);
  EXPECT_EQ(+info.systemTopMargin, 56);
}

}  // namespace
