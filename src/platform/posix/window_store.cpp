// The window tree's storage and the relations every window function shares.
#include "platform/posix/window_store.h"

#include <algorithm>

namespace standin::detail {

WindowWorld& world() {
  static WindowWorld w;
  return w;
}

Window* find(HWND hwnd) {
  if (hwnd == nullptr) return nullptr;
  auto found = world().windows.find(hwnd);
  return found == world().windows.end() ? nullptr : &found->second;
}

Window* find_or_fail(HWND hwnd) {
  Window* w = find(hwnd);
  if (w == nullptr) SetLastError(ERROR_INVALID_WINDOW_HANDLE);
  return w;
}

bool is_top_level(const Window& w) { return w.parent == nullptr; }

std::vector<HWND>& siblings(const Window& w) {
  if (Window* parent = find(w.parent)) return parent->children;
  return world().top_level;
}

void unlink(const Window& w) {
  std::vector<HWND>& list = siblings(w);
  list.erase(std::remove(list.begin(), list.end(), w.handle), list.end());
}

void link(const Window& w, HWND after) {
  std::vector<HWND>& list = siblings(w);
  if (after == HWND_TOP) {
    list.insert(list.begin(), w.handle);
    return;
  }
  auto at = std::find(list.begin(), list.end(), after);
  if (after == HWND_BOTTOM || at == list.end()) {
    list.push_back(w.handle);
    return;
  }
  list.insert(at + 1, w.handle);
}

HWND top_level_of(HWND hwnd) {
  Window* w = find(hwnd);
  while (w != nullptr && w->parent != nullptr) {
    Window* up = find(w->parent);
    if (up == nullptr) break;
    w = up;
  }
  return w == nullptr ? nullptr : w->handle;
}

POINT screen_origin(const Window& w) {
  POINT at{w.rect.left, w.rect.top};
  if (Window* parent = find(w.parent)) {
    POINT base = screen_origin(*parent);
    at.x += base.x;
    at.y += base.y;
  }
  return at;
}

bool same_text_ignoring_case(const std::string& a, const char* b) {
  size_t n = std::char_traits<char>::length(b);
  if (a.size() != n) return false;
  std::string left(a), right(b);
  if (n == 0) return true;
  CharUpperBuffA(&left[0], DWORD(n));
  CharUpperBuffA(&right[0], DWORD(n));
  return left == right;
}

void notify_parent(HWND control, WORD code) {
  Window* w = find(control);
  if (w == nullptr || w->parent == nullptr) return;
  HWND parent = w->parent;
  WORD id = LOWORD(w->id);
  SendMessageA(parent, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control));
}

}  // namespace standin::detail
