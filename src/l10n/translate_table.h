// Looking a control label up in a small translation table: one record per
// language that has the label, in any order, the first record of a language
// winning.
//
// The text returned is a record's text, the caller's fallback text, or "" on
// failure (never null); it is not copied. Errors, through the optional error
// pointer: 0 found; 2 no table; 3 invalid language; 4 a number of records
// outside 1..13; 17 no text for the language and no fallback.
#ifndef KV_L10N_TRANSLATE_TABLE_H
#define KV_L10N_TRANSLATE_TABLE_H

#include <cstddef>
#include <cstdint>

#include "l10n/language.h"
#include "platform/win32.h"

struct FTX_TRANSLATIONRECORD {
  const char* text;  // NUL-terminated Windows-1252, or null: no text
  int32_t language;  // an FTX_LANGUAGE in the low 16 bits
};

constexpr int16_t kMaxTranslationRecords = 13;

// Fallbacks when the language has no record: Vlaams takes a Nederlands record,
// then every language takes the fallback text, then the English [American]
// record. kLanguageLongest gives the longest record text, or the fallback text
// when that is longer still. The window is not used.
const char* pFTX_TranslateFromTable(const FTX_TRANSLATIONRECORD* table, int16_t records,
                                    const char* fallback, FTX_LANGUAGE language, int16_t* error,
                                    HWND window);

const char* FTX_TranslateFromTable(const FTX_TRANSLATIONRECORD* table, int16_t records,
                                   const char* fallback, FTX_LANGUAGE language, int16_t* error);

#endif
