// Filling the controls from the settings record when the dialog is created.
// Margins are EVPU in the record and shown in the host's current unit.
#include "host/fx_entries.h"
#include "toolkit/host_options.h"
#include "ui/control_messages.h"
#include "ui/dialog_items.h"
#include "ui/dialog_page_count.h"
#include "ui/evpu_fields.h"
#include "ui/respacing_dialog.h"
#include "ui/respacing_dialog_ids.h"
#include "ui/translate_controls.h"

namespace {

constexpr int16_t kPageFieldLength = 4;
constexpr int16_t kMarginFieldLength = 7;

void set_limits(HWND window, int16_t pages) {
  KVFX_SetMaxInputLen(window, IDC_FROM_PAGE, kPageFieldLength);
  KVFX_SetMaxInputLen(window, IDC_TO_PAGE, kPageFieldLength);
  KVFX_SetMaxInputLen(window, IDC_TOP_MARGIN, kMarginFieldLength);
  KVFX_SetMaxInputLen(window, IDC_BOTTOM_MARGIN, kMarginFieldLength);
  KVFX_SetUpDownCtrlRange(window, IDC_FROM_PAGE_UPDOWN, 1, pages);
  KVFX_SetUpDownCtrlRange(window, IDC_TO_PAGE_UPDOWN, 1, pages);
}

void check_if(HWND window, int16_t control, bool checked) {
  set_dialog_item_value(window, control, kItemRadioButton, checked ? 1 : 0);
}

void fill_page_range(HWND window, const structUserPrefs* prefs, int16_t pages) {
  check_if(window, IDC_CURRENT_PAGE, prefs->processRange == 3);
  check_if(window, IDC_ALL_PAGES, prefs->processRange == 0);
  check_if(window, IDC_SINGLE_PAGE, prefs->processRange == 1);
  check_if(window, IDC_SELECTED_PAGES, prefs->processRange == 2);
  int16_t from = KVTR_UI_WithinRange(prefs->firstPage, 1, pages);
  int16_t to = KVTR_UI_WithinRange(prefs->lastPage, 1, pages);
  if (from > to) {
    const int16_t swapped = from;
    from = to;
    to = swapped;
  }
  set_dialog_item_value(window, IDC_FROM_PAGE, kItemNumber, from);
  set_dialog_item_value(window, IDC_TO_PAGE, kItemNumber, to);
}

void fill_options(HWND window, const structUserPrefs* prefs) {
  tbCurrentMeasurement = KVGEN_GetCurrentUnitStyle();
  KVFX_SetDlgItemUser(window, IDC_TOP_MARGIN, tbCurrentMeasurement, prefs->extraTopMargin);
  KVFX_SetDlgItemUser(window, IDC_BOTTOM_MARGIN, tbCurrentMeasurement, prefs->extraBottomMargin);
  set_dialog_item_value(window, IDC_KEEP_TOPMOST, kItemCheckBox, prefs->keepTopmostStill);
  set_dialog_item_value(window, IDC_INCLUDE_GAPS, kItemCheckBox, prefs->includeGaps);
  set_dialog_item_value(window, IDC_COMPACT, kItemCheckBox, prefs->compact);
  // A value outside 0..3 (a damaged registry value) leaves all four unchecked.
  check_if(window, IDC_LEAVE_ALONE, prefs->singleSystems == 0);
  check_if(window, IDC_PLACE_TOP, prefs->singleSystems == 1);
  check_if(window, IDC_PLACE_CENTER, prefs->singleSystems == 2);
  check_if(window, IDC_PLACE_BOTTOM, prefs->singleSystems == 3);
}

}  // namespace

void KVTR_UI_InitDialogData(HWND window) {
  tbMinExtraTopMargin = KVGEN_AvoidCollisionSelected() ? 0 : kTopMarginLowest;
  const int16_t pages = KVTR_UI_PageCount();
  set_limits(window, pages);
  if (pDialogData != nullptr) {
    fill_page_range(window, pDialogData, pages);
    fill_options(window, pDialogData);
  }
  KVTR_UI_EnableItems(window);
  KVTR_UI_TranslateControls(window);
  bLastViewWasPageView = 1;
  FX_SetTimer(fx_word(window), kRefreshTimer, kRefreshPeriodMs, kFxInterfaceVersion);
}
