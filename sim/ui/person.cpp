// The person of a natively built host, acting through the stand-in's control panel.
#include "sim/ui/person.h"

#include <stdexcept>

#include "platform/posix/testing.h"

namespace sim {
namespace {

// Between a person's actions the host's message loop empties the queue.
void let_messages_through() { standin::dispatch_posted_messages(); }

}  // namespace

HWND Person::control(int id) const {
  HWND item = GetDlgItem(dialog_, id);
  if (item == nullptr) throw std::invalid_argument("the dialog has no control " + std::to_string(id));
  return item;
}

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

void Person::wait(int ms) {
  let_messages_through();
  standin::advance_clock(ms < 0 ? 0u : unsigned(ms));
  let_messages_through();
}

std::string Person::text(int id) const {
  HWND item = control(id);
  std::string text(size_t(GetWindowTextLengthA(item)) + 1, '\0');
  text.resize(size_t(GetWindowTextA(item, &text[0], int(text.size()))));
  return text;
}

bool Person::checked(int id) const { return SendMessageA(control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
bool Person::enabled(int id) const { return IsWindowEnabled(control(id)) != FALSE; }
bool Person::has_focus(int id) const { return GetFocus() == control(id); }
bool Person::visible(int id) const { return IsWindowVisible(control(id)) != FALSE; }
bool Person::dialog_open() const { return IsWindow(dialog_) != FALSE; }
bool Person::dialog_visible() const { return IsWindowVisible(dialog_) && !IsIconic(dialog_); }

}  // namespace sim
