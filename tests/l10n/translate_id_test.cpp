#include "l10n/translate_id.h"

#include <gtest/gtest.h>

#include <string>

#include "globals/toolkit_globals.h"

namespace {

class TranslateId : public testing::Test {
 protected:
  void TearDown() override { PDKToolsGlobals.userLanguage = 0; }

  // The variant-th row of a word, looked up like the dialog does, error kept.
  std::string word(int16_t id, int16_t count, FTX_LANGUAGE language, int16_t variant = 0) {
    error = -99;
    return pFTX_TranslateID(id, count, language, &error, variant, nullptr, 0);
  }

  int16_t error = -99;
};

TEST_F(TranslateId, GivesTheDialogWordsInTheUsersLanguage) {
  EXPECT_EQ(word(6, 1, kLanguageUser), "Apply");
  EXPECT_EQ(error, 0);
  PDKToolsGlobals.userLanguage = kLanguageSvenska;
  EXPECT_STREQ(FTX_TranslateID(kWordApply, 1, kLanguageUser, nullptr), "Verkst\xE4ll");
  EXPECT_STREQ(FTX_TranslateID(kWordClose, 1, kLanguageUser, nullptr), "St\xE4ng");
  EXPECT_STREQ(FTX_TranslateID(kWordTo, 1, kLanguageUser, nullptr), "till");
}

TEST_F(TranslateId, RemovesTrailingSpaces) {
  EXPECT_EQ(word(7, 1, kLanguageItaliano), "Chiudi");
  EXPECT_EQ(word(250, 1, kLanguageEnglishAmerican), "upper staff");
  EXPECT_EQ(word(250, 2, kLanguageEnglishAmerican), "upper staffs") << "the form is made from the trimmed text";
}

struct FallbackCase {
  int16_t id;
  FTX_LANGUAGE language;
  int16_t variant;
  const char* expected;
  const char* why;
};

TEST_F(TranslateId, FallsBackWithinTheWordThenToTheRelatedLanguageThenToEnglish) {
  const FallbackCase cases[] = {
      {6, kLanguageVlaams, 0, "Toepassen", "Vlaams borrows from Nederlands"},
      {306, kLanguageVlaams, 0, "bladzijde", "Vlaams has a word of its own"},
      {6, kLanguageEnglishInternational, 0, "Apply", "International borrows from American"},
      {303, kLanguageEnglishInternational, 0, "bar", "International has a word of its own"},
      {201, kLanguageDeutsch, 0, "EVPU", "every language borrows from American"},
      {102, kLanguageEnglishAmerican, 0, "whole", "an empty abbreviation takes the short name"},
      {102, kLanguageNorsk, 0, "helnote", "below, never above the separator into the double whole"},
      {101, kLanguageNorsk, 0, "dobbel helnote", "the abbreviation borrows from below"},
      {101, kLanguageNorsk, 2, "dobbel helnote", "the long name borrows from above"},
      {102, kLanguageNorsk, 2, "helnote", "the long name borrows from above"},
      {101, kLanguageVlaams, 2, "brevis", "a word empty in Vlaams borrows from Nederlands"},
      {103, kLanguageEnglishInternational, 0, "minim", "within International before American"},
      {103, kLanguageEnglishAmerican, 0, "half", "the group starts with an empty row in English"},
      {104, kLanguageEnglishAmerican, 2, "quarter note", "a variant with an entry of its own"},
  };
  for (const FallbackCase& c : cases) {
    EXPECT_EQ(word(c.id, 1, c.language, c.variant), c.expected) << c.why;
    EXPECT_EQ(error, 0) << c.why;
  }
}

TEST_F(TranslateId, MakesTheFormForTheCount) {
  EXPECT_EQ(word(306, 32766, kLanguageSvenska), "sida/or");
  EXPECT_EQ(word(304, 2, kLanguageNederlands), "balken");
  EXPECT_EQ(word(304, 2, kLanguageVlaams), "notenbalken");
  EXPECT_EQ(word(306, 2, kLanguageNederlands), "pagina's");
  EXPECT_EQ(word(101, 0, kLanguageEnglishAmerican), "dbl whl(s)");
  EXPECT_EQ(word(304, 5, kLanguageSvenska), "notsystem");
}

TEST_F(TranslateId, LongestLanguageTakesTheLongestEntryOfTheRow) {
  EXPECT_EQ(word(255, 1, kLanguageLongest), "hasta");
  EXPECT_EQ(word(6, 1, kLanguageLongest), "\xDC" "bernehmen") << "ten letters, one byte each";
  EXPECT_EQ(word(7, 1, kLanguageLongest), "Schlie\xDF" "en");
  EXPECT_EQ(word(3, 1, kLanguageLongest), "Kyll\xE4");
}

TEST_F(TranslateId, LongestLanguagePrefersTheLowerLanguageOnEqualLengths) {
  EXPECT_EQ(word(8, 1, kLanguageLongest), "Ausf\xFChren") << "ties with Uitvoeren";
  EXPECT_EQ(word(303, 1, kLanguageLongest), "battuta") << "ties with comp\xE1s / compases, one byte per letter";
  EXPECT_EQ(word(204, 1, kLanguageLongest), "cm") << "every cm* is three characters; American wins";
}

struct ErrorCase {
  int16_t word;
  FTX_LANGUAGE language;
  int16_t variant;
  int16_t row_flag;
  int16_t expected_error;
  const char* why;
};

TEST_F(TranslateId, ReportsFailuresWithAnEmptyText) {
  const ErrorCase cases[] = {
      {999, 0, 0, 0, 17, "no such word"},
      {101, 0, 3, 0, 17, "three variants only"},
      {101, 0, -1, 0, 17, "a negative variant"},
      {-1, 0, 0, 0, 19, "a separator row has no entry anywhere"},
      {6, 13, 0, 0, 3, "language 13"},
      {6, -1, 0, 0, 3, "language -1"},
      {999, 13, 0, 0, 3, "the language is checked before the row"},
      {108, 0, 0, 1, 17, "row 108"},
      {-1, 0, 0, 1, 17, "a negative row"},
      {20000, 0, 0, 1, 17, "a row far beyond the table"},
      {68, 0, 0, 1, 19, "a separator row by number"},
  };
  for (const ErrorCase& c : cases) {
    error = -99;
    const char* text = pFTX_TranslateID(c.word, 1, c.language, &error, c.variant, nullptr, c.row_flag);
    ASSERT_NE(text, nullptr) << c.why;
    EXPECT_STREQ(text, "") << c.why;
    EXPECT_EQ(error, c.expected_error) << c.why;
  }
}

TEST_F(TranslateId, RowFlagAddressesARowAndIgnoresTheVariant) {
  error = -99;
  EXPECT_STREQ(pFTX_TranslateID(107, 1, kLanguageDeutsch, &error, 5, nullptr, 1), "Zwischenraum");
  EXPECT_EQ(error, 0);
  EXPECT_STREQ(pFTX_TranslateID(0, 1, kLanguageFrancais, nullptr, 0, nullptr, 1), "Fran\xE7" "ais");
}

TEST_F(TranslateId, WorksWithoutAnErrorPointer) {
  EXPECT_STREQ(FTX_TranslateID(FTX_WORDIDS(999), 1, 0, nullptr), "");
  EXPECT_STREQ(FTX_TranslateID(kWordPage, 2, kLanguageDeutsch, nullptr), "Seiten");
}

TEST_F(TranslateId, OverwritesTheTextOfTheLastLookup) {
  const char* first = FTX_TranslateID(kWordApply, 1, 0, nullptr);
  EXPECT_STREQ(first, "Apply");
  FTX_TranslateID(kWordClose, 1, 0, nullptr);
  EXPECT_STREQ(first, "Close");
}

}  // namespace

