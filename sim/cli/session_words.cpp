#include "sim/cli/session_words.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

#include "sim/cli/session_report.h"
#include "sim/render/windows_1252.h"
#include "sim/ui/person.h"

namespace cli {
namespace {

// A label as a person reads it and names it: no accelerator marker or page
// number in parentheses, in lower case. A final ":" stays: "Top:" names the
// top margin's field, "Top" the lone-system radio button.
std::string label_key(const std::string& utf8) {
  std::string text;
  for (char c : utf8)
    if (c != '&') text += c;
  text = lower(text);
  const size_t open = text.rfind(" (");
  if (open != std::string::npos && text.back() == ')' &&
      std::all_of(text.begin() + long(open) + 2, text.end() - 1, [](unsigned char c) { return std::isdigit(c); }))
    text.erase(open);
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

// A static label stands for the edit after it, as its accelerator does.
int control_or_its_edit(HWND control) {
  if (!is_class(control, "static")) return GetDlgCtrlID(control);
  for (HWND next = GetWindow(control, GW_HWNDNEXT); next != nullptr; next = GetWindow(next, GW_HWNDNEXT))
    if (is_class(next, "edit")) return GetDlgCtrlID(next);
  return GetDlgCtrlID(control);
}

std::string known_labels(HWND dialog) {
  std::string list;
  for (const ControlState& control : dialog_state(dialog).controls)
    list += (list.empty() ? "" : ", ") + control_name(control);
  return list;
}

}  // namespace

std::string lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  return text;
}

std::string joined(const Words& words, size_t from, size_t to) {
  std::string text;
  for (size_t i = from; i < std::min(to, words.size()); ++i) text += (text.empty() ? "" : " ") + words[i];
  return text;
}

// A whole number; throws std::invalid_argument naming `what`.
int number(const std::string& word, const std::string& what) {
  size_t used = 0;
  int value = 0;
  try {
    value = std::stoi(word, &used);
  } catch (const std::exception&) {
    used = 0;
  }
  if (used == 0 || used != word.size()) throw std::invalid_argument(what + " \"" + word + "\" is not a whole number");
  return value;
}

int milliseconds(const std::string& word) {
  const bool suffixed = word.size() > 2 && lower(word.substr(word.size() - 2)) == "ms";
  const int ms = number(suffixed ? word.substr(0, word.size() - 2) : word, "the time");
  if (ms < 0) throw std::invalid_argument("the time " + word + " is negative");
  return ms;
}

void one_of(const std::string& word, const Words& choices, const std::string& what) {
  for (const std::string& choice : choices)
    if (lower(word) == choice) return;
  throw std::invalid_argument(what + " \"" + word + "\" is none of " + joined(choices));
}

KeyPress key_press(const std::string& written) {
  static const std::pair<const char*, int> kNamed[] = {
      {"enter", VK_RETURN}, {"return", VK_RETURN}, {"esc", VK_ESCAPE}, {"escape", VK_ESCAPE}, {"tab", VK_TAB},
      {"space", VK_SPACE},  {"up", VK_UP},         {"down", VK_DOWN},  {"left", VK_LEFT},     {"right", VK_RIGHT}};
  KeyPress press;
  std::string rest = written;
  for (size_t plus; (plus = rest.find('+')) != std::string::npos && plus + 1 < rest.size();
       rest = rest.substr(plus + 1)) {
    const std::string modifier = lower(rest.substr(0, plus));
    if (modifier == "ctrl") press.modifiers |= sim::Person::kCtrl;
    else if (modifier == "shift") press.modifiers |= sim::Person::kShift;
    else if (modifier == "alt") press.modifiers |= sim::Person::kAlt;
    else throw std::invalid_argument("\"" + modifier + "\" is not Ctrl, Shift or Alt");
  }
  for (const auto& [name, key] : kNamed)
    if (lower(rest) == name) press.key = key;
  if (press.key == 0 && rest.size() == 1 && std::isalnum(static_cast<unsigned char>(rest[0])))
    press.key = std::toupper(static_cast<unsigned char>(rest[0]));
  if (press.key == 0)
    throw std::invalid_argument("the key \"" + rest +
                                "\" is none of Enter, Esc, Tab, Space, Up, Down, Left, Right, a letter or a digit");
  return press;
}

int language_number(const std::string& word) {
  static const char* const kNames[] = {"english", "british", "german",  "italian", "french", "spanish", "portuguese",
                                       "swedish", "finnish", "dutch",   "flemish", "danish", "norwegian"};
  for (int i = 0; i < 13; ++i)
    if (lower(word) == kNames[i]) return i;
  const int n = number(word, "the language");
  if (n < 0 || n > 12) throw std::invalid_argument("the language " + word + " is outside 0..12");
  return n;
}

bool is_class(HWND window, const char* name) {
  char found[64] = {};
  GetClassNameA(window, found, int(sizeof found));
  return lower(found) == name;
}

int updown_of(HWND dialog, int edit) {
  for (HWND item = GetWindow(dialog, GW_CHILD); item != nullptr; item = GetWindow(item, GW_HWNDNEXT))
    if (is_class(item, "msctls_updown32") &&
        reinterpret_cast<HWND>(SendMessageA(item, UDM_GETBUDDY, 0, 0)) == GetDlgItem(dialog, edit))
      return GetDlgCtrlID(item);
  throw std::invalid_argument("control " + std::to_string(edit) + " has no up-down arrows");
}

int control_named(HWND dialog, const Words& words) {
  const std::string name = joined(words);
  if (!name.empty() && std::all_of(name.begin(), name.end(), [](unsigned char ch) { return std::isdigit(ch); })) {
    if (GetDlgItem(dialog, std::atoi(name.c_str())) == nullptr)
      throw std::invalid_argument("the dialog has no control " + name);
    return std::atoi(name.c_str());
  }
  const std::string key = label_key(name);
  for (const ControlState& control : dialog_state(dialog).controls)
    if (lower(field_name(control.id)) == key) return control.id;
  for (const ControlState& control : dialog_state(dialog).controls)
    if (!key.empty() && label_key(sim::utf8_from_windows_1252(control.text)) == key)
      return control_or_its_edit(GetDlgItem(dialog, control.id));
  throw std::invalid_argument("no control is named \"" + name + "\"; the dialog has " + known_labels(dialog));
}

}  // namespace cli
