#include "support/fault_cases.h"

#include <cstring>
#include <filesystem>
#include <string_view>

#include "engine/page_driver.h"
#include "platform/posix/testing.h"
#include "globals/toolkit_globals.h"
#include "sim/host/exports.h"
#include "sim/host/page_follower.h"
#include "sim/host/sim_host.h"
#include "sim/score/demo_score.h"
#include "sim/score/score_options.h"
#include "ui/message_boxes.h"

namespace faults {

namespace {

namespace fs = std::filesystem;

fs::path examples_dir() { return fs::path(__FILE__).parent_path().parent_path().parent_path() / "examples"; }

structUserPrefs all_pages(int16_t last, int16_t compact, int16_t single) {
  return structUserPrefs{0, 1, last, 0, 0, 0, 0, single, -32768, -32768, compact};
}

std::string text_of(const sim::Score& score) {
  sim::ScoreFile file;
  file.score = score;
  return sim::score_file_text(file);
}

std::vector<PageReport>* reports = nullptr;
const sim::PageFollower* follower = nullptr;

void record_report(HWND owner, int16_t page, int16_t result) {
  const size_t boxes = standin::message_boxes().size();
  KVTR_UI_ReportPageResult(owner, page, result);
  const bool box = standin::message_boxes().size() > boxes;
  reports->push_back({page, result, box, box ? follower->page() : int16_t{0}});
}

// Records the loads into a buffer, the probes and the saves the run asks of
// the host, and follows its pages as the simulator does.
sim::CallObserver watch(DriverRun* run, sim::PageFollower* pages, const sim::HostFaults* faults) {
  return [run, pages, faults](const char* function, const sim::Args& args, FxWord result) {
    pages->observe(function, args, result);
    const std::string_view name = function;
    if (name == "FX_LoadEData" && args.size() > 2 && args[2] == 0) run->probes.push_back(faults->calls());
    const bool load = name == "FX_LoadEData" && args.size() > 2 && args[2] != 0;
    if ((!load && name != "FX_SaveEData") || args.size() < 2 || args[1] == 0) return;
    int16_t key[2];
    std::memcpy(key, reinterpret_cast<const void*>(args[1]), sizeof key);
    (load ? run->loaded : run->saved).insert(RecordKey{uint32_t(args[0]), key[0], key[1]});
  };
}

}  // namespace

DriverRun run_driver(const sim::ScoreFile& file, const structUserPrefs& prefs, int64_t call_limit,
                     const std::function<void(sim::HostFaults&)>& arm) {
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
  sim::PageFollower pages;
  reports = &run.reports;
  follower = &pages;
  host.set_call_observer(watch(&run, &pages, &host.faults()));
  host.faults().set_call_limit(call_limit);
  if (arm) arm(host.faults());
  host.faults().start_counting();
  structUserPrefs run_prefs = prefs;
  KVTR_StartProcess(host.main_window(), &run_prefs, record_report);
  host.set_call_observer({});
  reports = nullptr;
  follower = nullptr;
  run.after = host.score();
  run.calls = host.faults().calls();
  run.limit_reached = host.faults().limit_reached();
  standin::clear_message_boxes();
  return run;
}

std::vector<Case> property_cases() {
  std::vector<Case> chosen;
  for (const Case& c : cases())
    if (c.name.find(' ') == std::string::npos || c.name.find(" keep-gaps-compact") != std::string::npos) chosen.push_back(c);
  for (const char* name : {"fault-old-system-load", "fault-old-lone-system"}) {
    sim::ScoreFile file = sim::load_score_file((examples_dir() / (std::string(name) + ".json")).string());
    file.host_faults = {};
    const int16_t last = int16_t(file.score.pages.size());
    Case plain{name, file, all_pages(last, 0, 2)};
    Case every = plain;
    every.name += " keep-gaps-compact";
    every.prefs.keepTopmostStill = every.prefs.includeGaps = every.prefs.compact = 1;
    chosen.insert(chosen.end(), {plain, every});
  }
  return chosen;
}

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

std::vector<int16_t> page_gaps(const sim::Score& score, int16_t page) {
  std::vector<int16_t> gaps;
  for (const sim::StaffSystem& system : score.systems)
    if (system.page == page) gaps.push_back(system.gap);
  return gaps;
}

std::string damage(const sim::Score& before, const sim::Score& clean, const sim::Score& after) {
  if (after.systems.size() != before.systems.size()) return "the number of systems changed";
  sim::Score gaps_as_before = after;
  for (size_t i = 0; i < after.systems.size(); ++i) {
    const int16_t gap = after.systems[i].gap;
    if (gap != before.systems[i].gap && gap != clean.systems[i].gap)
      return "system " + std::to_string(i + 1) + " got gap " + std::to_string(gap);
    gaps_as_before.systems[i].gap = before.systems[i].gap;
  }
  if (text_of(gaps_as_before) != text_of(before)) return "a record changed beyond the gaps";
  return {};
}

}  // namespace faults
