// Lengths on a page and lengths of a system. Everything is EVPU, upward
// positive; a gap is negative downward. Page lengths (the page's height and
// margins) are on-page units; system lengths (gaps, system heights) are
// unscaled. A scaled page (pageFlags bit 0x0002) shows its systems at
// pagePercent percent, so an unscaled length L takes L * pagePercent / 100 on
// it. On an unscaled page the two units are the same.
//
// A scaled page whose percentage is 0 or negative has no usable conversion:
// the functions below say so instead of dividing by it.
#ifndef KV_ENGINE_PAGE_SCOPING_H
#define KV_ENGINE_PAGE_SCOPING_H

#include <cstdint>

#include "toolkit/page_layout.h"

bool KVTR_PageIsScaled(const EDTPageSpec* page);

// False for a scaled page whose pagePercent is 0 or negative.
bool KVTR_PageScalingIsUsable(const EDTPageSpec* page);

// pageHeight + topMargin - bottomMargin: the room between the page's own
// margins, on-page units.
int32_t KVTR_UsablePageHeight(const EDTPageSpec* page);

// An unscaled length as it stands on the page: length * pagePercent / 100 on a
// scaled page, unchanged otherwise.
int32_t KVTR_ScaleToPage(int32_t length, const EDTPageSpec* page);

// Converts an on-page length to unscaled units in place: length * 100 /
// pagePercent on a scaled page, unchanged otherwise. Returns false, leaving the
// length as it was, when the page's scaling is not usable or a pointer is null.
bool KVTR_AccountForPageScoping(int32_t* length, const EDTPageSpec* page);

#endif
