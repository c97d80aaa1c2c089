#include "globals/toolkit_globals.h"

int32_t CallingFinaleVersion;
HWND FinaleWindow;
FTX_PDKTOOLSGLOBALS PDKToolsGlobals;

int32_t PDKTOOLS_StoreVersion(int32_t version) {
  CallingFinaleVersion = version;
  return version;
}

int32_t PDKTOOLS_RawFXTVersion() { return CallingFinaleVersion; }

HWND Connect2Utils(HWND window) {
  FinaleWindow = window;
  return window;
}

int16_t PDKTOOLS_GetGlobals(FTX_PDKTOOLSGLOBALS* globals) {
  if (globals == nullptr) return kFtxNullPointer;
  const int16_t size = globals->size;
  if (size != 8 && size != 12 && size != 16) return kFtxBadRecordSize;

  globals->reserved2 = PDKToolsGlobals.reserved2;
  globals->reserved4 = PDKToolsGlobals.reserved4;
  globals->userLanguage = PDKToolsGlobals.userLanguage;
  if (size >= 12) {
    globals->returnFocusToHost = PDKToolsGlobals.returnFocusToHost;
    globals->reserved10 = PDKToolsGlobals.reserved10;
  }
  if (size == 16) {
    globals->reserved12 = PDKToolsGlobals.reserved12;
    globals->reserved14 = PDKToolsGlobals.reserved14;
  }
  return kFtxOk;
}
