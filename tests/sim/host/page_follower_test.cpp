// The simulator's page follower, told apart from the page driver it follows:
// on scores whose pages the driver reads in the ways that move it and the
// ways that must not (a look-ahead past a page without systems, a page not
// laid out and laid out again or not, a page that cannot be loaded), every
// message box comes up while its own page is reported, and the follower
// credits it to that page.
#include "sim/host/page_follower.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "host/record_tags.h"
#include "support/fault_cases.h"

namespace {

namespace fs = std::filesystem;

sim::ScoreFile example(const char* name) {
  sim::ScoreFile file =
      sim::load_score_file((fs::path(__FILE__).parent_path() / "../../../examples" / name).string());
  file.host_faults = {};
  return file;
}

struct FollowerCase {
  const char* name;
  const char* score;
  std::function<void(sim::ScoreFile&)> change;
  std::function<void(sim::HostFaults&)> faults;
  int boxes;  // at least this many pages show a box
};

// Page 3's staff systems cannot be written: its box names no page.
void page_three_cannot_be_saved(sim::HostFaults& f) { f.fail_record({kTagStaffSystemCurrent, 10, 0, false, true}); }

TEST(PageFollower, CreditsEachBoxToThePageThatRaisedIt) {
  const FollowerCase cases[] = {
      {"page 2 not laid out, the host lacks the layout update", "piano.json",
       [](sim::ScoreFile& f) { f.score.pages[1].laid_out = false; },
       [](sim::HostFaults& f) {
         f.fail_function("FX_UpdateLayout");
         page_three_cannot_be_saved(f);
       },
       3},
      {"page 2 not laid out, laid out by the walk from page 1", "piano.json",
       [](sim::ScoreFile& f) { f.score.pages[1].laid_out = false; }, page_three_cannot_be_saved, 1},
      {"page 2 cannot be loaded", "piano.json", [](sim::ScoreFile&) {},
       [](sim::HostFaults& f) {
         f.fail_record({kTagPageSpec, 2, 0, true, false});
         page_three_cannot_be_saved(f);
       },
       3},
      {"a page without systems before a lone system that cannot be read", "fault-old-lone-system.json",
       [](sim::ScoreFile&) {}, [](sim::HostFaults& f) { f.fail_record({0x534F5353u, 1, 0, true, false}); }, 1},
  };
  for (const FollowerCase& c : cases) {
    SCOPED_TRACE(c.name);
    sim::ScoreFile file = example(c.score);
    c.change(file);
    const int16_t pages = int16_t(file.score.pages.size());
    const structUserPrefs prefs{0, 1, pages, 0, 0, 0, 0, 2, -32768, -32768, 0};
    const faults::DriverRun run = faults::run_driver(file, prefs, 0, c.faults);
    int boxes = 0;
    for (const faults::PageReport& page : run.reports) {
      if (!page.box) continue;
      ++boxes;
      EXPECT_EQ(page.credited, page.page) << "result " << page.result;
    }
    EXPECT_GE(boxes, c.boxes);
  }
}

}  // namespace
