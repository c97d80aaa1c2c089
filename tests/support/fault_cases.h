// What the fault-injection tests share: the representative scores with the
// settings they are respaced with, and the check that a run whose host failed
// left nothing in the score but gaps it may have written.
#ifndef TESTS_SUPPORT_FAULT_CASES_H
#define TESTS_SUPPORT_FAULT_CASES_H

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "globals/user_prefs.h"
#include "sim/host/host_faults.h"
#include "sim/score/score_file.h"

namespace faults {

struct Case {
  std::string name;
  sim::ScoreFile file;
  structUserPrefs prefs;  // every page, each case with other options
};

// The demo score, a scaled page, a host of 2000, an extracted part and a lone
// system, each plain and with keep topmost, include gaps, extra margins, and
// all three with compact.
std::vector<Case> cases();

// The base scores of cases() plain and with keep topmost, include gaps and
// compact, and the two scores of an old host whose one staff system cannot be
// read (examples/fault-old-*.json, their faults left out), likewise.
std::vector<Case> property_cases();

struct PageReport {
  int16_t page;
  int16_t result;
  bool box = false;      // the report showed a message box
  int16_t credited = 0;  // the page the simulator credits that box to (sim::PageFollower)
};

// A record of the host by tag and key.
struct RecordKey {
  uint32_t tag;
  int16_t first;
  int16_t second;
  bool operator<(const RecordKey& other) const {
    return std::tie(tag, first, second) < std::tie(other.tag, other.first, other.second);
  }
};

struct DriverRun {
  std::vector<PageReport> reports;
  sim::Score after;
  int64_t calls = 0;
  bool limit_reached = false;
  std::set<RecordKey> loaded;  // records the run asked the host for (loads into a buffer)
  std::set<RecordKey> saved;   // records the run asked the host to write
  std::vector<int64_t> probes; // the call numbers of its probes (loads without a buffer)
};

// One run of the page driver with `prefs` over `file`, in a host set up from
// it, with `arm` choosing the faults (calls are counted from the driver's
// start; a call limit of 0 sets none). Each page's result is reported as the
// dialog reports it, with its message box.
DriverRun run_driver(const sim::ScoreFile& file, const structUserPrefs& prefs, int64_t call_limit,
                     const std::function<void(sim::HostFaults&)>& arm = {});

// The gaps of the systems on `page`, in order.
std::vector<int16_t> page_gaps(const sim::Score& score, int16_t page);

// Empty when `after` differs from `before` only in gaps, each as before or as
// the fault-free run left it in `clean`; else what is wrong.
std::string damage(const sim::Score& before, const sim::Score& clean, const sim::Score& after);

}  // namespace faults

#endif
