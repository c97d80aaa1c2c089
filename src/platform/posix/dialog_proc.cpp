// The dialog class procedure. It clears DWLP_MSGRESULT and calls the dialog
// procedure. When that answers true, the message result is DWLP_MSGRESULT,
// except for the messages whose answer is the procedure's own return value
// (WM_INITDIALOG, WM_CTLCOLOR*, WM_COMPAREITEM, WM_VKEYTOITEM,
// WM_CHARTOITEM, WM_QUERYDRAGICON). When it answers false the dialog's
// default handling applies: WM_CLOSE posts the cancel command (IDCANCEL,
// BN_CLICKED) unless a cancel button exists and is disabled, and everything
// else goes to DefWindowProcA (so WM_CLOSE never destroys a dialog by itself).
#include "platform/posix/window_store.h"

namespace {

bool answers_own_result(UINT msg) {
  return (msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC) || msg == WM_COMPAREITEM ||
         msg == WM_VKEYTOITEM || msg == WM_CHARTOITEM || msg == WM_QUERYDRAGICON ||
         msg == WM_INITDIALOG;
}

LRESULT default_dialog_handling(HWND hDlg, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_COMPAREITEM:
    case WM_QUERYDRAGICON:
      return 0;
    case WM_CLOSE: {
      HWND cancel = GetDlgItem(hDlg, IDCANCEL);
      if (cancel == nullptr || IsWindowEnabled(cancel))
        PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                     reinterpret_cast<LPARAM>(cancel));
      return 0;
    }
    default:
      return DefWindowProcA(hDlg, msg, wp, lp);
  }
}

}  // namespace

LRESULT DefDlgProcA(HWND hDlg, UINT Msg, WPARAM wParam, LPARAM lParam) {
  standin::detail::Window* w = standin::detail::find(hDlg);
  if (w == nullptr) return 0;
  DLGPROC proc = nullptr;
  if (w->kind == standin::detail::WindowKind::dialog) {
    w->msg_result = 0;
    proc = reinterpret_cast<DLGPROC>(w->dlg_proc);
  }
  INT_PTR result = proc == nullptr ? 0 : proc(hDlg, Msg, wParam, lParam);
  if (!result && standin::detail::find(hDlg) != nullptr)
    return default_dialog_handling(hDlg, Msg, wParam, lParam);
  if (answers_own_result(Msg)) return result;
  w = standin::detail::find(hDlg);
  return w == nullptr ? 0 : w->msg_result;
}
