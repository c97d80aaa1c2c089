// dunvaro-sim's commands but `dialog`. Each prints its report to `out` and
// returns the exit status: for respace and demo 0 when every page of the run
// was processed, 1 otherwise. Bad
// command lines, score files and outputs throw (UsageError, ScoreFileError,
// std::runtime_error); the score is loaded, every output file checked
// (output_files.h) and the settings entered before anything is written, and
// the files are written all together or not at all.
#ifndef SIM_CLI_COMMANDS_H
#define SIM_CLI_COMMANDS_H

#include <ostream>
#include <string>

#include "sim/cli/cli_options.h"
#include "sim/score/score_file.h"

namespace cli {

int run_respace(const RespaceCommand& command, std::ostream& out);
int run_demo(const DemoCommand& command, std::ostream& out);
// Prints the transcript; 1 when an expect line did not hold (said on `err`
// too). A script at fault throws ScriptError before anything is written.
int run_session(const SessionCommand& command, std::ostream& out, std::ostream& err);

// The score at `path` ("-": standard input), refused when it has no page.
sim::ScoreFile load_score_to_run(const std::string& path);

}  // namespace cli

#endif
