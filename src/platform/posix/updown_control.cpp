// The up-down control: range, position, buddy and arrow clicks.
//
// The range may be reversed (lowest above highest); it starts as 100..0, so
// the up arrow of an untouched control counts down. A position outside the
// range is clamped. With UDS_SETBUDDYINT the control writes its position into
// its buddy (with thousands separators unless UDS_NOTHOUSANDS) and reads the
// buddy's number back before it moves. A mouse press on an arrow
// (WM_LBUTTONDOWN, the upper half is the up arrow of a vertical control) moves
// one step as press_updown_arrow describes, after handing the focus to an
// edit buddy; its release (WM_LBUTTONUP) sends
// the parent WM_VSCROLL (WM_HSCROLL) with SB_ENDSCROLL.
#include <algorithm>
#include <cstdlib>
#include <string>

#include "platform/posix/testing.h"
#include "platform/posix/window_store.h"

using standin::detail::find;
using standin::detail::Window;

namespace {

bool in_range(const Window& w, int value) {
  int low = std::min(w.ud_lowest, w.ud_highest);
  int high = std::max(w.ud_lowest, w.ud_highest);
  return value >= low && value <= high;
}

int clamp_to_range(const Window& w, int value) {
  int low = std::min(w.ud_lowest, w.ud_highest);
  int high = std::max(w.ud_lowest, w.ud_highest);
  return value < low ? low : value > high ? high : value;
}

std::string format_position(const Window& w) {
  std::string digits = std::to_string(std::abs(static_cast<long long>(w.ud_pos)));
  if (!(w.style & UDS_NOTHOUSANDS))
    for (int at = int(digits.size()) - 3; at > 0; at -= 3) digits.insert(size_t(at), ",");
  return (w.ud_pos < 0 ? "-" : "") + digits;
}

void write_buddy(HWND hwnd) {
  Window* w = find(hwnd);
  if (!(w->style & UDS_SETBUDDYINT) || find(w->buddy) == nullptr) return;
  HWND buddy = w->buddy;
  SetWindowTextA(buddy, format_position(*w).c_str());
}

// Takes the buddy's number as the position; false when it holds none in range.
bool read_buddy(HWND hwnd) {
  Window* w = find(hwnd);
  if (!(w->style & UDS_SETBUDDYINT) || find(w->buddy) == nullptr) return true;
  char text[64];
  GetWindowTextA(w->buddy, text, int(sizeof text));
  std::string digits;
  for (const char* c = text; *c; ++c)
    if (*c != ',') digits += *c;
  char* end = nullptr;
  long value = std::strtol(digits.c_str(), &end, 10);
  w = find(hwnd);
  if (digits.empty() || *end != '\0' || !in_range(*w, int(value))) return false;
  w->ud_pos = int(value);
  return true;
}

LRESULT set_position(HWND hwnd, int value) {
  Window* w = find(hwnd);
  int previous = w->ud_pos;
  w->ud_pos = clamp_to_range(*w, value);
  write_buddy(hwnd);
  return previous;
}

// One step of an arrow: UDN_DELTAPOS to the parent, the move unless the
// parent cancels, then the scroll message with the position.
void step(HWND updown, bool up) {
  read_buddy(updown);
  Window* w = find(updown);
  int delta = (up ? 1 : -1) * (w->ud_highest < w->ud_lowest ? -1 : 1);
  NMUPDOWN note{};
  note.hdr.hwndFrom = updown;
  note.hdr.idFrom = UINT_PTR(w->id);
  note.hdr.code = UDN_DELTAPOS;
  note.iPos = w->ud_pos;
  note.iDelta = delta;
  HWND parent = w->parent;
  bool cancelled =
      SendMessageA(parent, WM_NOTIFY, WPARAM(w->id), reinterpret_cast<LPARAM>(&note)) != 0;
  w = find(updown);
  if (w == nullptr) return;
  if (!cancelled) {
    int moved = clamp_to_range(*w, w->ud_pos + note.iDelta);
    if (moved != w->ud_pos) {
      w->ud_pos = moved;
      write_buddy(updown);
    }
  }
  w = find(updown);
  if (w == nullptr) return;
  UINT scroll = (w->style & UDS_HORZ) ? WM_HSCROLL : WM_VSCROLL;
  SendMessageA(parent, scroll, MAKEWPARAM(SB_THUMBPOSITION, w->ud_pos),
               reinterpret_cast<LPARAM>(updown));
}

void end_scroll(HWND updown) {
  Window* w = find(updown);
  if (w == nullptr) return;
  UINT scroll = (w->style & UDS_HORZ) ? WM_HSCROLL : WM_VSCROLL;
  SendMessageA(w->parent, scroll, MAKEWPARAM(SB_ENDSCROLL, w->ud_pos), reinterpret_cast<LPARAM>(updown));
}

bool on_upper_arrow(const Window& w, LPARAM lp) {
  if (w.style & UDS_HORZ) return SHORT(LOWORD(lp)) >= (w.rect.right - w.rect.left) / 2;
  return SHORT(HIWORD(lp)) < (w.rect.bottom - w.rect.top) / 2;
}

LRESULT mouse(HWND hwnd, Window* w, UINT msg, LPARAM lp) {
  if (msg == WM_LBUTTONDOWN) {
    if (w->ud_pressed || (w->style & WS_DISABLED)) return 0;
    w->ud_pressed = true;
    bool up = on_upper_arrow(*w, lp);
    Window* buddy = find(w->buddy);
    if (buddy != nullptr && buddy->kind == standin::detail::WindowKind::edit) SetFocus(w->buddy);
    step(hwnd, up);
  } else if (w->ud_pressed) {
    w->ud_pressed = false;
    end_scroll(hwnd);
  }
  return 0;
}

LRESULT handle(HWND hwnd, Window* w, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case UDM_SETRANGE:
      w->ud_highest = SHORT(LOWORD(lp));
      w->ud_lowest = SHORT(HIWORD(lp));
      return 0;
    case UDM_GETRANGE:
      return MAKELONG(w->ud_highest, w->ud_lowest);
    case UDM_SETRANGE32:
      w->ud_lowest = int(wp);
      w->ud_highest = int(lp);
      return 0;
    case UDM_GETRANGE32:
      if (wp != 0) *reinterpret_cast<int*>(wp) = w->ud_lowest;
      if (lp != 0) *reinterpret_cast<int*>(lp) = w->ud_highest;
      return 0;
    case UDM_SETPOS:
      return set_position(hwnd, SHORT(LOWORD(lp)));
    case UDM_SETPOS32:
      return set_position(hwnd, int(lp));
    case UDM_GETPOS: {
      bool ok = read_buddy(hwnd);
      return MAKELONG(find(hwnd)->ud_pos, ok ? 0 : 1);
    }
    case UDM_GETPOS32: {
      bool ok = read_buddy(hwnd);
      if (lp != 0) *reinterpret_cast<BOOL*>(lp) = ok ? FALSE : TRUE;
      return find(hwnd)->ud_pos;
    }
    case UDM_SETBUDDY: {
      HWND previous = w->buddy;
      w->buddy = reinterpret_cast<HWND>(wp);
      return reinterpret_cast<LRESULT>(previous);
    }
    case UDM_GETBUDDY:
      return reinterpret_cast<LRESULT>(w->buddy);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
      return mouse(hwnd, w, msg, lp);
    default:
      return DefWindowProcA(hwnd, msg, wp, lp);
  }
}

}  // namespace

namespace standin::detail {

LRESULT CALLBACK updown_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  Window* w = find(hwnd);
  return w == nullptr ? 0 : handle(hwnd, w, msg, wp, lp);
}

}  // namespace standin::detail

namespace standin {

void press_updown_arrow(HWND updown, bool up) {
  Window* w = find(updown);
  if (w == nullptr || w->kind != detail::WindowKind::updown || (w->style & WS_DISABLED)) return;
  step(updown, up);
  end_scroll(updown);
}

UpDownRange updown_range(HWND updown) {
  Window* w = find(updown);
  return w == nullptr ? UpDownRange{0, 0} : UpDownRange{w->ud_lowest, w->ud_highest};
}

int updown_position(HWND updown) {
  Window* w = find(updown);
  return w == nullptr ? 0 : w->ud_pos;
}

}  // namespace standin
