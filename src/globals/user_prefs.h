// The plug-in's settings record. The dialog fills it, the engine reads it, the
// registry code stores it: its 22 bytes, field by field, little-endian, are the
// registry value's exact image, so the layout is fixed and checked below.
#ifndef KV_GLOBALS_USER_PREFS_H
#define KV_GLOBALS_USER_PREFS_H

#include <cstddef>
#include <cstdint>

struct structUserPrefs {
  int16_t processRange;       // 0 all pages, 1 single page, 2 from-to, 3 current page
  int16_t firstPage;          // first page to process, from 1
  int16_t lastPage;           // last page to process, inclusive
  int16_t keepTopmostStill;   // several systems: the topmost keeps its gap
  int16_t includeGaps;        // several systems: existing gaps count in
  int16_t extraTopMargin;     // EVPU between the page's top margin and the first system
  int16_t extraBottomMargin;  // EVPU kept free above the page's bottom margin
  int16_t singleSystems;      // a lone system: 0 leave, 1 top, 2 centre, 3 bottom
  int16_t dialogLeft;         // screen position of the dialog; -32768: not placed yet
  int16_t dialogTop;
  int16_t compact;            // several systems: pack instead of spreading
};

static_assert(sizeof(structUserPrefs) == 22, "settings image is 22 bytes");
static_assert(offsetof(structUserPrefs, processRange) == 0);
static_assert(offsetof(structUserPrefs, firstPage) == 2);
static_assert(offsetof(structUserPrefs, lastPage) == 4);
static_assert(offsetof(structUserPrefs, keepTopmostStill) == 6);
static_assert(offsetof(structUserPrefs, includeGaps) == 8);
static_assert(offsetof(structUserPrefs, extraTopMargin) == 10);
static_assert(offsetof(structUserPrefs, extraBottomMargin) == 12);
static_assert(offsetof(structUserPrefs, singleSystems) == 14);
static_assert(offsetof(structUserPrefs, dialogLeft) == 16);
static_assert(offsetof(structUserPrefs, dialogTop) == 18);
static_assert(offsetof(structUserPrefs, compact) == 20);

// The one instance, alive as long as the library; everything else receives it by pointer.
extern structUserPrefs UserPrefs;

#endif
