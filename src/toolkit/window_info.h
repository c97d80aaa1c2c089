// The host's window-information record, filled by FX_GetCurrentWindowInfo on
// hosts after 2003. The toolkit reads three fields of it; the rest is the
// host's. The caller's buffer must hold the host's whole record.
#ifndef KV_TOOLKIT_WINDOW_INFO_H
#define KV_TOOLKIT_WINDOW_INFO_H

#include <cstdint>

#include "platform/win32.h"

// Room for the host's record: its fields read here end at byte 274, and the
// host writes the whole record, so the buffer is generously larger.
constexpr int kFtxWindowInfoCapacity = 1024;
constexpr int kFtxWindowInfoClearedBytes = 260;  // cleared before each call
constexpr int kFtxWindowInfoWindowOffset = 260;    // 32-bit handle of a window of the document
constexpr int kFtxWindowInfoPageViewOffset = 268;  // 16-bit, nonzero in page view
constexpr int kFtxWindowInfoPageOffset = 272;      // 16-bit signed page shown, valid in page view

struct FTX_WINDOWINFOBUFFER {
  alignas(8) uint8_t bytes[kFtxWindowInfoCapacity];
};

// Whether the window-information record is the source of the view state: the
// host is after 2003 and not on Windows 95, 98 or Me.
bool FTX_UsesWindowInfoRecord();

// Clears the record's first 260 bytes and asks the host to fill it; true when it
// answered nonzero. Call only when FTX_UsesWindowInfoRecord() is true.
bool FTX_ReadWindowInfo(FTX_WINDOWINFOBUFFER* record);

HWND FTX_WindowInfoDocumentChild(const FTX_WINDOWINFOBUFFER* record);
bool FTX_WindowInfoIsPageView(const FTX_WINDOWINFOBUFFER* record);
int16_t FTX_WindowInfoPage(const FTX_WINDOWINFOBUFFER* record);

#endif
