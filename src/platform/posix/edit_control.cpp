// Edit controls: selection, text limit, text changes and typing.
//
// The selection is kept as Windows keeps it: EM_SETSEL clamps both ends to
// the text (so -1 means the end) and a start of -1 collapses the selection to
// its current end; EM_GETSEL answers the lower end in the low word and the
// higher in the high word, and also stores them through non-null wParam and
// lParam pointers. WM_SETTEXT empties the selection and, on a single-line
// edit, notifies the parent with EN_UPDATE and EN_CHANGE. A typed character
// (WM_CHAR) replaces the selection: with ES_NUMBER only digits are taken, and
// nothing beyond the text limit; the parent hears EN_UPDATE and EN_CHANGE
// only when the text changed. Control characters are not edited here.
#include <algorithm>
#include <cctype>

#include "platform/posix/testing.h"
#include "platform/posix/window_store.h"

using standin::detail::find;
using standin::detail::Window;

namespace {

constexpr UINT kLargestSingleLineLimit = 0x7FFFFFFE;
constexpr UINT kLargestMultiLineLimit = 65535;

void set_selection(Window* w, UINT start, UINT end) {
  UINT length = UINT(w->text.size());
  if (start == UINT(-1)) {
    start = end = w->sel_end;
  } else {
    start = std::min(start, length);
    end = std::min(end, length);
  }
  w->sel_start = start;
  w->sel_end = end;
}

LRESULT get_selection(Window* w, WPARAM wp, LPARAM lp) {
  UINT length = UINT(w->text.size());
  UINT low = std::min(std::min(w->sel_start, w->sel_end), length);
  UINT high = std::min(std::max(w->sel_start, w->sel_end), length);
  if (wp != 0) *reinterpret_cast<DWORD*>(wp) = low;
  if (lp != 0) *reinterpret_cast<DWORD*>(lp) = high;
  return MAKELONG(low, high);
}

void set_limit(Window* w, WPARAM wp) {
  UINT largest = (w->style & ES_MULTILINE) ? kLargestMultiLineLimit : kLargestSingleLineLimit;
  w->limit = (wp == 0 || wp > largest) ? largest : UINT(wp);
}

LRESULT set_text(HWND hwnd, LPARAM lp) {
  DefWindowProcA(hwnd, WM_SETTEXT, 0, lp);
  Window* w = find(hwnd);
  w->sel_start = w->sel_end = 0;
  if (!(w->style & ES_MULTILINE)) {
    standin::detail::notify_parent(hwnd, EN_UPDATE);
    standin::detail::notify_parent(hwnd, EN_CHANGE);
  }
  return TRUE;
}

// Replaces the selection with what the edit takes of `text`.
void replace_selection(HWND hwnd, const char* text) {
  Window* w = find(hwnd);
  size_t low = std::min({w->sel_start, w->sel_end, UINT(w->text.size())});
  size_t high = std::min(std::max(w->sel_start, w->sel_end), UINT(w->text.size()));
  std::string typed;
  for (const char* c = text; *c; ++c)
    if (!(w->style & ES_NUMBER) || std::isdigit(static_cast<unsigned char>(*c))) typed += *c;
  size_t room = w->limit - std::min<size_t>(w->limit, w->text.size() - (high - low));
  if (typed.size() > room) typed.resize(room);
  if (typed.empty() && low == high) return;
  w->text.replace(low, high - low, typed);
  w->sel_start = w->sel_end = UINT(low + typed.size());
  standin::detail::notify_parent(hwnd, EN_UPDATE);
  standin::detail::notify_parent(hwnd, EN_CHANGE);
}

LRESULT type_character(HWND hwnd, WPARAM wp) {
  const char text[2] = {char(wp), '\0'};
  if (static_cast<unsigned char>(text[0]) >= 0x20) replace_selection(hwnd, text);
  return 0;
}

}  // namespace

namespace standin::detail {

LRESULT CALLBACK edit_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  Window* w = find(hwnd);
  if (w == nullptr) return 0;
  switch (msg) {
    case EM_SETSEL:
      set_selection(w, UINT(wp), UINT(lp));
      return 1;
    case EM_GETSEL:
      return get_selection(w, wp, lp);
    case EM_LIMITTEXT:
      set_limit(w, wp);
      return 0;
    case EM_GETLIMITTEXT:
      return LRESULT(w->limit);
    case WM_SETTEXT:
      return set_text(hwnd, lp);
    case WM_CHAR:
      return type_character(hwnd, wp);
    default:
      return DefWindowProcA(hwnd, msg, wp, lp);
  }
}

}  // namespace standin::detail

namespace standin {

void type_text(HWND edit, const char* text) {
  Window* w = find(edit);
  if (w == nullptr || w->kind != detail::WindowKind::edit || text == nullptr) return;
  replace_selection(edit, text);
}

Selection edit_selection(HWND edit) {
  Window* w = find(edit);
  if (w == nullptr) return Selection{0, 0};
  LRESULT both = get_selection(w, 0, 0);
  return Selection{LOWORD(both), HIWORD(both)};
}

int edit_limit(HWND edit) {
  Window* w = find(edit);
  return w == nullptr ? 0 : int(w->limit);
}

}  // namespace standin
