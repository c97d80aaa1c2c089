// Respacing whole generated scores: the page driver over every page of scores
// of 10, 100, 1,000 and 10,000 pages (eight visible staves a system, the
// default settings), in the simulated host. Six systems a page, or as many as
// fit the host's 16-bit system numbers (three a page at 10,000 pages).
//
// Printed per score: host calls per page, in total and by function; the
// plug-in's time per page (wall time of the run less the time spent inside the
// simulated host, which is printed apart); and the ratio of the calls to the
// fewest a run can make: each page record, system record, measure record and
// instrument list and staff record read once, each gap written once. Last,
// the host calls of the dialog open over scores of 10 and 1,000 pages: its
// opening (which counts the pages, a probe a page), one timer tick that finds
// nothing changed and one after the current page changed (which confirm the
// count kept, two probes), and an Apply press that respaces one page in the
// middle of the score (the page driver reads little beyond that page).
//
//   build/<dir>/respace_bench [PAGES...]     (default: 10 100 1000 10000)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/page_driver.h"
#include "globals/toolkit_globals.h"
#include "globals/user_prefs.h"
#include "sim/host/exports.h"
#include "sim/host/generated_score.h"
#include "sim/host/plugin_session.h"
#include "sim/host/sim_host.h"
#include "sim/ui/person.h"
#include "ui/respacing_dialog_ids.h"

