#include "ui/dialog_position.h"

void FTX_GetDlgPos(HWND window, int16_t* x, int16_t* y) {
  RECT rect;
  if (x == nullptr || y == nullptr || !GetWindowRect(window, &rect)) return;
  *x = int16_t(rect.left);
  *y = int16_t(rect.top);
}

void FTX_SetDlgPos(HWND window, const int16_t* x, const int16_t* y) {
  if (x == nullptr || y == nullptr || *x == kDialogNotPlaced || *y == kDialogNotPlaced) return;
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  if (*x > width || *y > height || *x < 0 || *y < 0) return;
  RECT rect;
  if (!GetWindowRect(window, &rect)) return;
  MoveWindow(window, *x, *y, rect.right - rect.left, rect.bottom - rect.top, TRUE);
}
