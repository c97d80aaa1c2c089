#include "ui/control_messages.h"

LRESULT KVFX_SelectAllText(HWND window, int16_t control) {
  return SendMessageA(GetDlgItem(window, control), EM_SETSEL, 0, -1);
}

LRESULT KVFX_SetMaxInputLen(HWND window, int16_t control, int16_t length) {
  return SendDlgItemMessageA(window, control, EM_LIMITTEXT, WPARAM(length), 0);
}

LRESULT KVFX_SetUpDownCtrlRange(HWND window, int16_t control, int16_t lowest, int16_t highest) {
  return SendDlgItemMessageA(window, control, UDM_SETRANGE, 0, MAKELPARAM(highest, lowest));
}
