// The beep of an invalid entry.
#ifndef KV_TOOLKIT_ERROR_BEEP_H
#define KV_TOOLKIT_ERROR_BEEP_H

#include "platform/win32.h"

// Plays the exclamation sound, or the simple beep when that fails; returns what
// the last MessageBeep answered.
BOOL FTX_ErrorBeep();

#endif
