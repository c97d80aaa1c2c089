#include "sim/cli/commands.h"

#include <filesystem>
#include <map>

#include "sim/cli/output_files.h"
#include "sim/cli/plugin_run.h"
#include "sim/cli/registry_file.h"
#include "sim/cli/run_report.h"
#include "sim/cli/session_play.h"
#include "sim/cli/settings_block.h"
#include "sim/render/svg_pages.h"
#include "sim/score/demo_score.h"

namespace cli {
namespace {

struct Outputs {
  std::string score_path;
  std::string svg_path;
  std::string dialog_svg_path;  // the dialog as Apply was pressed; empty: not drawn
  std::string title;
  RegistryChoice registry;
};

std::string svg_of(const RunOutcome& outcome, const std::string& title) {
  sim::SvgOptions options;
  options.title = title;
  options.first_page = outcome.applied.firstPage;
  options.last_page = outcome.applied.lastPage;
  options.extra_top = outcome.applied.extraTopMargin;
  options.extra_bottom = outcome.applied.extraBottomMargin;
  for (const PageOutcome& page : outcome.pages) options.notes[page.page] = page_note(page);
  return sim::before_after_svg(outcome.before, outcome.after.score, outcome.after.host_version, options);
}

// Every file the run may write, checked before it starts.
OutputPlan plan_of(const std::string& input, const Outputs& outputs) {
  return plan_outputs(input, {{outputs.score_path, "-o", false, true},
                              {outputs.svg_path, "--svg"},
                              {outputs.dialog_svg_path, "dialog.svg"},
                              {outputs.registry.path, "--registry", true}});
}

// Runs the plug-in through its dialog, prints the settings it used, the host's
// alerts and the message boxes in their order and then the report, and writes the outputs
// that were asked for and the registry file, all of them or none. A setting
// the dialog rejects throws before anything is written.
int respace(const sim::ScoreFile& file, const RespaceSettings& settings, const Outputs& outputs,
            const OutputPlan& plan, bool show_calls, std::ostream& out) {
  // The settings block comes once Apply has stored the settings; what the
  // host showed meanwhile follows it, in its order.
  std::string held;
  bool block_shown = false;
  const auto say = [&](const std::string& line) {
    if (block_shown) out << line;
    else held += line;
  };
  RunWatcher watcher;
  watcher.on_alert = [&](const std::string& alert) { say("Host alert: " + alert + "\n"); };
  watcher.on_box = [&](const ShownBox& box) { say("Message box " + box_quote(box) + "\n"); };
  watcher.on_note = [&out](const std::string& note) { out << note << "\n"; };
  watcher.on_settings = [&](const std::string& block) {
    out << block << held;
    block_shown = true;
  };
  load_registry_file(outputs.registry);
  SettingsContext context;
  context.given = settings;
  context.stored = settings_stored();
  context.registry = outputs.registry.path;
  RunOutcome outcome;
  try {
    outcome = run_plugin(file, context, watcher);
  } catch (...) {
    if (!block_shown) out << held;
    throw;
  }
  if (!outputs.dialog_svg_path.empty()) out << "The dialog as Apply was pressed:\n" << outcome.dialog_text;
  out << page_report(outcome);
  out << failed_calls_report(file.host_faults, outcome.failed_calls);
  if (show_calls) out << calls_table(outcome.steps);
  std::map<std::string, std::string> texts;
  if (!outputs.score_path.empty()) texts["-o"] = sim::score_file_text(outcome.after);
  if (!outputs.svg_path.empty()) texts["--svg"] = svg_of(outcome, outputs.title);
  if (!outputs.dialog_svg_path.empty()) texts["dialog.svg"] = outcome.dialog_svg;
  if (!outputs.registry.path.empty()) texts["--registry"] = registry_file_text(outputs.registry);
  write_outputs(plan, texts, out);
  return outcome.boxes.empty() ? 0 : 1;
}

}  // namespace

sim::ScoreFile load_score_to_run(const std::string& path) {
  sim::ScoreFile file = sim::load_score_file(path);
  if (file.score.pages.empty())
    throw sim::ScoreFileError(path == "-" ? sim::kStandardInputName : path, "pages",
                              "the score has no pages: there is nothing to open the dialog over");
  return file;
}

int run_respace(const RespaceCommand& command, std::ostream& out) {
  const sim::ScoreFile file = load_score_to_run(command.score_path);
  const std::string name = command.score_path == "-" ? sim::kStandardInputName
                                                    : std::filesystem::path(command.score_path).filename().string();
  const Outputs outputs{command.output_path, command.svg_path, "", name + ", respaced", command.registry};
  return respace(file, command.settings, outputs, plan_of(command.score_path, outputs), command.show_calls, out);
}

int run_session(const SessionCommand& command, std::ostream& out, std::ostream& err) {
  const sim::ScoreFile file = load_score_to_run(command.score_path);
  const std::vector<ScriptLine> lines = split_script(read_script(command.script_path));
  const OutputPlan plan = plan_outputs(command.score_path, {{command.output_path, "-o", false, true},
                                                            {command.svg_path, "--svg"},
                                                            {command.registry.path, "--registry", true}});
  load_registry_file(command.registry);
  SessionOptions options;
  options.show_calls = command.show_calls;
  options.draw = !command.svg_path.empty();
  options.folder = command.script_path == "-" ? "" : std::filesystem::path(command.script_path).parent_path().string();
  options.score_name = std::filesystem::path(command.score_path).filename().string();
  const SessionOutcome outcome = play_session(file, lines, options);
  out << outcome.transcript;
  std::map<std::string, std::string> texts;
  if (!command.output_path.empty()) texts["-o"] = sim::score_file_text(outcome.after);
  if (!command.svg_path.empty()) texts["--svg"] = stacked_svg(outcome.frames);
  if (!command.registry.path.empty()) texts["--registry"] = registry_file_text(command.registry);
  write_outputs(plan, texts, out);
  if (outcome.failure.empty()) return 0;
  out.flush();
  err << "dunvaro-sim: " << outcome.failure << "\n";
  return 1;
}

int run_demo(const DemoCommand& command, std::ostream& out) {
  const std::filesystem::path dir(command.out_dir);
  const sim::ScoreFile file = sim::demo_score();
  const std::string input = (dir / "demo-score.json").string();
  // The demo keeps its own settings beside its files and starts afresh, so it
  // never reads the user's.
  const Outputs outputs{(dir / "demo-respaced.json").string(), (dir / "demo.svg").string(),
                        (dir / "dialog.svg").string(), "Demo score, respaced",
                        RegistryChoice{(dir / "registry.txt").string(), true}};
  std::filesystem::create_directories(dir);
  const OutputPlan score_plan = plan_outputs("", {{input, "demo score"}});
  const OutputPlan plan = plan_of(input, outputs);
  write_outputs(score_plan, {{"demo score", sim::score_file_text(file)}}, out);
  out << "Demo score: " << input << " (" << file.score.pages.size() << " pages, " << file.score.systems.size()
      << " staff systems): all pages, the dialog's other settings as it first opens\n";
  RespaceSettings settings;
  settings.pages = PageChoice{PageChoice::ALL, 0, 0};
  return respace(file, settings, outputs, plan, command.show_calls, out);
}

}  // namespace cli