namespace {

constexpr int kStavesPerSystem = 8;
constexpr uint32_t kHostVersion = 0x0F000200u;

int pages_not_processed = 0;

void count_failures(HWND, int16_t, int16_t result) {
  if (result != 0 && result != 2) ++pages_not_processed;
}

int systems_per_page(int pages) {
  const int fit = 32767 / pages;
  return fit < 6 ? fit : 6;
}

struct Measurement {
  int pages;
  int systems;       // a page
  double seconds;    // the whole run
  double hostSeconds;
  int failures;
  long calls;
  long fewest;
  std::vector<int> byFunction;  // in the order of sim::export_table()
};

Measurement measure(int pages) {
  sim::Host host;
  host.set_version_word(kHostVersion);
  const int systems = systems_per_page(pages);
  sim::add_generated_score(host, pages, systems, kStavesPerSystem);
  sim::install(host);
  PDKTOOLS_StoreVersion(int32_t(kHostVersion));

  UserPrefs = structUserPrefs{0, 1, int16_t(pages), 0, 0, 0, 0, 2, -32768, -32768, 0};
  pages_not_processed = 0;
  host.log().clear();
  host.log().set_timing(true);
  const auto start = std::chrono::steady_clock::now();
  KVTR_StartProcess(nullptr, &UserPrefs, count_failures);
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;

  Measurement m{pages, systems, elapsed.count(), host.log().host_seconds(), pages_not_processed, 0, 0, {}};
  for (size_t i = 0; i < sim::export_count(); ++i) {
    m.byFunction.push_back(host.log().count(sim::export_table()[i].name));
    m.calls += m.byFunction.back();
  }
  const long systemCount = long(pages) * systems;
  m.fewest = pages + 3 * systemCount + 2 * kStavesPerSystem;
  return m;
}

void print_table(const std::vector<Measurement>& runs) {
  std::vector<size_t> used;
  for (size_t i = 0; i < sim::export_count(); ++i)
    for (const Measurement& m : runs)
      if (m.byFunction[i] > 0) {
        used.push_back(i);
        break;
      }
  std::printf("%6s %8s %11s %11s %9s %13s %11s %7s", "pages", "sys/page", "calls/page", "fewest/page", "ratio",
              "plug-in ms/pg", "host ms/pg", "failed");
  for (size_t i : used) std::printf(" %14s", sim::export_table()[i].name);
  std::printf("\n");
  for (const Measurement& m : runs) {
    const double plugin = m.seconds - m.hostSeconds;
    std::printf("%6d %8d %11.1f %11.1f %9.2f %13.4f %11.4f %7d", m.pages, m.systems, double(m.calls) / m.pages,
                double(m.fewest) / m.pages, double(m.calls) / m.fewest, 1000 * plugin / m.pages,
                1000 * m.hostSeconds / m.pages, m.failures);
    for (size_t i : used) std::printf(" %14.1f", double(m.byFunction[i]) / m.pages);
    std::printf("\n");
  }
  for (const Measurement& m : runs) {
    std::printf("%d pages: plug-in %.1f ms, host %.1f ms, whole run %.1f ms\n", m.pages,
                1000 * (m.seconds - m.hostSeconds), 1000 * m.hostSeconds, 1000 * m.seconds);
  }
}

long calls_logged(const sim::Host& host) {
  long calls = 0;
  for (size_t i = 0; i < sim::export_count(); ++i) calls += host.log().count(sim::export_table()[i].name);
  return calls;
}

// The dialog open over a generated score, as an engraver meets it: the host
// calls of opening it, of one timer tick that finds nothing changed, of a tick
// after the current page changed, and of one Apply press that respaces one
// page in the middle of the score ("Single page" with the page typed in), and
// the page driver's share of that press.
struct DialogCalls {
  long opening = 0;
  double idleTick = 0;
  long pageChangedTick = 0;
  long press = 0;
  long driver = 0;
};

constexpr int kRefreshPeriodMs = 500;
constexpr int kIdleTicks = 10;

DialogCalls dialog_calls(int pages) {
  sim::Host host;
  host.set_version_word(kHostVersion);
  sim::add_generated_score(host, pages, systems_per_page(pages), kStavesPerSystem);
  host.set_document_open(true);
  host.set_page_view(true);
  host.set_current_page(1);
  sim::install(host);
  DialogCalls calls;
  sim::PluginSession session(host);
  session.version();
  session.init();
  session.enumerate();
  host.log().clear();
  session.invoke();
  calls.opening = calls_logged(host);

  sim::Person person(session.dialog());
  host.log().clear();
  person.wait(kIdleTicks * kRefreshPeriodMs);
  calls.idleTick = double(calls_logged(host)) / kIdleTicks;
  host.set_current_page(2);
  host.log().clear();
  person.wait(kRefreshPeriodMs);
  calls.pageChangedTick = calls_logged(host);

  const int page = (pages + 1) / 2;
  person.click(IDC_SINGLE_PAGE);
  person.type(IDC_FROM_PAGE, std::to_string(page));
  host.log().clear();
  person.click(IDC_APPLY);
  calls.press = calls_logged(host);

  structUserPrefs prefs = UserPrefs;
  host.log().clear();
  KVTR_StartProcess(nullptr, &prefs, count_failures);
  calls.driver = calls_logged(host);
  session.terminate();
  return calls;
}

void print_dialog_calls(const std::vector<int>& sizes) {
  std::printf("\nThe dialog open over the score (host calls):\n%6s %8s %10s %13s %18s %8s\n", "pages", "opening",
              "idle tick", "page changed", "Apply, one page", "driver");
  for (int pages : sizes) {
    const DialogCalls c = dialog_calls(pages);
    std::printf("%6d %8ld %10.1f %13ld %18ld %8ld\n", pages, c.opening, c.idleTick, c.pageChangedTick, c.press,
                c.driver);
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<int> sizes;
  for (int i = 1; i < argc; ++i) sizes.push_back(std::atoi(argv[i]));
  if (sizes.empty()) sizes = {10, 100, 1000, 10000};
  std::printf("Respacing generated scores: %d staves a system, default settings, host of 2010.\n",
              kStavesPerSystem);
  std::vector<Measurement> runs;
  for (int pages : sizes) {
    if (pages < 1 || pages > 32767) {
      std::fprintf(stderr, "respace_bench: %d pages: give 1..32767\n", pages);
      return 2;
    }
    runs.push_back(measure(pages));
    std::fflush(stdout);
  }
  print_table(runs);
  print_dialog_calls({10, 1000});
  return 0;
}
