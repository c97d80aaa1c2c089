// The dialog's toolkit hook: the host's settings changed (1), the host was
// activated or deactivated (5), the host is closing (52).
#include "l10n/system_language.h"
#include "toolkit/host_notifications.h"
#include "ui/respacing_dialog.h"
#include "ui/translate_controls.h"

int32_t myNotifyProc(int32_t event, int32_t /*value*/, const void* data) {
  const bool open = hwndModelessWindow != nullptr && IsWindow(hwndModelessWindow);
  switch (event) {
    case kFtxEventSettingsChanged:
      // The user may have chosen another language: take it (also while the
      // dialog is closed, so that it opens in it next time), then set the
      // labels of an open dialog again, the current-page choice included.
      KVTR_TakeUserLanguageFromSystem();
      if (open) {
        KVTR_UI_TranslateControls(hwndModelessWindow);
        KVTR_UI_AdjustModelessStuff(hwndModelessWindow);
      }
      break;
    case kFtxEventActivation:
      if (open && data != nullptr && *static_cast<const int16_t*>(data) == 0)
        FTX_ToggleWindowSize(hwndModelessWindow, true, &toggleStorage, true);
      break;
    case kFtxEventHostClosing:
      KVTR_UI_CloseDown(hwndModelessWindow);
      break;
    default:
      break;
  }
  return 0;
}
