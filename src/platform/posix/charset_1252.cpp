// Character classes and case mapping of the Windows-1252 code page.
//
// Letters are A-Z and a-z plus the accented letters the code page holds:
// upper case 0x8A (S caron), 0x8C (OE), 0x8E (Z caron), 0x9F (Y diaeresis),
// 0xC0-0xDE without 0xD7 (the multiplication sign); lower case 0x83 (f hook),
// 0x9A, 0x9C, 0x9E, 0xB5 (micro sign), 0xDF-0xFF without 0xF7 (the division
// sign), and 0xAA and 0xBA (the ordinal indicators), which have no capital.
// Digits are 0-9 and the superscripts 0xB2, 0xB3, 0xB9.
//
// Case pairs differ by 0x20 in the accented block and map 0x8A/0x9A,
// 0x8C/0x9C, 0x8E/0x9E and 0x9F/0xFF; the letters whose other case lies
// outside the code page (sharp s 0xDF, micro sign 0xB5, f hook 0x83) and the
// ordinal indicators stay as they are.
#include <array>

#include "platform/win32.h"

namespace {

enum : BYTE { kAlpha = 1, kUpper = 2, kLower = 4, kDigit = 8 };

struct CharTable {
  std::array<BYTE, 256> kind{};
  std::array<BYTE, 256> upper{};
  std::array<BYTE, 256> lower{};
};

void pair_cases(CharTable* t, int upper, int lower) {
  t->kind[size_t(upper)] = kAlpha | kUpper;
  t->kind[size_t(lower)] = kAlpha | kLower;
  t->lower[size_t(upper)] = BYTE(lower);
  t->upper[size_t(lower)] = BYTE(upper);
}

CharTable build_table() {
  CharTable t;
  for (int c = 0; c < 256; ++c) t.upper[size_t(c)] = t.lower[size_t(c)] = BYTE(c);
  for (int c = 'A'; c <= 'Z'; ++c) pair_cases(&t, c, c + 0x20);
  for (int c = 0xC0; c <= 0xDE; ++c)
    if (c != 0xD7) pair_cases(&t, c, c + 0x20);
  pair_cases(&t, 0x8A, 0x9A);
  pair_cases(&t, 0x8C, 0x9C);
  pair_cases(&t, 0x8E, 0x9E);
  pair_cases(&t, 0x9F, 0xFF);
  for (int c : {0x83, 0xAA, 0xB5, 0xBA, 0xDF}) t.kind[size_t(c)] = kAlpha | kLower;
  for (int c = '0'; c <= '9'; ++c) t.kind[size_t(c)] = kDigit;
  for (int c : {0xB2, 0xB3, 0xB9}) t.kind[size_t(c)] = kDigit;
  return t;
}

const CharTable& table() {
  static const CharTable t = build_table();
  return t;
}

BYTE kind_of(CHAR ch) { return table().kind[static_cast<BYTE>(ch)]; }

DWORD map_buffer(LPSTR text, DWORD length, const std::array<BYTE, 256>& map) {
  if (text == nullptr) return 0;
  for (DWORD i = 0; i < length; ++i) text[i] = CHAR(map[static_cast<BYTE>(text[i])]);
  return length;
}

// The single-character form: a "string" pointer whose bits above 16 are zero.
LPSTR map_string(LPSTR text, const std::array<BYTE, 256>& map) {
  if (IS_INTRESOURCE(text)) {
    BYTE c = map[LOBYTE(reinterpret_cast<ULONG_PTR>(text))];
    return reinterpret_cast<LPSTR>(static_cast<ULONG_PTR>(c));
  }
  DWORD length = 0;
  while (text[length] != '\0') ++length;
  map_buffer(text, length, map);
  return text;
}

}  // namespace

LPSTR CharUpperA(LPSTR lpsz) { return map_string(lpsz, table().upper); }

LPSTR CharLowerA(LPSTR lpsz) { return map_string(lpsz, table().lower); }

DWORD CharUpperBuffA(LPSTR lpsz, DWORD cchLength) {
  return map_buffer(lpsz, cchLength, table().upper);
}

DWORD CharLowerBuffA(LPSTR lpsz, DWORD cchLength) {
  return map_buffer(lpsz, cchLength, table().lower);
}

BOOL IsCharAlphaA(CHAR ch) { return (kind_of(ch) & kAlpha) != 0; }

BOOL IsCharAlphaNumericA(CHAR ch) { return (kind_of(ch) & (kAlpha | kDigit)) != 0; }

BOOL IsCharUpperA(CHAR ch) { return (kind_of(ch) & kUpper) != 0; }

BOOL IsCharLowerA(CHAR ch) { return (kind_of(ch) & kLower) != 0; }
