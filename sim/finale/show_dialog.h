// FINALE.EXE --show-dialog: the plug-in loaded as the host loads it, its menu
// item picked once, and the dialog left open for a person (or a screen
// capture) to look at.
#ifndef SIM_FINALE_SHOW_DIALOG_H
#define SIM_FINALE_SHOW_DIALOG_H

#include "sim/host/sim_host.h"

namespace finale {

// Opens the plug-in's dialog, prints "dialog at LEFT TOP WIDTH HEIGHT" (its
// window's screen rectangle, frame included) on stdout, runs the host's
// message loop for `seconds` or until the dialog is closed, then terminates
// the plug-in. Returns 0, or 1 (with a message on stderr) when no dialog
// opened.
int show_dialog(sim::Host& host, const char* library, int seconds);

}  // namespace finale

#endif
