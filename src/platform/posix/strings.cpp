// The string functions of the stand-in.
#include "platform/win32.h"

int lstrlenA(LPCSTR lpString) {
  if (lpString == nullptr) return 0;
  int n = 0;
  while (lpString[n] != '\0') ++n;
  return n;
}

LPSTR lstrcpynA(LPSTR lpString1, LPCSTR lpString2, int iMaxLength) {
  if (lpString1 == nullptr || lpString2 == nullptr) return nullptr;
  LPSTR d = lpString1;
  int room = iMaxLength;
  while (room > 1 && *lpString2 != '\0') {
    *d++ = *lpString2++;
    --room;
  }
  if (room > 0) *d = '\0';
  return lpString1;
}
