// `dunvaro-sim dialog`: the respacing dialog as a person sees it right after
// opening it from the host's menu over a score: the host loads the plug-in
// (Version, Init, Enumerate), the menu item is picked (Invoke), and each
// control is read as shown: its text with the accelerator marked by "&",
// checked, enabled, the values of the edits.
#ifndef SIM_CLI_DIALOG_VIEW_H
#define SIM_CLI_DIALOG_VIEW_H

#include <ostream>
#include <string>

#include "platform/win32.h"

#include "sim/cli/cli_options.h"

namespace cli {

// The Windows language id of the plug-in's language number 0..12 (American
// English, British English, German, Italian, French, Spanish, Portuguese,
// Swedish, Finnish, Dutch, Flemish, Danish, Norwegian).
uint16_t language_id(int language);

// The caption, then one line per control as a person reads it.
std::string dialog_text(HWND dialog);

// Prints the dialog (and draws it with --svg); throws ScoreFileError or std::runtime_error. Returns 0.
int run_dialog(const DialogCommand& command, std::ostream& out);

}  // namespace cli

#endif
