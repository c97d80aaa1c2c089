// Messages to the dialog's edit and up-down controls. Each returns what the
// control answered to the message (0 when the control does not exist).
#ifndef KV_UI_CONTROL_MESSAGES_H
#define KV_UI_CONTROL_MESSAGES_H

#include <cstdint>

#include "platform/win32.h"

// Selects the whole text of an edit (EM_SETSEL from 0 to -1).
LRESULT KVFX_SelectAllText(HWND window, int16_t control);

// Limits what the user can type into an edit to `length` characters (EM_LIMITTEXT).
LRESULT KVFX_SetMaxInputLen(HWND window, int16_t control, int16_t length);

// Sets an up-down control's range (UDM_SETRANGE: highest in the low word,
// lowest in the high word, as the control expects).
LRESULT KVFX_SetUpDownCtrlRange(HWND window, int16_t control, int16_t lowest, int16_t highest);

#endif
