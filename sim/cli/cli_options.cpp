#include "sim/cli/cli_options.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <map>

#include "shell/menu_item.h"
#include "sim/cli/session_steps.h"
#include "sim/ui/units.h"

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
      "A LENGTH is a number with an optional unit: e or evpu, in, cm, mm, pt, pc or p (picas:\n"
      "2p1 is 2 picas 1 point), sp (spaces); a bare number is EVPU (288 to the inch). A length\n"
      "with a unit is typed into the dialog as given; a bare number is typed in the score's unit,\n"
      "rounded as the dialog shows that unit (100 is typed as 0.347 in a score shown in inches).\n"
      "The dialog keeps the whole EVPU it reads back (0.347 in: 99 EVPU); the report says so where\n"
      "that differs from the length given.\n\n"
      "Stored settings: like the plug-in in the host, a run starts from the settings the last run\n"
      "stored (in the registry file), enters the options given over them, and stores what the\n"
      "dialog then holds. Page numbers do not last: each start resets the range to page 1 to the\n"
      "last page, so a stored \"single page\" is page 1 and a stored page range covers every page.\n"
      "With nothing stored, or with --fresh, a run starts from the plug-in's defaults: the current\n"
      "page, no extra margins, no check box set, lone systems centred. The report starts with the\n"
      "settings the run used, each marked given, stored or default.\n\n"
      "Files: the input score is never changed unless -o names it. Every file the run writes\n"
      "(-o, --svg, the registry file) is checked before the run and written only when the run\n"
      "is complete, all together; a file marked read-only is refused, a replaced file keeps its\n"
      "mode, and a symbolic link stays a link (the file it points to is replaced).\n\n"
      "Exit status: 0 when every page was processed, 1 when a page was not (its message box is\n"
      "printed), 2 when the command, the score file, a setting or an output file was at fault;\n"
      "then nothing is written. 3 when the files were written but the report could not be\n"
      "printed in full (standard output closed early).");
  sub->add_option("SCORE", command.score_path, "the score file (JSON, docs/score-format.md); - reads it from standard input")->required()->type_name("SCORE.json");
  w.pages_option = sub->add_option("--pages", w.pages,
                                   "the pages to respace (current: the page the score's "
                                   "view shows, in page view)")
                       ->type_name("all|current|N|A-B");
  w.top_option = sub->add_option("--extra-top", w.extra_top,
                                 "extra space below the top margin: -100..700 EVPU, 0..700 when the score "
                                 "avoids collisions")
                     ->type_name("LENGTH");
  w.bottom_option = sub->add_option("--extra-bottom", w.extra_bottom,
                                    "extra space above the bottom margin: 0..300 EVPU")
                        ->type_name("LENGTH");
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
  sub->add_flag("--fresh", command.registry.fresh,
                "start from the plug-in's defaults instead of the stored settings; the run's settings are "
                "then stored as usual");
  sub->add_flag("--calls", command.show_calls, "list the host calls of the run");
  for (CLI::Option* flag : {w.keep_option, w.gaps_option, w.compact_option}) flag->disable_flag_override();
}

void add_demo(CLI::App& app, DemoCommand& command) {
  CLI::App* sub = app.add_subcommand(
      "demo",
      "respace the built-in demo score; writes demo-score.json, demo-respaced.json, demo.svg, dialog.svg "
      "and registry.txt (the demo's own stored settings) into DIR");
  sub->add_option("--out", command.out_dir, "the folder for the files (default build/demo)")->type_name("DIR");
  sub->add_flag("--calls", command.show_calls, "list the host calls of the run");
  sub->footer("The demo writes only into DIR: no file of yours is read or changed.");
}

