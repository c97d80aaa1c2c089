#include "sim/cli/commands.h"

#include <filesystem>

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

// Runs the plug-in through its dialog, prints the host's alerts and the
// message boxes as they come and then the report, and writes the outputs
// that were asked for and the registry file. A setting the dialog rejects
// throws before anything is written.
int respace(const sim::ScoreFile& file, const RespaceSettings& settings, const Outputs& outputs, bool show_calls,
            std::ostream& out) {
  RunWatcher watcher;
  watcher.on_alert = [&out](const std::string& alert) { out << "Host alert: " << alert << "\n"; };
  watcher.on_box = [&out](const ShownBox& box) {
    out << "Message box " << box_quote(box) << "\n";
  };
  watcher.on_note = [&out](const std::string& note) { out << note << "\n"; };
  watcher.on_settings = [&out](const std::string& block) { out << block; };
  load_registry_file(outputs.registry);
  SettingsContext context;
  context.given = settings;
  context.stored = settings_stored();
  context.registry = outputs.registry.path;
  const RunOutcome outcome = run_plugin(file, context, watcher);
  if (!outputs.dialog_svg_path.empty()) out << "The dialog as Apply was pressed:\n" << outcome.dialog_text;
  out << page_report(outcome);
  out << failed_calls_report(file.host_faults, outcome.failed_calls);
  if (show_calls) out << calls_table(outcome.steps);
  // Both texts first: a score that cannot be described writes neither file.
  const std::string score_text = outputs.score_path.empty() ? "" : sim::score_file_text(outcome.after);
  const std::string svg_text = outputs.svg_path.empty() ? "" : svg_of(outcome, outputs.title);
  if (!outputs.score_path.empty()) {
    write_file(outputs.score_path, score_text);
    out << "Wrote " << outputs.score_path << "\n";
  }
  if (!outputs.svg_path.empty()) {
    write_file(outputs.svg_path, svg_text);
    out << "Wrote " << outputs.svg_path << "\n";
  }
  if (!outputs.dialog_svg_path.empty()) {
    write_file(outputs.dialog_svg_path, outcome.dialog_svg);
    out << "Wrote " << outputs.dialog_svg_path << "\n";
  }
  save_registry_file(outputs.registry);
  return outcome.boxes.empty() ? 0 : 1;
}

}  // namespace

int run_respace(const RespaceCommand& command, std::ostream& out) {
  const sim::ScoreFile file = sim::load_score_file(command.score_path);
  if (!command.output_path.empty()) check_output_path(command.output_path);
  if (!command.svg_path.empty()) check_output_path(command.svg_path);
  if (!command.output_path.empty() && command.output_path == command.svg_path)
    throw UsageError(command.output_path + ": given both as the score's and as the drawing's file");
  const std::string name = std::filesystem::path(command.score_path).filename().string();
  return respace(file, command.settings, Outputs{command.output_path, command.svg_path, "", name + ", respaced", command.registry},
                 command.show_calls, out);
}

int run_session(const SessionCommand& command, std::ostream& out, std::ostream& err) {
  const sim::ScoreFile file = sim::load_score_file(command.score_path);
  const std::vector<ScriptLine> lines = split_script(read_script(command.script_path));
  if (!command.output_path.empty()) check_output_path(command.output_path);
  if (!command.svg_path.empty()) check_output_path(command.svg_path);
  if (!command.output_path.empty() && command.output_path == command.svg_path)
    throw UsageError(command.output_path + ": given both as the score's and as the drawing's file");
  load_registry_file(command.registry);
  SessionOptions options;
  options.show_calls = command.show_calls;
  options.draw = !command.svg_path.empty();
  options.folder = command.script_path == "-" ? "" : std::filesystem::path(command.script_path).parent_path().string();
  options.score_name = std::filesystem::path(command.score_path).filename().string();
  const SessionOutcome outcome = play_session(file, lines, options);
  out << outcome.transcript;
  const std::string score_text = command.output_path.empty() ? "" : sim::score_file_text(outcome.after);
  if (!command.output_path.empty()) {
    write_file(command.output_path, score_text);
    out << "Wrote " << command.output_path << "\n";
  }
  if (!command.svg_path.empty()) {
    write_file(command.svg_path, stacked_svg(outcome.frames));
    out << "Wrote " << command.svg_path << "\n";
  }
  save_registry_file(command.registry);
  if (outcome.failure.empty()) return 0;
  out.flush();
  err << "dunvaro-sim: " << outcome.failure << "\n";
  return 1;
}

int run_demo(const DemoCommand& command, std::ostream& out) {
  std::filesystem::create_directories(command.out_dir);
  const std::filesystem::path dir(command.out_dir);
  const sim::ScoreFile file = sim::demo_score();
  const std::string input = (dir / "demo-score.json").string();
  write_file(input, sim::score_file_text(file));
  out << "Demo score: " << input << " (" << file.score.pages.size() << " pages, " << file.score.systems.size()
      << " staff systems): all pages, the dialog's other settings as it first opens\n";
  // The demo keeps its own settings beside its files and starts afresh, so it
  // never reads the user's.
  const Outputs outputs{(dir / "demo-respaced.json").string(), (dir / "demo.svg").string(),
                        (dir / "dialog.svg").string(), "Demo score, respaced",
                        RegistryChoice{(dir / "registry.txt").string(), true}};
  RespaceSettings settings;
  settings.pages = PageChoice{PageChoice::ALL, 0, 0};
  return respace(file, settings, outputs, command.show_calls, out);
}

}  // namespace cli
