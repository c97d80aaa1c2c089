// What the host's window shows: the active document window, whether it shows
// page view and which page.
//
// Two sources. Hosts after 2003 describe their current window in a
// window-information record (FX_GetCurrentWindowInfo); older hosts, a host
// whose call fails, and hosts after 2003 on Windows 95, 98 or Me are read
// through the host's window tree instead: the main window's "MDIClient" child,
// its active document window, and in it the view box (control 203) with the
// page-view marker (1016, visible only in page view) and the page number field
// (1005). Everything is read fresh on every call.
#ifndef KV_TOOLKIT_DOCUMENT_VIEW_H
#define KV_TOOLKIT_DOCUMENT_VIEW_H

#include <cstdint>

#include "platform/win32.h"

// The host's main window (FinaleWindow).
HWND FTX_FinaleWindow();

// The active document window; null when there is none.
HWND FTX_GetDocumentWindow();

// Whether the active document shows page view; false when there is no document.
bool FTX_IsPageView();

// The page shown in page view; 0 when not in page view; -1 when the window tree
// shows page view but its page field does not hold a positive number.
int16_t FTX_GetCurrentPage();

// True when the host is after 2003 and the operating system is Windows 95, 98
// or Me, where the window-information record is not used.
bool CruicalWinVersionFor_FX_GetCurrentWindowInfo();

#endif
