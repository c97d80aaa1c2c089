// The settings of the command line entered into the open respacing dialog by
// a person, as an engraver enters them: the range radio clicked and the page
// numbers typed, the margins typed in the score's unit, the check boxes
// clicked to the wanted state, the single-system radio clicked. Settings not
// given are left as the dialog shows them.
#ifndef SIM_CLI_DIALOG_ENTRY_H
#define SIM_CLI_DIALOG_ENTRY_H

#include <cstdint>
#include <string>
#include <vector>

#include "sim/cli/cli_options.h"
#include "sim/score/score_file.h"
#include "sim/ui/person.h"

namespace cli {

// Throws UsageError for a setting that cannot be typed into its field.
void enter_settings(sim::Person& person, const RespaceSettings& settings, int16_t unit);

// A margin as the user gave it: "100 EVPU", or "1in (288 EVPU)".
std::string margin_text(const MarginChoice& margin);

// After the dialog refused Apply (it beeped and put the focus on a field):
// which setting it was, its value and the range the dialog accepts, e.g.
// "--extra-top: -150 EVPU is outside -100..700 (the dialog rejected the extra top margin)".
// `failed_calls` are the host calls made to fail since Apply was pressed
// ("FX_GetDlgItemUser: call 6 after Apply"); when there are any, the message
// names them and the field instead of blaming its value.
std::string rejection_message(const sim::Person& person, const RespaceSettings& settings, const sim::ScoreFile& file,
                              const std::vector<std::string>& failed_calls);

}  // namespace cli

#endif
