#include "l10n/system_language.h"

#include <gtest/gtest.h>

#include "platform/posix/testing.h"
#include "globals/toolkit_globals.h"

namespace {

struct LanguageCase {
  LANGID windows;  // primary language in the low 10 bits, sublanguage above
  FTX_LANGUAGE expected;
};

TEST(SystemLanguage, WindowsLanguagesMapOntoTheDictionaryColumns) {
  const LanguageCase cases[] = {
      {0x0409, 0},   // English, United States
      {0x0809, 1},   // English, United Kingdom
      {0x0C09, 1},   // English, Australia
      {0x0009, 1},   // English, no sublanguage
      {0x0407, 2},   // German
      {0x0807, 2},   // German, Switzerland
      {0x0410, 3},   // Italian
      {0x040C, 4},   // French
      {0x0C0C, 4},   // French, Canada
      {0x0C0A, 5},   // Spanish, modern sort
      {0x0416, 6},   // Portuguese, Brazil
      {0x0816, 6},   // Portuguese, Portugal
      {0x041D, 7},   // Swedish
      {0x040B, 8},   // Finnish
      {0x0413, 9},   // Dutch, Netherlands
      {0x0813, 10},  // Dutch, Belgium: Vlaams
      {0x0406, 11},  // Danish
      {0x0414, 12},  // Norwegian, Bokmål
      {0x0814, 12},  // Norwegian, Nynorsk
      {0x0411, 0},   // Japanese: English, United States
      {0x0419, 0},   // Russian
      {0x0000, 0},   // neutral
  };
  for (const LanguageCase& c : cases)
    EXPECT_EQ(KVTR_LanguageFromLangId(c.windows), c.expected) << std::hex << c.windows;
}

TEST(SystemLanguage, TheUsersLanguageReachesTheToolkitGlobals) {
  const FTX_PDKTOOLSGLOBALS saved = PDKToolsGlobals;
  standin::set_ui_language(0x041D);
  EXPECT_EQ(KVTR_TakeUserLanguageFromSystem(), kLanguageSvenska);
  EXPECT_EQ(FTX_UserLanguage(), kLanguageSvenska);
  standin::reset();
  EXPECT_EQ(KVTR_TakeUserLanguageFromSystem(), kLanguageEnglishAmerican) << "reset() is English (US)";
  PDKToolsGlobals = saved;
}

// Windows 95, 98 and NT 4 lack GetUserDefaultUILanguage: the plug-in then takes
// the user's default language; from 2000 and Me on, the interface's language.
TEST(SystemLanguage, WindowsWithoutTheInterfaceLanguageGiveTheUsersDefaultLanguage) {
  struct VersionCase {
    const char* name;
    DWORD platform, major, minor;
    FTX_LANGUAGE expected;  // interface Swedish, default language German
  };
  const VersionCase cases[] = {
      {"Windows 95", VER_PLATFORM_WIN32_WINDOWS, 4, 0, kLanguageDeutsch},
      {"Windows 98", VER_PLATFORM_WIN32_WINDOWS, 4, 10, kLanguageDeutsch},
      {"Windows Me", VER_PLATFORM_WIN32_WINDOWS, 4, 90, kLanguageSvenska},
      {"Windows NT 4", VER_PLATFORM_WIN32_NT, 4, 0, kLanguageDeutsch},
      {"Windows 2000", VER_PLATFORM_WIN32_NT, 5, 0, kLanguageSvenska},
      {"Windows XP", VER_PLATFORM_WIN32_NT, 5, 1, kLanguageSvenska},
      {"Windows 8", VER_PLATFORM_WIN32_NT, 6, 2, kLanguageSvenska},
  };
  const FTX_PDKTOOLSGLOBALS saved = PDKToolsGlobals;
  for (const VersionCase& c : cases) {
    standin::reset();
    standin::set_os_version(c.platform, c.major, c.minor);
    standin::set_ui_language(0x041D);
    standin::set_default_language(0x0407);
    EXPECT_EQ(KVTR_TakeUserLanguageFromSystem(), c.expected) << c.name;
  }
  standin::reset();
  PDKToolsGlobals = saved;
}

}  // namespace
