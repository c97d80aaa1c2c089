// Key state. A key that is down answers 0xFF80 (high bit set, as Windows
// gives it), a toggled key has bit 1 set. Shift, Ctrl and Alt also count as
// down when their left or right key is.
#include <array>

#include "platform/posix/testing.h"

namespace {

struct KeyState {
  bool down = false;
  bool toggled = false;
};

std::array<KeyState, 256>& keys() {
  static std::array<KeyState, 256> k;
  return k;
}

bool is_down(int vk) {
  switch (vk) {
    case VK_SHIFT:
      return keys()[VK_SHIFT].down || keys()[VK_LSHIFT].down || keys()[VK_RSHIFT].down;
    case VK_CONTROL:
      return keys()[VK_CONTROL].down || keys()[VK_LCONTROL].down || keys()[VK_RCONTROL].down;
    case VK_MENU:
      return keys()[VK_MENU].down || keys()[VK_LMENU].down || keys()[VK_RMENU].down;
    default:
      return keys()[size_t(vk)].down;
  }
}

}  // namespace

SHORT GetKeyState(int nVirtKey) {
  if (nVirtKey < 0 || nVirtKey > 255) return 0;
  int state = is_down(nVirtKey) ? 0xFF80 : 0;
  if (keys()[size_t(nVirtKey)].toggled) state |= 1;
  return SHORT(state);
}

namespace standin {

void set_key_down(int virtual_key, bool down) {
  if (virtual_key >= 0 && virtual_key <= 255) keys()[size_t(virtual_key)].down = down;
}

void set_key_toggled(int virtual_key, bool toggled) {
  if (virtual_key >= 0 && virtual_key <= 255) keys()[size_t(virtual_key)].toggled = toggled;
}

void clear_keys() { keys().fill(KeyState{}); }

}  // namespace standin
