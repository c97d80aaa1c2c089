#include "sim/cli/dialog_view.h"

#include <stdexcept>
#include <string>

#include "platform/posix/testing.h"
#include "globals/toolkit_globals.h"
#include "sim/cli/commands.h"
#include "sim/cli/dialog_svg.h"
#include "sim/cli/output_files.h"
#include "sim/cli/plugin_run.h"
#include "sim/cli/registry_file.h"
#include "sim/cli/session_run.h"
#include "sim/cli/settings_block.h"
#include "globals/user_prefs.h"
#include "sim/host/exports.h"
#include "sim/host/plugin_session.h"
#include "sim/host/sim_host.h"
#include "sim/render/windows_1252.h"
#include "sim/score/score_file.h"
#include "sim/ui/person.h"
#include "ui/respacing_dialog_ids.h"

namespace cli {
namespace {

enum Kind { GROUP, RADIO, CHECK, EDIT, LABEL, BUTTON };

struct Control {
  int id;
  Kind kind;
};

// The controls a person sees, in the template's order (the up-downs are the
// arrows beside their edits and show no text of their own).
constexpr Control kControls[] = {
    {IDC_PROCESS_RANGE_GROUP, GROUP}, {IDC_CURRENT_PAGE, RADIO},    {IDC_ALL_PAGES, RADIO},
    {IDC_SINGLE_PAGE, RADIO},         {IDC_SELECTED_PAGES, RADIO},  {IDC_FROM_PAGE, EDIT},
    {IDC_TO_LABEL, LABEL},            {IDC_TO_PAGE, EDIT},          {IDC_MARGINS_GROUP, GROUP},
    {IDC_TOP_LABEL, LABEL},           {IDC_TOP_MARGIN, EDIT},       {IDC_BOTTOM_LABEL, LABEL},
    {IDC_BOTTOM_MARGIN, EDIT},        {IDC_MULTIPLE_SYSTEMS_GROUP, GROUP}, {IDC_KEEP_TOPMOST, CHECK},
    {IDC_INCLUDE_GAPS, CHECK},        {IDC_COMPACT, CHECK},         {IDC_SINGLE_SYSTEMS_GROUP, GROUP},
    {IDC_LEAVE_ALONE, RADIO},         {IDC_PLACE_TOP, RADIO},       {IDC_PLACE_CENTER, RADIO},
    {IDC_PLACE_BOTTOM, RADIO},        {IDC_APPLY, BUTTON},          {IDC_CLOSE, BUTTON},
};

std::string control_line(const sim::Person& person, const Control& c) {
  std::string line;
  switch (c.kind) {
    case GROUP: return person.text(c.id) + "\n";
    case RADIO: line = std::string("  (") + (person.checked(c.id) ? "o" : " ") + ") " + person.text(c.id); break;
    case CHECK: line = std::string("  [") + (person.checked(c.id) ? "x" : " ") + "] " + person.text(c.id); break;
    case EDIT: line = "    [" + person.text(c.id) + "]"; break;
    case LABEL: line = "  " + person.text(c.id); break;
    case BUTTON: line = "<" + person.text(c.id) + ">"; break;
  }
  return line + (person.enabled(c.id) ? "" : "   (disabled)") + "\n";
}

}  // namespace

uint16_t language_id(int language) {
  static const uint16_t kIds[] = {0x0409, 0x0809, 0x0407, 0x0410, 0x040C, 0x0C0A, 0x0816,
                                  0x041D, 0x040B, 0x0413, 0x0813, 0x0406, 0x0414};
  if (language < 0 || language > 12) throw UsageError("--language: " + std::to_string(language) + " is outside 0..12");
  return kIds[language];
}

std::string dialog_text(HWND dialog) {
  const sim::Person person(dialog);
  char caption[256] = {};
  GetWindowTextA(dialog, caption, int(sizeof caption));
  std::string text = std::string(caption) + "\n";
  for (const Control& c : kControls) text += control_line(person, c);
  return sim::utf8_from_windows_1252(text);
}

int run_dialog(const DialogCommand& command, std::ostream& out) {
  const sim::ScoreFile file = load_score_to_run(command.score_path);
  const OutputPlan plan = plan_outputs(command.score_path, {{command.svg_path, "--svg"}});
  load_registry_file(command.registry);
  if (command.language >= 0) standin::set_ui_language(language_id(command.language));
  RunWatcher watcher;
  watcher.on_note = [&out](const std::string& note) { out << note << "\n"; };
  watcher.on_alert = [&out](const std::string& alert) { out << "Host alert: " << alert << "\n"; };
  SettingsContext context;
  context.stored = settings_stored();
  context.registry = command.registry.path;
  SessionRun session(file, watcher, false);  // a short session: the menu pick, a look, the end
  const HWND dialog = session.pick_menu();
  describe_score(file, session.host(), &context);
  out << dialog_text(dialog) << "\n"
      << settings_block(sim::Person(dialog), context, UserPrefs, nullptr);
  const std::string svg = command.svg_path.empty() ? "" : dialog_svg(dialog);
  session.finish();  // the dialog only looked at: the stored settings stay as they were
  if (!command.svg_path.empty()) write_outputs(plan, {{"--svg", svg}}, out);
  return 0;
}

}  // namespace cli
