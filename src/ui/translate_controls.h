// Setting the respacing dialog's control texts in the user's language, then
// giving the controls fresh accelerators. Runs when the dialog is initialised
// and whenever the language may have changed.
#ifndef KV_UI_TRANSLATE_CONTROLS_H
#define KV_UI_TRANSLATE_CONTROLS_H

#include <cstdint>

#include "l10n/translate_table.h"
#include "platform/win32.h"

// Sets the control's text to the table's label in the user's language
// (through the host's dialog functions).
void _TranslateOneControl(HWND window, int16_t control, const FTX_TRANSLATIONRECORD* table,
                          int16_t records);

// The buttons get dictionary words (Apply, Close, and "to" between the page
// fields), the labels their table texts; then the page-range choices, the
// check boxes, the margin labels and Close get accelerators that respect the
// letters other controls already use (such as the current-page choice, whose
// label the dialog sets itself).
void KVTR_UI_TranslateControls(HWND dialog);

#endif
