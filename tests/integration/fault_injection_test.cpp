// Fails every host call of a respacing run in turn (call N for N = 1..C, C the
// calls of a fault-free run, and every pair N, N + 1) and every call of each
// function the run uses, on a few representative scores, and checks after
// each run that the plug-in did not loop, reported every page of the range
// with a known result code, and left nothing in the score but gaps: every
// other field of every record is as the host held it, and every gap is the one
// it had or the one a fault-free run computes. No failure is exempt: one that
// leaves the plug-in a wrong picture of the score (a count cut short, a list
// ended early) must fail the pages that depend on it.
#include <gtest/gtest.h>

#include <string>

#include "support/fault_cases.h"

namespace {

using faults::Case;
using faults::DriverRun;
using faults::run_driver;

// A page reported done holds the fault-free run's gaps, any other page the
// gaps it had (a write that puts them back and is refused is asked again), and
// every page not done shows its box, credited to it.
std::string check_honest(const Case& c, const DriverRun& clean, const DriverRun& run, const faults::PageReport& page) {
  const std::string name = "page " + std::to_string(page.page) + " (result " + std::to_string(page.result) + ")";
  if (page.result != 0 && page.result != 2 && !page.box) return name + ": not done, and no message box";
  if (page.box && page.credited != page.page) return name + ": its box is credited to page " + std::to_string(page.credited);
  const std::vector<int16_t> gaps = faults::page_gaps(run.after, page.page);
  if (page.result == 0 && gaps != faults::page_gaps(clean.after, page.page))
    return name + ": reported done with other gaps than the fault-free run";
  if (page.result != 0 && gaps != faults::page_gaps(c.file.score, page.page))
    return name + ": not done, yet its gaps changed";
  return {};
}

std::string check(const Case& c, const DriverRun& clean, const DriverRun& run) {
  if (run.limit_reached) return "more than the call limit: the run kept calling the host";
  const int16_t first = c.prefs.firstPage;
  if (run.reports.size() != size_t(c.prefs.lastPage - first + 1)) return "not every page was reported";
  for (size_t i = 0; i < run.reports.size(); ++i) {
    if (run.reports[i].page != first + int16_t(i)) return "pages reported out of order";
    if (run.reports[i].result < 0 || run.reports[i].result > 10) return "unknown result code";
    const std::string problem = check_honest(c, clean, run, run.reports[i]);
    if (!problem.empty()) return problem;
  }
  return faults::damage(c.file.score, clean.after, run.after);
}

// Call n fails, or calls n and n + 1: a host in trouble seldom fails once,
// and a second failure defeats the rechecks that mend a single one.
TEST(FaultInjection, EveryFailedHostCallOrPairOfCallsLeavesAConsistentScoreAndAReportForEveryPage) {
  int runs = 0;
  for (const Case& c : faults::cases()) {
    const DriverRun clean = run_driver(c.file, c.prefs, 0);
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
  for (const Case& c : faults::cases()) {
    const DriverRun clean = run_driver(c.file, c.prefs, 0);
    for (const char* function : functions) {
      const DriverRun run = run_driver(c.file, c.prefs, 100 * clean.calls + 100000,
                                       [function](sim::HostFaults& f) { f.fail_function(function); });
      EXPECT_EQ(check(c, clean, run), "") << c.name << ", every " << function << " failed";
    }
  }
}

}  // namespace
