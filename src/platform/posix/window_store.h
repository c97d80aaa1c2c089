// The stand-in's window tree: one record per window, kept in a process-wide
// hash map by handle (records never move while they exist). Internal to src/platform/posix.
//
// Window procedures may create and destroy windows while they run, so code
// that calls one must not hold a Window* across the call: look the handle up
// again afterwards (find() answers null once the window is gone).
//
// Positions: `rect` is relative to the parent's client area for child windows
// and in screen coordinates for top-level windows; windows have no frame, so
// the client area is the whole window.
#ifndef KV_PLATFORM_POSIX_WINDOW_STORE_H
#define KV_PLATFORM_POSIX_WINDOW_STORE_H

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/win32.h"

namespace standin::detail {

enum class WindowKind { plain, dialog, button, edit, updown, mdi_client };

// A timer falls due `period` ms after it was set and again each period after
// it fired; timers due at the same time fire in the order they were set.
struct Timer {
  UINT period;
  TIMERPROC proc;
  uint64_t due = 0;
  uint64_t order = 0;
};

struct Window {
  HWND handle = nullptr;
  WindowKind kind = WindowKind::plain;
  std::string class_name;
  std::string text;
  DWORD style = 0;
  DWORD ex_style = 0;
  LONG_PTR id = 0;
  HWND parent = nullptr;  // child windows only
  HWND owner = nullptr;   // top-level windows only
  std::vector<HWND> children;  // window order: the first is on top
  RECT rect{};
  RECT restored{};  // the normal rectangle while minimized or maximized
  WNDPROC proc = nullptr;
  HINSTANCE instance = nullptr;
  LONG_PTR user_data = 0;
  LONG_PTR msg_result = 0;  // dialog slots
  LONG_PTR dlg_proc = 0;
  LONG_PTR dlg_user = 0;
  bool destroying = false;
  // Control state.
  int check = 0;
  UINT sel_start = 0;
  UINT sel_end = 0;
  UINT limit = 30000;
  int ud_lowest = 100;
  int ud_highest = 0;
  int ud_pos = 0;
  bool ud_pressed = false;  // an arrow is held down (WM_LBUTTONDOWN seen, no WM_LBUTTONUP yet)
  HWND buddy = nullptr;
  HWND mdi_active = nullptr;
  std::map<UINT_PTR, Timer> timers;
  // Dialogs made from a template: the font's base units (MapDialogRect).
  int base_x = 0;
  int base_y = 0;
};

struct PostedMessage {
  HWND hwnd;
  UINT msg;
  WPARAM wp;
  LPARAM lp;
};

struct WindowWorld {
  // Looked up on nearly every call, so hashed; nothing may depend on its
  // order (handles grow with creation, for what needs one).
  std::unordered_map<HWND, Window> windows;
  std::vector<HWND> top_level;  // window order of the top-level windows
  uintptr_t next_handle = 0x10010;
  HWND active = nullptr;
  HWND focus = nullptr;
  HWND foreground = nullptr;
  std::deque<PostedMessage> posted;
  std::map<UINT_PTR, Timer> thread_timers;  // timers set with no window
  UINT_PTR next_thread_timer = 1;
  uint64_t clock_ms = 0;  // the simulated clock (GetTickCount)
  uint64_t next_timer_order = 0;
};

WindowWorld& world();
// The window of a handle that exists, or null.
Window* find(HWND hwnd);
// Like find(), but records ERROR_INVALID_WINDOW_HANDLE when it answers null.
Window* find_or_fail(HWND hwnd);
// The sibling list a window lives in: its parent's children or the top-level list.
std::vector<HWND>& siblings(const Window& w);
// Removes a window from its sibling list / inserts it (after `after`, or at the
// front for HWND_TOP, at the end for HWND_BOTTOM).
void unlink(const Window& w);
void link(const Window& w, HWND after);
// The top-level window that holds hwnd (hwnd itself when it is top-level).
HWND top_level_of(HWND hwnd);
// Screen position of the window's top-left corner.
POINT screen_origin(const Window& w);
bool is_top_level(const Window& w);
// Case-insensitive comparison in the user's code page.
bool same_text_ignoring_case(const std::string& a, const char* b);

// The class procedures.
LRESULT CALLBACK button_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
LRESULT CALLBACK edit_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
LRESULT CALLBACK updown_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
LRESULT CALLBACK mdi_client_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

// Activation with WM_ACTIVATE to the windows that lose and gain it.
void activate(HWND hwnd);
// After hwnd stops being eligible (hidden, minimized, destroyed): hand the
// activation to its owner or another visible top-level window.
void activate_other_than(HWND hwnd);

// Sends WM_COMMAND(id, code) from a control to its parent.
void notify_parent(HWND control, WORD code);

}  // namespace standin::detail

#endif
