// The settings a run uses, as the open dialog holds them just before Apply
// (or as it opened, for `dunvaro-sim dialog`): the page range as the dialog
// takes it, both extra margins in EVPU and in the score's unit, the three
// check boxes and the lone-system choice, each marked with where it came
// from: given on the command line, stored by an earlier run (the registry
// value the plug-in loaded when it started), or the plug-in's default.
#ifndef SIM_CLI_SETTINGS_BLOCK_H
#define SIM_CLI_SETTINGS_BLOCK_H

#include <cstdint>
#include <string>

#include "globals/user_prefs.h"
#include "sim/cli/cli_options.h"
#include "sim/ui/person.h"

namespace cli {

struct SettingsContext {
  RespaceSettings given;   // empty for the dialog command
  bool stored = false;     // the registry held the plug-in's settings when it started
  std::string registry;    // the registry file, for the heading; may be empty
  int16_t unit = 1;        // the score's measurement unit (sim/ui/units.h)
  int16_t current_page = 1;
  int page_count = 0;
};

// Whether the stand-in's registry holds the plug-in's settings value now.
bool settings_stored();

// The block, one line per setting as the dialog shows it, and for each given
// margin that the dialog keeps as another number of EVPU a line saying so.
// `loaded` is the record the plug-in loaded when it started, `applied` the
// record Apply stored (null when Apply was not pressed: then the margins are
// the loaded ones, which the fields the host filled read back exactly). A
// stored value the dialog cannot show (a check box stored as 2, a choice
// outside its buttons) is named with what Apply takes instead.
std::string settings_block(const sim::Person& person, const SettingsContext& context, const structUserPrefs& loaded,
                           const structUserPrefs* applied);

}  // namespace cli

#endif
