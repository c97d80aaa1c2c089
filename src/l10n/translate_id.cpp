#include "l10n/translate_id.h"

#include <cstring>

#include "l10n/dictionary_lookup.h"
#include "globals/toolkit_globals.h"

char translaterawtxt[kTranslateBufferSize];

namespace {

// The row of the `variant`-th occurrence of `word`, or -1.
int variant_row(int32_t word, int16_t variant) {
  int seen = 0;
  for (int row = 0; row < kDictionaryRows; ++row)
    if (FTX_DictIndex[row] == word && seen++ == variant) return row;
  return -1;
}

const char* entry_with_fallbacks(int row, FTX_LANGUAGE language, HWND window) {
  const char* text = ReadFromDict(row, language, window);
  if (*text == '\0' && language == kLanguageVlaams)
    text = ReadFromDict(row, kLanguageNederlands, window);
  if (*text == '\0') text = ReadFromDict(row, kLanguageEnglishAmerican, window);
  return text;
}

void copy_trimmed(const char* text) {
  size_t length = std::strlen(text);
  if (length >= sizeof translaterawtxt) length = sizeof translaterawtxt - 1;
  while (length > 0 && text[length - 1] == ' ') --length;
  std::memcpy(translaterawtxt, text, length);
  translaterawtxt[length] = '\0';
}

}  // namespace

const char* pFTX_TranslateID(int16_t word, int16_t count, FTX_LANGUAGE language, int16_t* error,
                             int16_t variant, HWND window, int16_t rowFlag) {
  int16_t ignored = 0;
  if (error == nullptr) error = &ignored;
  if (!_VerifyToLanguage(language)) {
    *error = kFtxInvalidLanguage;
    return "";
  }
  const int row = rowFlag != 0 ? word : variant_row(word, variant);
  if (row < 0 || row >= kDictionaryRows) {
    *error = kFtxNoText;
    return "";
  }
  const char* text = entry_with_fallbacks(row, language, window);
  if (*text == '\0') {
    *error = kFtxNoEntryInAnyLanguage;
    return "";
  }
  copy_trimmed(text);
  *error = kFtxOk;
  _FormForCount(translaterawtxt, sizeof translaterawtxt, count);
  return translaterawtxt;
}

const char* FTX_TranslateID(FTX_WORDIDS word, int16_t count, FTX_LANGUAGE language, int16_t* error) {
  return pFTX_TranslateID(int16_t(word), count, language, error, 0, nullptr, 0);
}
