// Fuzz target for the host's answers: a whole respacing run (the page driver
// over a range of pages) against a simulated host whose version word and every
// record load and save answer bytes of the input (sim/host/drawn_answers.h).
// The first bytes choose the range and the settings; the rest are the answers.
// The run must end within a call limit and report every page of the range, in
// order, with a known result code; anything else aborts with the reason.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "engine/page_driver.h"
#include "engine/page_results.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_require.h"
#include "platform/posix/testing.h"
#include "globals/toolkit_globals.h"
#include "sim/host/drawn_answers.h"
#include "sim/host/sim_host.h"

namespace {

// Far above what any run of drawn answers needs: each answered load or save
// takes at least one byte, and a refused call ends what asked for it.
constexpr int64_t kCallLimit = 200000;

void require(bool condition, const char* reason) { fuzz_require("host_answers", condition, reason); }

sim::Host& host_once() {
  static sim::Host* host = [] {
    standin::reset();
    auto* h = new sim::Host;
    sim::install(*h);
    return h;
  }();
  return *host;
}

struct Report {
  int16_t page;
  int16_t result;
};
std::vector<Report> reports;

void record(HWND, int16_t page, int16_t result) { reports.push_back({page, result}); }

structUserPrefs drawn_settings(FuzzInput& in) {
  structUserPrefs prefs = {};
  const uint8_t range = in.value<uint8_t>();
  const uint8_t flags = in.value<uint8_t>();
  prefs.firstPage = int16_t(range & 7);          // 0..7, page 0 included
  prefs.lastPage = int16_t(prefs.firstPage + (range >> 3) % 5 - 1);  // 0..4 pages
  prefs.keepTopmostStill = flags & 1;
  prefs.includeGaps = (flags >> 1) & 1;
  prefs.compact = (flags >> 2) & 1;
  prefs.singleSystems = int16_t((flags >> 3) % 5);  // 4: an option the engine does not know
  prefs.extraTopMargin = int16_t(in.value<int8_t>() * 8);
  prefs.extraBottomMargin = int16_t(in.value<uint8_t>() * 2);
  return prefs;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  sim::Host& host = host_once();
  FuzzInput in(data, size);
  const structUserPrefs prefs = drawn_settings(in);
  const size_t settings_bytes = size - in.remaining();
  sim::AnswerBytes answers(data + settings_bytes, in.remaining());
  sim::draw_answers(host, answers);
  PDKTOOLS_StoreVersion(int32_t(host.version_word()));
  host.faults().clear();
  host.faults().set_call_limit(kCallLimit);
  host.faults().start_counting();
  reports.clear();

  KVTR_StartProcess(host.main_window(), &prefs, record);

  require(!host.faults().limit_reached(), "the run kept calling the host past the call limit");
  const int pages = prefs.lastPage - prefs.firstPage + 1;
  require(reports.size() == size_t(pages < 0 ? 0 : pages), "not every page of the range was reported");
  for (size_t i = 0; i < reports.size(); ++i) {
    require(reports[i].page == prefs.firstPage + int(i), "pages reported out of order");
    require(reports[i].result >= kPageProcessed && reports[i].result <= kPageScalingInvalid, "unknown result code");
  }
  sim::end_drawn_answers(host);
  return 0;
}
