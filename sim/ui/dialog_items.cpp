// FX_GetDlgItemVal(window, control, kind, version) and
// FX_SetDlgItemVal(window, control, kind, value, version) over the Win32
// window tree. Kinds: 1 a check box and 2 a radio button (checked or not),
// 3 a number shown as the control's text. Values are the host's 16-bit
// numbers: a number read is answered as a signed 16-bit value (sign-extended),
// a number written is taken as one; a text without a leading number reads as
// 0. A missing control or another kind answers 0; a set answers 1 when it was
// done.
#include "platform/win32.h"
#include "sim/host/sim_host.h"

namespace sim {
namespace {

constexpr int16_t kCheckBox = 1;
constexpr int16_t kRadioButton = 2;
constexpr int16_t kNumber = 3;

HWND window_of(FxWord word) { return reinterpret_cast<HWND>(word); }

FxWord get_item_value(const Args& a) {
  HWND dialog = window_of(a[0]);
  const int control = int(a[1]);
  if (GetDlgItem(dialog, control) == nullptr) return 0;
  switch (int16_t(a[2])) {
    case kCheckBox:
    case kRadioButton: return IsDlgButtonChecked(dialog, control) == BST_CHECKED ? 1 : 0;
    case kNumber: return FxWord(int16_t(GetDlgItemInt(dialog, control, nullptr, TRUE)));
    default: return 0;
  }
}

FxWord set_item_value(const Args& a) {
  HWND dialog = window_of(a[0]);
  const int control = int(a[1]);
  if (GetDlgItem(dialog, control) == nullptr) return 0;
  switch (int16_t(a[2])) {
    case kCheckBox:
    case kRadioButton: return CheckDlgButton(dialog, control, a[3] != 0 ? BST_CHECKED : BST_UNCHECKED) ? 1 : 0;
    case kNumber: return SetDlgItemInt(dialog, control, UINT(int32_t(int16_t(a[3]))), TRUE) ? 1 : 0;
    default: return 0;
  }
}

}  // namespace

void add_dialog_item_functions(Host& host) {
  host.set_builtin("FX_GetDlgItemVal", get_item_value);
  host.set_builtin("FX_SetDlgItemVal", set_item_value);
}

}  // namespace sim
