// The host's dialog-item functions as the respacing dialog uses them: radio
// buttons, check boxes and whole numbers by control id, answers narrowed to
// 16 bits. Internal to the dialog's files.
#ifndef KV_UI_DIALOG_ITEMS_H
#define KV_UI_DIALOG_ITEMS_H

#include <cstdint>

#include "platform/win32.h"

constexpr int16_t kItemCheckBox = 1;
constexpr int16_t kItemRadioButton = 2;
constexpr int16_t kItemNumber = 3;

int16_t dialog_item_value(HWND window, int16_t control, int16_t kind);
void set_dialog_item_value(HWND window, int16_t control, int16_t kind, int16_t value);
bool dialog_item_checked(HWND window, int16_t control);
void enable_dialog_item(HWND window, int16_t control, bool enable);
// Focus to the edit and its whole text selected: where a rejected entry leaves the user.
void focus_and_select(HWND window, int16_t control);

#endif
