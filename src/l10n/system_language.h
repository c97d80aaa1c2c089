// The user's language as Windows knows it, mapped onto the dictionary's
// thirteen languages and kept in the toolkit globals, where FTX_UserLanguage
// reads it.
#ifndef KV_L10N_SYSTEM_LANGUAGE_H
#define KV_L10N_SYSTEM_LANGUAGE_H

#include "l10n/language.h"
#include "platform/win32.h"

// English (United States) 0, any other English 1, German 2, Italian 3,
// French 4, Spanish 5, Portuguese 6, Swedish 7, Finnish 8, Dutch 9 (Belgian
// Dutch: Vlaams 10), Danish 11, Norwegian (Bokmål and Nynorsk) 12; every other
// language English (United States).
FTX_LANGUAGE KVTR_LanguageFromLangId(LANGID language);

// The language of the user's Windows interface: GetUserDefaultUILanguage where
// Windows has it (2000, Me and later), else the user's default language
// (GetUserDefaultLangID), all that Windows 95, 98 and NT 4 know.
LANGID KVTR_UserInterfaceLangId();

// Stores the language of the user's Windows interface (KVTR_UserInterfaceLangId)
// in the user-language word of PDKToolsGlobals and returns it. Called when the
// host initialises the plug-in and when Windows reports changed settings.
FTX_LANGUAGE KVTR_TakeUserLanguageFromSystem();

#endif
