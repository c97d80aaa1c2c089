// Runs of the page driver over page ranges on a simulated host: which pages
// are processed, which boxes are shown, and the faults a run must survive.
#include "engine/page_driver.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "engine/engine_fixture.h"
#include "engine/page_results.h"

namespace {

// The pages and results a run reported, in order; a run that reports more than
// `limit` pages is stopped by an exception, so an endless run fails the test.
struct Reports {
  std::vector<std::pair<int16_t, int16_t>> results;
  size_t limit = 100;
  std::function<void(int16_t page)> before_next;  // called after each report
};
Reports* reports = nullptr;

void record_and_show(HWND owner, int16_t page, int16_t result) {
  reports->results.emplace_back(page, result);
  KVTR_UI_ReportPageResult(owner, page, result);
  if (reports->results.size() >= reports->limit) throw std::runtime_error("the run does not end");
  if (reports->before_next) reports->before_next(page);
}

class PageDriver : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    reports = &reported;
  }
  void TearDown() override { reports = nullptr; }

  void run_recorded(int16_t first, int16_t last) {
    prefs.firstPage = first;
    prefs.lastPage = last;
    KVTR_StartProcess(owner, &prefs, record_and_show);
  }

  // Pages 1..count, each holding one system of height 2000 with gap -500.
  void add_lone_system_pages(int count) {
    for (int i = 0; i < count; ++i) add_system(add_page(6000), 2000, -500);
  }

  Reports reported;
};

TEST_F(PageDriver, LaysOutTheScoreOnceFromPageOneBeforeAnyPage) {
  add_lone_system_pages(3);
  host.log().set_tracing(true);

  run(2, 3);

  EXPECT_EQ(host.layout_updates(), std::vector<int16_t>{1});
  ASSERT_FALSE(host.log().trace().empty());
  EXPECT_EQ(host.log().trace().front().function, "FX_UpdateLayout");
}

TEST_F(PageDriver, EmptyRangeOnlyUpdatesTheLayout) {
  add_lone_system_pages(3);

  run(3, 2);

  EXPECT_EQ(host.log().total(), 1);
  EXPECT_EQ(host.log().count("FX_UpdateLayout"), 1);
  EXPECT_EQ(gaps(1, 3), (std::vector<int16_t>{-500, -500, -500}));
}

TEST_F(PageDriver, ReportsEveryPageOfTheRangeInOrder) {
  add_lone_system_pages(2);
  add_page(6000);  // no systems

  run_recorded(1, 4);

  EXPECT_EQ(reported.results, (std::vector<std::pair<int16_t, int16_t>>{
                                  {1, kPageProcessed}, {2, kPageProcessed}, {3, kPageHasNoSystems},
                                  {4, kPageLoadFailed}}));
  EXPECT_EQ(boxes(), std::vector<std::string>{box_line("Page Load Error", "Internal error while loading page 4.",
                                                       kStopStyle)});
}

TEST_F(PageDriver, APageProcessedAloneGivesTheResultOfTheRun) {
  add_lone_system_pages(2);
  add_page(6000);  // no systems
  prefs.extraTopMargin = 30;
  const std::vector<int16_t> expected = {kPageProcessed, kPageProcessed, kPageHasNoSystems, kPageLoadFailed};
  for (int16_t page = 1; page <= 4; ++page) EXPECT_EQ(KVTR_ProcessPage(page, &prefs), expected[page - 1]) << page;
  EXPECT_EQ(gaps(1, 2), (std::vector<int16_t>{-30, -30}));
}

TEST_F(PageDriver, PageThatFailsToLoadDoesNotStopTheRun) {
  add_lone_system_pages(5);
  prefs.extraTopMargin = 30;
  // Page 4's record fails to load only while the driver is at page 4, so
  // that pages 3 and 5 still find their systems.
  reported.before_next = [this](int16_t page) {
    if (page == 3) fail_page_loads(4);
    if (page == 4) host.restore("FX_LoadEData");
  };

  run_recorded(3, 5);

  EXPECT_EQ(boxes(), std::vector<std::string>{box_line("Page Load Error", "Internal error while loading page 4.",
                                                       kStopStyle)});
  EXPECT_EQ(gaps(3, 5), (std::vector<int16_t>{-30, -500, -30}));
}

TEST_F(PageDriver, TooTallLoneSystemShowsOneBoxWithItsPage) {
  add_lone_system_pages(3);
  add_system(add_page(1999), 2000, -500);  // page 4
  add_lone_system_pages(1);

  run(3, 5);

  EXPECT_EQ(boxes(), std::vector<std::string>{box_line(
                         "Information", "Extra margins are too wide. Page 4 was not processed.", kInformationStyle)});
  EXPECT_EQ(gaps(3, 5), (std::vector<int16_t>{0, -500, 0}));
}

TEST_F(PageDriver, UnknownOptionIsReportedOncePerPage) {
  add_lone_system_pages(3);
  prefs.singleSystems = 9;

  run(1, 3);

  const std::string box = box_line(
      "Invalid option", "Unknown option for treatment of single staff system. Your registry is probably corrupt.",
      kStopStyle);
  EXPECT_EQ(boxes(), (std::vector<std::string>{box, box, box}));
}

