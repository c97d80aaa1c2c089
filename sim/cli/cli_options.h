// dunvaro-sim's command line: the commands, their options, and the usage text.
// Parsing only checks the form of each option; respace_settings.h checks the
// values against the score.
#ifndef SIM_CLI_CLI_OPTIONS_H
#define SIM_CLI_CLI_OPTIONS_H

#include <cstdint>
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

// What the respacing dialog would let the user choose. Margins are EVPU.
struct RespaceSettings {
  PageChoice pages;
  int extra_top = 0;
  int extra_bottom = 0;
  bool keep_topmost = false;
  bool include_gaps = false;
  bool compact = false;
  int single_systems = 2;  // 0 leave alone, 1 top, 2 centre, 3 bottom
};

struct RespaceCommand {
  std::string score_path;
  std::string output_path;  // empty: the respaced score is not written
  std::string svg_path;     // empty: no drawing
  RespaceSettings settings;
  bool show_calls = false;
};

struct DemoCommand {
  std::string out_dir = "build/demo";
  bool show_calls = false;
};

// `args` are the words after the command's name. Throw UsageError.
RespaceCommand parse_respace_args(const std::vector<std::string>& args);
DemoCommand parse_demo_args(const std::vector<std::string>& args);

std::string usage_text();

}  // namespace cli

#endif
