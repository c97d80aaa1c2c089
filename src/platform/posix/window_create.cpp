// Creating and destroying windows.
//
// Children are linked at the bottom of their siblings, so window order is
// creation order (as dialog controls are enumerated in template order);
// top-level windows and maximized children go on top. A visible top-level
// window is activated as it is created.
//
// DestroyWindow hides the window first, handing the activation on (so the
// window hears WM_ACTIVATE/WA_INACTIVE while it still works), destroys the
// windows it owns, sends WM_DESTROY to it and then to its descendants, and
// frees them all with their timers.
#include <algorithm>
#include <cstring>

#include "platform/posix/window_store.h"

using standin::detail::find;
using standin::detail::Window;
using standin::detail::WindowKind;
using standin::detail::world;

namespace {

struct ClassInfo {
  const char* name;
  WindowKind kind;
  WNDPROC proc;
};

LRESULT CALLBACK dialog_class_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  return DefDlgProcA(hwnd, msg, wp, lp);
}

LRESULT CALLBACK plain_class_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  return DefWindowProcA(hwnd, msg, wp, lp);
}

const ClassInfo kClasses[] = {
    {"#32770", WindowKind::dialog, dialog_class_proc},
    {"Button", WindowKind::button, standin::detail::button_proc},
    {"Edit", WindowKind::edit, standin::detail::edit_proc},
    {"Static", WindowKind::plain, plain_class_proc},
    {"ListBox", WindowKind::plain, plain_class_proc},
    {"ComboBox", WindowKind::plain, plain_class_proc},
    {"ScrollBar", WindowKind::plain, plain_class_proc},
    {"MDIClient", WindowKind::mdi_client, standin::detail::mdi_client_proc},
    {UPDOWN_CLASSA, WindowKind::updown, standin::detail::updown_proc},
};

// Fills the class fields of `w`; false for a class that cannot be found.
bool resolve_class(LPCSTR name, Window* w) {
  if (name == nullptr) return false;
  if (IS_INTRESOURCE(name)) {
    if (LOWORD(reinterpret_cast<ULONG_PTR>(name)) != 0x8002) return false;
    name = "#32770";
  }
  for (const ClassInfo& c : kClasses) {
    if (standin::detail::same_text_ignoring_case(c.name, name)) {
      w->class_name = c.name;
      w->kind = c.kind;
      w->proc = c.proc;
      return true;
    }
  }
  w->class_name = name;
  w->kind = WindowKind::plain;
  w->proc = plain_class_proc;
  return true;
}

// Places the new window in the tree; false when its parent is not usable.
bool attach(Window* w, HWND parent_or_owner, HMENU menu) {
  if (w->style & WS_CHILD) {
    if (parent_or_owner == nullptr) {
      SetLastError(ERROR_TLW_WITH_WSCHILD);
      return false;
    }
    if (standin::detail::find_or_fail(parent_or_owner) == nullptr) return false;
    w->parent = parent_or_owner;
  } else if (parent_or_owner != nullptr) {
    if (standin::detail::find_or_fail(parent_or_owner) == nullptr) return false;
    w->owner = standin::detail::top_level_of(parent_or_owner);
  }
  w->id = reinterpret_cast<LONG_PTR>(menu);
  return true;
}

RECT initial_rect(const Window& w, int x, int y, int width, int height) {
  bool child = (w.style & WS_CHILD) != 0;
  if (x == CW_USEDEFAULT) x = y = 0;
  if (width == CW_USEDEFAULT) {
    width = child ? 0 : GetSystemMetrics(SM_CXSCREEN) * 3 / 4;
    height = child ? 0 : GetSystemMetrics(SM_CYSCREEN) * 3 / 4;
  }
  return RECT{x, y, x + std::max(width, 0), y + std::max(height, 0)};
}

// Every window of the subtree below `root`, root first, in window order.
void collect_subtree(HWND root, std::vector<HWND>* out) {
  Window* w = find(root);
  if (w == nullptr) return;
  out->push_back(root);
  std::vector<HWND> kids = w->children;
  for (HWND child : kids) collect_subtree(child, out);
}

void forget(HWND hwnd) {
  auto& state = world();
  if (state.focus == hwnd) state.focus = nullptr;
  if (state.foreground == hwnd) state.foreground = nullptr;
  for (auto& entry : state.windows) {
    if (entry.second.mdi_active == hwnd) entry.second.mdi_active = nullptr;
    if (entry.second.buddy == hwnd) entry.second.buddy = nullptr;
    if (entry.second.owner == hwnd) entry.second.owner = nullptr;
  }
}

void destroy_owned(HWND owner) {
  std::vector<HWND> owned;
  for (auto& entry : world().windows)
    if (entry.second.owner == owner && !entry.second.destroying) owned.push_back(entry.first);
  std::sort(owned.begin(), owned.end());  // in the order they were made
  for (HWND w : owned) DestroyWindow(w);
}

}  // namespace

HWND CreateWindowExA(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle, int X,
                     int Y, int nWidth, int nHeight, HWND hWndParent, HMENU hMenu,
                     HINSTANCE hInstance, LPVOID /*lpParam*/) {
  Window w;
  w.style = dwStyle;
  w.ex_style = dwExStyle;
  w.instance = hInstance;
  if (!resolve_class(lpClassName, &w)) {
    SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
    return nullptr;
  }
  if (!attach(&w, hWndParent, hMenu)) return nullptr;
  w.text = lpWindowName == nullptr ? "" : lpWindowName;
  w.rect = initial_rect(w, X, Y, nWidth, nHeight);
  w.restored = w.rect;
  auto& state = world();
  w.handle = reinterpret_cast<HWND>(state.next_handle);
  state.next_handle += 4;
  HWND hwnd = w.handle;
  bool on_top = (dwStyle & (WS_CHILD | WS_MAXIMIZE)) != WS_CHILD;
  Window& stored = state.windows.emplace(hwnd, std::move(w)).first->second;
  standin::detail::link(stored, on_top ? HWND_TOP : HWND_BOTTOM);
  if (stored.kind == WindowKind::updown && (stored.style & UDS_AUTOBUDDY))
    stored.buddy = GetWindow(hwnd, GW_HWNDPREV);
  if (stored.parent == nullptr && (stored.style & WS_VISIBLE)) standin::detail::activate(hwnd);
  return hwnd;
}

BOOL IsWindow(HWND hWnd) { return find(hWnd) != nullptr; }

BOOL DestroyWindow(HWND hWnd) {
  Window* w = standin::detail::find_or_fail(hWnd);
  if (w == nullptr || w->destroying) return FALSE;
  std::vector<HWND> doomed;
  collect_subtree(hWnd, &doomed);
  for (HWND h : doomed) find(h)->destroying = true;
  find(hWnd)->style &= ~DWORD(WS_VISIBLE);
  if (world().active == hWnd) standin::detail::activate_other_than(hWnd);
  destroy_owned(hWnd);
  for (HWND h : doomed)
    if (find(h) != nullptr) SendMessageA(h, WM_DESTROY, 0, 0);
  doomed.clear();
  collect_subtree(hWnd, &doomed);
  if (world().active == hWnd) world().active = nullptr;
  for (auto it = doomed.rbegin(); it != doomed.rend(); ++it) {
    Window* gone = find(*it);
    standin::detail::unlink(*gone);
    forget(*it);
    world().windows.erase(*it);
  }
  return TRUE;
}
