// The host's page layout as the respacing engine sees it: which staff systems
// stand on a page, and a summary of one system's margins, staves, height and
// page.
//
// Lengths are EVPU. Host positions grow upward, so a point below its reference
// is negative; the summary turns the system's margins and space above into
// positive distances downward. Page lengths are on-page (scaled by pagePercent
// when the page is scaled); system lengths are not scaled. Page and system
// numbers are signed 16-bit and count from 1.
#ifndef KV_TOOLKIT_PAGE_LAYOUT_H
#define KV_TOOLKIT_PAGE_LAYOUT_H

#include <cstddef>
#include <cstdint>

#include "globals/toolkit_globals.h"

constexpr int32_t kFtxPageSpecSize = 22;
constexpr uint16_t kPageFlagScaled = 0x0002;
constexpr int16_t kFtxFirstSystemNotLaidOut = 0;  // firstSystem until the host lays the page out
constexpr int16_t kFtxFirstSystemNone = -1;

#pragma pack(push, 2)

// The host's page record: tag 0x534F5053 ('SOPS'), key {page, 0}. Read only.
struct EDTPageSpec {
  int32_t pageHeight;
  int32_t pageWidth;
  int16_t firstSystem;   // kFtxFirstSystemNotLaidOut, kFtxFirstSystemNone, or the page's first system
  uint16_t pageFlags;    // kPageFlagScaled: the page is shown at pagePercent
  int16_t topMargin;     // from the page's top edge, zero or negative
  int16_t leftMargin;    // from the left edge, zero or positive
  int16_t bottomMargin;  // from the bottom edge, zero or positive
  int16_t rightMargin;   // from the right edge, zero or negative
  int16_t pagePercent;
};

// The layout summary of one staff system. Caller-owned; the caller sets
// structSize to 102 before every call. Flags hold 0 or 1. The page fields (from
// pageNumber on) are filled only when page information is requested.
struct FTX_LAYOUTINFO {
  int16_t structSize;
  int32_t systemSpaceAbove;    // -sysGap
  int32_t systemLeftMargin;
  int32_t systemRightMargin;   // as stored: an offset from the right, zero or negative
  int32_t systemHeight;
  int32_t systemTopMargin;     // -sysTopMargin, positive downward; may be raised by the top staff's offset
  int32_t systemBottomMargin;  // -sysBottomMargin
  int32_t staffSpan;           // from the highest to the lowest visible staff
  int16_t systemPercent;
  int16_t systemWidthUnscaled;
  int16_t systemScaled;
  int16_t systemHasOwnStaffList;
  int16_t firstMeasureFlag;
  int16_t instrumentList;
  int16_t visibleInstrumentCount;
  int16_t firstVisibleInstrument;
  int16_t lastVisibleInstrument;
  int16_t firstMeasure;
  int16_t lastMeasure;
  int16_t measureCount;
  int16_t pageNumber;
  int32_t pageWidth;
  int32_t pageHeight;
  int16_t pagePercent;
  int16_t pageScaled;
  int32_t pageTopMargin;
  int32_t pageLeftMargin;
  int32_t pageRightMargin;
  int32_t pageBottomMargin;
  int32_t pageUsableWidth;
  int32_t pageUsableHeight;
  int16_t firstSystemOnPage;
  int16_t systemsOnPage;
  int16_t lastSystemOnPage;
  int32_t systemWidth;         // width left to the system on its page
};

#pragma pack(pop)

static_assert(sizeof(EDTPageSpec) == 22);
static_assert(offsetof(EDTPageSpec, pageHeight) == 0);
static_assert(offsetof(EDTPageSpec, pageWidth) == 4);
static_assert(offsetof(EDTPageSpec, firstSystem) == 8);
static_assert(offsetof(EDTPageSpec, pageFlags) == 10);
static_assert(offsetof(EDTPageSpec, topMargin) == 12);
static_assert(offsetof(EDTPageSpec, leftMargin) == 14);
static_assert(offsetof(EDTPageSpec, bottomMargin) == 16);
static_assert(offsetof(EDTPageSpec, rightMargin) == 18);
static_assert(offsetof(EDTPageSpec, pagePercent) == 20);

