// Apply and closing. Apply runs the page driver synchronously on the range the
// entries name; closing keeps the position and whatever entries pass their
// checks, so the next opening shows them.
#include "engine/page_driver.h"
#include "host/fx_entries.h"
#include "toolkit/focus.h"
#include "toolkit/key_state.h"
#include "toolkit/notify_hooks.h"
#include "ui/dialog_position.h"
#include "ui/message_boxes.h"
#include "ui/respacing_dialog.h"

namespace {

void remember_position(HWND window) {
  if (pDialogData != nullptr) FTX_GetDlgPos(window, &pDialogData->dialogLeft, &pDialogData->dialogTop);
}

}  // namespace

// Ctrl (alone, bit 0 of the key state) held on Apply closes the dialog after the run.
void KVTR_UI_Apply(HWND window) {
  const int16_t keys = FTX_KeyPressed();
  if (KVTR_UI_GetDialogData(window) == 0) return;
  remember_position(window);
  KVTR_StartProcess(window, pDialogData, &KVTR_UI_ReportPageResult);
  FX_RedrawMusic(0, kFxInterfaceVersion);
  if ((keys & kFtxKeyCtrl) != 0)
    KVTR_UI_CloseDown(window);
  else
    FTX_SetFinaleInFocus(false);
}

void KVTR_UI_CloseDown(HWND window) {
  if (window != nullptr && IsWindow(window)) {
    remember_position(window);
    KVTR_UI_GetDialogData(window);  // a rejected entry beeps; the record keeps its values
    FX_EndDialog(fx_word(window), kFxInterfaceVersion);
  }
  hwndModelessWindow = nullptr;
}

void KVTR_UI_Shutdown() {
  KVTR_UI_CloseDown(hwndModelessWindow);
  PDKTOOLS_SetNotifyHook(&myNotifyProc, 0);
}
