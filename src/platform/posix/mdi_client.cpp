// The MDI client window: it remembers its active child. WM_MDIGETACTIVE
// answers it (and whether it is maximized, through a non-null BOOL* lParam),
// WM_MDIACTIVATE changes it, WM_MDIDESTROY destroys a child.
#include "platform/posix/testing.h"
#include "platform/posix/window_store.h"

using standin::detail::find;
using standin::detail::Window;

namespace standin::detail {

LRESULT CALLBACK mdi_client_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  Window* w = find(hwnd);
  if (w == nullptr) return 0;
  switch (msg) {
    case WM_MDIGETACTIVE: {
      HWND active = find(w->mdi_active) == nullptr ? nullptr : w->mdi_active;
      if (lp != 0) *reinterpret_cast<BOOL*>(lp) = IsZoomed(active);
      return reinterpret_cast<LRESULT>(active);
    }
    case WM_MDIACTIVATE: {
      Window* child = find(reinterpret_cast<HWND>(wp));
      if (child != nullptr && child->parent == hwnd) w->mdi_active = child->handle;
      return 0;
    }
    case WM_MDIDESTROY:
      DestroyWindow(reinterpret_cast<HWND>(wp));
      return 0;
    default:
      return DefWindowProcA(hwnd, msg, wp, lp);
  }
}

}  // namespace standin::detail

namespace standin {

void set_mdi_active(HWND client, HWND child) {
  Window* w = find(client);
  if (w != nullptr) w->mdi_active = child;
}

}  // namespace standin
