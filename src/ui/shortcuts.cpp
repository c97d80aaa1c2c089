#include "ui/shortcuts.h"

#include <cstring>

#include "l10n/dictionary_lookup.h"
#include "globals/toolkit_globals.h"
#include "ui/character_case.h"

namespace {

// Characters a control text is read with, the terminator included. The buffers
// hold one byte more, for the "&" that may be inserted.
constexpr int kTextCapacity = 100;

// One flag per 8-bit upper-case character.
struct UsedLetters {
  bool used[256];
};

bool& used(UsedLetters* letters, char character) {
  return letters->used[static_cast<unsigned char>(Win32_toupper(character))];
}

// Reads a control's text into `text` (kTextCapacity + 1 bytes); false when the
// text was longer than what was read.
bool read_text(HWND control, char* text) {
  text[0] = '\0';
  GetWindowTextA(control, text, kTextCapacity);
  return GetWindowTextLengthA(control) < kTextCapacity;
}

bool is_listed(LONG id, const int32_t* ids, int16_t count) {
  for (int16_t i = 0; i < count; ++i)
    if (ids[i] == id) return true;
  return false;
}

void collect_used_letters(HWND dialog, const int32_t* ids, int16_t count, bool strip,
                          UsedLetters* letters) {
  for (HWND child = GetTopWindow(dialog); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    char text[kTextCapacity + 1];
    const bool whole = read_text(child, text);
    const int ampersand = pos(text, '&');
    if (ampersand == 0) continue;
    if (strip && whole && is_listed(GetWindowLongA(child, GWL_ID), ids, count)) {
      std::memmove(text + ampersand - 1, text + ampersand, std::strlen(text + ampersand) + 1);
      SetWindowTextA(child, text);
      continue;
    }
    used(letters, text[ampersand]) = true;
  }
}

// True when the control holds an "&" afterwards.
bool give_letter(HWND control, int pass, bool prefer_capitals, UsedLetters* letters) {
  char text[kTextCapacity + 1];
  const bool whole = read_text(control, text);
  if (pos(text, '&') != 0) return true;
  if (!whole) return false;
  for (char* at = text; *at != '\0'; ++at) {
    if (used(letters, *at) || !IsCharAlphaNumericA(*at)) continue;
    if (pass == 0 && prefer_capitals && !IsCharUpperA(*at)) continue;
    used(letters, *at) = true;
    std::memmove(at + 1, at, std::strlen(at) + 1);
    *at = '&';
    SetWindowTextA(control, text);
    return true;
  }
  return false;
}

}  // namespace

int16_t FTXW_ResolveShortcuts(HWND dialog, const int32_t* ids, int16_t count, int16_t strip,
                              int16_t preferCapitals) {
  if (dialog == nullptr || ids == nullptr) return kFtxNullPointer;
  if (count < 1 || count > kMaxShortcutControls) return kFtxBadRecordSize;
  UsedLetters letters{};
  collect_used_letters(dialog, ids, count, strip != 0, &letters);
  for (int pass = 0; pass < 2; ++pass) {
    bool complete = true;
    for (int16_t i = 0; i < count; ++i)
      if (!give_letter(GetDlgItem(dialog, ids[i]), pass, preferCapitals != 0, &letters)) complete = false;
    if (complete) break;
  }
  return kFtxOk;
}
