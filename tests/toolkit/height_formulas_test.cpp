#include <gtest/gtest.h>

#include "toolkit/system_metrics.h"

namespace {

// One system in all cases but the varied fields: margins 40 above and 30 below
// (positive downward), visible staves spanning 576, the top staff 24 below the
// system's top. Expected heights are worked by hand.
struct HeightCase {
  const char* name;
  int32_t year;
  int16_t systemScaled;
  int16_t percent;
  int16_t staffHeight;
  int32_t staffSpan;
  int32_t bottomMargin;
  int32_t expectedHeight;
  int32_t expectedTopMargin;
};

class HeightFormulas : public testing::TestWithParam<HeightCase> {};

TEST_P(HeightFormulas, FollowsTheFormulaOfTheHostsEra) {
  const HeightCase c = GetParam();
  FTX_LAYOUTINFO info = {};
  info.systemTopMargin = 40;
  info.systemBottomMargin = c.bottomMargin;
  info.staffSpan = c.staffSpan;
  info.systemPercent = c.percent;
  info.systemScaled = c.systemScaled;

  FTX_ApplySystemHeight(&info, 24, c.staffHeight, c.year);

  EXPECT_EQ(+info.systemHeight, c.expectedHeight) << c.name;
  EXPECT_EQ(+info.systemTopMargin, c.expectedTopMargin) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    WorkedByHand, HeightFormulas,
    testing::Values(
        // 40 + 576 + 30; old hosts ignore the top staff's offset.
        HeightCase{"plain 1998", 1998, 0, 100, 96, 576, 30, 646, 40},
        HeightCase{"plain 2000", 2000, 0, 100, 96, 576, 30, 646, 40},
        // 24 + 576 + 40 + 30, and the top margin takes the offset: 40 + 24.
        HeightCase{"plain 2001", 2001, 0, 100, 96, 576, 30, 670, 64},
        HeightCase{"plain 2001 ignores staff height", 2001, 0, 100, 1536, 576, 30, 670, 64},
        HeightCase{"plain 2010", 2010, 0, 100, 96, 576, 30, 670, 64},
        // (576 + 40 + 30) * 75 / 100 = 48450 / 100 = 484.
        HeightCase{"scaled 2000", 2000, 1, 75, 96, 576, 30, 484, 40},
        // (24 + 576 + 30) * 75 / 100 + 40 = 472 + 40.
        HeightCase{"scaled 2001", 2001, 1, 75, 96, 576, 30, 512, 40},
        // 472 * 1536 = 724992; / 16 = 45312; / 96 = 472; + 40.
        HeightCase{"scaled 2002", 2002, 1, 75, 1536, 576, 30, 512, 40},
        // 630 * 96 = 60480; / 16 = 3780; / 96 = 39; + 40.
        HeightCase{"scaled 2010 with staff height 96", 2010, 1, 100, 96, 576, 30, 79, 40},
        // Not scaled, but a staff height other than 96 takes the scaled formula:
        // 630 * 1536 / 16 / 96 = 630, + 40: the plain sum, without raising the top margin.
        HeightCase{"unscaled 2010 with staff height 1536", 2010, 0, 100, 1536, 576, 30, 670, 40},
        // 630 * 1200 = 756000; / 16 = 47250; / 96 = 492; + 40.
        HeightCase{"unscaled 2010 with staff height 1200", 2010, 0, 100, 1200, 576, 30, 532, 40},
        // (0 + 40 - 1001) * 75 = -72075; / 100 truncates toward zero to -720.
        HeightCase{"scaled 2000 truncates toward zero", 2000, 1, 75, 96, 0, -1001, -720, 40}));

}  // namespace
