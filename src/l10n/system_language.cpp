#include "l10n/system_language.h"

#include "globals/toolkit_globals.h"

namespace {

struct PrimaryLanguage {
  WORD primary;
  FTX_LANGUAGE language;
};

// Languages whose every sublanguage maps to one dictionary column.
const PrimaryLanguage kPrimaryLanguages[] = {
    {LANG_GERMAN, kLanguageDeutsch},     {LANG_ITALIAN, kLanguageItaliano},
    {LANG_FRENCH, kLanguageFrancais},    {LANG_SPANISH, kLanguageEspanol},
    {LANG_PORTUGUESE, kLanguagePortugues}, {LANG_SWEDISH, kLanguageSvenska},
    {LANG_FINNISH, kLanguageSuomi},      {LANG_DANISH, kLanguageDansk},
    {LANG_NORWEGIAN, kLanguageNorsk},
};

}  // namespace

FTX_LANGUAGE KVTR_LanguageFromLangId(LANGID language) {
  const WORD primary = PRIMARYLANGID(language);
  const WORD sub = SUBLANGID(language);
  if (primary == LANG_ENGLISH)
    return sub == SUBLANG_ENGLISH_US ? kLanguageEnglishAmerican : kLanguageEnglishInternational;
  if (primary == LANG_DUTCH) return sub == SUBLANG_DUTCH_BELGIAN ? kLanguageVlaams : kLanguageNederlands;
  for (const PrimaryLanguage& p : kPrimaryLanguages)
    if (p.primary == primary) return p.language;
  return kLanguageEnglishAmerican;
}

LANGID KVTR_UserInterfaceLangId() {
  // GetUserDefaultUILanguage came with Windows 2000 and Me: importing it would
  // keep the DLL from loading on Windows 95, 98 and NT 4, so it is looked up.
  // Through void(*)(), the one function type that converts to and from any
  // other without a cast-function-type warning.
  typedef LANGID(WINAPI * UiLanguageProc)(void);
  typedef void (*AnyProc)();
  HMODULE kernel = GetModuleHandleA("KERNEL32.DLL");
  AnyProc found = kernel ? reinterpret_cast<AnyProc>(GetProcAddress(kernel, "GetUserDefaultUILanguage")) : nullptr;
  if (found == nullptr) return GetUserDefaultLangID();
  return reinterpret_cast<UiLanguageProc>(found)();
}

FTX_LANGUAGE KVTR_TakeUserLanguageFromSystem() {
  const FTX_LANGUAGE language = KVTR_LanguageFromLangId(KVTR_UserInterfaceLangId());
  PDKToolsGlobals.userLanguage = language;
  return language;
}
