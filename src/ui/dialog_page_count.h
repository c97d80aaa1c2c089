// The number of pages, as the dialog's checks and limits see it. A fresh count
// is a walk over the host's page records (KVGEN_CountNoOfPages, one probe a
// page), so the dialog keeps the count it made, from message to message and
// from timer tick to timer tick, and confirms it before each use the cheap
// way: the last page it counted exists and the page after it does not (two
// probes, at any score length). Only when that fails are the pages counted
// afresh. The user adds or removes pages between the dialog's uses, and a
// layout update (Apply's own among them) may change them within one; either
// way the next use notices.
#ifndef KV_UI_DIALOG_PAGE_COUNT_H
#define KV_UI_DIALOG_PAGE_COUNT_H

#include <cstdint>

// KVGEN_CountNoOfPages, counted afresh only when the count kept does not hold.
int16_t KVTR_UI_PageCount();

#endif
