// Window text and the dialog-item text helpers. Every read and write goes
// through WM_GETTEXT / WM_SETTEXT, so window procedures see them as in Windows.
//
// GetDlgItemInt skips leading blanks, takes an optional minus sign when
// signed, converts the decimal digits that follow and stops at the first
// other character; no digit, or a value outside the 32-bit range of the
// requested signedness, is a failed translation answering 0.
#include <cctype>
#include <cstdio>
#include <cstring>

#include "platform/posix/window_store.h"

namespace {

// The number at the start of `text`; false when there is none or it overflows.
bool parse_int(const char* text, bool is_signed, int64_t* value) {
  while (*text == ' ' || *text == '\t') ++text;
  bool negative = false;
  if (is_signed && (*text == '-' || *text == '+')) negative = *text++ == '-';
  if (!std::isdigit(static_cast<unsigned char>(*text))) return false;
  int64_t v = 0;
  for (; std::isdigit(static_cast<unsigned char>(*text)); ++text) {
    v = v * 10 + (*text - '0');
    if (v > 0xFFFFFFFFLL) return false;
  }
  if (negative) v = -v;
  if (is_signed && (v < INT32_MIN || v > INT32_MAX)) return false;
  *value = v;
  return true;
}

}  // namespace

int GetWindowTextA(HWND hWnd, LPSTR lpString, int nMaxCount) {
  if (lpString == nullptr || nMaxCount <= 0) return 0;
  lpString[0] = '\0';
  if (standin::detail::find_or_fail(hWnd) == nullptr) return 0;
  return int(SendMessageA(hWnd, WM_GETTEXT, WPARAM(nMaxCount), reinterpret_cast<LPARAM>(lpString)));
}

int GetWindowTextLengthA(HWND hWnd) {
  if (standin::detail::find_or_fail(hWnd) == nullptr) return 0;
  return int(SendMessageA(hWnd, WM_GETTEXTLENGTH, 0, 0));
}

BOOL SetWindowTextA(HWND hWnd, LPCSTR lpString) {
  if (standin::detail::find_or_fail(hWnd) == nullptr) return FALSE;
  return BOOL(SendMessageA(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpString)));
}

BOOL SetDlgItemTextA(HWND hDlg, int nIDDlgItem, LPCSTR lpString) {
  HWND item = GetDlgItem(hDlg, nIDDlgItem);
  if (item == nullptr) return FALSE;
  return SetWindowTextA(item, lpString);
}

UINT GetDlgItemTextA(HWND hDlg, int nIDDlgItem, LPSTR lpString, int cchMax) {
  HWND item = GetDlgItem(hDlg, nIDDlgItem);
  if (item != nullptr) return UINT(GetWindowTextA(item, lpString, cchMax));
  if (lpString != nullptr && cchMax > 0) lpString[0] = '\0';
  return 0;
}

UINT GetDlgItemInt(HWND hDlg, int nIDDlgItem, BOOL* lpTranslated, BOOL bSigned) {
  if (lpTranslated != nullptr) *lpTranslated = FALSE;
  char text[64];
  if (GetDlgItemTextA(hDlg, nIDDlgItem, text, int(sizeof text)) == 0) return 0;
  int64_t value = 0;
  if (!parse_int(text, bSigned != FALSE, &value)) return 0;
  if (lpTranslated != nullptr) *lpTranslated = TRUE;
  return UINT(value);
}

BOOL SetDlgItemInt(HWND hDlg, int nIDDlgItem, UINT uValue, BOOL bSigned) {
  char text[16];
  if (bSigned)
    std::snprintf(text, sizeof text, "%d", int32_t(uValue));
  else
    std::snprintf(text, sizeof text, "%u", unsigned(uValue));
  return SetDlgItemTextA(hDlg, nIDDlgItem, text);
}
