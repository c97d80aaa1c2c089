#include "sim/render/svg_pages.h"
#include "sim/render/windows_1252.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A 1000 x 2000 page with margins of 100 and one system of height 200 (one
// staff, bottom margin 200) standing `gap` below the top margin.
sim::Score tiny_score(int16_t gap) {
  sim::Score score;
  sim::Page page;
  page.width = 1000;
  page.height = 2000;
  page.top_margin = -100;
  page.left_margin = 100;
  page.bottom_margin = 100;
  page.right_margin = -100;
  score.pages.push_back(page);
  sim::StaffSystem system;
  system.bottom_margin = -200;
  system.gap = gap;
  score.systems.push_back(system);
  score.instrument_lists[0] = {{1, 0, 0}};
  score.staves[1].hidden = false;
  score.measures.resize(2);
  return score;
}

int count(const std::string& text, const std::string& part) {
  int n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

constexpr uint32_t kHost2010 = 0x0F000200;

TEST(SvgPages, DrawsEachPageBeforeAndAfterWithItsMarginsExtraMarginsAndSystemBoxes) {
  sim::SvgOptions options;
  options.extra_top = 40;
  options.extra_bottom = 60;
  const std::string svg = sim::before_after_svg(tiny_score(-50), tiny_score(-300), kHost2010, options);

  EXPECT_EQ(count(svg, R"(<rect class="page" x="0" y="0" width="1000" height="2000"/>)"), 2) << svg;
  EXPECT_EQ(count(svg, R"(<rect class="margins" x="100" y="100" width="800" height="1800"/>)"), 2);
  EXPECT_EQ(count(svg, R"(<rect class="extra-margin" x="100" y="100" width="800" height="40"/>)"), 2);
  EXPECT_EQ(count(svg, R"(<rect class="extra-margin" x="100" y="1840" width="800" height="60"/>)"), 2);
  EXPECT_EQ(count(svg, R"(<rect class="system" x="100" y="150" width="800" height="200">)"), 1) << "before";
  EXPECT_EQ(count(svg, R"(<rect class="system" x="100" y="400" width="800" height="200">)"), 1) << "after";
  EXPECT_EQ(count(svg, "<rect class=\"system"), 2);
  EXPECT_EQ(count(svg, "<g transform=\"translate(120,"), 1) << "before on the left";
  EXPECT_EQ(count(svg, "<g transform=\"translate(1420,"), 1) << "after beside it";
  EXPECT_EQ(svg.rfind("</svg>\n"), svg.size() - 7);
}

TEST(SvgPages, ASystemReachingPastTheBottomMarginIsDrawnAsOverflowing) {
  const std::string svg = sim::before_after_svg(tiny_score(-1650), tiny_score(-1600), kHost2010, {});
  EXPECT_EQ(count(svg, R"(<rect class="system overflow" x="100" y="1750" width="800" height="200">)"), 1) << svg;
  EXPECT_EQ(count(svg, R"(<rect class="system" x="100" y="1700" width="800" height="200">)"), 1);
}

// Overflow, a system taller than the room and overlapping staves are stated
// at the page's foot with their numbers and drawn inside the page's clip, so
// that nothing reaches into the next row; the legend names every mark.
TEST(SvgPages, APagesProblemsAreMarkedWithTheirNumbersAndNothingLeavesThePage) {
  sim::Score tall = tiny_score(-10);
  tall.systems[0].bottom_margin = -3000;  // 3000 high on 1800 of room, from 110 to 3110: 1210 below 1900
  sim::Score overlapping = tiny_score(-50);
  overlapping.systems.push_back(overlapping.systems[0]);
  overlapping.systems[1].gap = 150;  // its staff 150 up: over the first one's staff
  const struct {
    const sim::Score& after;
    std::vector<std::string> marks;
    int problem_lines;
  } cases[] = {
      {tiny_score(-1650), {"\u25BC system 1 ends 50 below the bottom margin"}, 1},
      {tall, {"system 1 is 3000 tall, room 1800", "\u25BC system 1 ends 1210 below the bottom margin"}, 2},
      // The first staff's lines reach 96 below its top; the second's top is 50 below the first's.
      {overlapping, {"staves of 1 and 2 overlap by 46", "<rect class=\"overlap\""}, 1},
      {tiny_score(-50), {}, 0},
  };
  for (const auto& c : cases) {
    const std::string svg = sim::before_after_svg(tiny_score(-50), c.after, kHost2010, {});
    for (const std::string& mark : c.marks) EXPECT_EQ(count(svg, mark), 1) << mark << "\n" << svg;
    EXPECT_EQ(count(svg, "class=\"problem\""), c.problem_lines);
    EXPECT_EQ(count(svg, "<clipPath id=\"page-1-"), 2);
    EXPECT_EQ(count(svg, "clip-path=\"url(#page-1-"), 2);
    for (const char* key : {"page edge", "page margins (dashed)", "the run's extra margins", "system past the bottom margin",
                            "gap above a system", "overlapping staves"})
      EXPECT_EQ(count(svg, key), 1) << key;
  }
}

TEST(SvgPages, ANegativeExtraTopMarginIsABandAboveTheTopMargin) {
  sim::SvgOptions options;
  options.extra_top = -50;
  const std::string svg = sim::before_after_svg(tiny_score(0), tiny_score(0), kHost2010, options);
  EXPECT_EQ(count(svg, R"(<rect class="extra-margin" x="100" y="50" width="800" height="50"/>)"), 2) << svg;
  EXPECT_EQ(count(svg, "extra-margin\" x"), 2) << "no bottom band without an extra bottom margin";
}

TEST(SvgPages, OnlyThePagesOfTheRangeAreDrawnWithTheirNotesAndTextIsEscaped) {
  sim::Score score = tiny_score(-50);
  score.pages.push_back(score.pages[0]);
  score.pages.push_back(score.pages[0]);
  sim::SvgOptions options;
  options.title = "Tom & Jerry <draft>";
  options.first_page = 2;
  options.last_page = 9;
  options.notes[2] = "processed";
  const std::string svg = sim::before_after_svg(score, score, kHost2010, options);

  EXPECT_EQ(count(svg, "<rect class=\"page\""), 4) << "pages 2 and 3, twice each";
  EXPECT_EQ(count(svg, ">Page 1"), 0);
  EXPECT_EQ(count(svg, ">Page 2: processed<"), 1);
  EXPECT_EQ(count(svg, ">Page 3<"), 1);
  EXPECT_EQ(count(svg, "Tom &amp; Jerry &lt;draft&gt;"), 1);
  EXPECT_EQ(count(svg, "<rect class=\"system"), 0) << "the only system stands on page 1";
}

TEST(Windows1252, EachByteBecomesItsCharacterInUtf8) {
  // ASCII, the euro sign at 0x80, an undefined byte, a Latin-1 letter, the last byte.
  EXPECT_EQ(sim::utf8_from_windows_1252("a\x80\x81\xC4\xFF"), "a\xE2\x82\xAC\xEF\xBF\xBD\xC3\x84\xC3\xBF");
  EXPECT_EQ(sim::utf8_from_windows_1252("\x84\x9F"), "\xE2\x80\x9E\xC5\xB8");  // low quote, Y diaeresis
}

TEST(SvgPages, ASystemsTooltipGivesItsGapHeightAndVisibleStaves) {
  const std::string svg = sim::before_after_svg(tiny_score(-50), tiny_score(-50), kHost2010, {});
  EXPECT_EQ(count(svg, "<title>System 1: gap -50, height 200, 1 visible staff</title>"), 2) << svg;
}

}  // namespace

