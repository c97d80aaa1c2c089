// The person of FINALE.EXE: real mouse and keyboard messages to the real
// controls, each action followed by the host's message loop (with
// IsDialogMessageA for the dialog) until the queue is empty.
#include "sim/ui/person.h"

namespace sim {
namespace {

void let_messages_through(HWND dialog) {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (IsWindow(dialog) && IsDialogMessageA(dialog, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

// A press and release of the left mouse button at a point of the window.
void mouse_click(HWND window, int x, int y) {
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

}  // namespace

void Person::click(int id) {
  HWND button = control(id);
  if (!IsWindowEnabled(button)) return;  // the mouse does not reach a disabled window
  mouse_click(button, 2, 2);
  let_messages_through(dialog_);
}

void Person::type(int id, const std::string& text) {
  HWND edit = control(id);
  SetFocus(edit);
  SendMessageA(edit, EM_SETSEL, 0, -1);
  for (char c : text) SendMessageA(edit, WM_CHAR, WPARAM(static_cast<unsigned char>(c)), 1);
  let_messages_through(dialog_);
}

void Person::press_arrow(int updown_id, bool up) {
  HWND updown = control(updown_id);
  if (!IsWindowEnabled(updown)) return;
  RECT area;
  GetClientRect(updown, &area);
  mouse_click(updown, area.right / 2, up ? area.bottom / 4 : area.bottom * 3 / 4);
  let_messages_through(dialog_);
}

void Person::hold_ctrl(bool down) {
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_CONTROL] = keys[VK_LCONTROL] = down ? 0x80 : 0;
  SetKeyboardState(keys);
}

void Person::press_close_box() {
  SendMessageA(dialog_, WM_SYSCOMMAND, SC_CLOSE, 0);
  let_messages_through(dialog_);
}

void Person::minimise() {
  SendMessageA(dialog_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  let_messages_through(dialog_);
}

void Person::restore() {
  SendMessageA(dialog_, WM_SYSCOMMAND, SC_RESTORE, 0);
  let_messages_through(dialog_);
}

// The key goes to the focused window as the keyboard sends it; the host's
// loop hands it to IsDialogMessageA. An Alt letter arrives as WM_SYSCHAR.
void Person::press_key(int virtual_key, int modifiers) {
  BYTE keys[256];
  GetKeyboardState(keys);
  const BYTE held[3] = {BYTE(modifiers & kShift ? 0x80 : 0), BYTE(modifiers & kCtrl ? 0x80 : 0),
                        BYTE(modifiers & kAlt ? 0x80 : 0)};
  keys[VK_SHIFT] = held[0];
  keys[VK_CONTROL] = held[1];
  keys[VK_MENU] = held[2];
  SetKeyboardState(keys);
  HWND target = GetFocus() != nullptr ? GetFocus() : dialog_;
  if (modifiers & kAlt) {
    PostMessageA(target, WM_SYSCHAR, WPARAM(virtual_key), LPARAM(1) | (LPARAM(1) << 29));
  } else {
    PostMessageA(target, WM_KEYDOWN, WPARAM(virtual_key), 1);
    const bool printable = (virtual_key >= '0' && virtual_key <= '9') || (virtual_key >= 'A' && virtual_key <= 'Z');
    if (printable) PostMessageA(target, WM_CHAR, WPARAM(modifiers & kShift ? virtual_key : virtual_key | 0x20), 1);
    // A button clicks when its key is let go (Space on a check box).
    PostMessageA(target, WM_KEYUP, WPARAM(virtual_key), LPARAM(1) | (LPARAM(1) << 30) | (LPARAM(1) << 31));
  }
  let_messages_through(dialog_);
  keys[VK_SHIFT] = keys[VK_CONTROL] = keys[VK_MENU] = 0;
  SetKeyboardState(keys);
}

// Real time passes: the host's loop runs, and the real timers fire, until `ms`
// have gone by.
void Person::wait(int ms) {
  const DWORD until = GetTickCount() + DWORD(ms < 0 ? 0 : ms);
  for (;;) {
    let_messages_through(dialog_);
    const DWORD now = GetTickCount();
    if (LONG(until - now) <= 0) break;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, until - now, QS_ALLINPUT);
  }
}

}  // namespace sim
