// Walking the window tree: parents, owners, siblings, children, ids, classes.
//
// GetParent answers the parent of a child window, the owner of a WS_POPUP
// window and null for other top-level windows. FindWindowExA compares class
// names and window texts without regard to case.
#include <algorithm>
#include <cstring>

#include "platform/posix/window_store.h"

using standin::detail::find;
using standin::detail::Window;
using standin::detail::world;

namespace {

int copy_truncated(const std::string& text, LPSTR out, int size) {
  if (out == nullptr || size <= 0) return 0;
  int n = std::min(int(text.size()), size - 1);
  std::memcpy(out, text.data(), size_t(n));
  out[n] = '\0';
  return n;
}

bool class_matches(const Window& w, LPCSTR wanted) {
  if (wanted == nullptr) return true;
  if (IS_INTRESOURCE(wanted))
    return LOWORD(reinterpret_cast<ULONG_PTR>(wanted)) == 0x8002 && w.class_name == "#32770";
  return standin::detail::same_text_ignoring_case(w.class_name, wanted);
}

void enumerate(const std::vector<HWND>& list, WNDENUMPROC proc, LPARAM lParam, bool* go_on) {
  for (HWND h : list) {
    if (!*go_on) return;
    Window* w = find(h);
    if (w == nullptr) continue;
    std::vector<HWND> kids = w->children;
    if (!proc(h, lParam)) {
      *go_on = false;
      return;
    }
    enumerate(kids, proc, lParam, go_on);
  }
}

}  // namespace

HWND GetParent(HWND hWnd) {
  Window* w = standin::detail::find_or_fail(hWnd);
  if (w == nullptr) return nullptr;
  if (w->style & WS_CHILD) return w->parent;
  if (w->style & WS_POPUP) return w->owner;
  return nullptr;
}

HWND GetDlgItem(HWND hDlg, int nIDDlgItem) {
  Window* dialog = standin::detail::find_or_fail(hDlg);
  if (dialog == nullptr) return nullptr;
  for (HWND child : dialog->children)
    if (find(child)->id == LONG_PTR(nIDDlgItem)) return child;
  return nullptr;
}

int GetDlgCtrlID(HWND hWnd) {
  Window* w = standin::detail::find_or_fail(hWnd);
  return w == nullptr ? 0 : int(w->id);
}

HWND FindWindowExA(HWND hWndParent, HWND hWndChildAfter, LPCSTR lpszClass, LPCSTR lpszWindow) {
  if (hWndParent != nullptr && standin::detail::find_or_fail(hWndParent) == nullptr)
    return nullptr;
  const std::vector<HWND>& list =
      hWndParent == nullptr ? world().top_level : find(hWndParent)->children;
  auto start = list.begin();
  if (hWndChildAfter != nullptr) {
    start = std::find(list.begin(), list.end(), hWndChildAfter);
    if (start == list.end()) return nullptr;
    ++start;
  }
  for (auto it = start; it != list.end(); ++it) {
    const Window& w = *find(*it);
    if (!class_matches(w, lpszClass)) continue;
    if (lpszWindow != nullptr && !standin::detail::same_text_ignoring_case(w.text, lpszWindow))
      continue;
    return *it;
  }
  return nullptr;
}

HWND GetTopWindow(HWND hWnd) {
  if (hWnd == nullptr) return world().top_level.empty() ? nullptr : world().top_level.front();
  Window* w = standin::detail::find_or_fail(hWnd);
  if (w == nullptr || w->children.empty()) return nullptr;
  return w->children.front();
}

HWND GetWindow(HWND hWnd, UINT uCmd) {
  Window* w = standin::detail::find_or_fail(hWnd);
  if (w == nullptr) return nullptr;
  if (uCmd == GW_CHILD) return w->children.empty() ? nullptr : w->children.front();
  if (uCmd == GW_OWNER) return w->owner;
  const std::vector<HWND>& list = standin::detail::siblings(*w);
  auto at = std::find(list.begin(), list.end(), hWnd);
  switch (uCmd) {
    case GW_HWNDFIRST:
      return list.front();
    case GW_HWNDLAST:
      return list.back();
    case GW_HWNDNEXT:
      return at + 1 == list.end() ? nullptr : *(at + 1);
    case GW_HWNDPREV:
      return at == list.begin() ? nullptr : *(at - 1);
    case GW_ENABLEDPOPUP:
      return nullptr;
    default:
      SetLastError(ERROR_INVALID_PARAMETER);
      return nullptr;
  }
}

BOOL IsChild(HWND hWndParent, HWND hWnd) {
  Window* w = find(hWnd);
  while (w != nullptr && w->parent != nullptr) {
    if (w->parent == hWndParent) return TRUE;
    w = find(w->parent);
  }
  return FALSE;
}

BOOL EnumChildWindows(HWND hWndParent, WNDENUMPROC lpEnumFunc, LPARAM lParam) {
  if (lpEnumFunc == nullptr) return FALSE;
  std::vector<HWND> list;
  if (hWndParent == nullptr) {
    list = world().top_level;
  } else {
    Window* parent = standin::detail::find_or_fail(hWndParent);
    if (parent == nullptr) return FALSE;
    list = parent->children;
  }
  bool go_on = true;
  enumerate(list, lpEnumFunc, lParam, &go_on);
  return TRUE;
}

int GetClassNameA(HWND hWnd, LPSTR lpClassName, int nMaxCount) {
  Window* w = standin::detail::find_or_fail(hWnd);
  if (w == nullptr) return 0;
  return copy_truncated(w->class_name, lpClassName, nMaxCount);
}
