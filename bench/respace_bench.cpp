// Respacing whole generated scores: the page driver over every page of scores
// of 10, 100 and 1000 pages (six systems of eight staves a page, the default
// settings), in the simulated host. Prints, per score, the wall time and the
// host calls per page, in total and by function. The processor time is given
// beside the wall time, which on a busy machine also counts the waiting.
//
//   build/<dir>/respace_bench [PAGES...]     (default: 10 100 1000)
#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/page_driver.h"
#include "shell/toolkit_globals.h"
#include "shell/user_prefs.h"
#include "sim/host/exports.h"
#include "sim/host/sim_host.h"
#include "sim/score/demo_score.h"

namespace {

constexpr int kSystemsPerPage = 6;
constexpr int kStavesPerSystem = 8;

int pages_not_processed = 0;

void count_failures(HWND, int16_t, int16_t result) {
  if (result != 0 && result != 2) ++pages_not_processed;
}

struct Measurement {
  int pages;
  double seconds;
  double cpu_seconds;
  int failures;
  std::vector<int> calls;  // by export, in the order of sim::export_table()
};

Measurement measure(int pages) {
  const sim::ScoreFile file = sim::generated_score(pages, kSystemsPerPage, kStavesPerSystem);
  sim::Host host;
  host.score() = file.score;
  host.set_version_word(file.host_version);
  sim::install(host);
  PDKTOOLS_StoreVersion(int32_t(file.host_version));

  UserPrefs = structUserPrefs{0, 1, int16_t(pages), 0, 0, 0, 0, 2, -32768, -32768, 0};
  pages_not_processed = 0;
  host.log().clear();
  const auto start = std::chrono::steady_clock::now();
  const std::clock_t cpu_start = std::clock();
  KVTR_StartProcess(nullptr, &UserPrefs, count_failures);
  const double cpu = double(std::clock() - cpu_start) / CLOCKS_PER_SEC;
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;

  Measurement m{pages, elapsed.count(), cpu, pages_not_processed, {}};
  for (size_t i = 0; i < sim::export_count(); ++i) m.calls.push_back(host.log().count(sim::export_table()[i].name));
  return m;
}

void print_table(const std::vector<Measurement>& runs) {
  std::vector<size_t> used;
  for (size_t i = 0; i < sim::export_count(); ++i)
    for (const Measurement& m : runs)
      if (m.calls[i] > 0) {
        used.push_back(i);
        break;
      }
  std::printf("%6s %9s %9s %11s %7s %11s", "pages", "wall s", "ms/page", "cpu ms/page", "failed", "calls/page");
  for (size_t i : used) std::printf(" %16s", sim::export_table()[i].name);
  std::printf("\n");
  for (const Measurement& m : runs) {
    long total = 0;
    for (int c : m.calls) total += c;
    std::printf("%6d %9.3f %9.3f %11.3f %7d %11.1f", m.pages, m.seconds, 1000 * m.seconds / m.pages,
                1000 * m.cpu_seconds / m.pages, m.failures, double(total) / m.pages);
    for (size_t i : used) std::printf(" %16.1f", double(m.calls[i]) / m.pages);
    std::printf("\n");
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<int> sizes;
  for (int i = 1; i < argc; ++i) sizes.push_back(std::atoi(argv[i]));
  if (sizes.empty()) sizes = {10, 100, 1000};
  std::printf("Respacing generated scores: %d systems of %d staves a page, default settings.\n",
              kSystemsPerPage, kStavesPerSystem);
  std::vector<Measurement> runs;
  for (int pages : sizes) {
    if (pages < 1 || pages > 1300) {
      std::fprintf(stderr, "respace_bench: %d pages: give 1..1300\n", pages);
      return 2;
    }
    runs.push_back(measure(pages));
    std::fflush(stdout);
  }
  print_table(runs);
  return 0;
}
