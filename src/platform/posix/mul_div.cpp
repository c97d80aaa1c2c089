// MulDiv as kernel32 computes it: the product in 64 bits, rounded to the
// nearest with halves away from zero, -1 for a zero divisor or an overflow.
#include "platform/win32.h"

int MulDiv(int nNumber, int nNumerator, int nDenominator) {
  if (nDenominator == 0) return -1;
  int64_t product = int64_t(nNumber) * nNumerator;
  int64_t divisor = nDenominator;
  if (divisor < 0) {
    product = -product;
    divisor = -divisor;
  }
  const int64_t result = (product >= 0 ? product + divisor / 2 : product - divisor / 2) / divisor;
  return (result > INT32_MAX || result < -INT32_MAX) ? -1 : int(result);
}
