// The window part of the control panel.
#include "platform/posix/testing.h"
#include "platform/posix/window_store.h"

namespace standin {

HWND create_window(HWND parent, const char* class_name, int id, const char* text, DWORD style,
                   RECT rect, bool visible) {
  if (parent != nullptr) style |= WS_CHILD;
  if (visible)
    style |= WS_VISIBLE;
  else
    style &= ~DWORD(WS_VISIBLE);
  HMENU menu = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
  return CreateWindowExA(0, class_name, text, style, rect.left, rect.top, rect.right - rect.left,
                         rect.bottom - rect.top, parent, menu, nullptr, nullptr);
}

void set_dialog_proc(HWND window, DLGPROC proc) {
  SetWindowLongPtrA(window, int(DWLP_DLGPROC), reinterpret_cast<LONG_PTR>(proc));
}

HWND find_by_id_path(HWND root, std::initializer_list<int> ids) {
  HWND at = root;
  for (int id : ids) {
    if (at == nullptr) return nullptr;
    at = GetDlgItem(at, id);
  }
  return at;
}

std::vector<HWND> children(HWND parent) {
  if (parent == nullptr) return detail::world().top_level;
  detail::Window* w = detail::find(parent);
  return w == nullptr ? std::vector<HWND>{} : w->children;
}

size_t window_count() { return detail::world().windows.size(); }

void reset_windows() {
  uintptr_t next_handle = detail::world().next_handle;
  detail::world() = detail::WindowWorld{};
  detail::world().next_handle = next_handle;
}

}  // namespace standin
