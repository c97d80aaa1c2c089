// A key pressed while a dialog is the active window, as the dialog manager's
// keyboard handling treats it (IsDialogMessage in the host's message loop):
// Tab and Shift+Tab move the focus between the enabled tab stops (an edit
// that gets the focus so has its text selected); Enter clicks the focused
// push button, else the default push button when it is enabled; Escape sends
// the cancel command (IDCANCEL); Space clicks the focused button; the arrow
// keys step the up-down of a focused edit that is its buddy (UDS_ARROWKEYS)
// and move a focused radio button's check to the next one of its group; a
// letter with Alt, or alone while the focus is not in an edit, is the
// accelerator of the control whose text marks it with "&": a button is
// clicked, a label hands the focus to the next tab stop after it. An Alt
// letter that no enabled control claims beeps, as Windows does.
//
// Shift, Ctrl and Alt are held down for the press when asked and let go after.
#include <cctype>
#include <string>
#include <vector>

#include "platform/posix/testing.h"

namespace {

DWORD style_of(HWND window) { return DWORD(GetWindowLongA(window, GWL_STYLE)); }

std::string class_of(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, int(sizeof name));
  std::string lower = name;
  for (char& c : lower) c = char(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

bool is_button(HWND window) { return class_of(window) == "button"; }
bool is_edit(HWND window) { return class_of(window) == "edit"; }
bool is_static(HWND window) { return class_of(window) == "static"; }
DWORD button_type(HWND window) { return style_of(window) & BS_TYPEMASK; }
bool is_push_button(HWND window) {
  return is_button(window) && (button_type(window) == BS_PUSHBUTTON || button_type(window) == BS_DEFPUSHBUTTON);
}
bool is_radio(HWND window) {
  return is_button(window) && (button_type(window) == BS_RADIOBUTTON || button_type(window) == BS_AUTORADIOBUTTON);
}
bool usable(HWND window) { return IsWindowVisible(window) && IsWindowEnabled(window); }

std::vector<HWND> controls(HWND dialog) {
  std::vector<HWND> list;
  for (HWND item = GetWindow(dialog, GW_CHILD); item != nullptr; item = GetWindow(item, GW_HWNDNEXT))
    list.push_back(item);
  return list;
}

size_t index_of(const std::vector<HWND>& list, HWND window) {
  for (size_t i = 0; i < list.size(); ++i)
    if (list[i] == window) return i;
  return list.size();
}

void focus(HWND control) {
  SetFocus(control);
  if (is_edit(control)) SendMessageA(control, EM_SETSEL, 0, -1);
}

void command(HWND dialog, int id, HWND control) {
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control));
}

// The next usable tab stop after `from` (before it, going backwards), wrapping.
HWND next_tab_stop(HWND dialog, HWND from, bool backwards) {
  const std::vector<HWND> list = controls(dialog);
  const size_t n = list.size();
  const size_t at = index_of(list, from);
  for (size_t step = 1; step <= n; ++step) {
    const size_t i = at == n ? (backwards ? n - step : step - 1) : (backwards ? (at + n - step) : (at + step)) % n;
    if (usable(list[i]) && (style_of(list[i]) & WS_TABSTOP)) return list[i];
  }
  return nullptr;
}

// The up-down whose buddy is `edit` and that takes the arrow keys, or null.
HWND updown_of(HWND dialog, HWND edit) {
  for (HWND item : controls(dialog))
    if (class_of(item) == "msctls_updown32" && (style_of(item) & UDS_ARROWKEYS) &&
        reinterpret_cast<HWND>(SendMessageA(item, UDM_GETBUDDY, 0, 0)) == edit)
      return item;
  return nullptr;
}

// The radio button after (before) `radio` in its group, wrapping.
HWND next_radio(HWND dialog, HWND radio, bool backwards) {
  const std::vector<HWND> list = controls(dialog);
  size_t first = index_of(list, radio);
  while (first > 0 && !(style_of(list[first]) & WS_GROUP)) --first;
  size_t last = first + 1;
  while (last < list.size() && !(style_of(list[last]) & WS_GROUP)) ++last;
  std::vector<HWND> group;
  for (size_t i = first; i < last; ++i)
    if (is_radio(list[i]) && usable(list[i])) group.push_back(list[i]);
  const size_t at = index_of(group, radio);
  if (group.empty() || at == group.size()) return nullptr;
  return group[(at + (backwards ? group.size() - 1 : 1)) % group.size()];
}

