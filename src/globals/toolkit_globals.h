// The toolkit's globals: what the host told the plug-in when it loaded it, and
// the toolkit globals record that callers copy out with PDKTOOLS_GetGlobals.
// Plain globals: everything runs on the host's user-interface thread.
#ifndef KV_GLOBALS_TOOLKIT_GLOBALS_H
#define KV_GLOBALS_TOOLKIT_GLOBALS_H

#include <cstddef>
#include <cstdint>

#include "platform/win32.h"

// Caller-owned: the caller sets `size` (8, 12 or 16 bytes), the toolkit fills
// the words that fit.
struct FTX_PDKTOOLSGLOBALS {
  int16_t size;
  int16_t reserved2;
  int16_t reserved4;
  int16_t userLanguage;       // an FTX_LANGUAGE value
  int16_t returnFocusToHost;  // nonzero: give the focus back to the host after a run
  int16_t reserved10;
  int16_t reserved12;
  int16_t reserved14;
};
static_assert(sizeof(FTX_PDKTOOLSGLOBALS) == 16);
static_assert(offsetof(FTX_PDKTOOLSGLOBALS, reserved2) == 2);
static_assert(offsetof(FTX_PDKTOOLSGLOBALS, reserved4) == 4);
static_assert(offsetof(FTX_PDKTOOLSGLOBALS, userLanguage) == 6);
static_assert(offsetof(FTX_PDKTOOLSGLOBALS, returnFocusToHost) == 8);
static_assert(offsetof(FTX_PDKTOOLSGLOBALS, reserved10) == 10);
static_assert(offsetof(FTX_PDKTOOLSGLOBALS, reserved12) == 12);
static_assert(offsetof(FTX_PDKTOOLSGLOBALS, reserved14) == 14);

// Toolkit error codes shared across operations.
constexpr int16_t kFtxOk = 0;
constexpr int16_t kFtxNullPointer = 2;
constexpr int16_t kFtxBadRecordSize = 13;

extern int32_t CallingFinaleVersion;  // the host's version word; 0 until the host passes it
extern HWND FinaleWindow;             // the host's main window
extern FTX_PDKTOOLSGLOBALS PDKToolsGlobals;  // nothing assigns it: every word reads 0

int32_t PDKTOOLS_StoreVersion(int32_t version);
int32_t PDKTOOLS_RawFXTVersion();
HWND Connect2Utils(HWND window);

// 2: null record; 13: size not 8, 12 or 16 (nothing written); 0: the words that
// fit the caller's size are copied, the size word left as the caller set it.
int16_t PDKTOOLS_GetGlobals(FTX_PDKTOOLSGLOBALS* globals);

#endif
