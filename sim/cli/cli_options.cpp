#include "sim/cli/cli_options.h"

#include <CLI/CLI.hpp>

#include <cerrno>
#include <cstdlib>
#include <map>

namespace cli {
namespace {

constexpr int kHighestPage = 9999;  // the dialog's page fields take four digits

bool parse_int(const std::string& text, long* value) {
  if (text.empty()) return false;
  errno = 0;
  char* end = nullptr;
  *value = std::strtol(text.c_str(), &end, 10);
  return errno == 0 && *end == '\0';
}

void check_range(const std::string& option, long value, long lowest, long highest) {
  if (value < lowest || value > highest)
    throw UsageError(option + ": " + std::to_string(value) + " is outside " + std::to_string(lowest) + ".." +
                     std::to_string(highest));
}

int margin_option(const std::string& option, const std::string& text, int lowest, int highest) {
  long value = 0;
  if (!parse_int(text, &value)) throw UsageError(option + ": expected a whole number of EVPU, found \"" + text + "\"");
  check_range(option, value, lowest, highest);
  return int(value);
}

PageChoice page_choice(const std::string& text) {
  PageChoice choice;
  if (text == "all") return choice;
  if (text == "current") {
    choice.kind = PageChoice::CURRENT;
    return choice;
  }
  choice.kind = PageChoice::RANGE;
  const size_t dash = text.find('-', 1);
  long first = 0;
  long last = 0;
  bool ok = false;
  if (dash == std::string::npos) {
    ok = parse_int(text, &first);
    last = first;
  } else {
    ok = parse_int(text.substr(0, dash), &first) && parse_int(text.substr(dash + 1), &last);
  }
  if (!ok) throw UsageError("--pages: expected all, current, a page or a range such as 2-5, found \"" + text + "\"");
  // The lowest page and the order are checked against the score's pages.
  for (long page : {first, last})
    if (page > kHighestPage) check_range("--pages", page, 1, kHighestPage);
  choice.first = int(first);
  choice.last = int(last);
  return choice;
}

int single_choice(const std::string& text) {
  static const std::map<std::string, int> kNames = {
      {"leave", 0}, {"top", 1}, {"center", 2}, {"centre", 2}, {"bottom", 3}};
  auto named = kNames.find(text);
  if (named == kNames.end())
    throw UsageError("--single: expected leave, top, center or bottom, found \"" + text + "\"");
  return named->second;
}

// The words of each option until the whole line is parsed; then converted and
// checked, so that every message is ours and names the option and the value.
struct RespaceWords {
  std::string pages, extra_top, extra_bottom, single;
  bool keep_topmost = false, include_gaps = false, compact = false;
  CLI::Option *pages_option, *top_option, *bottom_option, *single_option;
  CLI::Option *keep_option, *gaps_option, *compact_option, *registry_option;
};

void add_respace(CLI::App& app, RespaceCommand& command, RespaceWords& w) {
  CLI::App* sub = app.add_subcommand("respace", "respace the staff systems of a score file");
  sub->footer(
      "Settings that are not given take these defaults: all pages, no extra margins, no check box\n"
      "set, lone systems centred.\n\n"
      "Exit status: 0 when every page was processed, 1 when a page was not (its message box is\n"
      "printed), 2 when the command, the score file or an output file was at fault; then nothing\n"
      "is written.");
  sub->add_option("SCORE", command.score_path, "the score file (JSON, docs/score-format.md)")->required()->type_name("SCORE.json");
  w.pages_option = sub->add_option("--pages", w.pages,
                                   "the pages to respace (current: the page the score's "
                                   "view shows, in page view)")
                       ->type_name("all|current|N|A-B");
  w.top_option = sub->add_option("--extra-top", w.extra_top,
                                 "extra space below the top margin: -100..700, 0..700 when the score avoids "
                                 "collisions")
                     ->type_name("EVPU");
  w.bottom_option = sub->add_option("--extra-bottom", w.extra_bottom, "extra space above the bottom margin: 0..300")
                        ->type_name("EVPU");
  w.keep_option = sub->add_flag("--keep-topmost,!--no-keep-topmost", w.keep_topmost,
                                "the topmost system of each page keeps its gap (or not)");
  w.gaps_option = sub->add_flag("--include-gaps,!--no-include-gaps", w.include_gaps,
                                "count the existing gaps in (or not)");
  w.compact_option = sub->add_flag("--compact,!--no-compact", w.compact,
                                   "pack the systems together instead of spreading them (or not)");
  w.single_option = sub->add_option("--single", w.single, "where a page's lone system goes")
                        ->type_name("leave|top|center|bottom");
  sub->add_option("-o,--output", command.output_path, "write the respaced score to FILE")->type_name("FILE");
  sub->add_option("--svg", command.svg_path, "draw every page of the range before and after into FILE")->type_name("FILE");
  w.registry_option = sub->add_option("--registry", command.registry.path,
                                      "the registry file that keeps the plug-in's settings between runs (default: "
                                      "dunvaro-sim/registry.txt in $XDG_CONFIG_HOME or ~/.config)")
                          ->type_name("FILE");
  sub->add_flag("--fresh", command.registry.fresh, "start from no stored settings");
  sub->add_flag("--calls", command.show_calls, "list the host calls of the run");
  for (CLI::Option* flag : {w.keep_option, w.gaps_option, w.compact_option}) flag->disable_flag_override();
}

void add_demo(CLI::App& app, DemoCommand& command) {
  CLI::App* sub = app.add_subcommand(
      "demo", "respace the built-in demo score; writes demo-score.json, demo-respaced.json and demo.svg into DIR");
  sub->add_option("--out", command.out_dir, "the folder for the files (default build/demo)")->type_name("DIR");
  sub->add_flag("--calls", command.show_calls, "list the host calls of the run");
}

void add_dialog(CLI::App& app, DialogCommand& command, CLI::Option*& registry_option) {
  CLI::App* sub = app.add_subcommand(
      "dialog", "show the respacing dialog as it opens over a score, with the stored settings");
  sub->add_option("SCORE", command.score_path, "the score file")->required()->type_name("SCORE.json");
  sub->add_option("--language", command.language,
                  "the Windows user-interface language the plug-in reads: 0 American English, 1 British English, "
                  "2 German, 3 Italian, 4 French, 5 Spanish, 6 Portuguese, 7 Swedish, 8 Finnish, 9 Dutch, "
                  "10 Flemish, 11 Danish, 12 Norwegian")
      ->type_name("N");
  sub->add_option("--svg", command.svg_path, "draw the dialog into FILE")->type_name("FILE");
  registry_option = sub->add_option("--registry", command.registry.path,
                                    "the registry file with the plug-in's stored settings (default as for respace)")
                        ->type_name("FILE");
  sub->add_flag("--fresh", command.registry.fresh, "show the plug-in's default settings");
}

RespaceSettings respace_settings(const RespaceWords& w) {
  RespaceSettings s;
  if (w.pages_option->count() > 0) s.pages = page_choice(w.pages);
  if (w.top_option->count() > 0) s.extra_top = margin_option("--extra-top", w.extra_top, -32768, 32767);
  if (w.bottom_option->count() > 0) s.extra_bottom = margin_option("--extra-bottom", w.extra_bottom, -32768, 32767);
  if (w.keep_option->count() > 0) s.keep_topmost = w.keep_topmost;
  if (w.gaps_option->count() > 0) s.include_gaps = w.include_gaps;
  if (w.compact_option->count() > 0) s.compact = w.compact;
  if (w.single_option->count() > 0) s.single_systems = single_choice(w.single);
  return s;
}

// CLI11's own message, reworded where we say it better, always with the
// option it is about.
std::string usage_problem(const CLI::ParseError& e, const std::string& command) {
  const std::string what = e.what();
  if (dynamic_cast<const CLI::ExtrasError*>(&e) != nullptr) {
    const size_t colon = what.find(": ");
    const std::string extras = colon == std::string::npos ? what : what.substr(colon + 2);
    if (!extras.empty() && extras[0] == '-') return "unknown option " + extras;
    return (command.empty() ? "unknown command " : "unexpected argument ") + extras;
  }
  if (dynamic_cast<const CLI::RequiredError*>(&e) != nullptr) {
    if (what.find("SCORE") != std::string::npos) return "needs a score file";
    if (what.find("subcommand") != std::string::npos) return "a command is needed: respace, dialog or demo";
  }
  if (dynamic_cast<const CLI::ArgumentMismatch*>(&e) != nullptr) {
    const std::string name = what.substr(0, what.find_first_of(": "));
    const std::string option = name.rfind("-", 0) == 0 ? name : "--" + name;
    if (what.find("flag") != std::string::npos) return option + " takes no value";
    if (what.find("missing") != std::string::npos) return option + " needs a value";
  }
  return what;
}

std::string selected_command(const CLI::App& app) {
  for (const CLI::App* sub : app.get_subcommands()) return sub->get_name();
  return "";
}

}  // namespace

CommandLine parse_command_line(const std::vector<std::string>& words) {
  CommandLine line;
  CLI::App app("dunvaro-sim: the KV Dunvaro plug-in in a simulated host", "dunvaro-sim");
  app.require_subcommand(1);
  app.footer("dunvaro-sim COMMAND --help describes a command.");
  RespaceWords respace_words;
  add_respace(app, line.respace, respace_words);
  add_demo(app, line.demo);
  CLI::Option* dialog_registry = nullptr;
  add_dialog(app, line.dialog, dialog_registry);
  if (!words.empty() && words[0] != "respace" && words[0] != "demo" && words[0] != "dialog" && words[0].rfind("-", 0) != 0)
    throw UsageError("unknown command " + words[0] + "\n(dunvaro-sim --help lists the commands)");
  std::vector<std::string> reversed(words.rbegin(), words.rend());  // CLI11 takes the words last first
  try {
    app.parse(reversed);
  } catch (const CLI::CallForHelp&) {
    line.help = app.help();
    return line;
  } catch (const CLI::ParseError& e) {
    const std::string command = selected_command(app);
    throw UsageError((command.empty() ? "" : command + ": ") + usage_problem(e, command) + "\n(dunvaro-sim " +
                     (command.empty() ? "" : command + " ") + "--help lists the options)");
  }
  const std::string command = selected_command(app);
  if (command == "dialog") {
    line.kind = CommandLine::DIALOG;
    if (line.dialog.language != -1) check_range("--language", line.dialog.language, 0, 12);
    if (dialog_registry->count() == 0) line.dialog.registry.path = default_registry_path();
    else if (line.dialog.registry.path.empty()) throw UsageError("dialog: --registry needs a file name");
    return line;
  }
  if (command == "demo") {
    line.kind = CommandLine::DEMO;
    if (line.demo.out_dir.empty()) throw UsageError("demo: --out needs a folder");
    return line;
  }
  line.kind = CommandLine::RESPACE;
  line.respace.settings = respace_settings(respace_words);
  if (respace_words.registry_option->count() == 0) line.respace.registry.path = default_registry_path();
  else if (line.respace.registry.path.empty()) throw UsageError("respace: --registry needs a file name");
  return line;
}

std::string default_registry_path() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  if (config != nullptr && config[0] == '/') return std::string(config) + "/dunvaro-sim/registry.txt";
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] != '\0') return std::string(home) + "/.config/dunvaro-sim/registry.txt";
  return "";
}

}  // namespace cli
