// Host edits opened and closed through the plug-in are counted, so that a
// closing call without an open edit never reaches the host.
#ifndef KV_HOST_EDIT_BRACKETS_H
#define KV_HOST_EDIT_BRACKETS_H

#include <cstdint>

// Edits opened with FX_StartFinaleEdit and not yet ended or cancelled; 0 at
// load. Changed only by the three edit entries, never reset.
extern int32_t FinaleEditDepth;

#endif
