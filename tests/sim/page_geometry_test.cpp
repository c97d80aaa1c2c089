#include "sim/render/page_geometry.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "engine/system_height.h"
#include "sim/score/score_file.h"
#include "sim/score/score_options.h"
#include "support/sim_host_fixture.h"

namespace {

namespace fs = std::filesystem;

fs::path examples_dir() { return fs::path(__FILE__).parent_path().parent_path().parent_path() / "examples"; }

class DrawnSystemHeight : public SimHostTest {
 protected:
  // Every system's height as drawn must be the height the plug-in measures.
  void expect_heights_match_the_plug_in(const sim::ScoreFile& file, const std::string& name) {
    host.score() = file.score;
    set_host_version(file.host_version);
    for (size_t s = 1; s <= file.score.systems.size(); ++s) {
      const int32_t measured = _KVGEN_CalcStaffSystemHeight(int16_t(s), 0);
      EXPECT_EQ(sim::system_height(file.score, file.host_version, int16_t(s)), measured)
          << name << ", system " << s;
    }
  }
};

// One page with one system of three staves (0, -240, -480) on the score's list.
sim::ScoreFile base_score() {
  sim::ScoreFile file;
  sim::Score& s = file.score;
  s.pages.resize(1);
  sim::StaffSystem system;
  system.top_margin = -48;
  system.bottom_margin = -192;
  s.systems.push_back(system);
  s.instrument_lists[0] = {{1, 0, 0}, {2, 0, -240}, {3, 0, -480}};
  for (int16_t staff = 1; staff <= 3; ++staff) s.staves[staff].hidden = false;
  s.measures.resize(1);
  return file;
}

struct Variation {
  const char* name;
  std::function<void(sim::ScoreFile&)> change;
  int32_t expected;  // the height, as a check that the case means what it says
};

TEST_F(DrawnSystemHeight, IsTheOneThePlugInMeasuresInEveryExample) {
  for (const auto& entry : fs::directory_iterator(examples_dir()))
    if (entry.path().extension() == ".json")
      expect_heights_match_the_plug_in(sim::load_score_file(entry.path().string()), entry.path().filename());
}

TEST_F(DrawnSystemHeight, IsTheOneThePlugInMeasuresInEveryHostEra) {
  auto year = [](uint32_t word) { return [word](sim::ScoreFile& f) { f.host_version = word; }; };
  auto systems = [](sim::ScoreFile& f) -> std::vector<sim::StaffSystem>& { return f.score.systems; };
  const Variation cases[] = {
      {"plain", [](sim::ScoreFile&) {}, 48 + 480 + 192},
      {"middle staff hidden", [](sim::ScoreFile& f) { f.score.staves[2].hidden = true; }, 720},
      {"lowest staff hidden", [](sim::ScoreFile& f) { f.score.staves[3].hidden = true; }, 48 + 240 + 192},
      {"every staff hidden",
       [](sim::ScoreFile& f) {
         for (auto& staff : f.score.staves) staff.second.hidden = true;
       },
       0},
      {"a staff record missing", [](sim::ScoreFile& f) { f.score.staves.erase(3); }, 0},
      {"first measure missing after 2000", [](sim::ScoreFile& f) { f.score.measures.clear(); }, 0},
      {"first measure missing in 2000",
       [year](sim::ScoreFile& f) {
         year(0x05000000)(f);
         f.score.measures.clear();
       },
       480 + 192},
      {"staff above the system's top", [](sim::ScoreFile& f) { f.score.instrument_lists[0] = {{1, 0, 100}}; },
       -100 + 100 + 48 + 192},
      {"top staff offset from word 2",
       [](sim::ScoreFile& f) { f.score.instrument_lists[0] = {{1, 50, 0}, {2, 0, -240}}; }, -50 + 240 + 240},
      // With the standard staff height of 96 the era's formula divides by 16.
      {"scaled system in 2010",
       [systems](sim::ScoreFile& f) {
         systems(f)[0].flags = 0x0002;
         systems(f)[0].percent = 80;
       },
       (480 + 192) * 80 / 100 * 96 / 16 / 96 + 48},
      {"scaled system in 2001",
       [year, systems](sim::ScoreFile& f) {
         year(0x06000000)(f);
         systems(f)[0].flags = 0x0002;
         systems(f)[0].percent = 75;
       },
       (480 + 192) * 75 / 100 + 48},
      {"scaled system in 2000",
       [year, systems](sim::ScoreFile& f) {
         year(0x05000000)(f);
         systems(f)[0].flags = 0x0002;
         systems(f)[0].percent = 50;
       },
       (480 + 192) / 2},
      {"staff height 1536 in 2010", [systems](sim::ScoreFile& f) { systems(f)[0].staff_height = 1536; }, 720},
      {"staff height 768 in 2010", [systems](sim::ScoreFile& f) { systems(f)[0].staff_height = 768; },
       (480 + 192) / 2 + 48},
      {"staff height 768 in 2001",
       [year, systems](sim::ScoreFile& f) {
         year(0x06000000)(f);
         systems(f)[0].staff_height = 768;
       },
       720},
      {"extracted part shown",
       [](sim::ScoreFile& f) {
         sim::set_extracted_part(f.score, true);
         f.score.instrument_lists[-8] = {{1, 0, 0}, {2, 0, -100}};
       },
       48 + 100 + 192},
      {"own list in 2010",
       [systems](sim::ScoreFile& f) {
         systems(f)[0].flags = 0x4000;
         f.score.instrument_lists[1] = {{1, 0, 0}, {3, 0, -300}};
       },
       48 + 300 + 192},
      {"own list missing", [systems](sim::ScoreFile& f) { systems(f)[0].flags = 0x4000; }, 0},
      {"own list in 2000 holds the top margin",
       [year, systems](sim::ScoreFile& f) {
         year(0x05000000)(f);
         systems(f)[0].flags = 0x4000;
         systems(f)[0].top_margin = -96;
         f.score.instrument_lists[1] = {{1, 0, 0}, {3, 0, -300}};
       },
       96 + (300 - 96) + 192},
      {"score list in 2000 lends its first position as top margin",
       [year](sim::ScoreFile& f) {
         year(0x05000000)(f);
         f.score.instrument_lists[0][0].position = -30;
       },
       30 + (480 - 30) + 192},
  };
  for (const Variation& c : cases) {
    sim::ScoreFile file = base_score();
    c.change(file);
    EXPECT_EQ(sim::system_height(file.score, file.host_version, 1), c.expected) << c.name;
    expect_heights_match_the_plug_in(file, c.name);
  }
}

TEST(PageGeometry, SystemsFollowTheTopMarginAndEachOthersBottoms) {
  sim::ScoreFile file = base_score();  // height 720
  sim::Page& page = file.score.pages[0];
  page.height = 3000;
  page.width = 2000;
  page.top_margin = -100;
  page.bottom_margin = 200;
  page.left_margin = 150;
  page.right_margin = -50;
  file.score.systems[0].gap = -40;
  file.score.systems[0].left_margin = 30;
  file.score.systems[0].right_margin = -60;
  sim::StaffSystem second = file.score.systems[0];
  second.gap = -300;
  file.score.systems.push_back(second);

  const sim::PageGeometry g = sim::page_geometry(file.score, file.host_version, 1);
  EXPECT_DOUBLE_EQ(g.margin_top, 100);
  EXPECT_DOUBLE_EQ(g.margin_bottom, 2800);
  EXPECT_DOUBLE_EQ(g.margin_left, 150);
  EXPECT_DOUBLE_EQ(g.margin_right, 1950);
  ASSERT_EQ(g.systems.size(), 2u);
  EXPECT_DOUBLE_EQ(g.systems[0].top, 140);
  EXPECT_DOUBLE_EQ(g.systems[0].bottom, 860);
  EXPECT_DOUBLE_EQ(g.systems[1].top, 1160);
  EXPECT_DOUBLE_EQ(g.systems[1].bottom, 1880);
  EXPECT_DOUBLE_EQ(g.systems[1].left, 180);
  EXPECT_DOUBLE_EQ(g.systems[1].right, 1890);
  EXPECT_EQ(g.systems[1].visible_staves, 3);
  EXPECT_DOUBLE_EQ(g.room_below(), 920);
}

TEST(PageGeometry, OnAScaledPageSystemLengthsShrinkAndThePagesDoNot) {
  sim::ScoreFile file = base_score();  // height 720
  sim::Page& page = file.score.pages[0];
  page.flags = 0x0002;
  page.percent = 50;
  file.score.systems[0].gap = -100;

  const sim::PageGeometry g = sim::page_geometry(file.score, file.host_version, 1);
  EXPECT_DOUBLE_EQ(g.scale, 0.5);
  EXPECT_DOUBLE_EQ(g.margin_top, 144);
  EXPECT_DOUBLE_EQ(g.systems[0].top, 144 + 50);
  EXPECT_DOUBLE_EQ(g.systems[0].bottom, 144 + 50 + 360);
}

TEST(PageGeometry, AScaledPageWithoutAPositivePercentageIsDrawnUnscaled) {
  sim::ScoreFile file = base_score();
  file.score.pages[0].flags = 0x0002;
  file.score.pages[0].percent = 0;
  EXPECT_DOUBLE_EQ(sim::page_geometry(file.score, file.host_version, 1).scale, 1);
}

TEST(PageGeometry, APageWithoutSystemsHasTheRoomBetweenItsMargins) {
  sim::ScoreFile file = base_score();
  file.score.pages.resize(2);
  const sim::PageGeometry g = sim::page_geometry(file.score, file.host_version, 2);
  EXPECT_TRUE(g.systems.empty());
  EXPECT_DOUBLE_EQ(g.room_below(), 3168 - 288);
  EXPECT_THROW(sim::page_geometry(file.score, file.host_version, 3), std::out_of_range);
}

}  // namespace
