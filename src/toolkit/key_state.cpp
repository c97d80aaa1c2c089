#include "toolkit/key_state.h"

#include "platform/win32.h"

namespace {

bool held(int virtualKey) { return (GetKeyState(virtualKey) & 0x80) != 0; }

// By Ctrl (bit 0), Shift (bit 1) and Alt (bit 2) held.
constexpr int16_t kModifierValues[8] = {
    kFtxKeyNone,      kFtxKeyCtrl, kFtxKeyShift, kFtxKeyCtrlShift,
    kFtxKeyAlt,       kFtxKeyNone, kFtxKeyNone,  kFtxKeyNone,
};

}  // namespace

int16_t FTX_KeyPressed() {
  const bool shift = held(VK_SHIFT);
  const bool ctrl = held(VK_CONTROL);
  const bool alt = held(VK_MENU);
  const bool escape = held(VK_ESCAPE);
  const int16_t modifiers = kModifierValues[(ctrl ? 1 : 0) | (shift ? 2 : 0) | (alt ? 4 : 0)];
  return static_cast<int16_t>(modifiers + (escape ? kFtxKeyEscape : 0));
}
