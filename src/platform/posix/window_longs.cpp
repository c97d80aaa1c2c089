// Window longs: style, extended style, id, user data, procedure, instance,
// owner, and the extra slots of dialog windows (DWLP_MSGRESULT, DWLP_DLGPROC,
// DWLP_USER). An index the window does not have answers 0 with
// ERROR_INVALID_INDEX. On 64-bit builds the 32-bit functions refuse the
// pointer-sized slots, as Windows does.
#include "platform/posix/window_store.h"

using standin::detail::Window;
using standin::detail::WindowKind;

namespace {

LONG_PTR* dialog_slot(Window* w, int index) {
  if (w->kind != WindowKind::dialog) return nullptr;
  if (index == int(DWLP_MSGRESULT)) return &w->msg_result;
  if (index == int(DWLP_DLGPROC)) return &w->dlg_proc;
  if (index == int(DWLP_USER)) return &w->dlg_user;
  return nullptr;
}

bool pointer_slot(int index) {
  return index == GWLP_WNDPROC || index == GWLP_HINSTANCE || index == GWLP_HWNDPARENT;
}

bool read_long(Window* w, int index, LONG_PTR* out) {
  switch (index) {
    case GWL_STYLE: *out = LONG_PTR(LONG(w->style)); return true;
    case GWL_EXSTYLE: *out = LONG_PTR(LONG(w->ex_style)); return true;
    case GWLP_ID: *out = w->id; return true;
    case GWLP_USERDATA: *out = w->user_data; return true;
    case GWLP_WNDPROC: *out = reinterpret_cast<LONG_PTR>(w->proc); return true;
    case GWLP_HINSTANCE: *out = reinterpret_cast<LONG_PTR>(w->instance); return true;
    case GWLP_HWNDPARENT:
      *out = reinterpret_cast<LONG_PTR>(w->parent != nullptr ? w->parent : w->owner);
      return true;
  }
  if (LONG_PTR* slot = dialog_slot(w, index)) {
    *out = *slot;
    return true;
  }
  return false;
}

bool write_long(Window* w, int index, LONG_PTR value) {
  switch (index) {
    case GWL_STYLE: w->style = DWORD(value); return true;
    case GWL_EXSTYLE: w->ex_style = DWORD(value); return true;
    case GWLP_ID: w->id = value; return true;
    case GWLP_USERDATA: w->user_data = value; return true;
    case GWLP_WNDPROC:
      if (value == 0) return false;
      w->proc = reinterpret_cast<WNDPROC>(value);
      return true;
    case GWLP_HINSTANCE: w->instance = reinterpret_cast<HINSTANCE>(value); return true;
    case GWLP_HWNDPARENT:
      if (w->parent != nullptr) return false;
      w->owner = standin::detail::top_level_of(reinterpret_cast<HWND>(value));
      return true;
  }
  if (LONG_PTR* slot = dialog_slot(w, index)) {
    *slot = value;
    return true;
  }
  return false;
}

}  // namespace

LONG_PTR GetWindowLongPtrA(HWND hWnd, int nIndex) {
  Window* w = standin::detail::find_or_fail(hWnd);
  if (w == nullptr) return 0;
  LONG_PTR value = 0;
  if (!read_long(w, nIndex, &value)) SetLastError(ERROR_INVALID_INDEX);
  return value;
}

LONG_PTR SetWindowLongPtrA(HWND hWnd, int nIndex, LONG_PTR dwNewLong) {
  Window* w = standin::detail::find_or_fail(hWnd);
  if (w == nullptr) return 0;
  LONG_PTR previous = 0;
  if (!read_long(w, nIndex, &previous) || !write_long(w, nIndex, dwNewLong)) {
    SetLastError(ERROR_INVALID_INDEX);
    return 0;
  }
  return previous;
}

LONG GetWindowLongA(HWND hWnd, int nIndex) {
  if (sizeof(LONG_PTR) > sizeof(LONG) && pointer_slot(nIndex)) {
    SetLastError(ERROR_INVALID_INDEX);
    return 0;
  }
  return LONG(GetWindowLongPtrA(hWnd, nIndex));
}

LONG SetWindowLongA(HWND hWnd, int nIndex, LONG dwNewLong) {
  if (sizeof(LONG_PTR) > sizeof(LONG) && pointer_slot(nIndex)) {
    SetLastError(ERROR_INVALID_INDEX);
    return 0;
  }
  return LONG(SetWindowLongPtrA(hWnd, nIndex, dwNewLong));
}
