// The number of pages, as the dialog's checks and limits see it. Counting is
// a walk over the host's page records (one probe a page), so the dialog counts
// once per message it handles, however many of its steps ask (Apply's check
// of the range and the refresh after it, a tick's clamping of the page fields).
// The user changes the score only between messages; a layout update that an
// Apply asks for may change it within one, and the next message (at the
// latest the next timer tick) counts again.
//
// KVTR_UserDialogProc brackets each message it is handed with Begin/End; the
// brackets nest (a message sent while another is handled ends inside it), and
// the count is kept until the outermost one ends. Outside any message every
// call counts afresh.
#ifndef KV_UI_DIALOG_PAGE_COUNT_H
#define KV_UI_DIALOG_PAGE_COUNT_H

#include <cstdint>

void KVTR_UI_BeginDialogMessage();
void KVTR_UI_EndDialogMessage();

// KVGEN_CountNoOfPages, counted at most once per outermost message.
int16_t KVTR_UI_PageCount();

#endif
