#include "sim/cli/dialog_svg.h"

#include <algorithm>
#include <cctype>
#include <sstream>

#include "sim/render/svg_text.h"
#include "sim/render/windows_1252.h"

namespace cli {
namespace {

constexpr int kMargin = 10;
constexpr int kCaptionHeight = 22;
constexpr int kCharWidth = 6;  // about the average width of the 11-pixel font, for a group box label's gap

// Every text drawn here is a window's (Windows-1252); the file is UTF-8.
std::string escaped(const std::string& text) { return sim::svg_escaped(sim::utf8_from_windows_1252(text)); }

// The text without its "&" markers, and where the accelerator letter stands
// (npos when there is none); "&&" is a literal "&".
std::string shown_text(const std::string& text, size_t* accelerator) {
  std::string shown;
  *accelerator = std::string::npos;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) {
      ++i;
      if (text[i] != '&' && *accelerator == std::string::npos) *accelerator = shown.size();
    }
    shown += text[i];
  }
  return shown;
}

struct Box {
  int x, y, w, h;
};

// A text at (x, baseline y) with its accelerator letter underlined; `anchor`
// is an SVG text-anchor.
void text_at(std::ostringstream& out, const std::string& raw, int x, int y, const char* colour,
             const char* anchor = "start") {
  size_t accelerator = 0;
  const std::string text = shown_text(raw, &accelerator);
  out << "<text x='" << x << "' y='" << y << "' fill='" << colour << "' text-anchor='" << anchor << "'>";
  if (accelerator == std::string::npos) {
    out << escaped(text);
  } else {
    out << escaped(text.substr(0, accelerator)) << "<tspan text-decoration='underline'>"
        << escaped(text.substr(accelerator, 1)) << "</tspan>" << escaped(text.substr(accelerator + 1));
  }
  out << "</text>\n";
}

Box box_of(HWND item, const RECT& dialog_rect, int top) {
  RECT r = {};
  GetWindowRect(item, &r);
  return Box{kMargin + r.left - dialog_rect.left, top + r.top - dialog_rect.top, r.right - r.left, r.bottom - r.top};
}

std::string class_of(HWND item) {
  char class_name[64] = {};
  GetClassNameA(item, class_name, int(sizeof class_name));
  std::string cls(class_name);
  std::transform(cls.begin(), cls.end(), cls.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  return cls;
}

// An up-down with UDS_AUTOBUDDY | UDS_ALIGNRIGHT sits inside the right edge
// of its buddy (the control before it), as Windows places it when it is
// created; the stand-in leaves it at its template rectangle.
HWND aligned_buddy(HWND updown) {
  const LONG style = GetWindowLongA(updown, GWL_STYLE);
  if ((style & UDS_AUTOBUDDY) == 0 || (style & UDS_ALIGNRIGHT) == 0) return nullptr;
  const HWND before = GetWindow(updown, GW_HWNDPREV);
  return before != nullptr && class_of(before) == "edit" ? before : nullptr;
}

void control(std::ostringstream& out, HWND item, const RECT& dialog_rect, int top) {
  Box b = box_of(item, dialog_rect, top);
  const std::string cls = class_of(item);
  char buffer[256] = {};
  GetWindowTextA(item, buffer, int(sizeof buffer));
  const std::string text(buffer);
  const bool enabled = IsWindowEnabled(item) != FALSE;
  const char* ink = enabled ? "#000" : "#a0a0a0";
  const LONG style = GetWindowLongA(item, GWL_STYLE);
  const int baseline = b.y + b.h / 2 + 4;
  if (cls == "button") {
    const LONG type = style & BS_TYPEMASK;
    const bool checked = SendMessageA(item, BM_GETCHECK, 0, 0) == BST_CHECKED;
    if (type == BS_GROUPBOX) {
      out << "<rect x='" << b.x << "' y='" << b.y + 6 << "' width='" << b.w << "' height='" << b.h - 6
          << "' fill='none' stroke='#a0a0a0'/>\n";
      size_t accelerator = 0;
      const int width = int(shown_text(text, &accelerator).size()) * kCharWidth + 4;
      out << "<rect x='" << b.x + 6 << "' y='" << b.y << "' width='" << width
          << "' height='12' fill='#f0f0f0'/>\n";
      text_at(out, text, b.x + 8, b.y + 10, ink);
    } else if (type == BS_AUTORADIOBUTTON || type == BS_RADIOBUTTON) {
      const int cy = b.y + b.h / 2;
      out << "<circle cx='" << b.x + 6 << "' cy='" << cy << "' r='6' fill='#fff' stroke='" << ink << "'/>\n";
      if (checked) out << "<circle cx='" << b.x + 6 << "' cy='" << cy << "' r='3' fill='" << ink << "'/>\n";
      text_at(out, text, b.x + 17, baseline, ink);
    } else if (type == BS_AUTOCHECKBOX || type == BS_CHECKBOX) {
      const int top = b.y + b.h / 2 - 6;
      out << "<rect x='" << b.x << "' y='" << top << "' width='12' height='12' fill='#fff' stroke='" << ink
          << "'/>\n";
      if (checked)
        out << "<polyline points='" << b.x + 2 << "," << top + 6 << " " << b.x + 5 << "," << top + 9 << " "
            << b.x + 10 << "," << top + 3 << "' fill='none' stroke='" << ink << "' stroke-width='2'/>\n";
      text_at(out, text, b.x + 17, baseline, ink);
    } else {
      out << "<rect x='" << b.x << "' y='" << b.y << "' width='" << b.w << "' height='" << b.h
          << "' rx='2' fill='#e1e1e1' stroke='" << (type == BS_DEFPUSHBUTTON ? "#0078d7" : "#adadad")
          << "' stroke-width='" << (type == BS_DEFPUSHBUTTON ? 2 : 1) << "'/>\n";
      text_at(out, text, b.x + b.w / 2, baseline, ink, "middle");
    }
  } else if (cls == "edit") {
    const HWND next = GetWindow(item, GW_HWNDNEXT);
    if (next != nullptr && class_of(next) == "msctls_updown32" && aligned_buddy(next) == item)
      b.w -= box_of(next, dialog_rect, top).w - 1;
    out << "<rect x='" << b.x << "' y='" << b.y << "' width='" << b.w << "' height='" << b.h << "' fill='"
        << (enabled ? "#fff" : "#f0f0f0") << "' stroke='#7a7a7a'/>\n";
    if ((style & ES_RIGHT) != 0) out << "<text x='" << b.x + b.w - 3 << "' y='" << baseline << "' fill='" << ink
                                     << "' text-anchor='end'>" << escaped(text) << "</text>\n";
    else out << "<text x='" << b.x + 3 << "' y='" << baseline << "' fill='" << ink << "'>" << escaped(text)
             << "</text>\n";
  } else if (cls == "static") {
    if ((style & SS_RIGHT) == SS_RIGHT) {
      text_at(out, text, b.x + b.w, b.y + 10, ink, "end");
    } else {
      text_at(out, text, b.x, b.y + 10, ink);
    }
  } else if (cls == "msctls_updown32") {
    if (const HWND buddy = aligned_buddy(item)) {
      const Box edit = box_of(buddy, dialog_rect, top);
      b = Box{edit.x + edit.w - b.w, edit.y, b.w, edit.h};
    }
    const int half = b.h / 2;
    out << "<rect x='" << b.x << "' y='" << b.y << "' width='" << b.w << "' height='" << b.h
        << "' fill='#e1e1e1' stroke='#adadad'/>\n";
    out << "<line x1='" << b.x << "' y1='" << b.y + half << "' x2='" << b.x + b.w << "' y2='" << b.y + half
        << "' stroke='#adadad'/>\n";
    const int cx = b.x + b.w / 2;
    out << "<path d='M" << cx - 3 << "," << b.y + half - 3 << " L" << cx << "," << b.y + 3 << " L" << cx + 3 << ","
        << b.y + half - 3 << "Z' fill='" << ink << "'/>\n";
    out << "<path d='M" << cx - 3 << "," << b.y + half + 3 << " L" << cx << "," << b.y + b.h - 3 << " L" << cx + 3
        << "," << b.y + half + 3 << "Z' fill='" << ink << "'/>\n";
  }
}

}  // namespace

