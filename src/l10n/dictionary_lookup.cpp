#include "l10n/dictionary_lookup.h"

#include <cstring>

#include "l10n/dictionary.h"

int pos(const char* text, char character) {
  const char* found = std::strchr(text, character);
  return found == nullptr ? 0 : int(found - text) + 1;
}

int GetWordWidth(const char* text, HWND) { return int(std::strlen(text)); }

const char* GetWord(int row, FTX_LANGUAGE language, HWND window) {
  if (row < 0 || row >= kDictionaryRows) return "";
  const char* const* entries = &FTX_Dictionary[size_t(row) * kLanguageCount];
  if (language >= 0 && language < kLanguageCount) return entries[language];
  if (language != kLanguageLongest) return "";
  const char* longest = entries[kLanguageEnglishAmerican];
  for (int column = 1; column < kLanguageCount; ++column)
    if (GetWordWidth(entries[column], window) > GetWordWidth(longest, window)) longest = entries[column];
  return longest;
}

const char* ReadFromDict(int row, FTX_LANGUAGE language, HWND window) {
  const char* entry = GetWord(row, language, window);
  if (row < 0 || row >= kDictionaryRows || FTX_DictIndex[row] == kSeparatorWordId) return entry;
  const int32_t word = FTX_DictIndex[row];
  for (int above = row - 1; *entry == '\0' && above >= 0 && FTX_DictIndex[above] == word; --above)
    entry = GetWord(above, language, window);
  for (int below = row + 1; *entry == '\0' && below < kDictionaryRows && FTX_DictIndex[below] == word;
       ++below)
    entry = GetWord(below, language, window);
  return entry;
}
