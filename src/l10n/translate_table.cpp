#include "l10n/translate_table.h"

#include <cstring>

#include "globals/toolkit_globals.h"

namespace {

FTX_LANGUAGE language_of(const FTX_TRANSLATIONRECORD& record) { return int16_t(record.language); }

// The last record of `language` with its text or null, over the whole table.
const FTX_TRANSLATIONRECORD* last_record(const FTX_TRANSLATIONRECORD* table, int16_t records,
                                         FTX_LANGUAGE language) {
  const FTX_TRANSLATIONRECORD* found = nullptr;
  for (int16_t i = 0; i < records; ++i)
    if (language_of(table[i]) == language) found = &table[i];
  return found;
}

// No record of the asked language: Nederlands for Vlaams, then the fallback
// text, then English [American].
const char* unmatched(const FTX_TRANSLATIONRECORD* table, int16_t records, const char* fallback,
                      FTX_LANGUAGE language, int16_t* error) {
  if (language == kLanguageVlaams) {
    const FTX_TRANSLATIONRECORD* dutch = last_record(table, records, kLanguageNederlands);
    if (dutch != nullptr && dutch->text != nullptr) return dutch->text;
  }
  if (fallback != nullptr) return fallback;
  const FTX_TRANSLATIONRECORD* english = last_record(table, records, kLanguageEnglishAmerican);
  if (english != nullptr && english->text != nullptr) return english->text;
  *error = kFtxNoText;
  return "";
}

const char* longest(const FTX_TRANSLATIONRECORD* table, int16_t records, const char* fallback,
                    int16_t* error) {
  const char* best = nullptr;
  for (int16_t i = 0; i < records; ++i)
    if (table[i].text != nullptr && (best == nullptr || std::strlen(table[i].text) > std::strlen(best)))
      best = table[i].text;
  const size_t best_length = best == nullptr ? 0 : std::strlen(best);
  if (fallback != nullptr && std::strlen(fallback) > best_length) return fallback;
  if (best_length > 0) return best;
  return unmatched(table, records, fallback, kLanguageLongest, error);
}

}  // namespace

const char* pFTX_TranslateFromTable(const FTX_TRANSLATIONRECORD* table, int16_t records,
                                    const char* fallback, FTX_LANGUAGE language, int16_t* error,
                                    HWND) {
  int16_t ignored = 0;
  if (error == nullptr) error = &ignored;
  *error = kFtxOk;
  if (!_VerifyToLanguage(language)) {
    *error = kFtxInvalidLanguage;
    return "";
  }
  if (table == nullptr) {
    *error = kFtxNullPointer;
    return "";
  }
  if (records < 1 || records > kMaxTranslationRecords) {
    *error = kFtxBadRecordCount;
    return "";
  }
  if (language == kLanguageLongest) return longest(table, records, fallback, error);
  for (int16_t i = 0; i < records; ++i) {
    if (language_of(table[i]) != language) continue;
    if (table[i].text != nullptr) return table[i].text;
    if (fallback != nullptr) return fallback;
    *error = kFtxNoText;
    return "";
  }
  return unmatched(table, records, fallback, language, error);
}

const char* FTX_TranslateFromTable(const FTX_TRANSLATIONRECORD* table, int16_t records,
                                   const char* fallback, FTX_LANGUAGE language, int16_t* error) {
  return pFTX_TranslateFromTable(table, records, fallback, language, error, nullptr);
}
