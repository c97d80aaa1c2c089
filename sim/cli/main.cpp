// dunvaro-sim: the plug-in and the simulated host in one program, for
// respacing score files on the command line (cli_options.cpp holds the
// commands and their help).
#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "sim/cli/cli_options.h"
#include "sim/cli/commands.h"
#include "sim/cli/dialog_view.h"

namespace {

constexpr int kFault = 2;
constexpr int kReportLost = 3;

int run(const std::vector<std::string>& words) {
  const cli::CommandLine line = cli::parse_command_line(words);
  switch (line.kind) {
    case cli::CommandLine::HELP: std::cout << line.help; return 0;
    case cli::CommandLine::RESPACE: return cli::run_respace(line.respace, std::cout);
    case cli::CommandLine::DEMO: return cli::run_demo(line.demo, std::cout);
    case cli::CommandLine::DIALOG: return cli::run_dialog(line.dialog, std::cout);
    case cli::CommandLine::SESSION: return cli::run_session(line.session, std::cout, std::cerr);
  }
  return kFault;
}

}  // namespace

int main(int argc, char** argv) {
  // A reader that goes away early (| head) must not end the run before its
  // files are written: writes to it fail instead, and are reported at the end.
  std::signal(SIGPIPE, SIG_IGN);
  const std::vector<std::string> words(argv + 1, argv + argc);
  if (words.empty()) {
    std::cerr << cli::parse_command_line({"--help"}).help;
    return kFault;
  }
  int status = kFault;
  try {
    status = run(words);
  } catch (const std::exception& e) {
    std::cout.flush();
    std::cerr << "dunvaro-sim: " << e.what() << "\n";
  }
  if (!std::cout.flush()) {
    std::cerr << "dunvaro-sim: the report could not be written in full to standard output"
              << (status == kFault ? "" : " (the run and its files are complete)") << "\n";
    if (status != kFault) return kReportLost;
  }
  return status;
}
