#include "ui/dialog_page_count.h"

#include "host/record_tags.h"
#include "toolkit/item_counting.h"
#include "toolkit/keyed_records.h"
#include "toolkit/page_layout.h"

namespace {

bool bPageCountKept = false;
int16_t iKeptPageCount = 0;

bool page_exists(int32_t page) {
  if (page > kFtxLastItemNumber) return false;
  int32_t size = kFtxPageSpecSize;
  return FTX_ProbeItem(kTagPageSpec, static_cast<int16_t>(page), 0, nullptr, &size);
}

// The kept count still holds: its last page exists (none is needed for 0)
// and the page after it does not.
bool kept_count_holds() {
  if (iKeptPageCount > 0 && !page_exists(iKeptPageCount)) return false;
  return !page_exists(int32_t{iKeptPageCount} + 1);
}

}  // namespace

int16_t KVTR_UI_PageCount() {
  if (!bPageCountKept || !kept_count_holds()) {
    iKeptPageCount = KVGEN_CountNoOfPages();
    bPageCountKept = true;
  }
  return iKeptPageCount;
}
