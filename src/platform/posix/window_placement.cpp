// Window rectangles, moves and window order. Positions given to MoveWindow and
// SetWindowPos are relative to the parent's client area for child windows and
// in screen coordinates for top-level windows. Moving a minimized window
// changes the rectangle it is restored to. No move or size messages are sent.
#include "platform/posix/window_store.h"

using standin::detail::find;
using standin::detail::Window;

namespace {

void place(Window* w, int x, int y, int width, int height, bool move, bool size) {
  RECT& target = (w->style & WS_MINIMIZE) ? w->restored : w->rect;
  LONG cx = size ? width : target.right - target.left;
  LONG cy = size ? height : target.bottom - target.top;
  if (move) {
    target.left = x;
    target.top = y;
  }
  target.right = target.left + (cx < 0 ? 0 : cx);
  target.bottom = target.top + (cy < 0 ? 0 : cy);
}

void reorder(Window* w, HWND after) {
  if (after == HWND_TOPMOST || after == HWND_NOTOPMOST) {
    if (w->parent == nullptr) {
      if (after == HWND_TOPMOST)
        w->ex_style |= WS_EX_TOPMOST;
      else
        w->ex_style &= ~DWORD(WS_EX_TOPMOST);
    }
    after = HWND_TOP;
  }
  if (after == w->handle) return;
  Window* sibling = find(after);
  if (after != HWND_TOP && after != HWND_BOTTOM &&
      (sibling == nullptr || sibling->parent != w->parent))
    return;
  standin::detail::unlink(*w);
  standin::detail::link(*w, after);
}

}  // namespace

BOOL GetWindowRect(HWND hWnd, LPRECT lpRect) {
  Window* w = standin::detail::find_or_fail(hWnd);
  if (w == nullptr || lpRect == nullptr) return FALSE;
  POINT at = standin::detail::screen_origin(*w);
  *lpRect = RECT{at.x, at.y, at.x + (w->rect.right - w->rect.left),
                 at.y + (w->rect.bottom - w->rect.top)};
  return TRUE;
}

BOOL GetClientRect(HWND hWnd, LPRECT lpRect) {
  Window* w = standin::detail::find_or_fail(hWnd);
  if (w == nullptr || lpRect == nullptr) return FALSE;
  *lpRect = RECT{0, 0, w->rect.right - w->rect.left, w->rect.bottom - w->rect.top};
  return TRUE;
}

BOOL MoveWindow(HWND hWnd, int X, int Y, int nWidth, int nHeight, BOOL /*bRepaint*/) {
  Window* w = standin::detail::find_or_fail(hWnd);
  if (w == nullptr) return FALSE;
  place(w, X, Y, nWidth, nHeight, true, true);
  return TRUE;
}

BOOL SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int X, int Y, int cx, int cy, UINT uFlags) {
  Window* w = standin::detail::find_or_fail(hWnd);
  if (w == nullptr) return FALSE;
  place(w, X, Y, cx, cy, !(uFlags & SWP_NOMOVE), !(uFlags & SWP_NOSIZE));
  if (!(uFlags & SWP_NOZORDER)) reorder(w, hWndInsertAfter);
  if (uFlags & SWP_SHOWWINDOW) w->style |= WS_VISIBLE;
  if (uFlags & SWP_HIDEWINDOW) {
    w->style &= ~DWORD(WS_VISIBLE);
    if (standin::detail::world().active == hWnd) standin::detail::activate_other_than(hWnd);
  }
  bool activatable = w->parent == nullptr && (w->style & WS_VISIBLE);
  if (!(uFlags & SWP_NOACTIVATE) && activatable) standin::detail::activate(hWnd);
  return TRUE;
}

BOOL ClientToScreen(HWND hWnd, LPPOINT lpPoint) {
  Window* w = standin::detail::find_or_fail(hWnd);
  if (w == nullptr || lpPoint == nullptr) return FALSE;
  POINT at = standin::detail::screen_origin(*w);
  lpPoint->x += at.x;
  lpPoint->y += at.y;
  return TRUE;
}

BOOL ScreenToClient(HWND hWnd, LPPOINT lpPoint) {
  Window* w = standin::detail::find_or_fail(hWnd);
  if (w == nullptr || lpPoint == nullptr) return FALSE;
  POINT at = standin::detail::screen_origin(*w);
  lpPoint->x -= at.x;
  lpPoint->y -= at.y;
  return TRUE;
}
