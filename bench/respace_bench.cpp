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
// the host calls of one Apply press in the dialog that respaces one page of a
// 1,000-page score: the dialog counts the pages once (a probe a page), the
// page driver reads little beyond that page.
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

// Letter pages scaled to 35 %, uneven gaps that differ from page to page, one
// measure a system, all staves visible.
void build_score(sim::Host& host, int pages, int systems) {
  std::vector<sim::InstrumentListEntry> list;
  for (int i = 0; i < kStavesPerSystem; ++i) {
    list.push_back(sim::InstrumentListEntry{int16_t(i + 1), 0, -144 * i});
    host.add_staff(int16_t(i + 1));
  }
  host.add_instrument_list(0, list);
  sim::Page page;
  page.flags = 0x0002;
  page.percent = 35;
  for (int p = 0; p < pages; ++p) {
    host.add_page(page);
    for (int s = 0; s < systems; ++s) {
      sim::StaffSystem system;
      system.page = int16_t(p + 1);
      system.top_margin = -48;
      system.bottom_margin = -192;
      system.first_measure = int16_t(host.score().systems.size() + 1);
      system.next_measure = int16_t(system.first_measure + 1);
      system.gap = int16_t(-((p * 37 + s * 53) % 240));
      host.add_system(system);
      host.add_measure();
    }
  }
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
  build_score(host, pages, systems);
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

// One page in the middle of a long score, as an engraver respaces it: the
// dialog open on "Single page" with the page typed in, then Apply pressed.
// Counted: the host calls of the press (the dialog's checks, the page driver
// and the redraw), and the page driver's share of them.
void one_page_of_a_long_score(int pages) {
  sim::Host host;
  host.set_version_word(kHostVersion);
  build_score(host, pages, systems_per_page(pages));
  host.set_document_open(true);
  host.set_page_view(true);
  host.set_current_page(1);
  sim::install(host);
  sim::PluginSession session(host);
  session.version();
  session.init();
  session.enumerate();
  session.invoke();
  sim::Person person(session.dialog());
  const int page = (pages + 1) / 2;
  person.click(IDC_SINGLE_PAGE);
  person.type(IDC_FROM_PAGE, std::to_string(page));
  host.log().clear();
  person.click(IDC_APPLY);
  const long press = calls_logged(host);

  structUserPrefs prefs = UserPrefs;
  host.log().clear();
  KVTR_StartProcess(nullptr, &prefs, count_failures);
  const long driver = calls_logged(host);
  session.terminate();
  std::printf("Page %d of %d alone, \"Single page\" and Apply in the dialog: %ld host calls for the press, "
              "%ld of them the page driver's.\n", page, pages, press, driver);
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
  one_page_of_a_long_score(1000);
  return 0;
}
