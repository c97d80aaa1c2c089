// A person at an open dialog: does only what a person can do with a mouse and
// a keyboard, and reads only what a person can see. Controls are named by
// their ids; an id the dialog lacks throws std::invalid_argument.
//
// After each action the host's message loop runs, so messages posted on the
// way (the cancel command that the default dialog handling posts for WM_CLOSE)
// are delivered before the next action, as they would be between a person's
// clicks. The natively built person acts through the Win32 stand-in's control
// panel; the interface names no stand-in type, so a Windows host can give it
// a second implementation over real input.
#ifndef SIM_UI_PERSON_H
#define SIM_UI_PERSON_H

#include <string>

#include "platform/win32.h"

namespace sim {

class Person {
 public:
  explicit Person(HWND dialog) : dialog_(dialog) {}

  HWND dialog() const { return dialog_; }

  // Clicks a button: check boxes toggle, radio buttons check themselves (and
  // clear their group), and the dialog hears BN_CLICKED. A disabled button
  // ignores the click.
  void click(int id);
  // Clicks into an edit, selects all its text and types `text`: the typed
  // text replaces it (digits only in a number field, cut to the field's
  // limit), and the dialog hears EN_CHANGE.
  void type(int id, const std::string& text);
  // Clicks the up or down arrow of an up-down control.
  void press_arrow(int updown_id, bool up);
  // Holds the Ctrl key down (or lets it go) for the following actions.
  void hold_ctrl(bool down);
  // Clicks the dialog's close box (WM_SYSCOMMAND SC_CLOSE).
  void press_close_box();
  // Clicks its minimise box, or its button in the task bar to restore it.
  void minimise();
  void restore();
  // Presses a key (a VK_ code, or an upper-case letter or digit) with the
  // modifiers held, while the dialog is the active window: the dialog
  // manager's keys (Tab, Enter, Escape, Space, arrows) and accelerators.
  enum Modifier { kShift = 1, kCtrl = 2, kAlt = 4 };
  void press_key(int virtual_key, int modifiers = 0);
  // Waits: the clock moves on by `ms` and the timers that fall due fire.
  void wait(int ms);

  // What the person sees. text() is the control's text as stored, with its
  // accelerator marker ("&Current page").
  std::string text(int id) const;
  bool checked(int id) const;
  bool enabled(int id) const;
  bool has_focus(int id) const;
  bool visible(int id) const;
  // The dialog is still there (not destroyed) and shown (not hidden or minimised).
  bool dialog_open() const;
  bool dialog_visible() const;

 private:
  HWND control(int id) const;
  HWND dialog_;
};

}  // namespace sim

#endif