static_assert(sizeof(FTX_LAYOUTINFO) == 102);
static_assert(offsetof(FTX_LAYOUTINFO, structSize) == 0);
static_assert(offsetof(FTX_LAYOUTINFO, systemSpaceAbove) == 2);
static_assert(offsetof(FTX_LAYOUTINFO, systemLeftMargin) == 6);
static_assert(offsetof(FTX_LAYOUTINFO, systemRightMargin) == 10);
static_assert(offsetof(FTX_LAYOUTINFO, systemHeight) == 14);
static_assert(offsetof(FTX_LAYOUTINFO, systemTopMargin) == 18);
static_assert(offsetof(FTX_LAYOUTINFO, systemBottomMargin) == 22);
static_assert(offsetof(FTX_LAYOUTINFO, staffSpan) == 26);
static_assert(offsetof(FTX_LAYOUTINFO, systemPercent) == 30);
static_assert(offsetof(FTX_LAYOUTINFO, systemWidthUnscaled) == 32);
static_assert(offsetof(FTX_LAYOUTINFO, systemScaled) == 34);
static_assert(offsetof(FTX_LAYOUTINFO, systemHasOwnStaffList) == 36);
static_assert(offsetof(FTX_LAYOUTINFO, firstMeasureFlag) == 38);
static_assert(offsetof(FTX_LAYOUTINFO, instrumentList) == 40);
static_assert(offsetof(FTX_LAYOUTINFO, visibleInstrumentCount) == 42);
static_assert(offsetof(FTX_LAYOUTINFO, firstVisibleInstrument) == 44);
static_assert(offsetof(FTX_LAYOUTINFO, lastVisibleInstrument) == 46);
static_assert(offsetof(FTX_LAYOUTINFO, firstMeasure) == 48);
static_assert(offsetof(FTX_LAYOUTINFO, lastMeasure) == 50);
static_assert(offsetof(FTX_LAYOUTINFO, measureCount) == 52);
static_assert(offsetof(FTX_LAYOUTINFO, pageNumber) == 54);
static_assert(offsetof(FTX_LAYOUTINFO, pageWidth) == 56);
static_assert(offsetof(FTX_LAYOUTINFO, pageHeight) == 60);
static_assert(offsetof(FTX_LAYOUTINFO, pagePercent) == 64);
static_assert(offsetof(FTX_LAYOUTINFO, pageScaled) == 66);
static_assert(offsetof(FTX_LAYOUTINFO, pageTopMargin) == 68);
static_assert(offsetof(FTX_LAYOUTINFO, pageLeftMargin) == 72);
static_assert(offsetof(FTX_LAYOUTINFO, pageRightMargin) == 76);
static_assert(offsetof(FTX_LAYOUTINFO, pageBottomMargin) == 80);
static_assert(offsetof(FTX_LAYOUTINFO, pageUsableWidth) == 84);
static_assert(offsetof(FTX_LAYOUTINFO, pageUsableHeight) == 88);
static_assert(offsetof(FTX_LAYOUTINFO, firstSystemOnPage) == 92);
static_assert(offsetof(FTX_LAYOUTINFO, systemsOnPage) == 94);
static_assert(offsetof(FTX_LAYOUTINFO, lastSystemOnPage) == 96);
static_assert(offsetof(FTX_LAYOUTINFO, systemWidth) == 98);

// Result codes of the two operations below (toolkit-wide numbering; 0, 2 and 13
// are kFtxOk, kFtxNullPointer and kFtxBadRecordSize).
constexpr int16_t kFtxSystemOutOfRange = 4;
constexpr int16_t kFtxSystemRecordMissing = 5;    // staff-system, first measure or list record 0 (span scan)
constexpr int16_t kFtxPageRecordMissing = 11;
constexpr int16_t kFtxPageNotLaidOut = 12;        // firstSystem still 0 after a layout update
constexpr int16_t kFtxSystemPageNotFound = 14;
constexpr int16_t kFtxCountContradicted = 15;    // the count of systems (or pages) the host's answers gave
                                                 // contradicts them: a range ending before its first system
constexpr int16_t kFtxStaffListMissing = -1;      // list record 0 (top staff) or a staff record

// Loads page `page` (22 bytes, build interface version) into `pageRecord`; true on
// success. `pageRecord` may be partly written on failure.
bool FTX_LoadPageSpec(int16_t page, EDTPageSpec* pageRecord);

// The first and last staff system on `page`, both 0 when it holds none. May ask
// the host to lay out the page (and the pages after it) first. Returns 0, 2
// (an output pointer is null), 11 or 12; the outputs are written only on 0.
int16_t FTX_SystemRangeOnPage(int16_t page, int16_t* pFirstSystem, int16_t* pLastSystem);

// Fills `info` for staff system `system`, with the page fields when `withPage`
// is true. Returns 0, 2, 4, 5, 13, 14 or -1 (above). With `withPage` false all
// 102 bytes are zeroed first, structSize included, so the caller must set
// structSize again before the next call. A call that fails part-way leaves the
// fields written before the failure.
int16_t FTX_GetLayoutInfo(int16_t system, FTX_LAYOUTINFO* info, bool withPage);

#endif
