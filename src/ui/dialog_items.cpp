#include "ui/dialog_items.h"

#include "host/fx_entries.h"
#include "ui/control_messages.h"

int16_t dialog_item_value(HWND window, int16_t control, int16_t kind) {
  return int16_t(FX_GetDlgItemVal(fx_word(window), control, kind, kFxInterfaceVersion));
}

void set_dialog_item_value(HWND window, int16_t control, int16_t kind, int16_t value) {
  FX_SetDlgItemVal(fx_word(window), control, kind, value, kFxInterfaceVersion);
}

bool dialog_item_checked(HWND window, int16_t control) {
  return dialog_item_value(window, control, kItemRadioButton) != 0;
}

void enable_dialog_item(HWND window, int16_t control, bool enable) {
  FX_EnableDlgItem(fx_word(window), control, enable ? 1 : 0, kFxInterfaceVersion);
}

void focus_and_select(HWND window, int16_t control) {
  FX_SetDlgFocus(fx_word(window), control, kFxInterfaceVersion);
  KVFX_SelectAllText(window, control);
}
