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