char accelerator_of(HWND control) {
  char text[256] = {};
  GetWindowTextA(control, text, int(sizeof text));
  for (const char* c = text; c[0] != '\0' && c[1] != '\0'; ++c) {
    if (c[0] != '&') continue;
    if (c[1] != '&') return char(std::toupper(static_cast<unsigned char>(c[1])));
    ++c;  // "&&" is a literal ampersand
  }
  return '\0';
}

// Answers whether an enabled control claimed the letter.
bool accelerator(HWND dialog, char letter) {
  const std::vector<HWND> list = controls(dialog);
  const size_t n = list.size();
  const size_t at = index_of(list, GetFocus());
  for (size_t step = 1; step <= n; ++step) {
    HWND item = list[(at == n ? step - 1 : at + step) % n];
    if (!usable(item) || accelerator_of(item) != letter) continue;
    if (is_static(item)) {
      if (HWND target = next_tab_stop(dialog, item, false)) focus(target);
    } else if (is_push_button(item)) {
      command(dialog, GetDlgCtrlID(item), item);
    } else if (is_button(item)) {
      SetFocus(item);
      standin::click_button(item);
    } else {
      focus(item);
    }
    return true;
  }
  return false;
}

void arrow(HWND dialog, HWND focused, int key) {
  const bool forwards = key == VK_DOWN || key == VK_RIGHT;
  if (is_edit(focused) && (key == VK_UP || key == VK_DOWN)) {
    if (HWND updown = updown_of(dialog, focused)) standin::press_updown_arrow(updown, key == VK_UP);
  } else if (is_radio(focused)) {
    if (HWND radio = next_radio(dialog, focused, !forwards)) {
      SetFocus(radio);
      standin::click_button(radio);
    }
  }
}

void enter(HWND dialog, HWND focused) {
  if (focused != nullptr && is_push_button(focused)) return command(dialog, GetDlgCtrlID(focused), focused);
  for (HWND item : controls(dialog))
    if (is_button(item) && button_type(item) == BS_DEFPUSHBUTTON) {
      if (IsWindowEnabled(item)) command(dialog, GetDlgCtrlID(item), item);
      return;
    }
  command(dialog, IDOK, GetDlgItem(dialog, IDOK));
}

void press(HWND dialog, int key, bool shift, bool ctrl, bool alt) {
  HWND focused = GetFocus();
  if (focused != nullptr && GetParent(focused) != dialog) focused = nullptr;
  switch (key) {
    case VK_TAB:
      if (HWND target = next_tab_stop(dialog, focused, shift)) focus(target);
      return;
    case VK_RETURN: return enter(dialog, focused);
    case VK_ESCAPE: return command(dialog, IDCANCEL, GetDlgItem(dialog, IDCANCEL));
    case VK_SPACE:
      if (focused != nullptr && is_button(focused)) standin::click_button(focused);
      return;
    case VK_UP:
    case VK_DOWN:
    case VK_LEFT:
    case VK_RIGHT:
      if (focused != nullptr) arrow(dialog, focused, key);
      return;
    default: break;
  }
  const bool letter = std::isalnum(key) != 0;
  if (!letter || (ctrl && !alt)) return;
  if (alt) {
    if (!accelerator(dialog, char(key))) MessageBeep(0);
  } else if (focused == nullptr || !is_edit(focused)) {
    accelerator(dialog, char(key));
  } else {
    const char typed[2] = {char(shift ? key : std::tolower(key)), '\0'};
    standin::type_text(focused, typed);
  }
}

}  // namespace

namespace standin {

void press_key(HWND dialog, int virtual_key, bool shift, bool ctrl, bool alt) {
  set_key_down(VK_SHIFT, shift);
  set_key_down(VK_CONTROL, ctrl);
  set_key_down(VK_MENU, alt);
  if (IsWindow(dialog)) press(dialog, virtual_key, shift, ctrl, alt);
  set_key_down(VK_SHIFT, false);
  set_key_down(VK_CONTROL, false);
  set_key_down(VK_MENU, false);
}

}  // namespace standin
