// Remembering and restoring where the dialog stands on the screen, as two
// signed 16-bit screen coordinates of its top-left corner in pixels;
// kDialogNotPlaced in either means the dialog has not been placed yet.
#ifndef KV_UI_DIALOG_POSITION_H
#define KV_UI_DIALOG_POSITION_H

#include <cstdint>

#include "platform/win32.h"

constexpr int16_t kDialogNotPlaced = -32768;

// Stores the window's left and top edge. A window whose rectangle cannot be
// read, or a null pointer, leaves both values as they were.
void FTX_GetDlgPos(HWND window, int16_t* x, int16_t* y);

// Moves the window's top-left corner to x, y, keeping its size, when the point
// lies on the primary screen (the far edges included); otherwise, or when the
// position is not set, the window stays where it is.
void FTX_SetDlgPos(HWND window, const int16_t* x, const int16_t* y);

#endif
