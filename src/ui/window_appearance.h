// The toolkit's window-appearance queries. The dialog hands a toggle record to
// FTX_ToggleWindowSize when it is activated; this plug-in never changes its
// window's size, so the record is only cleared by its owner and passed along.
#ifndef KV_UI_WINDOW_APPEARANCE_H
#define KV_UI_WINDOW_APPEARANCE_H

#include <cstdint>

#include "platform/win32.h"

// Caller-owned and cleared to zeros before use; no function reads or writes it.
struct FTX_TOGGLEINFOSTORAGE {
  int16_t collapsed;
  int16_t reserved;
  int32_t expandedWidth;
  int32_t expandedHeight;
};

// Does nothing and returns false (no size was toggled).
bool FTX_ToggleWindowSize(HWND window, bool active, FTX_TOGGLEINFOSTORAGE* storage, bool notified);

// True on Windows NT with a major version above 4, where layered (transparent)
// windows exist. False when the version cannot be read.
bool Win32_SupportsTransparency();

#endif
