// `dunvaro-sim session`: plays a checked script on the plug-in in the
// simulated host, from the menu pick on, and writes the transcript: each
// step's line, then what changed in the dialog, the message boxes and beeps
// it brought (with their page), the host alerts, the pages whose gaps it
// changed, and the host calls it made
// (counted, or listed with --calls); at the end the dialog is closed, the
// plug-in terminated and the score's gaps before and after printed.
#ifndef SIM_CLI_SESSION_PLAY_H
#define SIM_CLI_SESSION_PLAY_H

#include <string>
#include <vector>

#include "sim/cli/session_report.h"
#include "sim/cli/session_script.h"
#include "sim/score/score_file.h"

namespace cli {

struct SessionOptions {
  bool show_calls = false;
  bool draw = false;      // keep a drawing of the dialog after each step that changed it
  std::string folder;     // where the script's relative score paths start
  std::string score_name; // for the transcript's first line
};

struct SessionOutcome {
  std::string transcript;
  std::string failure;    // the expectation that did not hold, "line N: ..."; empty when all held
  sim::ScoreFile after;   // the host's score as the session left it
  std::vector<DialogFrame> frames;
};

// The stand-in's registry as it is (the caller loads and saves it). Throws
// ScriptError when a line cannot act on the session as it stands; the
// session stops at the first expectation that fails.
SessionOutcome play_session(const sim::ScoreFile& file, const std::vector<ScriptLine>& lines,
                            const SessionOptions& options);

}  // namespace cli

#endif