namespace {

TEST(SvgPages, EachVisibleStaffIsFiveLinesAtItsPositionAndEachGapIsWrittenBesideIt) {
  sim::Score score = tiny_score(-50);
  score.systems[0].top_margin = -30;
  score.instrument_lists[0] = {{1, 0, 0}, {2, 0, -120}, {3, 0, -300}};
  score.staves[2].hidden = true;
  score.staves[3].hidden = false;
  const std::string svg = sim::before_after_svg(score, score, kHost2010, {});

  // System top at 100 + 50; the staves' top lines 30 below it, then at their
  // depths 0 and 300 (staff 2 is hidden); lines 24 apart.
  for (int y : {180, 204, 228, 252, 276, 480, 576})
    EXPECT_EQ(count(svg, "<line class=\"staff\" x1=\"100\" y1=\"" + std::to_string(y) + "\" x2=\"900\""), 2) << y;
  EXPECT_EQ(count(svg, "<line class=\"staff\""), 2 * 10) << "two drawn staves on each side";
  EXPECT_EQ(count(svg, "<line class=\"barline\" x1=\"100\" y1=\"180\" x2=\"100\" y2=\"576\"/>"), 2);
  EXPECT_EQ(count(svg, "<text class=\"gap-value\" x=\"72\" y=\"141\">-50</text>"), 2) << svg;
}

}  // namespace
