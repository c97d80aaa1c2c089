// Pages holding one system, run through the page driver on a simulated host of
// 2000 and one of 2010: the gap the host holds afterwards and the box shown.
#include <gtest/gtest.h>

#include <string>
#include <ostream>
#include <tuple>
#include <vector>

#include "engine/engine_fixture.h"

namespace {

constexpr int16_t kGapBefore = -777;

const std::string kTooWide =
    box_line("Information", "Extra margins are too wide. Page 1 was not processed.", kInformationStyle);
const std::string kSystemLoad =
    box_line("System Load Error", "Internal error while loading staff system.", kStopStyle);
const std::string kUnknownOption = box_line(
    "Invalid option", "Unknown option for treatment of single staff system. Your registry is probably corrupt.",
    kStopStyle);
const std::string kBadScaling =
    box_line("Page Scaling Error", "Invalid page scaling percentage. Page 1 was not processed.", kStopStyle);

struct LoneCase {
  const char* name;
  int16_t option;   // singleSystems
  bool scaled;
  int16_t percent;  // of a scaled page
  int32_t usable;
  int16_t height;
  int16_t extraTop;
  int16_t extraBottom;
  int16_t gapAfter;
  std::string box;  // empty: no box
};

const LoneCase kCases[] = {
    {"TopSitsOnExtraTopMargin", 1, false, 100, 6000, 2000, 0, 0, 0, ""},
    {"CentreSplitsTheRoom", 2, false, 100, 6000, 2000, 0, 0, -2000, ""},
    {"CentreDropsTheOddUnit", 2, false, 100, 6001, 2000, 0, 0, -2000, ""},
    {"BottomStopsOneUnitAboveTheLowestPlace", 3, false, 100, 6000, 2000, 0, 0, -3999, ""},
    {"BottomCountsBothExtraMargins", 3, false, 100, 6000, 2000, 100, 200, -3799, ""},
    {"ExactFitIsPlaced", 2, false, 100, 2050, 2000, 50, 0, -50, ""},
    {"TooTallReportsMargins", 1, false, 100, 1999, 2000, 0, 0, kGapBefore, kTooWide},
    {"ExtraMarginsTakeTheRoom", 1, false, 100, 6000, 2000, 2500, 2000, kGapBefore, kTooWide},
    {"LeaveAloneTouchesNothing", 0, false, 100, 1999, 2000, 0, 0, kGapBefore, ""},
    {"UnknownOptionIsReported", 5, false, 100, 6000, 2000, 0, 0, kGapBefore, kUnknownOption},
    {"UnknownOptionWithZeroHeightReportsLoad", 5, false, 100, 6000, 0, 0, 0, kGapBefore, kSystemLoad},
    {"UnknownOptionTooTallReportsMargins", 5, false, 100, 1999, 2000, 0, 0, kGapBefore, kTooWide},
    {"ZeroHeightReportsLoad", 1, false, 100, 6000, 0, 0, 0, kGapBefore, kSystemLoad},
    // 2000 - 40000 + 1 is cut to its low 16 bits.
    {"BottomGapIsCutToSixteenBits", 3, false, 100, 40000, 2000, 0, 0, 27537, ""},

    // The room is measured on the page and converted to unscaled units.
    {"HalfScaleCentre", 2, true, 50, 3000, 2000, 0, 0, -2000, ""},
    {"HalfScaleBottom", 3, true, 50, 3000, 2000, 0, 0, -3999, ""},
    {"FourFifthsCentreTruncatesTheRoom", 2, true, 80, 4801, 2000, 0, 0, -2000, ""},
    {"HalfScaleTooTall", 1, true, 50, 999, 2000, 0, 0, kGapBefore, kTooWide},
    {"HalfScaleExactFit", 2, true, 50, 1050, 2000, 50, 0, -50, ""},
    {"ZeroPercentIsRefused", 2, true, 0, 3000, 2000, 0, 0, kGapBefore, kBadScaling},
    {"NegativePercentIsRefused", 1, true, -50, 3000, 2000, 0, 0, kGapBefore, kBadScaling},
    {"ZeroPercentLeftAloneIsSilent", 0, true, 0, 3000, 2000, 0, 0, kGapBefore, ""},
};

void PrintTo(const LoneCase& c, std::ostream* os) { *os << c.name; }

class LoneSystem : public EngineTest, public testing::WithParamInterface<std::tuple<LoneCase, uint32_t>> {};

TEST_P(LoneSystem, IsPlacedOrReported) {
  const LoneCase& c = std::get<0>(GetParam());
  set_host_version(std::get<1>(GetParam()));
  const int16_t page = c.scaled ? add_page_scaled_to(c.usable, c.percent) : add_page(c.usable);
  add_system(page, c.height, kGapBefore);
  prefs.singleSystems = c.option;
  prefs.extraTopMargin = c.extraTop;
  prefs.extraBottomMargin = c.extraBottom;

  run(page, page);

  EXPECT_EQ(host.system(1).gap, c.gapAfter);
  EXPECT_EQ(boxes(), c.box.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.box});
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, LoneSystem,
                         testing::Combine(testing::ValuesIn(kCases), testing::Values(kHost2000, kHost2010)),
                         [](const testing::TestParamInfo<std::tuple<LoneCase, uint32_t>>& info) {
                           return std::string(std::get<0>(info.param).name) +
                                  (std::get<1>(info.param) == kHost2000 ? "_Host2000" : "_Host2010");
                         });

using SingleSystemTreatment = EngineTest;

TEST_F(SingleSystemTreatment, LeavingTheSystemAloneReadsNoSystemRecord) {
  const int16_t page = add_page(6000);
  add_system(page, 2000, kGapBefore);
  add_system(add_page(6000), 2000, kGapBefore);  // ends the first page's range without counting systems
  prefs.singleSystems = 0;
  host.log().set_tracing(true);

  run(page, page);

  for (const sim::CallRecord& call : host.log().trace())
    EXPECT_FALSE(call.tag == kTagStaffSystemOld || call.tag == kTagStaffSystemCurrent) << call.describe();
}

}  // namespace
