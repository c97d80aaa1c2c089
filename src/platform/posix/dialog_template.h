// Inside the stand-in: reading a DIALOG template (DLGTEMPLATE and its
// DLGITEMTEMPLATE items) as CreateDialogIndirectParamA finds it in memory.
//
// Layout, little-endian, 16-bit aligned: style, extended style (32-bit each),
// item count, x, y, cx, cy (16-bit each); menu, class and caption (each an
// empty string 0x0000, or 0xFFFF and a 16-bit ordinal for menu and class, or a
// zero-terminated UTF-16 string); with DS_SETFONT the point size (16-bit) and
// the font name. Then each item starts on a 32-bit boundary (counted from the
// template's start): style, extended style, x, y, cx, cy, id (16-bit), class
// (0xFFFF and an atom, or a string), text (0xFFFF and an ordinal, or a string),
// the size of its creation data (16-bit) and that many bytes.
//
// Texts become Windows-1252; characters it lacks become '?'.
#ifndef KV_PLATFORM_POSIX_DIALOG_TEMPLATE_H
#define KV_PLATFORM_POSIX_DIALOG_TEMPLATE_H

#include <cstddef>
#include <string>
#include <vector>

#include "platform/win32.h"

namespace standin::detail {

// A position and size in dialog units, as the template holds them.
struct DialogUnits {
  int x = 0;
  int y = 0;
  int cx = 0;
  int cy = 0;
};

struct DialogItemTemplate {
  DWORD style = 0;
  DWORD ex_style = 0;
  DialogUnits units;
  WORD id = 0;
  std::string class_name;  // an atom becomes its class name ("Button")
  std::string text;        // empty for an ordinal text
};

struct DialogTemplate {
  DWORD style = 0;
  DWORD ex_style = 0;
  DialogUnits units;
  std::string class_name;  // empty: the standard dialog class
  std::string caption;
  bool has_font = false;
  WORD point_size = 0;
  std::string font;
  std::vector<DialogItemTemplate> items;
};

// Reads the template at `bytes`, of at most `size` bytes. False for an
// extended template (DLGTEMPLATEEX), an unknown class atom, or a template
// that runs past `size`.
bool parse_dialog_template(const BYTE* bytes, size_t size, DialogTemplate* out);

}  // namespace standin::detail

#endif
