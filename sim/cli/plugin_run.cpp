#include "sim/cli/plugin_run.h"

#include <algorithm>

#include "engine/page_driver.h"
#include "platform/posix/testing.h"
#include "shell/toolkit_globals.h"
#include "sim/host/exports.h"
#include "sim/host/sim_host.h"
#include "ui/message_boxes.h"

namespace cli {
namespace {

// The page driver reports through a plain function, so the run in progress
// is reached through this record while KVTR_StartProcess runs.
struct RunInProgress {
  sim::Host* host;
  RunOutcome* outcome;
  const RunWatcher* watcher;
};
RunInProgress* current_run = nullptr;

void pass_on_new_alerts(RunInProgress& run) {
  const std::vector<std::string>& alerts = run.host->alerts();
  while (run.outcome->alerts.size() < alerts.size()) {
    run.outcome->alerts.push_back(alerts[run.outcome->alerts.size()]);
    if (run.watcher->on_alert) run.watcher->on_alert(run.outcome->alerts.back());
  }
}

void report_page(HWND owner, int16_t page, int16_t result) {
  if (current_run != nullptr) {
    current_run->outcome->pages.push_back(PageOutcome{page, result});
    pass_on_new_alerts(*current_run);
  }
  KVTR_UI_ReportPageResult(owner, page, result);
}

void set_up_host(sim::Host& host, const sim::ScoreFile& file) {
  host.score() = file.score;
  host.set_version_word(file.host_version);
  host.set_document_open(file.view.document_open);
  host.set_page_view(file.view.page_view);
  host.set_current_page(file.view.current_page);
}

std::vector<std::pair<std::string, int>> call_counts(const sim::CallLog& log) {
  std::vector<std::pair<std::string, int>> calls;
  for (size_t i = 0; i < sim::export_count(); ++i) {
    const char* name = sim::export_table()[i].name;
    if (log.count(name) > 0) calls.emplace_back(name, log.count(name));
  }
  std::stable_sort(calls.begin(), calls.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
  return calls;
}

}  // namespace

RunOutcome run_plugin(const sim::ScoreFile& file, const structUserPrefs& prefs, const RunWatcher& watcher) {
  RunOutcome outcome;
  sim::Host host;
  set_up_host(host, file);
  sim::install(host);
  PDKTOOLS_StoreVersion(int32_t(file.host_version));
  HWND owner = host.main_window();

  standin::clear_message_boxes();
  standin::set_message_box_observer([&outcome, &watcher](const standin::MessageBoxRecord& box) {
    outcome.boxes.push_back(ShownBox{box.caption, box.text});
    if (watcher.on_box) watcher.on_box(outcome.boxes.back());
  });
  outcome.before = host.score();
  host.log().clear();
  UserPrefs = prefs;
  RunInProgress run{&host, &outcome, &watcher};
  current_run = &run;
  KVTR_StartProcess(owner, &UserPrefs, report_page);
  pass_on_new_alerts(run);
  current_run = nullptr;
  standin::clear_message_boxes();

  outcome.calls = call_counts(host.log());
  outcome.after = file;
  outcome.after.score = host.score();
  return outcome;
}

}  // namespace cli
