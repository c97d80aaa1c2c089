#include "l10n/translate_table.h"

#include <gtest/gtest.h>

#include <string>

#include "globals/toolkit_globals.h"

namespace {

const FTX_TRANSLATIONRECORD kEnglishSwedish[] = {{"Compact", 0}, {"Kompakt", 7}};

struct LookupCase {
  std::vector<FTX_TRANSLATIONRECORD> table;
  const char* fallback;
  FTX_LANGUAGE language;
  const char* expected;
  int16_t expected_error;
  const char* why;
};

TEST(TranslateFromTable, FollowsTheFallbackOrder) {
  const LookupCase cases[] = {
      {{{"Compact", 0}, {"Kompakt", 7}}, nullptr, 7, "Kompakt", 0, "the asked language"},
      {{{"Compact", 0}, {"Kompakt", 7}}, nullptr, 9, "Compact", 0, "English when the language is missing"},
      {{{"Compact", 0}, {"Kompakt", 7}}, nullptr, 10, "Compact", 0, "Vlaams without Nederlands: English"},
      {{{"Compact", 0}, {"Compact", 9}}, nullptr, 10, "Compact", 0, "Vlaams with Nederlands"},
      {{{"E", 0}, {"N", 9}}, nullptr, 10, "N", 0, "Vlaams takes Nederlands over English"},
      {{{"E", 0}, {"N", 9}}, "F", 10, "N", 0, "Vlaams takes Nederlands over the fallback"},
      {{{"E", 0}, {"N1", 9}, {"N2", 9}}, nullptr, 10, "N2", 0, "the last Nederlands record"},
      {{{"E", 0}, {nullptr, 9}}, "F", 10, "F", 0, "a Nederlands record without text"},
      {{{"E", 0}, {nullptr, 9}}, nullptr, 10, "E", 0, "a Nederlands record without text, no fallback"},
      {{{"E", 0}, {"S", 7}}, "F", 2, "F", 0, "the fallback goes before English"},
      {{{"E1", 0}, {"E2", 0}}, nullptr, 2, "E2", 0, "the last English record"},
      {{{"S1", 7}, {"S2", 7}}, nullptr, 7, "S1", 0, "the first record of the language wins"},
      {{{nullptr, 7}, {"S2", 7}, {"E", 0}}, "F", 7, "F", 0, "a matching record without text: fallback"},
      {{{nullptr, 7}, {"S2", 7}, {"E", 0}}, nullptr, 7, "", 17, "a matching record without text: nothing"},
      {{{"S", 7}}, nullptr, 2, "", 17, "no English record"},
      {{{nullptr, 0}}, nullptr, 2, "", 17, "an English record without text"},
      {{{"", 0}, {"S", 7}}, nullptr, 2, "", 0, "an empty English text is a text"},
      {{{"X", 0x00070000}, {"S", 0x12340007}}, nullptr, 7, "S", 0, "only the low 16 bits name the language"},
  };
  for (const LookupCase& c : cases) {
    int16_t error = -99;
    const char* text = FTX_TranslateFromTable(c.table.data(), int16_t(c.table.size()), c.fallback,
                                              c.language, &error);
    ASSERT_NE(text, nullptr) << c.why;
    EXPECT_STREQ(text, c.expected) << c.why;
    EXPECT_EQ(error, c.expected_error) << c.why;
  }
}

TEST(TranslateFromTable, LongestTakesTheLongestRecordOrALongerFallback) {
  const LookupCase cases[] = {
      {{{"Selected pages", 0}, {"Valda sidor", 7}}, nullptr, 20000, "Selected pages", 0, "English longer"},
      {{{"Extra page margins", 0}, {"Extra sidmarginaler", 7}}, nullptr, 20000, "Extra sidmarginaler", 0,
       "Swedish longer"},
      {{{"Compact", 0}, {"Kompakt", 7}}, nullptr, 20000, "Compact", 0, "the first of equal lengths"},
      {{{"Compact", 0}, {"Kompakt", 7}}, "Fallback", 20000, "Fallback", 0, "a longer fallback"},
      {{{"Compact", 0}, {"Kompakt", 7}}, "Kompakt", 20000, "Compact", 0, "a fallback of equal length"},
      {{{nullptr, 0}, {"", 7}}, "", 20000, "", 0, "nothing but an empty fallback"},
      {{{nullptr, 0}, {"", 7}}, nullptr, 20000, "", 17, "no text at all"},
      {{{"", 0}, {nullptr, 7}}, nullptr, 20000, "", 0, "an empty English text"},
      {{{nullptr, 9}, {"", 0}, {"", 10}}, nullptr, 20000, "", 0, "no Nederlands step"},
  };
  for (const LookupCase& c : cases) {
    int16_t error = -99;
    const char* text = FTX_TranslateFromTable(c.table.data(), int16_t(c.table.size()), c.fallback,
                                              c.language, &error);
    ASSERT_NE(text, nullptr) << c.why;
    EXPECT_STREQ(text, c.expected) << c.why;
    EXPECT_EQ(error, c.expected_error) << c.why;
  }
}

TEST(TranslateFromTable, RefusesBadArgumentsWithAnEmptyText) {
  const struct {
    const FTX_TRANSLATIONRECORD* table;
    int16_t records;
    FTX_LANGUAGE language;
    int16_t expected_error;
    const char* why;
  } cases[] = {
      {kEnglishSwedish, 0, 0, 4, "no records"},
      {kEnglishSwedish, 14, 0, 4, "fourteen records"},
      {kEnglishSwedish, -1, 0, 4, "a negative count"},
      {nullptr, 2, 0, 2, "no table"},
      {kEnglishSwedish, 2, 13, 3, "language 13"},
      {nullptr, 0, -1, 3, "the language is checked first"},
  };
  for (const auto& c : cases) {
    int16_t error = -99;
    const char* text = FTX_TranslateFromTable(c.table, c.records, "fallback", c.language, &error);
    ASSERT_NE(text, nullptr) << c.why;
    EXPECT_STREQ(text, "") << c.why;
    EXPECT_EQ(error, c.expected_error) << c.why;
  }
}

TEST(TranslateFromTable, UsesTheUsersLanguageAndWorksWithoutAnErrorPointer) {
  PDKToolsGlobals.userLanguage = kLanguageSvenska;
  EXPECT_STREQ(FTX_TranslateFromTable(kEnglishSwedish, 2, nullptr, kLanguageUser, nullptr), "Kompakt");
  PDKToolsGlobals.userLanguage = 0;
  EXPECT_STREQ(FTX_TranslateFromTable(kEnglishSwedish, 2, nullptr, kLanguageUser, nullptr), "Compact");
  EXPECT_STREQ(FTX_TranslateFromTable(nullptr, 2, nullptr, 0, nullptr), "");
}

TEST(TranslateFromTable, AcceptsThirteenRecordsAndReadsTheLast) {
  const std::string texts[13] = {"l0", "l1", "l2", "l3", "l4", "l5", "l6", "l7", "l8", "l9", "l10", "l11", "l12"};
  FTX_TRANSLATIONRECORD table[13];
  for (int i = 0; i < 13; ++i) table[i] = {texts[i].c_str(), i};
  int16_t error = -99;
  EXPECT_STREQ(FTX_TranslateFromTable(table, 13, "fallback", 12, &error), "l12");
  EXPECT_EQ(error, 0);
}

}  // namespace