namespace {

struct StaffLabelCase {
  int16_t id;
  FTX_LANGUAGE language;
  const char* one;
  const char* two;
};

// The staff labels give a real plural in every translated language, and the
// Norwegian double flat is spelled as the double sharp.
TEST(TranslateIdForms, StaffLabelsAndDoubleFlatsCountProperly) {
  const StaffLabelCase cases[] = {
      {250, kLanguageDeutsch, "oberes System", "obere Systeme"},
      {251, kLanguageDeutsch, "unteres System", "untere Systeme"},
      {250, kLanguageItaliano, "pentagramma superiore", "pentagrammi superiori"},
      {250, kLanguageFrancais, "port\xE9" "e sup\xE9rieure", "port\xE9" "es sup\xE9rieures"},
      {251, kLanguageEspanol, "pauta inferior", "pautas inferiores"},
      {250, kLanguagePortugues, "pauta superior", "pautas superiores"},
      {250, kLanguageSvenska, "\xF6vre notsystem", "\xF6vre notsystem"},
      {251, kLanguageSuomi, "alempi nuottiviivasto", "alempaa nuottiviivastoa"},
      {250, kLanguageNederlands, "bovenste balk", "bovenste balken"},
      {251, kLanguageVlaams, "onderste balk", "onderste balken"},
      {250, kLanguageDansk, "\xF8verste system", "\xF8verste systemer"},
      {251, kLanguageNorsk, "nedre notesystem", "nedre notesystemer"},
      {326, kLanguageNorsk, "dobbelt-b", "dobbelt-b"},
  };
  for (const StaffLabelCase& c : cases) {
    EXPECT_STREQ(FTX_TranslateID(FTX_WORDIDS(c.id), 1, c.language, nullptr), c.one) << c.id << "/" << c.language;
    EXPECT_STREQ(FTX_TranslateID(FTX_WORDIDS(c.id), 2, c.language, nullptr), c.two) << c.id << "/" << c.language;
  }
}

}  // namespace
