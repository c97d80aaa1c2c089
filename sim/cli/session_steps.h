// The steps of a session, one table: each row names a step, the words it
// takes and what it does, and every step acts through the paths the host
// would use: the host's view and document through the simulated host (which
// the dialog's timer polls), time through the stand-in's clock, the person
// through sim::Person (clicks, typing, keys, the up-down arrows, the
// minimise box), the menu pick through the plug-in's entry points, the
// language change through the host's notification.
#ifndef SIM_CLI_SESSION_STEPS_H
#define SIM_CLI_SESSION_STEPS_H

#include <cstdint>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "sim/cli/session_run.h"
#include "sim/cli/session_script.h"

namespace cli {

// An `expect` line that does not hold: what() says what was expected and what was found.
class ExpectationFailed : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// What a step acts on. `show` prints to `out`; `folder` is where a score
// named by a relative path is looked for (the script's folder).
struct StepContext {
  SessionRun& run;
  std::ostream& out;
  std::string folder;
};

// The syntax of every step, one line each, for the help and the errors.
std::string step_syntax();

// Checks every line's step name and the form of its words before anything
// runs. Throws ScriptError.
void check_script(const std::vector<ScriptLine>& lines);

// Runs one checked line. Throws ScriptError when the line cannot act on the
// session as it stands (a label that names no control, a page outside the
// score, no open dialog), ExpectationFailed for an `expect` that does not hold.
void run_step(StepContext& context, const ScriptLine& line);

// Runs one step given by its words ({"click", "1"}) outside a script, as
// `respace` presses Apply. Throws std::invalid_argument for words that
// cannot act.
void act(SessionRun& run, const std::vector<std::string>& words);

}  // namespace cli

#endif
