// The host's dialog manager, as the plug-in's dialog reaches it:
//   FX_Dialog(template id, dialog procedure, owner, 0, 0, version) makes a
//     modeless dialog from DIALOG resource `id` of the plug-in's library
//     (Host::plugin_module) with CreateDialogParamA and answers its window, or
//     0 when there is no plug-in module or no such template. The two zero
//     arguments are not used. The window is remembered (Host::last_dialog).
//   FX_EndDialog(window): destroys the dialog (WM_DESTROY, its timers end); 1.
//   FX_SetTimer(window, id, ms) / FX_KillTimer(window, id): a window timer
//     (natively on the stand-in's simulated clock); 1 when set / killed.
//   FX_EnableDlgItem(window, id, flag), FX_SetDlgString(window, id, text),
//   FX_SetDlgFocus(window, id): the control is enabled or disabled, shows
//     the (Windows-1252, zero-terminated) text, has the focus; 1 when done,
//     0 for a missing control.
//   FX_RedrawMusic(0): nothing to draw here; the call log counts it; 1.
// Only Win32 calls are made here, so the same code serves a host built for
// Windows.
#include "platform/win32.h"
#include "sim/host/sim_host.h"

namespace sim {
namespace {

HWND window_of(FxWord word) { return reinterpret_cast<HWND>(word); }

FxWord create_dialog(Host& host, const Args& a) {
  if (host.plugin_module() == nullptr) return 0;
  DLGPROC proc = reinterpret_cast<DLGPROC>(a[1]);
  HWND dialog = CreateDialogParamA(host.plugin_module(), MAKEINTRESOURCEA(WORD(a[0])), window_of(a[2]), proc, 0);
  if (dialog != nullptr) host.set_last_dialog(dialog);
  return reinterpret_cast<FxWord>(dialog);
}

FxWord end_dialog(const Args& a) { return DestroyWindow(window_of(a[0])) ? 1 : 0; }

FxWord set_timer(const Args& a) { return SetTimer(window_of(a[0]), UINT_PTR(a[1]), UINT(a[2]), nullptr) != 0 ? 1 : 0; }

FxWord kill_timer(const Args& a) { return KillTimer(window_of(a[0]), UINT_PTR(a[1])) ? 1 : 0; }

FxWord enable_item(const Args& a) {
  HWND control = GetDlgItem(window_of(a[0]), int(a[1]));
  if (control == nullptr) return 0;
  EnableWindow(control, a[2] != 0 ? TRUE : FALSE);
  return 1;
}

FxWord set_string(const Args& a) {
  const char* text = reinterpret_cast<const char*>(a[2]);
  return SetDlgItemTextA(window_of(a[0]), int(a[1]), text == nullptr ? "" : text) ? 1 : 0;
}

FxWord set_focus(const Args& a) {
  HWND control = GetDlgItem(window_of(a[0]), int(a[1]));
  if (control == nullptr) return 0;
  SetFocus(control);
  return GetFocus() == control ? 1 : 0;
}

}  // namespace

void add_dialog_manager_functions(Host& host) {
  host.set_builtin("FX_Dialog", [&host](const Args& a) { return create_dialog(host, a); });
  host.set_builtin("FX_EndDialog", end_dialog);
  host.set_builtin("FX_SetTimer", set_timer);
  host.set_builtin("FX_KillTimer", kill_timer);
  host.set_builtin("FX_EnableDlgItem", enable_item);
  host.set_builtin("FX_SetDlgString", set_string);
  host.set_builtin("FX_SetDlgFocus", set_focus);
  host.set_builtin("FX_RedrawMusic", [](const Args&) -> FxWord { return 1; });
}

}  // namespace sim
