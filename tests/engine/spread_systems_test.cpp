// Pages of several systems, run through the page driver on a simulated host
// of 2000 and one of 2010: the gaps the host holds afterwards, the number of
// staff-system records written, and that no box was shown.
#include <gtest/gtest.h>

#include <ostream>
#include <tuple>
#include <vector>

#include "engine/engine_fixture.h"

namespace {

struct SpreadCase {
  const char* name;
  int16_t percent;  // 0: unscaled page
  int32_t usable;
  std::vector<int16_t> heights;
  std::vector<int16_t> gapsBefore;
  int16_t extraTop;
  int16_t extraBottom;
  int16_t keepTopmostStill;
  int16_t includeGaps;
  int16_t compact;
  std::vector<int16_t> gapsAfter;
};

const std::vector<int16_t> kThree2000 = {2000, 2000, 2000};
const std::vector<int16_t> kAnyGaps = {-500, -500, -500};

// Usable height 9000 and three systems of 2000 leave 2900 below the extra top
// margin of 100: the even share -1450 and then -1449 end the run at 9000 and
// 8998, which is not 3 EVPU above the bottom margin; -1448 ends it at 8996.
const SpreadCase kCases[] = {
    {"SearchStepsTowardLessSpace", 0, 9000, kThree2000, kAnyGaps, 100, 0, 0, 0, 0, {-100, -1448, -1448}},
    {"ExtraBottomMarginFitsAtOnce", 0, 9000, kThree2000, kAnyGaps, 100, 10, 0, 0, 0, {-100, -1445, -1445}},
    {"KeptTopmostKeepsItsGap", 0, 9000, kThree2000, {-300, -500, -500}, 100, 0, 1, 0, 0, {-300, -1348, -1348}},
    {"ExistingGapsCountIn", 0, 9000, kThree2000, {-200, -400, -600}, 100, 0, 0, 1, 0, {-100, -1348, -1548}},
    {"CompactWithGapsTakesSmallestSpaceOff", 0, 9000, kThree2000, {-200, -400, -600}, 100, 0, 0, 1, 1,
     {-100, 0, -200}},
    {"CompactWithGapsBelowFirstOfFour", 0, 9000, {1000, 1000, 1000, 1000}, {-50, -300, -200, -500}, 100, 0, 0, 1,
     1, {-100, -100, 0, -300}},
    {"CompactStoresEvenWhenOverflowing", 0, 9000, {4000, 4000, 4000}, kAnyGaps, 100, 0, 0, 0, 1, {-100, 0, 0}},
    // Nothing to spread: the search starts at 0 and closes the space until the
    // run ends 3 EVPU above the bottom margin.
    {"NothingToSpreadStartsAtZero", 0, 4000, {2000, 2000}, {-500, -500}, 0, 0, 0, 0, 0, {0, 3}},
    // Totals 9000, 8999 and 8998 do not fit a usable height of 9000; 8997 does.
    {"FitNeedsThreeUnitsBelowUsableHeight", 0, 9000, {2000, 2000}, {-500, -500}, 0, 0, 0, 0, 0, {0, -4997}},
    // The second gap, -19800 - 20000, is cut to 25736 before it counts, so the
    // first trial already fits.
    {"GapBeyondSixteenBitsIsCutBeforeSumming", 0, 60000, {100, 100, 100}, {-500, -20000, -100}, 0, 0, 0, 1, 0,
     {0, 25736, -19900}},

    // Half scale: heights of 2000 take 1000 on the page, and the run's
    // unscaled total is halved (truncating) before the fit test.
    {"HalfScaleSearchSteps", 50, 4500, kThree2000, kAnyGaps, 0, 0, 0, 0, 0, {0, -1497, -1497}},
    {"HalfScaleExtraTopMarginIsPageUnits", 50, 4500, kThree2000, kAnyGaps, 100, 0, 0, 0, 0, {-100, -1400, -1400}},
    {"HalfScaleKeptTopmostGivesBackItsPageSpace", 50, 4500, kThree2000, {-300, -500, -500}, 100, 0, 1, 0, 0,
     {-300, -1347, -1347}},
    // An existing gap of -400 contributes -800 on a page shown at 50 %.
    {"HalfScaleExistingGapsAreConverted", 50, 4500, kThree2000, {-200, -400, -600}, 100, 0, 0, 1, 0,
     {-100, -1200, -1600}},
    {"HalfScaleCompactWithGaps", 50, 4500, kThree2000, {-200, -400, -600}, 100, 0, 0, 1, 1, {-100, 0, -200}},
    // Totals 17006 .. 17002 count as 8503 .. 8501 against a usable 8503; 17001 counts as 8500.
    {"HalfScaleTotalIsHalvedBeforeFitTest", 50, 8503, {6000, 6000}, {-500, -500}, 0, 0, 0, 0, 0, {0, -5001}},
    // Heights take 1600 on the page; totals 9000 and 8998 count as 7200 and 7198.
    {"FourFifthsScale", 80, 7200, kThree2000, kAnyGaps, 0, 0, 0, 0, 0, {0, -1498, -1498}},
};

void PrintTo(const SpreadCase& c, std::ostream* os) { *os << c.name; }

class SpreadSystems : public EngineTest, public testing::WithParamInterface<std::tuple<SpreadCase, uint32_t>> {};

TEST_P(SpreadSystems, StoresTheGapThatFits) {
  const SpreadCase& c = std::get<0>(GetParam());
  set_host_version(std::get<1>(GetParam()));
  const int16_t page = c.percent == 0 ? add_page(c.usable) : add_page_scaled_to(c.usable, c.percent);
  for (size_t i = 0; i < c.heights.size(); ++i) add_system(page, c.heights[i], c.gapsBefore[i]);
  prefs.extraTopMargin = c.extraTop;
  prefs.extraBottomMargin = c.extraBottom;
  prefs.keepTopmostStill = c.keepTopmostStill;
  prefs.includeGaps = c.includeGaps;
  prefs.compact = c.compact;
  host.log().set_tracing(true);

  run(page, page);

  const int16_t last = int16_t(c.heights.size());
  EXPECT_EQ(gaps(1, last), c.gapsAfter);
  EXPECT_EQ(staff_system_saves(), c.keepTopmostStill != 0 ? last - 1 : last)
      << "every system is written once, a kept topmost one never";
  EXPECT_TRUE(boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, SpreadSystems,
                         testing::Combine(testing::ValuesIn(kCases), testing::Values(kHost2000, kHost2010)),
                         [](const testing::TestParamInfo<std::tuple<SpreadCase, uint32_t>>& info) {
                           return std::string(std::get<0>(info.param).name) +
                                  (std::get<1>(info.param) == kHost2000 ? "_Host2000" : "_Host2010");
                         });

}  // namespace
