// FX_GetDlgItemUser(window, control, unit, double* evpu, version) and
// FX_SetDlgItemUser(window, control, unit, double evpu, version): an edit
// field that shows a length in the host's unit (units.h) while the plug-in
// works in EVPU.
//
// Get reads the control's text: a readable text stores its length in EVPU
// and answers 1; an empty or unreadable text stores 0 and answers 0, and a
// missing control or a null pointer stores nothing and answers 0. Set shows
// the length in the unit and answers 1 (0 for a missing control).
//
// While a field still shows the text the host wrote, a read answers the exact
// length that was written: a length the unit's decimals cannot show exactly
// (60 EVPU is "0.208" inches, which reads back as 59.904) then survives an
// untouched field instead of losing an EVPU at every Apply, where the plug-in
// truncates toward zero. A text the user typed is read as it stands.
#include <cstring>
#include <iterator>
#include <map>
#include <string>

#include "platform/win32.h"
#include "sim/host/sim_host.h"
#include "sim/ui/units.h"

namespace sim {
namespace {

HWND window_of(FxWord word) { return reinterpret_cast<HWND>(word); }

struct ShownLength {
  std::string text;
  double evpu;
};

// The length each field was last set to, by control window.
std::map<HWND, ShownLength>& shown_lengths() {
  static std::map<HWND, ShownLength> shown;
  return shown;
}

// A double argument: the words from `index` on hold its bytes (exports.cpp).
double double_at(const Args& a, size_t index) {
  FxWord parts[(sizeof(double) + sizeof(FxWord) - 1) / sizeof(FxWord)] = {};
  for (size_t i = 0; i < sizeof parts / sizeof parts[0] && index + i < a.size(); ++i) parts[i] = a[index + i];
  double value = 0;
  std::memcpy(&value, parts, sizeof value);
  return value;
}

FxWord get_length(const Args& a) {
  HWND control = GetDlgItem(window_of(a[0]), int(a[1]));
  double* out = reinterpret_cast<double*>(a[3]);
  if (control == nullptr || out == nullptr) return 0;
  char text[256];
  GetWindowTextA(control, text, int(sizeof text));
  const auto shown = shown_lengths().find(control);
  if (shown != shown_lengths().end() && shown->second.text == text) {
    *out = shown->second.evpu;
    return 1;
  }
  const std::optional<double> evpu = parse_length(text, int16_t(a[2]));
  *out = evpu.value_or(0.0);
  return evpu ? 1 : 0;
}

FxWord set_length(const Args& a) {
  HWND control = GetDlgItem(window_of(a[0]), int(a[1]));
  if (control == nullptr) return 0;
  const double evpu = double_at(a, 3);
  const std::string text = format_length(evpu, int16_t(a[2]));
  if (!SetWindowTextA(control, text.c_str())) return 0;
  // Fields of dialogs destroyed since are forgotten, so that a host that opens
  // dialog after dialog does not keep a length for every field it ever showed.
  for (auto at = shown_lengths().begin(); at != shown_lengths().end();)
    at = IsWindow(at->first) ? std::next(at) : shown_lengths().erase(at);
  shown_lengths()[control] = ShownLength{text, evpu};
  return 1;
}

}  // namespace

void add_measurement_field_functions(Host& host) {
  host.set_builtin("FX_GetDlgItemUser", get_length);
  host.set_builtin("FX_SetDlgItemUser", set_length);
}

}  // namespace sim
