// System heights from the toolkit's layout summary on a simulated host.
#include "engine/system_height.h"

#include <gtest/gtest.h>

#include "engine/engine_fixture.h"

namespace {

struct HeightCase {
  const char* name;
  bool scaled;
  int16_t percent;
  int16_t height;
  int16_t onPage;
  int32_t expected;
};

const HeightCase kCases[] = {
    {"UnscaledPage", false, 100, 2000, 1, 2000},
    {"ScaledPageUnscaledHeight", true, 50, 2000, 0, 2000},
    {"ScaledPageOnPageHeight", true, 50, 2000, 1, 1000},
    {"OnPageHeightTruncates", true, 80, 2001, 1, 1600},
    {"AnyNonzeroFlagAsksForThePage", true, 50, 2000, -1, 1000},
};

using StaffSystemHeight = EngineTest;

TEST_F(StaffSystemHeight, FollowsThePageScaleOnlyWhenAsked) {
  for (const HeightCase& c : kCases) {
    SCOPED_TRACE(c.name);
    const int16_t page = c.scaled ? add_page_scaled_to(9000, c.percent) : add_page(9000);
    const int16_t system = add_system(page, c.height);

    EXPECT_EQ(_KVGEN_CalcStaffSystemHeight(system, c.onPage), c.expected);
  }
}

TEST_F(StaffSystemHeight, IsZeroWithoutLayoutSummary) {
  add_system(add_page(9000), 2000);

  EXPECT_EQ(_KVGEN_CalcStaffSystemHeight(2, 0), 0);
  EXPECT_EQ(_KVGEN_CalcStaffSystemHeight(-1, 1), 0);
}

}  // namespace
