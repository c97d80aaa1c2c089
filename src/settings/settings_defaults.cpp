#include "settings/registry_settings.h"

const char szRegistryKey[] = "Software\\KVPlugins\\KVDunvaro104";
const char szUserDialogReg[] = "UserDialog";

structUserPrefs* KVTR_REG_SetDefaults(structUserPrefs* prefs) {
  if (prefs == nullptr) return nullptr;
  prefs->processRange = 3;  // current page
  prefs->keepTopmostStill = 0;
  prefs->includeGaps = 0;
  prefs->extraTopMargin = 0;
  prefs->extraBottomMargin = 0;
  prefs->singleSystems = 2;  // centre
  prefs->dialogLeft = -32768;  // not placed yet
  prefs->dialogTop = -32768;
  prefs->compact = 0;
  return prefs;
}
