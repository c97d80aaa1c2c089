// Fails every host call of a whole session in turn, as an engraver meets it:
// the host loads the plug-in (Version, Init, Enumerate), the menu item is
// picked (Invoke: the dialog opens), Apply is pressed, the dialog is closed
// and the host terminates the plug-in. After each run: the session ended
// within a bound of host calls; the settings stored at the end are ones the
// dialog could have read from what the host answered; the score holds nothing
// but gaps, each as before or as a fault-free run with the settings Apply
// used leaves it; and the host's main window is handed back.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/posix/testing.h"
#include "settings/registry_settings.h"
#include "globals/user_prefs.h"
#include "sim/host/exports.h"
#include "sim/host/plugin_session.h"
#include "sim/host/sim_host.h"
#include "sim/ui/person.h"
#include "support/fault_cases.h"
#include "ui/respacing_dialog_ids.h"

namespace {

using faults::Case;

struct SessionRun {
  sim::Score after;
  structUserPrefs applied{};              // the settings after Apply
  std::optional<structUserPrefs> stored;  // the settings in the registry at the end
  bool window_restored = false;
  int64_t calls = 0;
  bool limit_reached = false;
  std::string failed;  // the host functions made to fail, for messages
};

void press_if_enabled(HWND dialog, int id) {
  if (dialog == nullptr || !IsWindow(dialog)) return;
  sim::Person person(dialog);
  if (person.enabled(id)) person.click(id);
}

template <typename Arm>
SessionRun run_session(const Case& c, int64_t call_limit, Arm arm) {
  standin::reset();
  sim::Host host;
  host.score() = c.file.score;
  host.set_version_word(c.file.host_version);
  host.set_page_view(true);
  host.set_current_page(1);
  sim::install(host);
  structUserPrefs stored = c.prefs;
  KVTR_REG_SaveSettings(&stored);
  const LONG_PTR host_window_proc = GetWindowLongPtrA(host.main_window(), GWLP_WNDPROC);

  host.faults().set_call_limit(call_limit);
  arm(host.faults());
  host.faults().start_counting();
  SessionRun run;
  {
    sim::PluginSession session(host);
    session.version();
    session.init();
    session.enumerate();
    session.invoke();
    press_if_enabled(session.dialog(), IDC_APPLY);
    run.applied = UserPrefs;
    press_if_enabled(session.dialog(), IDC_CLOSE);
    session.terminate();
  }
  run.after = host.score();
  structUserPrefs read{};
  if (KVTR_REG_LoadSettings(&read) == ERROR_SUCCESS) run.stored = read;
  run.window_restored = GetWindowLongPtrA(host.main_window(), GWLP_WNDPROC) == host_window_proc;
  run.calls = host.faults().calls();
  run.limit_reached = host.faults().limit_reached();
  for (const sim::FailedCall& call : host.faults().failed()) {
    run.failed += std::string(sim::export_table()[call.index].name) + " ";
  }
  standin::clear_message_boxes();
  return run;
}

// The stored settings are ones the dialog could have read from what the host
// answered: a valid page range, choices and margins (-100..700 and 0..300
// EVPU), and the dialog's place as stored before the session or as a
// fault-free session stores it.
std::string settings_damage(const structUserPrefs& before, const structUserPrefs& clean, const structUserPrefs& after) {
  const auto one_of = [](int16_t value, int16_t a, int16_t b) { return value == a || value == b; };
  const auto within = [](int16_t value, int16_t low, int16_t high) { return value >= low && value <= high; };
  // All pages of a host that counts none is the empty range 1..0.
  if (!within(after.processRange, 0, 3) || after.firstPage < 1 || after.lastPage < after.firstPage - 1)
    return "stored an invalid page range";
  if (!within(after.keepTopmostStill, 0, 1) || !within(after.includeGaps, 0, 1) || !within(after.compact, 0, 1) ||
      !within(after.singleSystems, 0, 3))
    return "stored an invalid choice";
  // A field the host failed to fill reads as empty, which is 0.
  if (!within(after.extraTopMargin, -100, 700) || !within(after.extraBottomMargin, 0, 300))
    return "stored a margin outside the dialog's limits";
  if (!one_of(after.dialogLeft, before.dialogLeft, clean.dialogLeft) ||
      !one_of(after.dialogTop, before.dialogTop, clean.dialogTop))
    return "stored a dialog place of its own";
  return {};
}

std::string check(const Case& c, const SessionRun& clean, const SessionRun& run) {
  if (run.limit_reached) return "more than the call limit: the session kept calling the host";
  if (!run.window_restored) return "the host's main window was not handed back";
  if (!run.stored) return "no settings stored at the end";
  const std::string settings = settings_damage(c.prefs, *clean.stored, *run.stored);
  if (!settings.empty()) return settings;
  // What the applied settings do to the score without faults (most runs apply
  // the same settings, so the answers are kept).
  static std::map<std::string, sim::Score> applied;
  const std::string key = c.name + std::string(reinterpret_cast<const char*>(&run.applied), sizeof run.applied);
  if (applied.count(key) == 0) {
    sim::ScoreFile shown = c.file;
    shown.view.page_view = true;
    applied[key] = faults::run_driver(shown, run.applied, 0).after;
  }
  return faults::damage(c.file.score, applied[key], run.after);
}

TEST(SessionFaultInjection, EveryFailedHostCallOfASessionLeavesScoreSettingsAndHostWindowSound) {
  const std::vector<Case> all = faults::cases();
  std::vector<SessionRun> clean;
  int64_t total = 0;
  for (const Case& c : all) {
    clean.push_back(run_session(c, 0, [](sim::HostFaults&) {}));
    ASSERT_EQ(check(c, clean.back(), clean.back()), "") << c.name;
    total += clean.back().calls;
  }
  // About 3,000 runs in all, every call when the sessions are short.
  const int64_t step = std::max<int64_t>(1, total / 3000);
  int runs = 0;
  for (size_t k = 0; k < all.size(); ++k) {
    const int64_t limit = 100 * clean[k].calls + 100000;
    for (int64_t n = 1 + int64_t(k) % step; n <= clean[k].calls; n += step, ++runs) {
      const SessionRun run = run_session(all[k], limit, [n](sim::HostFaults& f) { f.fail_call(n); });
      ASSERT_EQ(check(all[k], clean[k], run), "")
          << all[k].name << ", host call " << n << " of the session failed: " << run.failed;
    }
  }
  EXPECT_GE(runs, 2000);
}

}  // namespace
