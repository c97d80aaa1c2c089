// What a session prints and draws after a step: the dialog as a person sees
// it (each control's text, check and enabled state, the focus, whether the
// dialog is open, minimised or closed), compared with how it stood before the
// step, one line per control that changed; and the drawings of the dialog
// after the steps that changed it, stacked in one SVG file.
#ifndef SIM_CLI_SESSION_REPORT_H
#define SIM_CLI_SESSION_REPORT_H

#include <string>
#include <vector>

#include "platform/win32.h"

namespace cli {

struct ControlState {
  int id = 0;
  std::string text;  // as stored, with its accelerator marker
  bool checked = false;
  bool enabled = false;
};

struct DialogState {
  enum Shown { CLOSED, OPEN, MINIMISED } shown = CLOSED;
  std::string caption;
  std::vector<ControlState> controls;  // window order; up-downs left out (they show no text)
  int focus = 0;                       // the focused control's id, 0 when none of the dialog's
};

// `dialog` may be null or destroyed: the state is then CLOSED.
DialogState dialog_state(HWND dialog);

// How a report names a control: its text without the accelerator marker (UTF-8),
// the edits by the field they hold ("from field", "top margin field"), with the id
// in brackets: `All pages [103]`, `to field [109]`.
std::string control_name(const ControlState& control);
// The field name of an edit of the respacing dialog, "" for any other id.
std::string field_name(int id);

// One line per difference, each starting with two spaces; none when the two are alike.
std::vector<std::string> state_changes(const DialogState& before, const DialogState& after);

// A drawing of the dialog (dialog_svg.h) and the words that say when it was made.
struct DialogFrame {
  std::string title;
  std::string svg;
};
// The frames one below the other, each under its title, in one SVG document.
std::string stacked_svg(const std::vector<DialogFrame>& frames);

}  // namespace cli

#endif
