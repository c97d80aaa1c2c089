// Conversions between on-page and unscaled lengths. EVPU, upward positive, a
// gap negative downward; page lengths may be scaled, system lengths are not.
#include "engine/page_scoping.h"

#include "engine/evpu_arithmetic.h"

bool KVTR_PageIsScaled(const EDTPageSpec* page) { return (page->pageFlags & kPageFlagScaled) != 0; }

bool KVTR_PageScalingIsUsable(const EDTPageSpec* page) {
  return !KVTR_PageIsScaled(page) || page->pagePercent > 0;
}

int32_t KVTR_UsablePageHeight(const EDTPageSpec* page) {
  return FTX_Wrap32(int64_t{page->pageHeight} + page->topMargin - page->bottomMargin);
}

int32_t KVTR_ScaleToPage(int32_t length, const EDTPageSpec* page) {
  if (!KVTR_PageIsScaled(page)) return length;
  return FTX_Wrap32(int64_t{length} * page->pagePercent) / 100;
}

bool KVTR_AccountForPageScoping(int32_t* length, const EDTPageSpec* page) {
  if (length == nullptr || page == nullptr || !KVTR_PageScalingIsUsable(page)) return false;
  if (KVTR_PageIsScaled(page)) *length = FTX_Wrap32(int64_t{*length} * 100) / page->pagePercent;
  return true;
}
