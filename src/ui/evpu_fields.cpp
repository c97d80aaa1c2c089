// Lengths here are EVPU as doubles: a field may hold a fraction of an EVPU,
// and stepping keeps it.
#include "ui/evpu_fields.h"

#include "host/fx_entries.h"

FxWord KVFX_SetDlgItemUser(HWND window, int16_t control, int16_t unitStyle, double evpu) {
  return FX_SetDlgItemUser(fx_word(window), control, unitStyle, evpu, kFxInterfaceVersion);
}

FxWord KVFX_UpDownEVPUPressed(HWND window, int16_t control, double step, double lowest,
                              double highest, int16_t unitStyle) {
  double value = 0;
  FX_GetDlgItemUser(fx_word(window), control, unitStyle, fx_word(&value), kFxInterfaceVersion);
  value += step;
  if (value > highest) value = highest;
  if (value < lowest) value = lowest;
  return KVFX_SetDlgItemUser(window, control, unitStyle, value);
}
