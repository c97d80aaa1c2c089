// The host's windows as real Win32 windows: a frame window with an "MDIClient"
// whose MDI child is the document window, holding the view bar (203) with the
// page view marker (1016) and the page box (1005), and the music view.
#include "sim/host/document_window.h"

#include <string>

namespace sim {
namespace {

LRESULT CALLBACK frame_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_DESTROY) PostQuitMessage(0);
  HWND client = FindWindowExA(hwnd, nullptr, "MDIClient", nullptr);
  return DefFrameProcA(hwnd, client, msg, wp, lp);
}

void register_classes() {
  static bool registered = false;
  if (registered) return;
  const struct {
    const char* name;
    WNDPROC proc;
  } classes[] = {{"SimHostFrame", frame_proc},
                 {"SimHostDocument", DefMDIChildProcA},
                 {"SimHostViewBar", DefWindowProcA},
                 {"SimHostMusic", DefWindowProcA}};
  for (const auto& c : classes) {
    WNDCLASSA window_class = {};
    window_class.lpfnWndProc = c.proc;
    window_class.hInstance = GetModuleHandleA(nullptr);
    window_class.hCursor = LoadCursor(nullptr, IDC_ARROW);
    window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    window_class.lpszClassName = c.name;
    RegisterClassA(&window_class);
  }
  registered = true;
}

HWND child(HWND parent, const char* class_name, int id, const char* text, RECT r, bool visible = true) {
  return CreateWindowExA(0, class_name, text, WS_CHILD | (visible ? WS_VISIBLE : 0), r.left, r.top,
                         r.right - r.left, r.bottom - r.top, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
}

}  // namespace

void DocumentWindows::ensure(const DocumentView& view) {
  if (!exist()) {
    register_classes();
    main_ = CreateWindowExA(0, "SimHostFrame", "Simulated host", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0,
                            1024, 740, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    CLIENTCREATESTRUCT client = {nullptr, 1};
    client_ = CreateWindowExA(0, "MDIClient", nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 40, 1000, 660,
                              main_, nullptr, GetModuleHandleA(nullptr), &client);
    MDICREATESTRUCTA document = {"SimHostDocument", "Score", GetModuleHandleA(nullptr), 0, 0, 980, 620,
                                 WS_VISIBLE, 0};
    document_ = reinterpret_cast<HWND>(SendMessageA(client_, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&document)));
    HWND bar = child(document_, "SimHostViewBar", kViewBarId, "", RECT{0, 550, 960, 580});
    marker_ = child(bar, "Static", kPageViewMarkerId, "Page", RECT{0, 0, 40, 30});
    page_box_ = child(bar, "Edit", kPageBoxId, "1", RECT{40, 0, 100, 30});
    music_ = child(document_, "SimHostMusic", kMusicViewId, "", RECT{0, 0, 960, 550});
    ShowWindow(main_, SW_SHOW);
  }
  show(view);
}

void DocumentWindows::show(const DocumentView& view) {
  if (!exist()) return;
  if (view.document_open) {
    ShowWindow(document_, SW_SHOW);
    SendMessageA(client_, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(document_), 0);
  } else {
    ShowWindow(document_, SW_HIDE);  // no active document window
  }
  ShowWindow(marker_, view.page_view ? SW_SHOW : SW_HIDE);
  SetWindowTextA(page_box_, std::to_string(view.current_page).c_str());
}

}  // namespace sim
