#include "sim/cli/plugin_run.h"

#include <cstdio>
#include <map>
#include <stdexcept>

#include "platform/posix/testing.h"
#include "globals/toolkit_globals.h"
#include "globals/user_prefs.h"
#include "sim/cli/declared_faults.h"
#include "sim/cli/dialog_entry.h"
#include "sim/cli/dialog_svg.h"
#include "sim/cli/dialog_view.h"
#include "sim/cli/session_run.h"
#include "sim/cli/session_steps.h"
#include "sim/host/exports.h"
#include "sim/host/page_follower.h"
#include "sim/score/score_options.h"
#include "sim/ui/person.h"
#include "sim/ui/units.h"
#include "ui/respacing_dialog_ids.h"

namespace cli {
namespace {

void set_up_host(sim::Host& host, const sim::ScoreFile& file, const RunWatcher& watcher, bool keep_view) {
  host.score() = file.score;
  host.set_version_word(file.host_version);
  host.set_document_open(file.view.document_open);
  host.set_page_view(file.view.page_view);
  host.set_current_page(file.view.current_page);
  // The dialog follows the host's view and allows Apply only in page view, so
  // an engraver looking at the score in scroll view switches first.
  if (file.view.document_open && !file.view.page_view && !keep_view) {
    const int16_t page = file.view.current_page > 0 ? file.view.current_page : 1;
    host.set_page_view(true);
    host.set_current_page(page);
    if (watcher.on_note) watcher.on_note("The score is shown in scroll view: switched the host to page view, page " +
                                         std::to_string(page) + ".");
  }
}

}  // namespace

int16_t page_named(const std::string& text, int16_t fallback) {
  size_t at = text.find("Page ");
  if (at == std::string::npos) at = text.find("page ");
  int page = 0;
  if (at != std::string::npos && std::sscanf(text.c_str() + at + 5, "%d", &page) == 1) return int16_t(page);
  return fallback;
}

PluginAtHost::PluginAtHost(const sim::ScoreFile& file, const RunWatcher& watcher, bool keep_view)
    : watcher_(watcher), faults_(file.host_faults) {
  if (!faults_.empty() && watcher.on_note) watcher.on_note(declared_faults_note(faults_));
  set_up_host(host_, file, watcher, keep_view);
  sim::install(host_, install_options(faults_));
  arm_records(faults_, host_.faults());
  host_.set_call_observer(
      [this](const char* function, const sim::Args& args, FxWord result) { observe(function, args, result); });
  standin::clear_message_boxes();
  standin::clear_beeps();
  session_ = std::make_unique<sim::PluginSession>(host_);
}

PluginAtHost::~PluginAtHost() {
  host_.set_call_observer({});
  standin::set_message_box_observer({});
}

void PluginAtHost::observe(const char* function, const sim::Args& args, FxWord result) {
  if (!steps_.empty()) {
    CallStep& step = steps_.back();
    if (!step.counted && !step.calls.empty() && step.calls.back().first == function)
      ++step.calls.back().second;
    else if (!step.counted)
      step.calls.emplace_back(function, 1);
    else {
      bool found = false;
      for (auto& call : step.calls)
        if (call.first == function) found = (++call.second, true);
      if (!found) step.calls.emplace_back(function, 1);
    }
  }
  pages_.observe(function, args, result);
  const std::vector<sim::FailedCall>& failed = host_.faults().failed();
  for (size_t i = failed_calls_.size(); i < failed.size(); ++i)
    failed_calls_.push_back(FailedHostCall{failed_call_text(failed[i]), counting_from_apply_ ? host_.faults().calls() : 0});
  const std::vector<std::string>& alerts = host_.alerts();
  for (; alerts_seen_ < alerts.size(); ++alerts_seen_)
    if (watcher_.on_alert) watcher_.on_alert(alerts[alerts_seen_]);
}

void PluginAtHost::step(const std::string& title, bool counted, const std::function<void()>& action) {
  steps_.push_back(CallStep{title, counted, {}});
  action();
}

void PluginAtHost::arm_call_faults() {
  pages_.start();
  arm_calls(faults_, host_.faults());
  counting_from_apply_ = true;
}

HWND PluginAtHost::open_dialog() {
  step("Version", false, [this] { session_->version(); });
  step("Init", false, [this] { session_->init(); });
  size_t items = 0;
  step("Enumerate", false, [this, &items] { items = session_->enumerate().size(); });
  steps_.back().title += " (" + std::to_string(items) + (items == 1 ? " menu item)" : " menu items)");
  step("Invoke", false, [this] { session_->invoke(); });
  const HWND dialog = session_->dialog();
  if (dialog == nullptr)
    throw std::runtime_error(faults_.empty() ? "the plug-in opened no dialog (is the score's document open?)"
                                             : "the plug-in opened no dialog (is the score's document open? the "
                                               "score also declares host faults)");
  return dialog;
}

HWND PluginAtHost::pick_menu_again() {
  step("Invoke", false, [this] { session_->invoke(); });
  return session_->dialog();
}

void PluginAtHost::close_and_terminate() {
  if (terminated_) return;
  const HWND dialog = session_->dialog();
  if (dialog != nullptr) {
    sim::Person person(dialog);
    if (person.enabled(IDC_CLOSE)) step("Close", false, [&person] { person.click(IDC_CLOSE); });
  }
  step("Terminate", false, [this] { session_->terminate(); });
  terminated_ = true;
}

void describe_score(const sim::ScoreFile& file, sim::Host& host, SettingsContext* context) {
  context->unit = sim::unit(file.score).value_or(sim::kUnitInches);
  context->current_page = host.view().current_page;
  context->page_count = int(file.score.pages.size());
}

RunOutcome run_plugin(const sim::ScoreFile& file, SettingsContext context, const RunWatcher& watcher) {
  const RespaceSettings& settings = context.given;
  RunOutcome outcome;
  // A short session: the menu pick, the settings entered, Apply, the end.
  SessionRun session(file, watcher, false);
  PluginAtHost& run = session.plugin();
  sim::Host& host = run.host();
  outcome.before = host.score();
  sim::Person person(session.pick_menu());
  describe_score(file, host, &context);
  const structUserPrefs loaded = UserPrefs;
  run.step("The settings entered", false, [&] { enter_settings(person, settings, context.unit); });
  if (!person.enabled(IDC_APPLY)) {
    session.finish();
    throw std::runtime_error("the dialog's Apply button is disabled (the host shows no page)");
  }
  outcome.dialog_text = dialog_text(person.dialog());
  outcome.dialog_svg = dialog_svg(person.dialog());
  const size_t beeps = standin::beeps().size();
  run.arm_call_faults();
  run.step("Apply (the respacing run; host calls counted)", true,
           [&] { act(session, {"click", std::to_string(IDC_APPLY)}); });
  if (standin::beeps().size() > beeps) {
    // A declared fault can make the dialog refuse what it would take otherwise.
    std::vector<std::string> failed;
    for (const FailedHostCall& call : run.failed_calls())
      if (call.number > 0) failed.push_back(call.call + ": call " + std::to_string(call.number) + " after Apply");
    const std::string message = rejection_message(person, settings, file, failed) +
                                (file.host_faults.empty() || !failed.empty() ? "" : " (the score declares host faults)");
    session.finish();
    throw UsageError(message);
  }
  outcome.applied = UserPrefs;
  if (watcher.on_settings) watcher.on_settings(settings_block(person, context, loaded, &outcome.applied));
  std::map<int16_t, ShownBox> box_of_page;
  for (const SessionRun::SeenBox& seen : session.boxes()) {
    outcome.boxes.push_back(seen.box);
    box_of_page.emplace(seen.page, seen.box);
  }
  for (int page = outcome.applied.firstPage; page <= outcome.applied.lastPage; ++page) {
    const auto box = box_of_page.find(int16_t(page));
    outcome.pages.push_back(PageOutcome{int16_t(page), box == box_of_page.end() ? std::nullopt
                                                                                 : std::optional<ShownBox>(box->second)});
  }
  session.finish();
  outcome.steps = run.steps();
  outcome.alerts = host.alerts();
  outcome.failed_calls = run.failed_calls();
  outcome.after = file;
  outcome.after.score = host.score();
  outcome.after.view.page_view = host.view().page_view;
  outcome.after.view.current_page = host.view().current_page;
  return outcome;
}

}  // namespace cli