void add_dialog(CLI::App& app, DialogCommand& command, std::string& language, CLI::Option*& registry_option) {
  CLI::App* sub = app.add_subcommand(
      "dialog", "show the respacing dialog as it opens over a score, with the stored settings");
  sub->add_option("SCORE", command.score_path, "the score file; - reads it from standard input")
      ->required()
      ->type_name("SCORE.json");
  sub->add_option("--language", language,
                  "the Windows user-interface language the plug-in reads: 0 American English, 1 British English, "
                  "2 German, 3 Italian, 4 French, 5 Spanish, 6 Portuguese, 7 Swedish, 8 Finnish, 9 Dutch, "
                  "10 Flemish, 11 Danish, 12 Norwegian")
      ->type_name("N");
  sub->add_option("--svg", command.svg_path, "draw the dialog into FILE")->type_name("FILE");
  registry_option = sub->add_option("--registry", command.registry.path,
                                    "the registry file with the plug-in's stored settings (default as for respace)")
                        ->type_name("FILE");
  sub->add_flag("--fresh", command.registry.fresh,
                "show the plug-in's defaults instead of the stored settings (the dialog is only looked at: "
                "nothing is stored)");
  sub->footer(
      "Under the dialog, the settings it shows, each marked stored or default, and what Apply would\n"
      "take. Nothing but --svg is written: the input score and the registry file are never changed.");
}

CLI::Option* add_session(CLI::App& app, SessionCommand& command) {
  CLI::App* sub = app.add_subcommand(
      "session", "play a session at the dialog, step by step, from a script; print what each step changed");
  sub->footer("The session starts with a pick of the plug-in's menu item (the dialog opens) and ends with\n"
              "Close and the plug-in's Terminate. The script holds one step a line (\"#\" starts a comment;\n"
              "quote words with spaces; a FILE is found from the script's folder):\n\n" +
              step_syntax() +
              "\nCONTROL and FIELD: a control's id, its label as shown (without the accelerator or a page\n"
              "number in parentheses; a label names the edit after it: Top:), or the edits' names from, to,\n"
              "top margin, bottom margin.\n\n"
              "Exit status: 0 when every expect held, 1 when one did not (the session stops there), 2 when\n"
              "the command, the score, the script or an output file was at fault; then nothing is written.");
  sub->add_option("SCORE", command.score_path, "the score file")->required()->type_name("SCORE.json");
  sub->add_option("SCRIPT", command.script_path, "the session script, - for standard input")->required()->type_name("SCRIPT");
  sub->add_option("-o,--output", command.output_path, "write the score as the session left it to FILE")->type_name("FILE");
  sub->add_option("--svg", command.svg_path, "draw the dialog after each step that changed it into FILE")->type_name("FILE");
  CLI::Option* registry = sub->add_option("--registry", command.registry.path,
                                          "the registry file with the plug-in's stored settings (default as for respace)")
                              ->type_name("FILE");
  sub->add_flag("--fresh", command.registry.fresh, "start from the plug-in's defaults instead of the stored settings");
  sub->add_flag("--calls", command.show_calls, "list each step's host calls instead of counting them");
  return registry;
}

RespaceSettings respace_settings(const RespaceWords& w) {
  RespaceSettings s;
  if (w.pages_option->count() > 0) s.pages = page_choice(w.pages);
  if (w.top_option->count() > 0) s.extra_top = margin_choice("--extra-top", w.extra_top);
  if (w.bottom_option->count() > 0) s.extra_bottom = margin_choice("--extra-bottom", w.extra_bottom);
  if (w.keep_option->count() > 0) s.keep_topmost = w.keep_topmost;
  if (w.gaps_option->count() > 0) s.include_gaps = w.include_gaps;
  if (w.compact_option->count() > 0) s.compact = w.compact;
  if (w.single_option->count() > 0) s.single_systems = single_choice(w.single);
  return s;
}

