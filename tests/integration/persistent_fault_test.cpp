// One record of the score that the host cannot load, cannot save, or both,
// every time (as a damaged score behaves), on hosts of every era: each record
// a fault-free run reads or writes in turn, on sample scores of every shape.
// And each probe of a fault-free run (a load without a buffer: counts of
// systems and pages, the ends of staff lists, whether a part record is there)
// failing once, by its call number. For every page of the range:
//   contained: a page whose own processing never touches the record (the page
//     respaced alone reads and writes other records only) ends as in the
//     fault-free run, result and gaps;
//   honest: a page reported done holds exactly the fault-free run's gaps; any
//     other page holds exactly the gaps it had, and shows its message box
//     unless it holds no systems;
//   credited: each box comes up while its own page is reported, and the
//     simulator's page follower credits it to that page.
// No failure is exempt: a load that fails never tells the plug-in that a list
// or the score ends there, nor that no part is shown.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>

#include "support/fault_cases.h"

namespace {

using faults::DriverRun;
using faults::RecordKey;

struct Era {
  const char* name;
  uint32_t version_word;
};
constexpr Era kEras[] = {{"1998", 0x04000000u}, {"2000", 0x05000000u}, {"2001", 0x06000000u},
                         {"2002", 0x07000000u}, {"2010", 0x0F000200u}};

struct Fault {
  RecordKey record;
  bool load;
  bool save;
  int64_t probe_call = 0;  // instead: this host call, a probe of the fault-free run, fails once
};

std::string describe(const Fault& f) {
  std::ostringstream text;
  if (f.probe_call != 0) return "probe call " + std::to_string(f.probe_call) + " fails";
  text << "record 0x" << std::hex << f.record.tag << std::dec << " [" << f.record.first << ", " << f.record.second
       << "] fails to" << (f.load ? " load" : "") << (f.load && f.save ? " and" : "") << (f.save ? " save" : "");
  return text.str();
}

DriverRun run_with(const sim::ScoreFile& file, const structUserPrefs& prefs, const Fault* fault) {
  return faults::run_driver(file, prefs, 0, [fault](sim::HostFaults& host) {
    if (fault == nullptr) return;
    if (fault->probe_call != 0)
      host.fail_call(fault->probe_call);
    else
      host.fail_record({fault->record.tag, fault->record.first, fault->record.second, fault->load, fault->save});
  });
}

// What each page's own processing reads and writes: the page respaced alone.
std::vector<std::set<RecordKey>> records_of_each_page(const sim::ScoreFile& file, const structUserPrefs& prefs) {
  std::vector<std::set<RecordKey>> touched;
  for (int page = prefs.firstPage; page <= prefs.lastPage; ++page) {
    structUserPrefs alone = prefs;
    alone.firstPage = alone.lastPage = int16_t(page);
    const DriverRun run = run_with(file, alone, nullptr);
    std::set<RecordKey> records = run.loaded;
    records.insert(run.saved.begin(), run.saved.end());
    touched.push_back(records);
  }
  return touched;
}

std::string check_page(const sim::Score& before, const DriverRun& expected, const DriverRun& run, size_t i,
                       bool touched) {
  const faults::PageReport& got = run.reports[i];
  const faults::PageReport& want = expected.reports[i];
  const std::vector<int16_t> gaps = faults::page_gaps(run.after, got.page);
  const std::vector<int16_t> expected_gaps = faults::page_gaps(expected.after, got.page);
  const std::string page = "page " + std::to_string(got.page) + " (result " + std::to_string(got.result) + "): ";
  if (!touched && (got.result != want.result || gaps != expected_gaps))
    return page + "never touches the record, yet ends otherwise than the fault-free run (result " +
           std::to_string(want.result) + ")";
  if (got.result == 0 && gaps != expected_gaps) return page + "reported done with other gaps than the fault-free run";
  if (got.result != 0 && gaps != faults::page_gaps(before, got.page)) return page + "not done, yet its gaps changed";
  if (got.result != 0 && got.result != 2 && !got.box) return page + "not done, and no message box";
  if (got.box && got.credited != got.page)
    return page + "its box is credited to page " + std::to_string(got.credited);
  return {};
}

// A probe failing once may be met by any later page (counts are kept), so
// no page counts as untouched by it.
std::string check(const sim::ScoreFile& file, const DriverRun& clean, const std::vector<std::set<RecordKey>>& touched,
                  const Fault& fault, const DriverRun& run) {
  if (run.reports.size() != clean.reports.size()) return "not every page was reported";
  for (size_t i = 0; i < run.reports.size(); ++i) {
    const bool touches = fault.probe_call != 0 || touched[i].count(fault.record) > 0;
    const std::string problem = check_page(file.score, clean, run, i, touches);
    if (!problem.empty()) return problem;
  }
  return faults::damage(file.score, clean.after, run.after);
}

TEST(PersistentFaults, AFailingRecordStaysOnItsPagesWhichAreLeftAsTheyWereAndSaySo) {
  int runs = 0;
  for (const faults::Case& c : faults::property_cases()) {
    for (const Era& era : kEras) {
      sim::ScoreFile file = c.file;
      file.host_version = era.version_word;
      const DriverRun clean = run_with(file, c.prefs, nullptr);
      const std::vector<std::set<RecordKey>> touched = records_of_each_page(file, c.prefs);
      std::vector<Fault> faults;
      for (const RecordKey& record : clean.loaded) faults.push_back({record, true, false});
      // A record the run only reads fails to save to no effect.
      for (const RecordKey& record : clean.saved)
        faults.insert(faults.end(), {{record, false, true}, {record, true, true}});
      for (int64_t call : clean.probes) faults.push_back({{}, false, false, call});
      for (const Fault& fault : faults) {
        ++runs;
        const DriverRun run = run_with(file, c.prefs, &fault);
        ASSERT_EQ(check(file, clean, touched, fault, run), "") << c.name << ", host of " << era.name << ", "
                                                           << describe(fault);
      }
    }
  }
  EXPECT_GE(runs, 2000);
}

}  // namespace
