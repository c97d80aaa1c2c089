// The person of a natively built host, acting through the stand-in's control panel.
#include "sim/ui/person.h"

#include "platform/posix/testing.h"

namespace sim {
namespace {

// Between a person's actions the host's message loop empties the queue.
void let_messages_through() { standin::dispatch_posted_messages(); }

}  // namespace

void Person::click(int id) {
  standin::click_button(control(id));
  let_messages_through();
}

void Person::type(int id, const std::string& text) {
  HWND edit = control(id);
  SetFocus(edit);
  SendMessageA(edit, EM_SETSEL, 0, -1);
  standin::type_text(edit, text.c_str());
  let_messages_through();
}

void Person::press_arrow(int updown_id, bool up) {
  standin::press_updown_arrow(control(updown_id), up);
  let_messages_through();
}

void Person::hold_ctrl(bool down) { standin::set_key_down(VK_CONTROL, down); }

void Person::press_close_box() {
  SendMessageA(dialog_, WM_SYSCOMMAND, SC_CLOSE, 0);
  let_messages_through();
}

void Person::minimise() {
  SendMessageA(dialog_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  let_messages_through();
}

void Person::restore() {
  SendMessageA(dialog_, WM_SYSCOMMAND, SC_RESTORE, 0);
  let_messages_through();
}

void Person::press_key(int virtual_key, int modifiers) {
  standin::press_key(dialog_, virtual_key, (modifiers & kShift) != 0, (modifiers & kCtrl) != 0,
                     (modifiers & kAlt) != 0);
  let_messages_through();
}

void Person::wait(int ms) {
  let_messages_through();
  standin::advance_clock(ms < 0 ? 0u : unsigned(ms));
  let_messages_through();
}

}  // namespace sim
