#include "toolkit/focus.h"

#include "platform/win32.h"
#include "globals/toolkit_globals.h"

int16_t FTX_ReturnFocusToFinale() {
  FTX_PDKTOOLSGLOBALS globals = {};
  globals.size = sizeof globals;
  PDKTOOLS_GetGlobals(&globals);
  return globals.returnFocusToHost;
}

void FTX_SetFinaleInFocus(bool force) {
  if (!force && FTX_ReturnFocusToFinale() == 0) return;
  SetActiveWindow(FinaleWindow);
}