// What CLI11 found wrong, in our words: the option, the value when there is
// one, and what is accepted. Unknown options and stray words never get here
// (they are kept as extras and named in unexpected_words()).
std::string usage_problem(const CLI::ParseError& e) {
  const std::string what = e.what();
  const std::string name = what.substr(0, what.find_first_of(": "));
  const std::string option = name.rfind("-", 0) == 0 ? name : "--" + name;
  if (dynamic_cast<const CLI::RequiredError*>(&e) != nullptr) {
    if (what.find("subcommand") != std::string::npos) return "a command is needed: respace, dialog, session or demo";
    if (what.find("SCRIPT") != std::string::npos) return "needs a script (a file, or - for standard input)";
    return "needs a score file";
  }
  if (dynamic_cast<const CLI::ArgumentMismatch*>(&e) != nullptr) {
    if (what.find("flag") != std::string::npos) return option + " takes no value";
    if (what.find("missing") != std::string::npos || what.find("requires") != std::string::npos)
      return option + " needs a value";
    return option + " is given more than once; give it once";
  }
  return "the options cannot be read as given";
}

// Every option name of a command, for a hint at the one meant.
std::string option_near(const CLI::App& command, const std::string& word) {
  const std::string name = word.substr(0, word.find('='));
  for (const CLI::Option* option : command.get_options())
    for (const std::string& known : option->get_lnames()) {
      const std::string full = "--" + known;
      if (full.rfind(name, 0) == 0 || name.rfind(full, 0) == 0) return " (did you mean " + full + "?)";
    }
  return "";
}

// The first word that no option or argument took, as an error; empty when
// every word was taken.
std::string unexpected_words(const CLI::App& app, const CLI::App* command) {
  std::vector<std::string> extras = command != nullptr ? command->remaining() : std::vector<std::string>{};
  for (const std::string& word : app.remaining()) extras.push_back(word);
  if (extras.empty()) return "";
  const std::string& word = extras.front();
  if (word.rfind("-", 0) == 0 && word.size() > 1 && !std::isdigit(static_cast<unsigned char>(word[1])))
    return "unknown option " + word + (command != nullptr ? option_near(*command, word) : "");
  if (command == nullptr) return "unknown command " + word;
  if (command->get_name() == "demo") return "unexpected argument " + word + " (demo takes no score file)";
  if (command->get_name() == "session") return "unexpected argument " + word + " (session takes a score file and a script)";
  return "unexpected argument " + word + " (" + command->get_name() + " takes one score file)";
}

const CLI::App* selected_command(const CLI::App& app) {
  for (const CLI::App* sub : app.get_subcommands()) return sub;
  return nullptr;
}

[[noreturn]] void usage_error(const CLI::App* command, const std::string& problem) {
  const std::string name = command != nullptr ? command->get_name() : "";
  throw UsageError((name.empty() ? "" : name + ": ") + problem + "\n(dunvaro-sim " + (name.empty() ? "" : name + " ") +
                   "--help lists the options)");
}

// --language: 0..12, a whole number.
int language_choice(const std::string& text) {
  long value = 0;
  if (!parse_int(text, &value))
    throw UsageError("--language: expected a language number 0..12, found \"" + text +
                     "\" (dunvaro-sim dialog --help lists them)");
  if (value < 0 || value > 12)
    throw UsageError("--language: " + text + " is outside 0..12 (dunvaro-sim dialog --help lists the languages)");
  return int(value);
}

std::string versions() {
  std::string plugin = szMenuTitle;  // "KV &Dunvaro [v 1.20]..."
  plugin.erase(std::remove(plugin.begin(), plugin.end(), '&'), plugin.end());
  while (!plugin.empty() && plugin.back() == '.') plugin.pop_back();
  return std::string("dunvaro-sim ") + KV_VERSION + "\nplug-in: " + plugin + "\n";
}

bool is_command(const std::string& word) {
  return word == "respace" || word == "demo" || word == "dialog" || word == "session";
}

