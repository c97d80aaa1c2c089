// Conversions between on-page and unscaled lengths.
#include "engine/page_scoping.h"

#include <gtest/gtest.h>

namespace {

EDTPageSpec page_at(uint16_t flags, int16_t percent) {
  EDTPageSpec page = {};
  page.pageHeight = 9288;
  page.topMargin = -144;
  page.bottomMargin = 144;
  page.pageFlags = flags;
  page.pagePercent = percent;
  return page;
}

struct ScopingCase {
  const char* name;
  uint16_t flags;
  int16_t percent;
  int32_t length;
  bool converted;
  int32_t unscaled;  // the length after KVTR_AccountForPageScoping
  int32_t onPage;    // KVTR_ScaleToPage of the original length
};

const ScopingCase kCases[] = {
    {"UnscaledPageKeepsLengths", 0x0000, 50, 1000, true, 1000, 1000},
    {"OtherFlagsDoNotScale", 0xFFFD, 50, 1000, true, 1000, 1000},
    {"HalfScaleDoubles", 0x0002, 50, 1000, true, 2000, 500},
    {"FourFifthsOfAGap", 0x0002, 80, -100, true, -125, -80},
    {"TruncatesTowardZeroBelow", 0x0002, 80, -101, true, -126, -80},
    {"TruncatesTowardZeroAbove", 0x0002, 80, 101, true, 126, 80},
    {"ZeroPercentIsRefused", 0x0002, 0, 1000, false, 1000, 0},
    {"NegativePercentIsRefused", 0x0002, -50, 1000, false, 1000, -500},
    {"ZeroPercentOnUnscaledPageIsHarmless", 0x0000, 0, 1000, true, 1000, 1000},
};

TEST(PageScoping, ConvertsOnlyScaledPagesWithUsablePercentage) {
  for (const ScopingCase& c : kCases) {
    SCOPED_TRACE(c.name);
    const EDTPageSpec page = page_at(c.flags, c.percent);
    int32_t length = c.length;

    EXPECT_EQ(KVTR_AccountForPageScoping(&length, &page), c.converted);
    EXPECT_EQ(length, c.unscaled);
    EXPECT_EQ(KVTR_ScaleToPage(c.length, &page), c.onPage);
  }
}

TEST(PageScoping, UsableHeightLiesBetweenThePagesMargins) {
  const EDTPageSpec page = page_at(0, 100);

  EXPECT_EQ(KVTR_UsablePageHeight(&page), 9000);
}

TEST(PageScoping, NullArgumentsAreRefused) {
  const EDTPageSpec page = page_at(0x0002, 50);
  int32_t length = 10;

  EXPECT_FALSE(KVTR_AccountForPageScoping(nullptr, &page));
  EXPECT_FALSE(KVTR_AccountForPageScoping(&length, nullptr));
  EXPECT_EQ(length, 10);
}

}  // namespace
