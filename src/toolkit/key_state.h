// The modifier keys the user holds, as one small value.
#ifndef KV_TOOLKIT_KEY_STATE_H
#define KV_TOOLKIT_KEY_STATE_H

#include <cstdint>

constexpr int16_t kFtxKeyNone = 0x00;
constexpr int16_t kFtxKeyCtrl = 0x01;
constexpr int16_t kFtxKeyAlt = 0x04;
constexpr int16_t kFtxKeyCtrlShift = 0x08;
constexpr int16_t kFtxKeyShift = 0x12;
constexpr int16_t kFtxKeyEscape = 0x20;  // added to any of the others

// Ctrl alone 0x01, Shift alone 0x12, Alt alone 0x04, Ctrl with Shift 0x08, no
// modifier or any combination with Alt 0x00; plus 0x20 while Escape is held.
int16_t FTX_KeyPressed();

#endif
