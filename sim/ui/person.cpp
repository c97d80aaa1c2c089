// What a person sees of the dialog; the actions are in person_input.cpp
// (natively through the stand-in's control panel, under sim/ui/windows/ as
// real input messages).
#include "sim/ui/person.h"

#include <stdexcept>

namespace sim {

HWND Person::control(int id) const {
  HWND item = GetDlgItem(dialog_, id);
  if (item == nullptr) throw std::invalid_argument("the dialog has no control " + std::to_string(id));
  return item;
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
