// One dialog at a time: a second menu pick brings the open dialog back.
#include <cstring>

#include "host/fx_entries.h"
#include "toolkit/notify_hooks.h"
#include "ui/respacing_dialog.h"
#include "ui/respacing_dialog_ids.h"

HWND KVTR_UI_UserDialog(HWND owner, structUserPrefs* prefs) {
  if (hwndModelessWindow != nullptr && IsWindow(hwndModelessWindow)) {
    ShowWindow(hwndModelessWindow, SW_RESTORE);
    SetActiveWindow(hwndModelessWindow);
    return hwndModelessWindow;
  }
  std::memset(&toggleStorage, 0, sizeof toggleStorage);
  PDKTOOLS_SetNotifyHook(&myNotifyProc, 1);
  pDialogData = prefs;
  const FxWord dialog = FX_Dialog(IDD_RESPACING, reinterpret_cast<FxWord>(&KVTR_UserDialogProc),
                                  fx_word(owner), 0, 0, kFxInterfaceVersion);
  hwndModelessWindow = reinterpret_cast<HWND>(dialog);
  return hwndModelessWindow;
}
