#include "sim/cli/session_report.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "sim/render/windows_1252.h"
#include "ui/respacing_dialog_ids.h"

namespace cli {
namespace {

std::string class_of(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, int(sizeof name));
  std::string lower = name;
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  return lower;
}

std::string window_text(HWND window) {
  std::string text(size_t(GetWindowTextLengthA(window)) + 1, '\0');
  text.resize(size_t(GetWindowTextA(window, &text[0], int(text.size()))));
  return text;
}

std::string quoted(const std::string& text) { return "\"" + sim::utf8_from_windows_1252(text) + "\""; }

const ControlState* find_control(const DialogState& state, int id) {
  for (const ControlState& control : state.controls)
    if (control.id == id) return &control;
  return nullptr;
}

std::string focus_name(const DialogState& state) {
  const ControlState* control = find_control(state, state.focus);
  return control == nullptr ? "none of the dialog's controls" : control_name(*control);
}

std::string control_change(const ControlState& before, const ControlState& after) {
  std::vector<std::string> parts;
  if (before.text != after.text) parts.push_back("text " + quoted(before.text) + " -> " + quoted(after.text));
  if (before.checked != after.checked) parts.push_back(after.checked ? "checked" : "unchecked");
  if (before.enabled != after.enabled) parts.push_back(after.enabled ? "enabled" : "disabled");
  std::string line;
  for (const std::string& part : parts) line += (line.empty() ? "" : ", ") + part;
  return line;
}

const char* shown_word(DialogState::Shown shown) {
  switch (shown) {
    case DialogState::CLOSED: return "closed";
    case DialogState::OPEN: return "open";
    case DialogState::MINIMISED: return "minimised";
  }
  return "";
}

// The width and height attributes of an SVG document's first element.
int attribute(const std::string& svg, const char* name) {
  const size_t at = svg.find(std::string(" ") + name + "='");
  return at == std::string::npos ? 0 : std::atoi(svg.c_str() + at + std::string(name).size() + 3);
}

}  // namespace

DialogState dialog_state(HWND dialog) {
  DialogState state;
  if (dialog == nullptr || !IsWindow(dialog)) return state;
  state.shown = IsIconic(dialog) ? DialogState::MINIMISED : DialogState::OPEN;
  state.caption = window_text(dialog);
  for (HWND item = GetWindow(dialog, GW_CHILD); item != nullptr; item = GetWindow(item, GW_HWNDNEXT)) {
    if (class_of(item) == "msctls_updown32") continue;
    const bool checked = SendMessageA(item, BM_GETCHECK, 0, 0) == BST_CHECKED && class_of(item) == "button";
    const bool enabled = IsWindowEnabled(item) != FALSE;
    state.controls.push_back(ControlState{GetDlgCtrlID(item), window_text(item), checked, enabled});
  }
  const HWND focus = GetFocus();
  state.focus = focus != nullptr && GetParent(focus) == dialog ? GetDlgCtrlID(focus) : 0;
  return state;
}

std::string field_name(int id) {
  switch (id) {
    case IDC_FROM_PAGE: return "from";
    case IDC_TO_PAGE: return "to";
    case IDC_TOP_MARGIN: return "top margin";
    case IDC_BOTTOM_MARGIN: return "bottom margin";
    default: return "";
  }
}

std::string control_name(const ControlState& control) {
  std::string name = field_name(control.id);
  if (!name.empty()) name += " field";
  else {
    for (char c : control.text)
      if (c != '&') name += c;
    name = sim::utf8_from_windows_1252(name);
  }
  return name + " [" + std::to_string(control.id) + "]";
}

std::vector<std::string> state_changes(const DialogState& before, const DialogState& after) {
  std::vector<std::string> lines;
  if (before.shown != after.shown) lines.push_back(std::string("  dialog: ") + shown_word(after.shown));
  if (after.shown == DialogState::CLOSED) return lines;
  if (before.shown != DialogState::CLOSED && before.caption != after.caption)
    lines.push_back("  caption: " + quoted(before.caption) + " -> " + quoted(after.caption));
  for (const ControlState& control : after.controls) {
    const ControlState* was = find_control(before, control.id);
    if (was == nullptr) continue;  // the dialog just opened: `show` prints it whole
    const std::string change = control_change(*was, control);
    if (!change.empty()) lines.push_back("  " + control_name(control) + ": " + change);
  }
  if (before.focus != after.focus && after.focus != 0) lines.push_back("  focus: " + focus_name(after));
  return lines;
}

std::string stacked_svg(const std::vector<DialogFrame>& frames) {
  constexpr int kTitleHeight = 22;
  int width = 0;
  int height = 0;
  std::ostringstream body;
  for (const DialogFrame& frame : frames) {
    const int w = attribute(frame.svg, "width");
    const int h = attribute(frame.svg, "height");
    body << "<text x='8' y='" << height + 16 << "' fill='#000'>";
    for (char c : frame.title)
      body << (c == '<' ? std::string("&lt;") : c == '&' ? std::string("&amp;") : std::string(1, c));
    body << "</text>\n";
    // The frame's own document, nested: an <svg> inside an <svg> keeps its size.
    std::string inner = frame.svg;
    inner.replace(0, 4, "<svg x='0' y='" + std::to_string(height + kTitleHeight) + "'");
    body << inner;
    width = std::max(width, w);
    height += kTitleHeight + h;
  }
  std::ostringstream out;
  out << "<svg xmlns='http://www.w3.org/2000/svg' xml:space='preserve' width='" << width << "' height='" << height
      << "' font-family='Liberation Sans, Arial, sans-serif' font-size='12'>\n"
      << "<rect width='100%' height='100%' fill='#fff'/>\n"
      << body.str() << "</svg>\n";
  return out.str();
}

}  // namespace cli