std::string dialog_svg(HWND dialog) {
  RECT window = {}, client = {};
  GetWindowRect(dialog, &window);
  GetClientRect(dialog, &client);
  POINT origin = {0, 0};
  ClientToScreen(dialog, &origin);
  const int width = window.right - window.left;
  // The caption bar: the window's own when it has a frame above its client
  // area, else drawn above it (the template asks for WS_CAPTION).
  const bool framed = origin.y > window.top;
  const bool captioned = (GetWindowLongA(dialog, GWL_STYLE) & WS_CAPTION) == WS_CAPTION;
  const int caption = framed ? origin.y - window.top : captioned ? kCaptionHeight : 0;
  const int top = kMargin + (framed ? 0 : caption);  // where the window rectangle starts
  const int height = (window.bottom - window.top) + (framed ? 0 : caption);
  char title[256] = {};
  GetWindowTextA(dialog, title, int(sizeof title));

  // Texts keep their spaces as typed (SVG would collapse the caption's double
  // space; Windows draws it).
  std::ostringstream out;
  out << "<svg xmlns='http://www.w3.org/2000/svg' xml:space='preserve' width='" << width + 2 * kMargin
      << "' height='" << height + 2 * kMargin << "' font-family='Liberation Sans, Arial, sans-serif' font-size='11'>\n";
  out << "<rect width='100%' height='100%' fill='#fff'/>\n";
  out << "<rect x='" << kMargin << "' y='" << kMargin << "' width='" << width << "' height='" << height
      << "' fill='#f0f0f0' stroke='#555'/>\n";
  if (caption > 0) {
    out << "<rect x='" << kMargin + 1 << "' y='" << kMargin + 1 << "' width='" << width - 2 << "' height='"
        << caption - 1 << "' fill='#dbe6f4'/>\n";
    out << "<text x='" << kMargin + 8 << "' y='" << kMargin + caption / 2 + 4 << "' fill='#000'>" << escaped(title)
        << "</text>\n";
    const int bx = kMargin + width - caption;
    const int q = caption / 3;
    out << "<path d='M" << bx + q << "," << kMargin + q << " L" << bx + 2 * q << "," << kMargin + 2 * q << " M"
        << bx + 2 * q << "," << kMargin + q << " L" << bx + q << "," << kMargin + 2 * q
        << "' stroke='#000' stroke-width='1.5'/>\n";
  }
  for (HWND item = GetWindow(dialog, GW_CHILD); item != nullptr; item = GetWindow(item, GW_HWNDNEXT))
    if (IsWindowVisible(item)) control(out, item, window, top);
  out << "</svg>\n";
  return out.str();
}

}  // namespace cli
