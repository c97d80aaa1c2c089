#include "l10n/language.h"

#include "globals/toolkit_globals.h"

FTX_LANGUAGE FTX_UserLanguage() {
  FTX_PDKTOOLSGLOBALS globals{};
  globals.size = sizeof globals;
  PDKTOOLS_GetGlobals(&globals);
  if (globals.userLanguage < 0) return kLanguageEnglishAmerican;
  if (globals.userLanguage >= kLanguageCount) return kLanguageCount - 1;
  return globals.userLanguage;
}

bool _VerifyToLanguage(FTX_LANGUAGE& language) {
  if (language == kLanguageLongest) return true;
  if (language == kLanguageUser) {
    language = FTX_UserLanguage();
    return true;
  }
  return language >= 0 && language < kLanguageCount;
}
