// The window-information record that FX_GetCurrentWindowInfo fills, 276 bytes:
//
//   0    char[260]  title of the current document, zero-terminated
//   260  32-bit     handle of the document's music view (its parent is the
//                   document window); window handles carry 32 significant bits
//   264  32-bit     0
//   268  16-bit     nonzero in page view
//   270  16-bit     0
//   272  16-bit     the page shown (written in scroll view too)
//   274  16-bit     0
//
// The host writes all 276 bytes: the caller's buffer must hold them.
#ifndef SIM_HOST_WINDOW_INFO_H
#define SIM_HOST_WINDOW_INFO_H

#include "sim/host/document_window.h"
#include "sim/score/bytes.h"

namespace sim {

constexpr int kWindowInfoRecordSize = 276;

Bytes encode_window_info(const DocumentWindows& windows, const DocumentView& view);

}  // namespace sim

#endif
