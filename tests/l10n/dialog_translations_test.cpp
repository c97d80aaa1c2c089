#include "l10n/dialog_translations.h"

#include <gtest/gtest.h>

namespace {

struct TableCase {
  const FTX_TRANSLATIONRECORD* table;
  const char* english;
  const char* swedish;  // Windows-1252 bytes
};

const TableCase kTables[] = {
    {translProcessRange, "Process range", "Arbetsavsnitt"},
    {translCurrentPage, "Current Page", "Nuvarande sida"},
    {translAllPages, "All pages", "Alla sidor"},
    {translSinglePage, "Single page", "Enstaka sida"},
    {translSelectedPages, "Selected pages", "Valda sidor"},
    {translExtraMargins, "Extra page margins", "Extra sidmarginaler"},
    {translTopWord, "Top:", "\xD6verst:"},
    {translBottomWord, "Bottom:", "Nederst:"},
    {translMultipleSystems, "Multiple systems", "Flera system"},
    {translKeepTopmostStill, "Keep topmost system still", "H\xE5ll \xF6versta systemet still"},
    {translIncludeGaps, "Include existing gaps in calc.", "Ta med befintliga mellanrum"},
    {translCompact, "Compact", "Kompakt"},
    {translSingleSystems, "Single systems", "Ensamma system"},
    {translLeaveAlone, "Leave alone", "G\xF6r ingenting"},
    {translTop, "Top", "\xD6verst"},
    {translCenter, "Center", "Centrera"},
    {translBottom, "Bottom", "Nederst"},
};

TEST(DialogTranslations, HoldEnglishFirstAndSwedishSecondInWindows1252) {
  for (const TableCase& c : kTables) {
    EXPECT_STREQ(c.table[0].text, c.english);
    EXPECT_EQ(c.table[0].language, kLanguageEnglishAmerican) << c.english;
    EXPECT_STREQ(c.table[1].text, c.swedish) << c.english;
    EXPECT_EQ(c.table[1].language, kLanguageSvenska) << c.english;
  }
}

TEST(DialogTranslations, LongestLanguageCountsOneByteForEachSwedishLetter) {
  EXPECT_STREQ(FTX_TranslateFromTable(translExtraMargins, 2, nullptr, kLanguageLongest, nullptr),
               "Extra sidmarginaler");
  EXPECT_STREQ(FTX_TranslateFromTable(translSelectedPages, 2, nullptr, kLanguageLongest, nullptr),
               "Selected pages");
  EXPECT_STREQ(FTX_TranslateFromTable(translCompact, 2, nullptr, kLanguageLongest, nullptr), "Compact");
  EXPECT_STREQ(FTX_TranslateFromTable(translTop, 2, nullptr, kLanguageLongest, nullptr), "\xD6verst")
      << "six letters against three";
}

}  // namespace
