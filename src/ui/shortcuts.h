// Keyboard accelerators for control texts: after the texts of a dialog have
// been set (translated), each listed control gets an "&" before a letter or
// digit that no other control of the dialog uses.
#ifndef KV_UI_SHORTCUTS_H
#define KV_UI_SHORTCUTS_H

#include <cstdint>

#include "platform/win32.h"

constexpr int16_t kMaxShortcutControls = 100;

// `ids` lists `count` control ids of `dialog` (1..100), earlier ids winning
// contested letters. The letters of every other "&" among the dialog's children
// count as used; with `strip` nonzero a listed control's own "&" is removed
// first, so that it gets a new letter. With `preferCapitals` nonzero a first
// round gives each control its first free capital, a second round the controls
// left over their first free letter or digit of any case; letters compare by
// their upper-case form in the user's locale. A control without a free
// character keeps its text.
//
// Texts are read 99 characters at a time; a longer text is never written
// back (it would lose its end), so such a control is not changed.
//
// Returns 0 when done, 2 when the dialog or the id array is null, 13 when the
// count is outside 1..100.
int16_t FTXW_ResolveShortcuts(HWND dialog, const int32_t* ids, int16_t count, int16_t strip,
                              int16_t preferCapitals);

#endif
