#include "ui/dialog_page_count.h"

#include "toolkit/item_counting.h"

namespace {

int32_t iMessageDepth = 0;
bool bPageCountKept = false;
int16_t iKeptPageCount = 0;

}  // namespace

void KVTR_UI_BeginDialogMessage() { ++iMessageDepth; }

void KVTR_UI_EndDialogMessage() {
  if (iMessageDepth > 0) --iMessageDepth;
  if (iMessageDepth == 0) bPageCountKept = false;
}

int16_t KVTR_UI_PageCount() {
  if (iMessageDepth == 0) return KVGEN_CountNoOfPages();
  if (!bPageCountKept) {
    iKeptPageCount = KVGEN_CountNoOfPages();
    bPageCountKept = true;
  }
  return iKeptPageCount;
}