TEST_F(PageDriver, PageNotLaidOutAsksForAnUpdate) {
  add_lone_system_pages(1);
  host.mark_not_laid_out();
  host.override("FX_UpdateLayout", [](const sim::Args&) -> FxWord { return 1; });

  run(1, 1);

  EXPECT_EQ(boxes(), std::vector<std::string>{box_line(
                         "Document Not Updated Error",
                         "Your music document needs to be updated before correct processing can be done.",
                         kStopStyle)});
  EXPECT_EQ(host.system(1).gap, -500);
}

TEST_F(PageDriver, UnknownSystemRangeAsksWhetherTheScoreIsUpdated) {
  add_lone_system_pages(2);
  host.mark_not_laid_out(2);
  host.override("FX_UpdateLayout", [](const sim::Args&) -> FxWord { return 1; });

  run(1, 1);

  EXPECT_EQ(boxes(), std::vector<std::string>{box_line("Is the score updated?",
                                                       "Error when calculating number of staff systems.",
                                                       kStopStyle)});
  EXPECT_EQ(host.system(1).gap, -500);
}

TEST_F(PageDriver, UnreadableSystemReportsSystemLoad) {
  const int16_t page = add_page(9000);
  for (int i = 0; i < 3; ++i) add_system(page, 2000);
  fail_system_loads(2);

  run(page, page);

  EXPECT_EQ(boxes(), std::vector<std::string>{box_line("System Load Error",
                                                       "Internal error while loading staff system.", kStopStyle)});
  EXPECT_EQ(gaps(1, 3), (std::vector<int16_t>{-500, -500, -500}));
}

TEST_F(PageDriver, RefusedSaveKeepsTheGapsAlreadyWritten) {
  const int16_t page = add_page(9000);
  for (int i = 0; i < 3; ++i) add_system(page, 2000);
  prefs.extraTopMargin = 100;
  refuse_system_saves_after(1);

  run(page, page);

  EXPECT_EQ(boxes(), std::vector<std::string>{box_line(
                         "System Save Error", "Internal error when trying to save staff system.", kStopStyle)});
  EXPECT_EQ(gaps(1, 3), (std::vector<int16_t>{-100, -500, -500}));
}

// Two systems of 17000 on a page whose usable height is 1234: even the gap
// 32767 leaves the run 1233 EVPU tall, which does not end 3 EVPU above the
// bottom margin. The search stops there instead of running past 16 bits.
class SystemsTallerThanAnyGap : public PageDriver, public testing::WithParamInterface<uint32_t> {};

TEST_P(SystemsTallerThanAnyGap, LeaveThePageAsItWasAndSaySo) {
  set_host_version(GetParam());
  const int16_t page = add_page(1234);
  add_system(page, 17000, -40);
  add_system(page, 17000, -60);
  host.log().set_tracing(true);

  run_recorded(page, page);

  EXPECT_EQ(reported.results, (std::vector<std::pair<int16_t, int16_t>>{{1, kSystemsDoNotFit}}));
  EXPECT_EQ(boxes(), std::vector<std::string>{box_line(
                         "Information", "Staff systems are too tall for the page. Page 1 was not processed.",
                         kInformationStyle)});
  EXPECT_EQ(gaps(1, 2), (std::vector<int16_t>{-40, -60}));
  EXPECT_EQ(staff_system_saves(), 0);
}

INSTANTIATE_TEST_SUITE_P(Hosts, SystemsTallerThanAnyGap, testing::Values(kHost2000, kHost2010));

// Converting a page length to unscaled units divides by the percentage.
class ScaledPageWithoutPercentage : public PageDriver, public testing::WithParamInterface<int16_t> {};

TEST_P(ScaledPageWithoutPercentage, IsNotProcessedAndSaysSo) {
  const int16_t page = add_page_scaled_to(9000, GetParam());
  for (int i = 0; i < 3; ++i) add_system(page, 2000);
  host.log().set_tracing(true);

  run(page, page);

  EXPECT_EQ(boxes(), std::vector<std::string>{box_line(
                         "Page Scaling Error", "Invalid page scaling percentage. Page 1 was not processed.",
                         kStopStyle)});
  EXPECT_EQ(gaps(1, 3), (std::vector<int16_t>{-500, -500, -500}));
  EXPECT_EQ(staff_system_saves(), 0);
}

INSTANTIATE_TEST_SUITE_P(Percentages, ScaledPageWithoutPercentage, testing::Values(int16_t(0), int16_t(-50)));

TEST_F(PageDriver, RangeEndingAtTheLastPossiblePageEnds) {
  add_lone_system_pages(1);
  reported.limit = 3;

  EXPECT_NO_THROW(run_recorded(32766, 32767));

  EXPECT_EQ(reported.results, (std::vector<std::pair<int16_t, int16_t>>{{32766, kPageLoadFailed},
                                                                        {32767, kPageLoadFailed}}));
  EXPECT_EQ(boxes().back(), box_line("Page Load Error", "Internal error while loading page 32767.", kStopStyle));
}

TEST_F(PageDriver, WithoutReporterTheRunStillProcessesEveryPage) {
  add_lone_system_pages(2);
  prefs.firstPage = 1;
  prefs.lastPage = 3;

  KVTR_StartProcess(owner, &prefs, nullptr);

  EXPECT_EQ(gaps(1, 2), (std::vector<int16_t>{0, 0}));
  EXPECT_TRUE(boxes().empty());
}

}  // namespace
