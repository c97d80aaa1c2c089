// Activation and keyboard focus. Only top-level windows are activated; the
// window that loses the activation receives WM_ACTIVATE with WA_INACTIVE and
// the one that gains it WM_ACTIVATE with WA_ACTIVE (high word: minimized),
// each with the other window in lParam. The stand-in sends no focus messages.
#include <algorithm>

#include "platform/posix/window_store.h"

using standin::detail::find;
using standin::detail::Window;
using standin::detail::world;

namespace {

bool is_child_style(const Window& w) { return (w.style & (WS_CHILD | WS_POPUP)) == WS_CHILD; }

bool focus_is_inside(HWND top) {
  HWND focus = world().focus;
  return focus != nullptr && standin::detail::top_level_of(focus) == top;
}

bool can_take_activation(const Window& w, HWND leaving) {
  return w.handle != leaving && !w.destroying && (w.style & WS_VISIBLE) &&
         !(w.style & (WS_DISABLED | WS_MINIMIZE));
}

void raise_top_level(HWND hwnd) {
  Window* w = find(hwnd);
  if (w == nullptr) return;
  standin::detail::unlink(*w);
  standin::detail::link(*w, HWND_TOP);
}

}  // namespace

namespace standin::detail {

void activate(HWND hwnd) {
  auto& state = world();
  HWND old = state.active;
  if (old == hwnd) return;
  state.active = hwnd;
  if (hwnd != nullptr) {
    state.foreground = hwnd;
    raise_top_level(hwnd);
    if (!focus_is_inside(hwnd)) state.focus = hwnd;
  }
  if (find(old) != nullptr)
    SendMessageA(old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, IsIconic(old)),
                 reinterpret_cast<LPARAM>(hwnd));
  if (find(hwnd) != nullptr)
    SendMessageA(hwnd, WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, IsIconic(hwnd)),
                 reinterpret_cast<LPARAM>(old));
}

void activate_other_than(HWND hwnd) {
  if (world().focus != nullptr && top_level_of(world().focus) == hwnd) world().focus = nullptr;
  Window* w = find(hwnd);
  Window* owner = w == nullptr ? nullptr : find(w->owner);
  if (owner != nullptr && can_take_activation(*owner, hwnd)) {
    activate(owner->handle);
    return;
  }
  std::vector<HWND> order = world().top_level;
  for (HWND candidate : order) {
    Window* c = find(candidate);
    if (c != nullptr && can_take_activation(*c, hwnd)) {
      activate(candidate);
      return;
    }
  }
  activate(nullptr);
}

}  // namespace standin::detail

HWND SetActiveWindow(HWND hWnd) {
  HWND previous = world().active;
  if (hWnd != nullptr) {
    Window* w = standin::detail::find_or_fail(hWnd);
    if (w == nullptr) return nullptr;
    if (is_child_style(*w)) return previous;
  }
  standin::detail::activate(hWnd);
  return previous;
}

HWND GetActiveWindow(void) { return world().active; }

HWND SetFocus(HWND hWnd) {
  HWND previous = world().focus;
  if (hWnd == nullptr) {
    world().focus = nullptr;
    return previous;
  }
  if (standin::detail::find_or_fail(hWnd) == nullptr) return nullptr;
  for (Window* w = find(hWnd); w != nullptr; w = find(w->parent)) {
    if (w->style & (WS_MINIMIZE | WS_DISABLED)) return nullptr;
    if (w->parent == nullptr) break;
  }
  HWND top = standin::detail::top_level_of(hWnd);
  if (world().active != top) standin::detail::activate(top);
  if (find(hWnd) == nullptr) return nullptr;
  world().focus = hWnd;
  return previous;
}

HWND GetFocus(void) { return world().focus; }

BOOL BringWindowToTop(HWND hWnd) {
  return SetWindowPos(hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

BOOL SetForegroundWindow(HWND hWnd) {
  if (standin::detail::find_or_fail(hWnd) == nullptr) return FALSE;
  HWND top = standin::detail::top_level_of(hWnd);
  standin::detail::activate(top);
  world().foreground = top;
  return TRUE;
}

HWND GetForegroundWindow(void) { return world().foreground; }
