// FX_GetDlgItemUser(window, control, unit, double* evpu, version) and
// FX_SetDlgItemUser(window, control, unit, double evpu, version): an edit
// field that shows a length in the host's unit (units.h) while the plug-in
// works in EVPU.
//
// Get reads the control's text: a readable text stores its length in EVPU
// and answers 1; an empty or unreadable text stores 0 and answers 0, and a
// missing control or a null pointer stores nothing and answers 0. Set shows
// the length in the unit and answers 1 (0 for a missing control).
#include <cstring>

#include "platform/win32.h"
#include "sim/host/sim_host.h"
#include "sim/ui/units.h"

namespace sim {
namespace {

HWND window_of(FxWord word) { return reinterpret_cast<HWND>(word); }

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
  const std::optional<double> evpu = parse_length(text, int16_t(a[2]));
  *out = evpu.value_or(0.0);
  return evpu ? 1 : 0;
}

FxWord set_length(const Args& a) {
  HWND control = GetDlgItem(window_of(a[0]), int(a[1]));
  if (control == nullptr) return 0;
  return SetWindowTextA(control, format_length(double_at(a, 3), int16_t(a[2])).c_str()) ? 1 : 0;
}

}  // namespace

void add_measurement_field_functions(Host& host) {
  host.set_builtin("FX_GetDlgItemUser", get_length);
  host.set_builtin("FX_SetDlgItemUser", set_length);
}

}  // namespace sim
