// One respacing run of the real plug-in in the simulated host, driven as an
// engraver drives it: the host loads the plug-in (Version, Init with the
// stored settings, Enumerate), the menu item is picked (Invoke) and the dialog
// opens; a person enters the settings given on the command line, presses
// Apply and closes the dialog; the host terminates the plug-in, which stores
// its settings in the (stand-in's) registry.
//
// What is reported is only what an engraver can see: each page of the range
// before and after, the host's alerts and the message boxes as they come. A
// box is credited to the page its text names, else to the page the run was
// at when it came up (sim/host/page_follower.h says how that is told).
//
// A score that declares host faults (declared_faults.h) gets them: the
// functions the host lacks and the failing records from the start, the
// failing call numbers counted from the press of Apply. The declared faults
// are told once as a note, and each host call made to fail is reported.
#ifndef SIM_CLI_PLUGIN_RUN_H
#define SIM_CLI_PLUGIN_RUN_H

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "globals/user_prefs.h"
#include "sim/cli/cli_options.h"
#include "sim/cli/settings_block.h"
#include "sim/host/page_follower.h"
#include "sim/host/plugin_session.h"
#include "sim/host/sim_host.h"
#include "sim/score/score_file.h"

namespace cli {

struct ShownBox {
  std::string caption;
  std::string text;
};

// A host call that failed because the score declared a fault.
struct FailedHostCall {
  std::string call;  // failed_call_text()
  int64_t number = 0;  // counted from the press of Apply; 0: before Apply
};

struct PageOutcome {
  int16_t page;
  std::optional<ShownBox> box;  // the message box the page raised
};

// One step of the host's conversation with the plug-in: an entry-point call
// or an action at the dialog, with the host functions called meanwhile,
// either in order (runs of the same function merged) or counted per function.
struct CallStep {
  std::string title;
  bool counted = false;
  std::vector<std::pair<std::string, int>> calls;
};

// What a run shows the user, in the order it happens.
struct RunWatcher {
  std::function<void(const std::string& alert)> on_alert;
  std::function<void(const ShownBox& box)> on_box;  // the box is answered with OK
  std::function<void(const std::string& note)> on_note;  // what the engraver did beside the settings
  std::function<void(const std::string& block)> on_settings;  // settings_block.h, once Apply has stored them
};

// The host holding a score, with the plug-in loaded into it. The view is put
// in page view (the dialog's Apply needs it) with a note to the watcher,
// unless `keep_view` (a session changes the view by its own steps).
class PluginAtHost {
 public:
  PluginAtHost(const sim::ScoreFile& file, const RunWatcher& watcher, bool keep_view = false);
  ~PluginAtHost();
  PluginAtHost(const PluginAtHost&) = delete;
  PluginAtHost& operator=(const PluginAtHost&) = delete;

  sim::Host& host() { return host_; }
  // Version, Init, Enumerate, Invoke; the dialog the plug-in opened.
  // Throws std::runtime_error when no dialog opened.
  HWND open_dialog();
  // The dialog the plug-in opened and that still exists, else null.
  HWND dialog() const { return session_ ? session_->dialog() : nullptr; }
  // A later pick of the menu item (Invoke); the dialog open after it, or null.
  HWND pick_menu_again();
  // Runs `action` as one step of the call listing.
  void step(const std::string& title, bool counted, const std::function<void()>& action);
  // Presses Close (when the dialog is still open), then Terminate.
  void close_and_terminate();
  // The page the run is at (sim/host/page_follower.h), 0 before any.
  int16_t page_at() const { return pages_.page(); }
  const std::vector<CallStep>& steps() const { return steps_; }
  // Starts counting host calls, arms the score's failing call numbers and
  // starts following the run's pages; called just before Apply is pressed.
  void arm_call_faults();
  const std::vector<FailedHostCall>& failed_calls() const { return failed_calls_; }

 private:
  void observe(const char* function, const sim::Args& args, FxWord result);
  sim::Host host_;
  const RunWatcher& watcher_;
  const sim::DeclaredFaults faults_;
  bool counting_from_apply_ = false;
  std::vector<FailedHostCall> failed_calls_;
  std::unique_ptr<sim::PluginSession> session_;
  std::vector<CallStep> steps_;
  size_t alerts_seen_ = 0;
  sim::PageFollower pages_;
  bool terminated_ = false;
};

struct RunOutcome {
  sim::Score before;  // the score as the host held it before the run
  sim::ScoreFile after;
  structUserPrefs applied{};  // the settings record the dialog stored on Apply
  std::vector<PageOutcome> pages;
  std::vector<ShownBox> boxes;
  std::vector<std::string> alerts;  // texts the plug-in asked the host to show
  std::vector<FailedHostCall> failed_calls;  std::vector<CallStep> steps;
  // The dialog as it stood when Apply was pressed: its text (dialog_view.h)
  // and its drawing (dialog_svg.h).
  std::string dialog_text;
  std::string dialog_svg;
};

// Runs the plug-in on the score with the stand-in's registry as it is (the
// caller loads it before and saves it after), entering `context.given`; the
// rest of `context` is filled in from the score. Throws UsageError naming the
// option and its accepted range when the dialog rejects a setting; the
// dialog is closed and the plug-in terminated first. The process's plug-in
// state is shared: one run at a time.
RunOutcome run_plugin(const sim::ScoreFile& file, SettingsContext context, const RunWatcher& watcher);

// The page a box's text names ("Page 3 was not processed."), else `fallback`.
int16_t page_named(const std::string& text, int16_t fallback);

// The context's unit, current page and page count, from the host holding the score.
void describe_score(const sim::ScoreFile& file, sim::Host& host, SettingsContext* context);

}  // namespace cli

#endif
