// Fails every host call of a respacing run in turn (call N for N = 1..C, C the
// calls of a fault-free run) and every call of each function the run uses, on
// a few representative scores, and checks after each run that the plug-in did
// not loop, reported every page of the range with a known result code, and
// left nothing in the score but gaps: every other field of every record is as
// the host held it, and every gap is the one it had or the one a fault-free
// run computes. The exceptions to the last are the two ways a failed load
// tells the plug-in that something ends sooner, so that it rightly computes
// other gaps: a failed load of a staff-list record after the first ends the
// list, and failed probes while the plug-in counts the staff systems (two
// in a row defeat the recheck of the remembered count) end the score early.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/page_driver.h"
#include "platform/posix/testing.h"
#include "shell/toolkit_globals.h"
#include "sim/host/exports.h"
#include "sim/host/sim_host.h"
#include "sim/score/demo_score.h"
#include "sim/score/score_file.h"
#include "sim/score/score_options.h"

namespace {

namespace fs = std::filesystem;

struct Report {
  int16_t page;
  int16_t result;
};
std::vector<Report>* reports = nullptr;

void record_report(HWND, int16_t page, int16_t result) { reports->push_back({page, result}); }

struct DriverRun {
  std::vector<Report> reports;
  sim::Score after;
  int64_t calls = 0;
  bool limit_reached = false;
  bool ends_early = false;  // a staff list or the score read as ending early (see above)
};

bool ends_something_early(const sim::FailedCall& call) {
  static const int load = sim::export_index("FX_LoadEData");
  if (call.index != load) return false;
  const bool list_record = call.tag == 0x534F4975u && call.second > 0;  // 'SOIu' beyond record 0
  const bool count_probe = call.tag == 0x534F5353u && call.args.at(2) == 0;  // 'SOSS' with no buffer
  return list_record || count_probe;
}

// One run of the page driver over every page of `file`, with `arm` choosing
// the faults after the host is set up (calls are counted from the driver's start).
template <typename Arm>
DriverRun run_driver(const sim::ScoreFile& file, const structUserPrefs& prefs, int64_t call_limit, Arm arm) {
  standin::reset();
  sim::Host host;
  host.score() = file.score;
  host.set_version_word(file.host_version);
  host.set_document_open(file.view.document_open);
  host.set_page_view(file.view.page_view);
  host.set_current_page(file.view.current_page);
  sim::install(host);
  PDKTOOLS_StoreVersion(int32_t(file.host_version));

  DriverRun run;
  reports = &run.reports;
  host.faults().set_call_limit(call_limit);
  arm(host.faults());
  host.faults().start_counting();
  structUserPrefs run_prefs = prefs;
  KVTR_StartProcess(host.main_window(), &run_prefs, record_report);
  reports = nullptr;
  run.after = host.score();
  run.calls = host.faults().calls();
  run.limit_reached = host.faults().limit_reached();
  for (const sim::FailedCall& call : host.faults().failed()) run.ends_early |= ends_something_early(call);
  standin::clear_message_boxes();
  return run;
}

structUserPrefs all_pages(int16_t last, int16_t compact, int16_t single) {
  return structUserPrefs{0, 1, last, 0, 0, 0, 0, single, -32768, -32768, compact};
}

struct Case {
  std::string name;
  sim::ScoreFile file;
  structUserPrefs prefs;
};

fs::path examples_dir() { return fs::path(__FILE__).parent_path().parent_path().parent_path() / "examples"; }

std::vector<Case> cases() {
  sim::ScoreFile part = sim::load_score_file((examples_dir() / "piano.json").string());
  sim::set_extracted_part(part.score, true);
  part.score.instrument_lists[-8] = part.score.instrument_lists[0];
  const sim::ScoreFile demo = sim::demo_score();
  const sim::ScoreFile scaled = sim::load_score_file((examples_dir() / "scaled-page.json").string());
  const sim::ScoreFile old_host = sim::load_score_file((examples_dir() / "host-2000.json").string());
  const sim::ScoreFile lone = sim::load_score_file((examples_dir() / "lone-system.json").string());
  const auto last = [](const sim::ScoreFile& f) { return int16_t(f.score.pages.size() + 1); };  // one past the end
  const std::vector<Case> base = {
      {"demo", demo, all_pages(last(demo), 0, 2)},
      {"demo-compact", demo, all_pages(last(demo), 1, 3)},
      {"scaled-page", scaled, all_pages(last(scaled), 0, 1)},
      {"host-2000", old_host, all_pages(last(old_host), 0, 2)},
      {"extracted-part", part, all_pages(last(part), 0, 2)},
      {"lone-system", lone, all_pages(last(lone), 0, 3)},
  };
  // Each score also with the other options of several systems, which take
  // other roads through the search and the storing pass.
  std::vector<Case> all = base;
  for (const Case& c : base) {
    Case keep = c, gaps = c, margins = c, every = c;
    keep.name += " keep-topmost";
    keep.prefs.keepTopmostStill = 1;
    gaps.name += " include-gaps";
    gaps.prefs.includeGaps = 1;
    margins.name += " margins";
    margins.prefs.extraTopMargin = 50;
    margins.prefs.extraBottomMargin = 30;
    every.name += " keep-gaps-compact";
    every.prefs.keepTopmostStill = every.prefs.includeGaps = every.prefs.compact = 1;
    all.insert(all.end(), {keep, gaps, margins, every});
  }
  return all;
}

// What may differ from the score before: only gaps, each either as before or
// as the fault-free run left it.
std::string text_of(const sim::Score& score) {
  sim::ScoreFile file;
  file.score = score;
  return sim::score_file_text(file);
}

std::string damage(const sim::Score& before, const sim::Score& clean, const sim::Score& after, bool any_gap) {
  if (after.systems.size() != before.systems.size()) return "the number of systems changed";
  sim::Score gaps_as_before = after;
  for (size_t i = 0; i < after.systems.size(); ++i) {
    const int16_t gap = after.systems[i].gap;
    if (!any_gap && gap != before.systems[i].gap && gap != clean.systems[i].gap)
      return "system " + std::to_string(i + 1) + " got gap " + std::to_string(gap);
    gaps_as_before.systems[i].gap = before.systems[i].gap;
  }
  if (text_of(gaps_as_before) != text_of(before)) return "a record changed beyond the gaps";
  return {};
}

std::string check(const Case& c, const DriverRun& clean, const DriverRun& run) {
  if (run.limit_reached) return "more than the call limit: the run kept calling the host";
  const int16_t first = c.prefs.firstPage;
  if (run.reports.size() != size_t(c.prefs.lastPage - first + 1)) return "not every page was reported";
  for (size_t i = 0; i < run.reports.size(); ++i) {
    if (run.reports[i].page != first + int16_t(i)) return "pages reported out of order";
    if (run.reports[i].result < 0 || run.reports[i].result > 10) return "unknown result code";
  }
  return damage(c.file.score, clean.after, run.after, run.ends_early);
}

// Call n fails, or calls n and n + 1: a host in trouble seldom fails once,
// and a second failure defeats the rechecks that mend a single one.
TEST(FaultInjection, EveryFailedHostCallOrPairOfCallsLeavesAConsistentScoreAndAReportForEveryPage) {
  int runs = 0;
  for (const Case& c : cases()) {
    const DriverRun clean = run_driver(c.file, c.prefs, 0, [](sim::HostFaults&) {});
    ASSERT_EQ(check(c, clean, clean), "") << c.name;
    // A failed load may start the trial-gap search far from where it ends
    // (up to 32767 trials a page), so the bound is generous; a loop that does
    // not end reaches it all the same.
    const int64_t limit = 100 * clean.calls + 100000;
    for (int64_t failing = 1; failing <= 2; ++failing) {
      for (int64_t n = 1; n <= clean.calls; ++n, ++runs) {
        const DriverRun run = run_driver(c.file, c.prefs, limit, [n, failing](sim::HostFaults& f) {
          for (int64_t k = 0; k < failing; ++k) f.fail_call(n + k);
        });
        ASSERT_EQ(check(c, clean, run), "") << c.name << ", host calls " << n << ".." << n + failing - 1 << " failed";
      }
    }
  }
  EXPECT_GE(runs, 2000);
}

TEST(FaultInjection, AHostWhoseEveryCallOfOneFunctionFailsLeavesAConsistentScore) {
  const char* functions[] = {"FX_LoadEData", "FX_SaveEData", "FX_UpdateLayout", "FX_GetCurrentWindowInfo",
                             "FX_AlertMessage", "FX_NextEData", "FX_PreviousEData"};
  for (const Case& c : cases()) {
    const DriverRun clean = run_driver(c.file, c.prefs, 0, [](sim::HostFaults&) {});
    for (const char* function : functions) {
      const DriverRun run = run_driver(c.file, c.prefs, 100 * clean.calls + 100000,
                                 [function](sim::HostFaults& f) { f.fail_function(function); });
      EXPECT_EQ(check(c, clean, run), "") << c.name << ", every " << function << " failed";
    }
  }
}

}  // namespace
