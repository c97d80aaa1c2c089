// The dialog follows the host's view by polling it (every timer tick and after
// every command); the controls are adjusted only when the view changed.
#include "toolkit/document_view.h"
#include "ui/respacing_dialog.h"

void KVTR_UI_WMTimerHandler(HWND window) {
  const uint8_t page_view = FTX_IsPageView() ? 1 : 0;
  const int32_t page = page_view != 0 ? FTX_GetCurrentPage() : 0;
  if (page_view == bLastViewWasPageView && page == iLastPage) return;
  bLastViewWasPageView = page_view;
  iLastPage = page;
  KVTR_UI_AdjustModelessStuff(window);
}
