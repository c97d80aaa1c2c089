// The settings record that the respacing dialog would hand to the page driver,
// made from the command line's choices and checked as the dialog checks its
// fields: the page range against the score's pages, the extra margins against
// the ranges the dialog accepts.
#ifndef SIM_CLI_RESPACE_SETTINGS_H
#define SIM_CLI_RESPACE_SETTINGS_H

#include "shell/user_prefs.h"
#include "sim/cli/cli_options.h"
#include "sim/score/score_file.h"

namespace cli {

// Throws UsageError, naming the option, for a value the dialog would refuse.
// The dialog's own fields (its position) get their "not placed yet" value.
structUserPrefs settings_record(const RespaceSettings& settings, const sim::ScoreFile& file);

}  // namespace cli

#endif
