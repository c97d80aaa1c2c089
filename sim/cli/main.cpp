// dunvaro-sim: the plug-in and the simulated host in one program, for
// respacing score files on the command line (usage_text() in cli_options.cpp).
#include <iostream>
#include <string>
#include <vector>

#include "sim/cli/cli_options.h"
#include "sim/cli/commands.h"
#include "sim/score/score_file.h"

namespace {

constexpr int kFault = 2;

int run(const std::vector<std::string>& words) {
  const std::string& command = words[0];
  const std::vector<std::string> rest(words.begin() + 1, words.end());
  if (command == "respace") return cli::run_respace(cli::parse_respace_args(rest), std::cout);
  if (command == "demo") return cli::run_demo(cli::parse_demo_args(rest), std::cout);
  throw cli::UsageError("unknown command " + command);
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> words(argv + 1, argv + argc);
  if (words.empty()) {
    std::cerr << cli::usage_text();
    return kFault;
  }
  if (words[0] == "--help" || words[0] == "-h" || words[0] == "help") {
    std::cout << cli::usage_text();
    return 0;
  }
  try {
    return run(words);
  } catch (const cli::UsageError& e) {
    std::cerr << "dunvaro-sim: " << e.what() << "\n(dunvaro-sim --help lists the commands and options)\n";
  } catch (const std::exception& e) {
    std::cerr << "dunvaro-sim: " << e.what() << "\n";
  }
  return kFault;
}
