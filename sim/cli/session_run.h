// The plug-in in the simulated host as a session drives it, from the menu
// pick on: `session`, `respace` and `dialog` all open, act on and close the
// dialog through it, so the three commands cannot drift apart.
#ifndef SIM_CLI_SESSION_RUN_H
#define SIM_CLI_SESSION_RUN_H

#include <cstdint>
#include <vector>

#include "sim/cli/plugin_run.h"
#include "sim/ui/person.h"

namespace cli {

// The plug-in in the simulated host, from the menu pick on. Message boxes
// are answered with OK and kept with the page they belong to (the page their
// text names, else the page the run was at).
class SessionRun {
 public:
  struct SeenBox {
    ShownBox box;
    int16_t page = 0;
  };

  // `keep_view`: the host shows the score as the file says, scroll view included.
  SessionRun(const sim::ScoreFile& file, const RunWatcher& watcher, bool keep_view);
  ~SessionRun();
  SessionRun(const SessionRun&) = delete;
  SessionRun& operator=(const SessionRun&) = delete;

  PluginAtHost& plugin() { return plugin_; }
  sim::Host& host() { return plugin_.host(); }
  // The score file the host holds now, and its score as it was when the host took it.
  const sim::ScoreFile& file() const { return file_; }
  const sim::Score& before() const { return before_; }
  // Another document becomes the host's active one.
  void hold(const sim::ScoreFile& file);

  // A pick of the plug-in's menu item: the first loads the plug-in (Version,
  // Init, Enumerate) and invokes it; a later one invokes it again. Answers
  // the open dialog, or null. Throws std::runtime_error when the first opened none.
  HWND pick_menu();
  HWND dialog() const { return plugin_.dialog(); }
  // A person at the open dialog; throws std::invalid_argument when none is open.
  sim::Person person() const;
  // Presses Close when the dialog is open, then Terminate.
  void finish() { plugin_.close_and_terminate(); }

  const std::vector<SeenBox>& boxes() const { return boxes_; }

 private:
  sim::ScoreFile file_;
  sim::Score before_;
  PluginAtHost plugin_;
  const RunWatcher& watcher_;
  bool loaded_ = false;
  std::vector<SeenBox> boxes_;
};

}  // namespace cli

#endif
