#include "sim/host/document_window.h"

#include <string>

#include "platform/posix/testing.h"

namespace sim {
namespace {

HWND child(HWND parent, const char* class_name, int id, const char* text, RECT rect, bool visible = true) {
  return standin::create_window(parent, class_name, id, text, WS_CHILD, rect, visible);
}

}  // namespace

void DocumentWindows::ensure(const DocumentView& view) {
  if (!exist()) {
    main_ = standin::create_window(nullptr, "SimHostFrame", 0, "Simulated host", WS_OVERLAPPEDWINDOW,
                                   RECT{0, 0, 1024, 740});
    client_ = child(main_, "MDIClient", 0, "", RECT{0, 40, 1024, 740});
    document_ = child(client_, "SimHostDocument", 0, "Score", RECT{0, 0, 1000, 680});
    HWND bar = child(document_, "SimHostViewBar", kViewBarId, "", RECT{0, 650, 1000, 680});
    marker_ = child(bar, "Static", kPageViewMarkerId, "Page", RECT{0, 0, 40, 30});
    page_box_ = child(bar, "Edit", kPageBoxId, "1", RECT{40, 0, 100, 30});
    music_ = child(document_, "SimHostMusic", kMusicViewId, "", RECT{0, 0, 1000, 650});
  }
  show(view);
}

void DocumentWindows::show(const DocumentView& view) {
  if (!exist()) return;
  standin::set_mdi_active(client_, view.document_open ? document_ : nullptr);
  ShowWindow(marker_, view.page_view ? SW_SHOW : SW_HIDE);
  SetWindowTextA(page_box_, std::to_string(view.current_page).c_str());
}

}  // namespace sim
