// An SVG drawing of an open dialog as the Win32 stand-in built it from its
// template: the frame and caption bar from the dialog's window and client
// rectangles, and every control at its window rectangle: group boxes, radio
// buttons and check boxes with their marks, edits with their text, labels,
// push buttons, the arrows of up-down controls; accelerator letters are
// underlined and disabled controls greyed. One drawing unit is one pixel.
#ifndef SIM_CLI_DIALOG_SVG_H
#define SIM_CLI_DIALOG_SVG_H

#include <string>

#include "platform/win32.h"

namespace cli {

std::string dialog_svg(HWND dialog);

}  // namespace cli

#endif
