// One respacing run of the real plug-in in the simulated host, driven as the
// host would drive it: the host holds the score and its view, the plug-in is
// told the host's version word (what the host passes when it loads it), the
// settings record is filled, and the page driver runs over the range with the
// plug-in's own page-result messages.
#ifndef SIM_CLI_PLUGIN_RUN_H
#define SIM_CLI_PLUGIN_RUN_H

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "shell/user_prefs.h"
#include "sim/score/score_file.h"

namespace cli {

struct PageOutcome {
  int16_t page;
  int16_t result;  // the page driver's result code (engine/page_results.h)
};

struct ShownBox {
  std::string caption;
  std::string text;
};

struct RunOutcome {
  sim::Score before;  // the score as the host held it before the run
  sim::ScoreFile after;
  std::vector<PageOutcome> pages;
  std::vector<ShownBox> boxes;
  std::vector<std::string> alerts;  // texts the plug-in asked the host to show
  // Host calls of the run by function, most frequent first.
  std::vector<std::pair<std::string, int>> calls;
};

// What a run shows the user, in the order it happens: the host's alerts that
// processing a page raised, then that page's message box, if any.
struct RunWatcher {
  std::function<void(const std::string& alert)> on_alert;
  std::function<void(const ShownBox& box)> on_box;  // the box is answered with OK
};

// Runs the page driver over prefs' page range. The process's plug-in state
// (bound host functions, UserPrefs) is shared: one run at a time.
RunOutcome run_plugin(const sim::ScoreFile& file, const structUserPrefs& prefs, const RunWatcher& watcher);

}  // namespace cli

#endif
