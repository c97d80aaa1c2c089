// dunvaro-sim's command line: the commands, their options, their help texts.
// Parsing checks each option's form and the range every score allows; the
// checks that depend on the score (its page count, its collision setting) are
// made when the settings are entered.
#ifndef SIM_CLI_CLI_OPTIONS_H
#define SIM_CLI_CLI_OPTIONS_H

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace cli {

// A command line that cannot be run; the message says why.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct PageChoice {
  enum Kind { ALL, CURRENT, RANGE } kind = ALL;
  int first = 0;  // RANGE only
  int last = 0;
};

// A margin as given: the words typed after the option ("1in", "2p1", "100"),
// the length they mean in EVPU, which need not be whole (1cm is 113.39), and
// whether they name their unit (then the dialog's field takes them as they
// are; a bare number is typed in the score's unit instead).
struct MarginChoice {
  std::string text;
  double evpu = 0;
  bool has_unit = false;
};

// What the respacing dialog lets the user choose; a setting left empty was not
// given on the command line.
struct RespaceSettings {
  std::optional<PageChoice> pages;
  std::optional<MarginChoice> extra_top;
  std::optional<MarginChoice> extra_bottom;
  std::optional<bool> keep_topmost;
  std::optional<bool> include_gaps;
  std::optional<bool> compact;
  std::optional<int> single_systems;  // 0 leave alone, 1 top, 2 centre, 3 bottom
};

// Where the plug-in's stored settings (the stand-in's registry) are kept
// between runs. An empty path keeps them in memory only.
struct RegistryChoice {
  std::string path;
  bool fresh = false;  // start from the defaults, as if nothing had been stored
};

struct RespaceCommand {
  std::string score_path;
  std::string output_path;  // empty: the respaced score is not written
  std::string svg_path;     // empty: no drawing
  RespaceSettings settings;
  RegistryChoice registry;
  bool show_calls = false;
};

struct DemoCommand {
  std::string out_dir = "build/demo";
  bool show_calls = false;
};

struct DialogCommand {
  std::string score_path;
  int language = -1;  // 0..12; -1: the user's language stays as it is
  std::string svg_path;  // empty: no drawing
  RegistryChoice registry;
};

struct SessionCommand {
  std::string score_path;
  std::string script_path;  // "-": standard input
  std::string output_path;  // empty: the score is not written
  std::string svg_path;     // empty: no drawing
  RegistryChoice registry;
  bool show_calls = false;
};

struct CommandLine {
  enum Kind { HELP, RESPACE, DEMO, DIALOG, SESSION } kind = HELP;
  std::string help;  // HELP: the text asked for (or the versions, for --version)
  RespaceCommand respace;
  DemoCommand demo;
  DialogCommand dialog;
  SessionCommand session;
};

// `words` are the program's arguments after its name. Throws UsageError.
CommandLine parse_command_line(const std::vector<std::string>& words);

// A margin option's words as a length: a number with an optional unit, "e" or
// "evpu", "in", "cm", "mm", "pt", "pc" or "p" (picas, "2p1" is 2 picas 1
// point), "sp"; a bare number is EVPU. Throws UsageError naming `option`.
MarginChoice margin_choice(const std::string& option, const std::string& text);

// The registry file used when --registry is not given: dunvaro-sim/registry.txt
// in $XDG_CONFIG_HOME, else in ~/.config; empty when neither is set.
std::string default_registry_path();

}  // namespace cli

#endif
