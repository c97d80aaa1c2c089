// The dialog procedure: what each message the host's dialog manager passes on
// does. Every handled message answers TRUE; the others FALSE, for the dialog
// manager's default handling.
#include "ui/dialog_position.h"
#include "ui/evpu_fields.h"
#include "ui/dialog_items.h"
#include "ui/respacing_dialog.h"
#include "ui/respacing_dialog_ids.h"

namespace {

// The margin up-downs leave their buddies alone: one click steps the margin by
// one EVPU (more when the control accelerates) in the arrow's direction, within
// the margin's limits, in the unit the field shows.
void step_margin(HWND window, WPARAM control, const NMHDR* header) {
  if (header == nullptr || header->code != UINT(UDN_DELTAPOS)) return;
  const int delta = reinterpret_cast<const NMUPDOWN*>(header)->iDelta;
  if (control == IDC_TOP_MARGIN_UPDOWN)
    KVFX_UpDownEVPUPressed(window, IDC_TOP_MARGIN, -delta, tbMinExtraTopMargin, kTopMarginHighest,
                           tbCurrentMeasurement);
  else if (control == IDC_BOTTOM_MARGIN_UPDOWN)
    KVFX_UpDownEVPUPressed(window, IDC_BOTTOM_MARGIN, -delta, kBottomMarginLowest, kBottomMarginHighest,
                           tbCurrentMeasurement);
}

void initialise(HWND window) {
  if (pDialogData != nullptr) FTX_SetDlgPos(window, &pDialogData->dialogLeft, &pDialogData->dialogTop);
  KVTR_UI_InitDialogData(window);
}

// Range choices react to a click (notification code 0) only; an edit's
// EN_CHANGE (0x300) and the like only lead to the refresh.
void command(HWND window, WORD control, WORD code) {
  switch (control) {
    case IDC_APPLY:
      KVTR_UI_Apply(window);
      break;
    case IDC_CLOSE:
      KVTR_UI_CloseDown(window);
      break;
    case IDC_CURRENT_PAGE:
    case IDC_ALL_PAGES:
      if (code == 0) KVTR_UI_EnableItems(window);
      break;
    case IDC_SINGLE_PAGE:
    case IDC_SELECTED_PAGES:
      if (code == 0) {
        KVTR_UI_EnableItems(window);
        focus_and_select(window, IDC_FROM_PAGE);
      }
      break;
    default:
      break;
  }
  // A command that closed the dialog leaves nothing to refresh.
  if (IsWindow(window)) KVTR_UI_WMTimerHandler(window);
}

INT_PTR handle_message(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      initialise(window);
      return TRUE;
    case WM_ACTIVATE:
      FTX_ToggleWindowSize(window, wParam != 0, &toggleStorage, false);
      KVTR_UI_AdjustModelessStuff(window);
      return TRUE;
    case WM_NOTIFY:
      step_margin(window, wParam, reinterpret_cast<const NMHDR*>(lParam));
      return TRUE;
    case WM_COMMAND:
      command(window, LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    case WM_TIMER:
      KVTR_UI_WMTimerHandler(window);
      return TRUE;
    case WM_CLOSE:
      KVTR_UI_CloseDown(window);
      return TRUE;
    case WM_DESTROY:
      hwndModelessWindow = nullptr;
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

INT_PTR CALLBACK KVTR_UserDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return handle_message(window, message, wParam, lParam);
}