// What CLI11 would take silently or name confusingly: --version with a
// command, an option before the command, a first word that is no command.
void check_word_order(const std::vector<std::string>& words) {
  const bool help = std::find(words.begin(), words.end(), "--help") != words.end() ||
                    std::find(words.begin(), words.end(), "-h") != words.end();
  if (words.size() > 1 && !help && std::find(words.begin(), words.end(), "--version") != words.end())
    throw UsageError("--version is given alone: dunvaro-sim --version");
  const auto command = std::find_if(words.begin(), words.end(), is_command);
  for (auto word = words.begin(); word != command; ++word) {
    if (*word == "--help" || *word == "-h" || *word == "--version") continue;
    if (word->rfind("-", 0) == 0 && command != words.end())
      throw UsageError(*word + ": options go after the command: dunvaro-sim " + *command + " ... " + *word +
                       "\n(dunvaro-sim " + *command + " --help lists the options)");
    if (word->rfind("-", 0) != 0)
      throw UsageError("unknown command " + *word + "\n(dunvaro-sim --help lists the commands)");
  }
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
  std::string language;
  add_dialog(app, line.dialog, language, dialog_registry);
  CLI::Option* session_registry = add_session(app, line.session);
  app.set_version_flag("--version", versions(), "print the program's and the plug-in's versions");
  app.allow_extras();
  for (CLI::App* sub : app.get_subcommands({})) sub->allow_extras();
  check_word_order(words);
  std::vector<std::string> reversed(words.rbegin(), words.rend());  // CLI11 takes the words last first
  try {
    app.parse(reversed);
  } catch (const CLI::CallForHelp&) {
    line.help = app.help();
    return line;
  } catch (const CLI::CallForVersion&) {
    line.help = versions();
    return line;
  } catch (const CLI::ParseError& e) {
    const std::string extras = unexpected_words(app, selected_command(app));
    usage_error(selected_command(app), extras.empty() ? usage_problem(e) : extras);
  }
  const CLI::App* selected = selected_command(app);
  const std::string extras = unexpected_words(app, selected);
  if (!extras.empty()) usage_error(selected, extras);
  const std::string command = selected->get_name();
  if (command == "dialog") {
    line.kind = CommandLine::DIALOG;
    if (selected->count("--language") > 0) line.dialog.language = language_choice(language);
    if (dialog_registry->count() == 0) line.dialog.registry.path = default_registry_path();
    else if (line.dialog.registry.path.empty()) throw UsageError("dialog: --registry needs a file name");
    return line;
  }
  if (command == "session") {
    line.kind = CommandLine::SESSION;
    if (session_registry->count() == 0) line.session.registry.path = default_registry_path();
    else if (line.session.registry.path.empty()) throw UsageError("session: --registry needs a file name");
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

MarginChoice margin_choice(const std::string& option, const std::string& text) {
  // The dialog's fields know picas as "p"; "pc" is their usual short name.
  std::string typed = text;
  const size_t size = typed.size();
  if (size > 2 && std::tolower(static_cast<unsigned char>(typed[size - 1])) == 'c' &&
      std::tolower(static_cast<unsigned char>(typed[size - 2])) == 'p')
    typed.pop_back();
  const std::optional<double> evpu = sim::parse_length(typed, sim::kUnitEvpu);
  if (!evpu)
    throw UsageError(option + ": expected a length such as 100 (EVPU), 1in, 0.5cm, 12pt or 2p1, found \"" + text + "\"");
  if (std::fabs(*evpu) > 32767) {
    const std::string evpu_text = std::to_string(std::lround(*evpu));
    throw UsageError(option + ": " + text + (evpu_text == text ? "" : " (" + evpu_text + " EVPU)") +
                     " is outside -32767..32767 EVPU, more than a margin can hold");
  }
  const bool has_unit = std::any_of(typed.begin(), typed.end(), [](char c) {
    return std::isalpha(static_cast<unsigned char>(c)) || c == '"';
  });
  return MarginChoice{typed, *evpu, has_unit};
}

std::string default_registry_path() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  if (config != nullptr && config[0] == '/') return std::string(config) + "/dunvaro-sim/registry.txt";
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] != '\0') return std::string(home) + "/.config/dunvaro-sim/registry.txt";
  return "";
}

}  // namespace cli
