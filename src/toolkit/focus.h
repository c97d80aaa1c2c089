// Giving the keyboard focus back to the host after a run.
#ifndef KV_TOOLKIT_FOCUS_H
#define KV_TOOLKIT_FOCUS_H

#include <cstdint>

// The return-focus word of the toolkit globals (nothing sets it, so 0).
int16_t FTX_ReturnFocusToFinale();

// Activates the host's main window when `force` is true or the return-focus
// word is nonzero; otherwise leaves the focus where it is.
void FTX_SetFinaleInFocus(bool force);

#endif
