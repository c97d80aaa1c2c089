#include "ui/respacing_dialog.h"

structUserPrefs* pDialogData = nullptr;
HWND hwndModelessWindow = nullptr;
int16_t tbCurrentMeasurement = 0;
int16_t tbMinExtraTopMargin = kTopMarginLowest;
FTX_TOGGLEINFOSTORAGE toggleStorage = {};
uint8_t bLastViewWasPageView = 1;
int32_t iLastPage = 1;

int16_t KVTR_UI_WithinRange(int16_t value, int16_t low, int16_t high) {
  if (value < low) return low;
  if (value > high) return high;
  return value;
}
