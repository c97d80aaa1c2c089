// The page driver: respaces a range of pages, one page at a time, and hands
// each page's result code (page_results.h) to a reporter.
//
// The engine does not show messages itself (the user interface sits above it);
// the caller passes the function that turns a result code into a message, the
// dialog passes KVTR_UI_ReportPageResult of ui/message_boxes.h.
#ifndef KV_ENGINE_PAGE_DRIVER_H
#define KV_ENGINE_PAGE_DRIVER_H

#include <cstdint>

#include "platform/win32.h"
#include "globals/user_prefs.h"

// Called once per page of the range, in page order, with the owner window
// given to KVTR_StartProcess, the page number and its result code.
typedef void (*KVTR_PageResultReporter)(HWND owner, int16_t page, int16_t result);

// Asks the host once to lay out the score again from page 1 on, then processes
// every page from prefs->firstPage to prefs->lastPage inclusive (none when
// firstPage > lastPage), reporting each result before the next page; a failed
// page never stops the run. A null reporter reports nothing; a null prefs does
// nothing at all. The host is not asked to redraw.
void KVTR_StartProcess(HWND owner, const structUserPrefs* prefs, KVTR_PageResultReporter report);

// Respaces one page (from 1) with the settings in prefs (not null) and returns
// its result code. Reads the page and its systems fresh from the host; a page
// that fails is left as it was, except that a failure while storing gaps keeps
// the gaps already written.
int16_t KVTR_ProcessPage(int16_t page, const structUserPrefs* prefs);

#endif
