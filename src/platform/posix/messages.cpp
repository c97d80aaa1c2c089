// Sending and posting messages, and the default window procedure.
//
// DefWindowProcA keeps the window text (WM_SETTEXT, WM_GETTEXT with the
// buffer size in wParam, WM_GETTEXTLENGTH), destroys the window on WM_CLOSE
// and carries out the window-menu commands (WM_SYSCOMMAND: SC_CLOSE sends
// WM_CLOSE, as the close box does; SC_MINIMIZE and SC_RESTORE show the window
// minimized or restored); every other message answers 0.
#include <algorithm>
#include <cstring>

#include "platform/posix/testing.h"
#include "platform/posix/window_store.h"

using standin::detail::find;
using standin::detail::world;

LRESULT SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  standin::detail::Window* w = standin::detail::find_or_fail(hWnd);
  if (w == nullptr) return 0;
  WNDPROC proc = w->proc;
  return proc(hWnd, Msg, wParam, lParam);
}

LRESULT SendDlgItemMessageA(HWND hDlg, int nIDDlgItem, UINT Msg, WPARAM wParam, LPARAM lParam) {
  HWND item = GetDlgItem(hDlg, nIDDlgItem);
  if (item == nullptr) return 0;
  return SendMessageA(item, Msg, wParam, lParam);
}

BOOL PostMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  if (hWnd != nullptr && standin::detail::find_or_fail(hWnd) == nullptr) return FALSE;
  world().posted.push_back(standin::detail::PostedMessage{hWnd, Msg, wParam, lParam});
  return TRUE;
}

LRESULT CallWindowProcA(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  if (lpPrevWndFunc == nullptr) return 0;
  return lpPrevWndFunc(hWnd, Msg, wParam, lParam);
}

LRESULT DefWindowProcA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  standin::detail::Window* w = find(hWnd);
  if (w == nullptr) return 0;
  switch (Msg) {
    case WM_SETTEXT: {
      const char* text = reinterpret_cast<const char*>(lParam);
      w->text = text == nullptr ? "" : text;
      return TRUE;
    }
    case WM_GETTEXT: {
      char* out = reinterpret_cast<char*>(lParam);
      if (out == nullptr || wParam == 0) return 0;
      size_t n = std::min(w->text.size(), size_t(wParam) - 1);
      std::memcpy(out, w->text.data(), n);
      out[n] = '\0';
      return LRESULT(n);
    }
    case WM_GETTEXTLENGTH:
      return LRESULT(w->text.size());
    case WM_CLOSE:
      DestroyWindow(hWnd);
      return 0;
    case WM_SYSCOMMAND:
      switch (wParam & 0xFFF0) {
        case SC_CLOSE: SendMessageA(hWnd, WM_CLOSE, 0, 0); break;
        case SC_MINIMIZE: ShowWindow(hWnd, SW_MINIMIZE); break;
        case SC_RESTORE: ShowWindow(hWnd, SW_RESTORE); break;
        default: break;
      }
      return 0;
    default:
      return 0;
  }
}

namespace standin {

size_t dispatch_posted_messages() {
  size_t delivered = 0;
  auto& queue = world().posted;
  while (!queue.empty()) {
    detail::PostedMessage m = queue.front();
    queue.pop_front();
    if (find(m.hwnd) == nullptr) continue;
    SendMessageA(m.hwnd, m.msg, m.wp, m.lp);
    ++delivered;
  }
  return delivered;
}

}  // namespace standin
