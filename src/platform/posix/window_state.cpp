// Showing, hiding, minimizing and enabling windows.
//
// Visibility and enabled state are the WS_VISIBLE and WS_DISABLED bits of the
// style, as in Windows. A minimized top-level window sits at (-32000, -32000)
// with the minimized size and returns to its normal rectangle when restored;
// a maximized one fills the screen (a maximized child fills its parent).
#include "platform/posix/window_store.h"

using standin::detail::find;
using standin::detail::Window;
using standin::detail::world;

namespace {

constexpr LONG kMinimizedPosition = -32000;

RECT full_area(const Window& w) {
  if (Window* parent = find(w.parent)) {
    RECT client;
    GetClientRect(parent->handle, &client);
    return client;
  }
  return RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

void restore(Window* w) {
  if (w->style & (WS_MINIMIZE | WS_MAXIMIZE)) w->rect = w->restored;
  w->style &= ~DWORD(WS_MINIMIZE | WS_MAXIMIZE);
}

void minimize(Window* w) {
  if (w->style & WS_MINIMIZE) return;
  restore(w);
  w->restored = w->rect;
  w->style |= WS_MINIMIZE;
  if (w->parent != nullptr) return;
  w->rect = RECT{kMinimizedPosition, kMinimizedPosition,
                 kMinimizedPosition + GetSystemMetrics(SM_CXMINIMIZED),
                 kMinimizedPosition + GetSystemMetrics(SM_CYMINIMIZED)};
}

void maximize(Window* w) {
  if (w->style & WS_MAXIMIZE) return;
  restore(w);
  w->restored = w->rect;
  w->style |= WS_MAXIMIZE;
  w->rect = full_area(*w);
}

bool is_minimizing(int cmd) {
  return cmd == SW_SHOWMINIMIZED || cmd == SW_MINIMIZE || cmd == SW_SHOWMINNOACTIVE ||
         cmd == SW_FORCEMINIMIZE;
}

bool activates(int cmd) {
  return cmd == SW_SHOWNORMAL || cmd == SW_SHOWMINIMIZED || cmd == SW_SHOWMAXIMIZED ||
         cmd == SW_SHOW || cmd == SW_RESTORE || cmd == SW_SHOWDEFAULT;
}

// Applies the size change of a show command; false for an unknown command.
bool apply_placement(Window* w, int cmd) {
  if (is_minimizing(cmd)) {
    minimize(w);
  } else if (cmd == SW_SHOWMAXIMIZED) {
    maximize(w);
  } else if (cmd == SW_SHOWNORMAL || cmd == SW_RESTORE || cmd == SW_SHOWDEFAULT ||
             cmd == SW_SHOWNOACTIVATE) {
    restore(w);
  } else if (cmd != SW_SHOW && cmd != SW_SHOWNA) {
    return false;
  }
  return true;
}

BOOL hide(HWND hwnd) {
  Window* w = find(hwnd);
  if (!(w->style & WS_VISIBLE)) return FALSE;
  w->style &= ~DWORD(WS_VISIBLE);
  SendMessageA(hwnd, WM_SHOWWINDOW, FALSE, 0);
  if (world().active == hwnd) standin::detail::activate_other_than(hwnd);
  return TRUE;
}

}  // namespace

BOOL ShowWindow(HWND hWnd, int nCmdShow) {
  Window* w = standin::detail::find_or_fail(hWnd);
  if (w == nullptr) return FALSE;
  if (nCmdShow == SW_HIDE) return hide(hWnd);
  BOOL was_visible = (w->style & WS_VISIBLE) ? TRUE : FALSE;
  const DWORD placement = w->style & (WS_MINIMIZE | WS_MAXIMIZE);
  if (!apply_placement(w, nCmdShow)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  // As in Windows, a command that finds the window shown and leaves its
  // placement as it was does nothing more: SW_RESTORE on a visible window that
  // is neither minimized nor maximized does not activate it.
  const bool unchanged = was_visible && (w->style & (WS_MINIMIZE | WS_MAXIMIZE)) == placement;
  w->style |= WS_VISIBLE;
  bool top = w->parent == nullptr;
  if (!was_visible) SendMessageA(hWnd, WM_SHOWWINDOW, TRUE, 0);
  if (find(hWnd) == nullptr || !top || unchanged) return was_visible;
  if (activates(nCmdShow))
    standin::detail::activate(hWnd);
  else if (nCmdShow == SW_MINIMIZE && world().active == hWnd)
    standin::detail::activate_other_than(hWnd);
  return was_visible;
}

BOOL IsWindowVisible(HWND hWnd) {
  Window* w = find(hWnd);
  if (w == nullptr) return FALSE;
  for (; w != nullptr; w = find(w->parent))
    if (!(w->style & WS_VISIBLE)) return FALSE;
  return TRUE;
}

BOOL EnableWindow(HWND hWnd, BOOL bEnable) {
  Window* w = standin::detail::find_or_fail(hWnd);
  if (w == nullptr) return FALSE;
  BOOL was_disabled = (w->style & WS_DISABLED) ? TRUE : FALSE;
  if (bEnable && was_disabled) {
    w->style &= ~DWORD(WS_DISABLED);
    SendMessageA(hWnd, WM_ENABLE, TRUE, 0);
  } else if (!bEnable && !was_disabled) {
    w->style |= WS_DISABLED;
    if (world().focus == hWnd) world().focus = nullptr;
    SendMessageA(hWnd, WM_ENABLE, FALSE, 0);
  }
  return was_disabled;
}

BOOL IsWindowEnabled(HWND hWnd) {
  Window* w = find(hWnd);
  return w != nullptr && !(w->style & WS_DISABLED);
}

BOOL IsIconic(HWND hWnd) {
  Window* w = find(hWnd);
  return w != nullptr && (w->style & WS_MINIMIZE);
}

BOOL IsZoomed(HWND hWnd) {
  Window* w = find(hWnd);
  return w != nullptr && (w->style & WS_MAXIMIZE);
}
