// Buttons: check state, the dialog check helpers and user clicks.
//
// A button holds only the states its type can show: push buttons, group boxes
// and owner-drawn buttons stay unchecked, check boxes and radio buttons hold 0
// or 1, three-state boxes 0 to 2. A radio button has WS_TABSTOP exactly while
// it is checked. CheckRadioButton sets every descendant whose id lies in the
// range, checking only the chosen one.
#include <algorithm>

#include "platform/posix/testing.h"
#include "platform/posix/window_store.h"

using standin::detail::find;
using standin::detail::Window;

namespace {

DWORD button_type(const Window& w) { return w.style & BS_TYPEMASK; }

int highest_state(DWORD type) {
  switch (type) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
      return BST_CHECKED;
    case BS_3STATE:
    case BS_AUTO3STATE:
      return BST_INDETERMINATE;
    default:
      return BST_UNCHECKED;
  }
}

bool is_radio(DWORD type) { return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON; }

void set_check(Window* w, WPARAM state) {
  DWORD type = button_type(*w);
  int highest = highest_state(type);
  int value = state > WPARAM(highest) ? highest : int(state);
  if (is_radio(type)) {
    if (value)
      w->style |= WS_TABSTOP;
    else
      w->style &= ~DWORD(WS_TABSTOP);
  }
  w->check = value;
}

// The other automatic radio buttons of hwnd's group: the siblings from the
// nearest WS_GROUP at or before it to the next WS_GROUP after it.
std::vector<HWND> group_of(HWND hwnd) {
  Window* w = find(hwnd);
  const std::vector<HWND>& list = standin::detail::siblings(*w);
  auto at = std::find(list.begin(), list.end(), hwnd);
  auto first = at;
  while (first != list.begin() && !(find(*first)->style & WS_GROUP)) --first;
  auto last = at + 1;
  while (last != list.end() && !(find(*last)->style & WS_GROUP)) ++last;
  std::vector<HWND> group;
  for (auto it = first; it != last; ++it)
    if (*it != hwnd && button_type(*find(*it)) == BS_AUTORADIOBUTTON) group.push_back(*it);
  return group;
}

struct RadioRange {
  int first;
  int last;
  int checked;
};

BOOL CALLBACK check_in_range(HWND hwnd, LPARAM lParam) {
  const RadioRange& range = *reinterpret_cast<const RadioRange*>(lParam);
  LONG id = GetWindowLongA(hwnd, GWL_ID);
  if (id >= range.first && id <= range.last)
    SendMessageA(hwnd, BM_SETCHECK, id == range.checked ? BST_CHECKED : BST_UNCHECKED, 0);
  return TRUE;
}

// What a click does: focus, the automatic state change, BN_CLICKED. BM_CLICK
// does this even on a disabled button (it is a message, not a person's click).
void perform_click(HWND button) {
  SetFocus(button);
  Window* w = find(button);
  if (w == nullptr) return;
  switch (button_type(*w)) {
    case BS_AUTOCHECKBOX:
      set_check(w, w->check ? BST_UNCHECKED : BST_CHECKED);
      break;
    case BS_AUTO3STATE:
      set_check(w, WPARAM((w->check + 1) % 3));
      break;
    case BS_AUTORADIOBUTTON:
      set_check(w, BST_CHECKED);
      for (HWND other : group_of(button)) set_check(find(other), BST_UNCHECKED);
      break;
    default:
      break;
  }
  standin::detail::notify_parent(button, BN_CLICKED);
}

}  // namespace

namespace standin::detail {

LRESULT CALLBACK button_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  Window* w = find(hwnd);
  if (w == nullptr) return 0;
  switch (msg) {
    case BM_GETCHECK:
    case BM_GETSTATE:
      return w->check;
    case BM_SETCHECK:
      set_check(w, wp);
      return 0;
    case BM_CLICK:
      perform_click(hwnd);
      return 0;
    default:
      return DefWindowProcA(hwnd, msg, wp, lp);
  }
}

}  // namespace standin::detail

BOOL CheckDlgButton(HWND hDlg, int nIDButton, UINT uCheck) {
  SendDlgItemMessageA(hDlg, nIDButton, BM_SETCHECK, uCheck, 0);
  return TRUE;
}

UINT IsDlgButtonChecked(HWND hDlg, int nIDButton) {
  return UINT(SendDlgItemMessageA(hDlg, nIDButton, BM_GETCHECK, 0, 0));
}

BOOL CheckRadioButton(HWND hDlg, int nIDFirstButton, int nIDLastButton, int nIDCheckButton) {
  RadioRange range{nIDFirstButton, nIDLastButton, nIDCheckButton};
  EnumChildWindows(hDlg, check_in_range, reinterpret_cast<LPARAM>(&range));
  return TRUE;
}

namespace standin {

void click_button(HWND button) {
  Window* w = find(button);
  if (w == nullptr || w->kind != detail::WindowKind::button || (w->style & WS_DISABLED)) return;
  perform_click(button);
}

}  // namespace standin
