// Language numbers and the choice of the user's language.
//
// A language is one of the thirteen columns of the dictionary (0..12), or one
// of two requests resolved at lookup time: the user's language, or the longest
// text of all languages.
#ifndef KV_L10N_LANGUAGE_H
#define KV_L10N_LANGUAGE_H

#include <cstdint>

typedef int16_t FTX_LANGUAGE;

constexpr FTX_LANGUAGE kLanguageEnglishAmerican = 0;
constexpr FTX_LANGUAGE kLanguageEnglishInternational = 1;
constexpr FTX_LANGUAGE kLanguageDeutsch = 2;
constexpr FTX_LANGUAGE kLanguageItaliano = 3;
constexpr FTX_LANGUAGE kLanguageFrancais = 4;
constexpr FTX_LANGUAGE kLanguageEspanol = 5;
constexpr FTX_LANGUAGE kLanguagePortugues = 6;
constexpr FTX_LANGUAGE kLanguageSvenska = 7;
constexpr FTX_LANGUAGE kLanguageSuomi = 8;
constexpr FTX_LANGUAGE kLanguageNederlands = 9;
constexpr FTX_LANGUAGE kLanguageVlaams = 10;
constexpr FTX_LANGUAGE kLanguageDansk = 11;
constexpr FTX_LANGUAGE kLanguageNorsk = 12;
constexpr int kLanguageCount = 13;

constexpr FTX_LANGUAGE kLanguageUser = 10000;     // replaced by FTX_UserLanguage()
constexpr FTX_LANGUAGE kLanguageLongest = 20000;  // the longest text of all languages

// Error codes of the text lookups, written through their optional error
// pointers (0 and 2 are the toolkit's general codes).
constexpr int16_t kFtxInvalidLanguage = 3;
constexpr int16_t kFtxBadRecordCount = 4;
constexpr int16_t kFtxNoText = 17;
constexpr int16_t kFtxNoEntryInAnyLanguage = 19;

// The user-language word of the toolkit globals, clamped into 0..12.
FTX_LANGUAGE FTX_UserLanguage();

// True when `language` can be looked up: 0..12 or kLanguageLongest as they
// are, kLanguageUser after it has been replaced in place by the user's language.
bool _VerifyToLanguage(FTX_LANGUAGE& language);

#endif
