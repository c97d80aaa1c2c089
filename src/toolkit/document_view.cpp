#include "toolkit/document_view.h"

#include "host/fx_entries.h"
#include "globals/toolkit_globals.h"
#include "toolkit/window_info.h"

namespace {

constexpr int kViewBoxId = 203;
constexpr int kPageViewMarkerId = 1016;
constexpr int kPageFieldId = 1005;
constexpr int16_t kDialogItemNumber = 3;

// The window-information record when it is the source and the host filled it.
bool read_window_info(FTX_WINDOWINFOBUFFER* record) {
  return FTX_UsesWindowInfoRecord() && FTX_ReadWindowInfo(record);
}

HWND active_document_in_tree() {
  const HWND client = FindWindowExA(FinaleWindow, nullptr, "MDIClient", nullptr);
  return reinterpret_cast<HWND>(SendMessageA(client, WM_MDIGETACTIVE, 0, 0));
}

HWND view_box() { return GetDlgItem(FTX_GetDocumentWindow(), kViewBoxId); }

}  // namespace

HWND FTX_FinaleWindow() { return FinaleWindow; }

HWND FTX_GetDocumentWindow() {
  FTX_WINDOWINFOBUFFER record = {};
  if (read_window_info(&record)) return GetParent(FTX_WindowInfoDocumentChild(&record));
  return active_document_in_tree();
}

bool FTX_IsPageView() {
  FTX_WINDOWINFOBUFFER record = {};
  if (read_window_info(&record)) return FTX_WindowInfoIsPageView(&record);
  return IsWindowVisible(GetDlgItem(view_box(), kPageViewMarkerId)) != 0;
}

int16_t FTX_GetCurrentPage() {
  FTX_WINDOWINFOBUFFER record = {};
  if (read_window_info(&record)) return FTX_WindowInfoIsPageView(&record) ? FTX_WindowInfoPage(&record) : 0;
  if (!FTX_IsPageView()) return 0;
  const int16_t page = static_cast<int16_t>(FX_GetDlgItemVal(fx_word(view_box()), kPageFieldId, kDialogItemNumber,
                                                             kFxInterfaceVersion));
  return page > 0 ? page : -1;
}
