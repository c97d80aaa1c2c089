// Edit fields that show a length in the user's measurement unit while the
// plug-in works in EVPU, the host's length unit. The host converts between
// the two; `unitStyle` names its unit and is passed through unchanged.
#ifndef KV_UI_EVPU_FIELDS_H
#define KV_UI_EVPU_FIELDS_H

#include <cstdint>

#include "host/host_abi.h"
#include "platform/win32.h"

// The field shows `evpu` in the unit. Returns the host's answer.
FxWord KVFX_SetDlgItemUser(HWND window, int16_t control, int16_t unitStyle, double evpu);

// One step of an up-down arrow on a length field: the field's value plus
// `step` (all in EVPU), brought down to `highest` and then up to `lowest` (the
// lowest wins when the bounds cross), written back unrounded. Returns the
// host's answer to the write. A field the host cannot read counts as 0.
FxWord KVFX_UpDownEVPUPressed(HWND window, int16_t control, double step, double lowest,
                              double highest, int16_t unitStyle);

#endif
