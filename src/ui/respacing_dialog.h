// The respacing dialog: one modeless dialog over the host's window, made by
// the host from template IDD_RESPACING (FX_Dialog) and driven through the
// host's dialog functions. The user picks the page range, the extra margins
// and the options, and presses Apply: the entries are checked, stored in the
// settings record and the page driver runs. A 500 ms timer follows the host's
// view: Apply only in page view, the range choices only while a page is
// current, whose number the current-page choice shows.
//
// The open dialog works on the settings record it was opened with (always
// UserPrefs); it writes the record only when every entry passed its checks
// (Apply and closing) and when it remembers its own position.
#ifndef KV_UI_RESPACING_DIALOG_H
#define KV_UI_RESPACING_DIALOG_H

#include <cstdint>

#include "platform/win32.h"
#include "globals/user_prefs.h"
#include "ui/window_appearance.h"

// Module state, one set for the one dialog.
extern structUserPrefs* pDialogData;     // the record the open dialog reads and writes
extern HWND hwndModelessWindow;          // the open dialog, null when closed
extern int16_t tbCurrentMeasurement;     // the host's unit style, read when the dialog opens
extern int16_t tbMinExtraTopMargin;      // -100 EVPU, or 0 with collision avoidance on
extern FTX_TOGGLEINFOSTORAGE toggleStorage;  // cleared whenever the dialog is created
extern uint8_t bLastViewWasPageView;     // the view the last refresh saw (1 at load)
extern int32_t iLastPage;                // the current page the last refresh saw (1 at load)

// The margin limits the dialog accepts, in EVPU.
constexpr int16_t kTopMarginLowest = -100;
constexpr int16_t kTopMarginHighest = 700;
constexpr int16_t kBottomMarginLowest = 0;
constexpr int16_t kBottomMarginHighest = 300;
constexpr UINT kRefreshTimer = 1;
constexpr int16_t kRefreshPeriodMs = 500;

// Opens the dialog over `owner` on `prefs`, or, when it is open, restores and
// activates it without touching its controls. Returns the dialog's window;
// null when the host could not create it (the next call tries again).
HWND KVTR_UI_UserDialog(HWND owner, structUserPrefs* prefs);

// The dialog procedure the host's dialog manager calls.
INT_PTR CALLBACK KVTR_UserDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The toolkit notification hook (events 1, 5 and 52); returns 0.
int32_t myNotifyProc(int32_t event, int32_t value, const void* data);

// Steps of the dialog, each on the dialog's window.
void KVTR_UI_InitDialogData(HWND window);       // fills the controls from the record
void KVTR_UI_EnableItems(HWND window);          // page fields by the range choice
void KVTR_UI_AdjustModelessStuff(HWND window);  // Apply, range choices and current-page label
void KVTR_UI_WMTimerHandler(HWND window);       // the adjustment above when the view changed
void KVTR_UI_CloseDown(HWND window);            // stores position and entries, ends the dialog
// Reads the entries and, when they pass, remembers the position, runs the page
// driver on the range and has the host redraw; with Ctrl held the dialog then
// closes, otherwise the focus goes where the toolkit's return-focus word says.
void KVTR_UI_Apply(HWND window);

// Reads and checks every entry. 1: the record was written; 0: an entry was
// rejected (error beep, focus and selection on it) and nothing was written.
int16_t KVTR_UI_GetDialogData(HWND window);

// value clamped into low..high, low tested first (so low wins when they cross).
int16_t KVTR_UI_WithinRange(int16_t value, int16_t low, int16_t high);

// Before the library goes: closes the dialog if it is open and removes the
// notification hook, so that no window procedure of the library stays in use.
void KVTR_UI_Shutdown();

#endif
