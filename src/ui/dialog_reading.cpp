// Reading the dialog into the settings record. Every entry is checked before
// anything is written: page range first (from at least 1 and not above to,
// then to not above the page count), then the top margin, then the bottom
// margin; only the first rejected entry is reported.
//
// Margins come from the host as EVPU doubles and are kept as whole EVPU,
// truncated toward zero (12.9 -> 12, -12.9 -> -12). The range check is made
// on the double, so a huge or undefined value is rejected instead of being
// squeezed into 16 bits.
#include <cmath>
#include <limits>

#include "host/fx_entries.h"
#include "toolkit/document_view.h"
#include "ui/dialog_items.h"
#include "ui/dialog_page_count.h"
#include "ui/message_boxes.h"
#include "ui/respacing_dialog.h"
#include "ui/respacing_dialog_ids.h"

namespace {

struct DialogEntries {
  int16_t range;
  int16_t from;
  int16_t to;
  int16_t top;
  int16_t bottom;
};

void read_page_range(HWND window, DialogEntries* e) {
  if (dialog_item_checked(window, IDC_ALL_PAGES)) {
    e->range = 0;
    e->from = 1;
    e->to = KVTR_UI_PageCount();
    return;
  }
  e->from = dialog_item_value(window, IDC_FROM_PAGE, kItemNumber);
  e->to = dialog_item_value(window, IDC_TO_PAGE, kItemNumber);
  if (dialog_item_checked(window, IDC_SINGLE_PAGE)) {
    e->range = 1;
    e->to = e->from;
  } else {
    e->range = 2;
    if (dialog_item_checked(window, IDC_CURRENT_PAGE)) {
      e->range = 3;
      e->from = e->to = FTX_GetCurrentPage();
    }
  }
}

bool page_range_valid(HWND window, const DialogEntries& e) {
  if (e.range == 0) return true;
  if (e.from <= 0 || e.from > e.to) {
    KVTR_UI_InvalidPageRangeMsgBox(window);
    focus_and_select(window, IDC_FROM_PAGE);
    return false;
  }
  if (e.to > KVTR_UI_PageCount()) {
    KVTR_UI_InvalidPageRangeMsgBox(window);
    focus_and_select(window, IDC_TO_PAGE);
    return false;
  }
  return true;
}

// The margin in whole EVPU when it lies within lowest..highest. A host that
// fails the read leaves the NaN in place, so the field counts as invalid
// instead of as a margin of 0.
bool read_margin(HWND window, int16_t control, int16_t lowest, int16_t highest, int16_t* evpu) {
  double value = std::numeric_limits<double>::quiet_NaN();
  FX_GetDlgItemUser(fx_word(window), control, tbCurrentMeasurement, fx_word(&value), kFxInterfaceVersion);
  const double whole = std::trunc(value);
  if (!(whole >= lowest && whole <= highest)) return false;  // NaN fails too
  *evpu = int16_t(whole);
  return true;
}

bool margins_valid(HWND window, DialogEntries* e) {
  if (!read_margin(window, IDC_TOP_MARGIN, tbMinExtraTopMargin, kTopMarginHighest, &e->top)) {
    KVTR_UI_InvalidTopMarginMsgBox(window);
    focus_and_select(window, IDC_TOP_MARGIN);
    return false;
  }
  if (!read_margin(window, IDC_BOTTOM_MARGIN, kBottomMarginLowest, kBottomMarginHighest, &e->bottom)) {
    KVTR_UI_InvalidBottomMarginMsgBox(window);
    focus_and_select(window, IDC_BOTTOM_MARGIN);
    return false;
  }
  return true;
}

int16_t single_systems_choice(HWND window) {
  if (dialog_item_checked(window, IDC_LEAVE_ALONE)) return 0;
  if (dialog_item_checked(window, IDC_PLACE_TOP)) return 1;
  if (dialog_item_checked(window, IDC_PLACE_CENTER)) return 2;
  return 3;
}

void store(HWND window, const DialogEntries& e, structUserPrefs* prefs) {
  prefs->processRange = e.range;
  prefs->firstPage = e.from;
  prefs->lastPage = e.to;
  prefs->extraTopMargin = e.top;
  prefs->extraBottomMargin = e.bottom;
  prefs->keepTopmostStill = dialog_item_value(window, IDC_KEEP_TOPMOST, kItemCheckBox);
  prefs->includeGaps = dialog_item_value(window, IDC_INCLUDE_GAPS, kItemCheckBox);
  prefs->compact = dialog_item_value(window, IDC_COMPACT, kItemCheckBox);
  prefs->singleSystems = single_systems_choice(window);
}

}  // namespace

int16_t KVTR_UI_GetDialogData(HWND window) {
  DialogEntries entries = {};
  read_page_range(window, &entries);
  if (!page_range_valid(window, entries) || !margins_valid(window, &entries)) return 0;
  if (pDialogData == nullptr) return 0;
  store(window, entries, pDialogData);
  return 1;
}
