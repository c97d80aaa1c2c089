// Which controls the user can reach: the page fields follow the range choice;
// Apply follows the host's page view and the range choices the current page,
// whose number the current-page choice shows.
#include <initializer_list>

#include "host/fx_entries.h"
#include "l10n/dialog_translations.h"
#include "toolkit/document_view.h"
#include "ui/dialog_items.h"
#include "ui/dialog_page_count.h"
#include "ui/respacing_dialog.h"
#include "ui/respacing_dialog_ids.h"
#include "ui/shortcuts.h"

namespace {

constexpr int kLabelLength = 96;
constexpr int kPageLabelLength = kLabelLength + 16;  // " (", up to six digits and sign, ")"

void set_current_page_label(HWND window, int16_t page) {
  char label[kLabelLength];
  lstrcpynA(label, FTX_TranslateFromTable(translCurrentPage, kDialogTranslationRecords, nullptr,
                                          kLanguageUser, nullptr),
            kLabelLength);
  char text[kPageLabelLength];
  if (page == 0)
    lstrcpynA(text, label, kPageLabelLength);
  else
    wsprintfA(text, "%s (%d)", label, int(page));
  FX_SetDlgString(fx_word(window), IDC_CURRENT_PAGE, fx_word(text), kFxInterfaceVersion);
  const int32_t ids[] = {IDC_CURRENT_PAGE};
  FTXW_ResolveShortcuts(window, ids, 1, 0, 1);
}

void clamp_page_fields(HWND window) {
  const int16_t pages = KVTR_UI_PageCount();
  const int16_t from = KVTR_UI_WithinRange(dialog_item_value(window, IDC_FROM_PAGE, kItemNumber), 1, pages);
  const int16_t to = KVTR_UI_WithinRange(dialog_item_value(window, IDC_TO_PAGE, kItemNumber), 1, pages);
  set_dialog_item_value(window, IDC_FROM_PAGE, kItemNumber, from);
  set_dialog_item_value(window, IDC_TO_PAGE, kItemNumber, to);
}

}  // namespace

void KVTR_UI_EnableItems(HWND window) {
  const bool all = dialog_item_checked(window, IDC_ALL_PAGES);
  const bool current = dialog_item_checked(window, IDC_CURRENT_PAGE);
  const bool single = dialog_item_checked(window, IDC_SINGLE_PAGE);
  const bool from_enabled = !all && !current;
  const bool to_enabled = from_enabled && !single;
  enable_dialog_item(window, IDC_FROM_PAGE, from_enabled);
  enable_dialog_item(window, IDC_FROM_PAGE_UPDOWN, from_enabled);
  enable_dialog_item(window, IDC_TO_LABEL, to_enabled);
  enable_dialog_item(window, IDC_TO_PAGE, to_enabled);
  enable_dialog_item(window, IDC_TO_PAGE_UPDOWN, to_enabled);
}

void KVTR_UI_AdjustModelessStuff(HWND window) {
  enable_dialog_item(window, IDC_APPLY, FTX_IsPageView());
  const int16_t page = FTX_GetCurrentPage();
  set_current_page_label(window, page);
  for (int16_t control : {IDC_CURRENT_PAGE, IDC_ALL_PAGES, IDC_SINGLE_PAGE, IDC_SELECTED_PAGES})
    enable_dialog_item(window, control, page != 0);
  if (page != 0) clamp_page_fields(window);
}
