#include "l10n/language.h"

#include <gtest/gtest.h>

#include "globals/toolkit_globals.h"

namespace {

class UserLanguage : public testing::Test {
 protected:
  void TearDown() override { PDKToolsGlobals.userLanguage = 0; }
};

TEST_F(UserLanguage, IsEnglishAmericanWhileNothingSetsTheGlobals) {
  EXPECT_EQ(FTX_UserLanguage(), kLanguageEnglishAmerican);
}

TEST_F(UserLanguage, IsClampedIntoTheThirteenLanguages) {
  const struct {
    int16_t stored;
    FTX_LANGUAGE expected;
  } cases[] = {{7, 7}, {12, 12}, {13, 12}, {10000, 12}, {-1, 0}, {-32768, 0}};
  for (const auto& c : cases) {
    PDKToolsGlobals.userLanguage = c.stored;
    EXPECT_EQ(FTX_UserLanguage(), c.expected) << "stored " << c.stored;
  }
}

TEST_F(UserLanguage, ReplacesTheUserRequestInPlace) {
  PDKToolsGlobals.userLanguage = kLanguageSvenska;
  FTX_LANGUAGE language = kLanguageUser;
  EXPECT_TRUE(_VerifyToLanguage(language));
  EXPECT_EQ(language, kLanguageSvenska);
}

TEST(VerifyToLanguage, AcceptsTheColumnsAndTheLongestRequestOnly) {
  const struct {
    FTX_LANGUAGE language;
    bool accepted;
  } cases[] = {{0, true}, {12, true}, {20000, true}, {13, false}, {-1, false}, {9999, false}, {19999, false}};
  for (const auto& c : cases) {
    FTX_LANGUAGE language = c.language;
    EXPECT_EQ(_VerifyToLanguage(language), c.accepted) << "language " << c.language;
    EXPECT_EQ(language, c.language) << "only the user request is replaced";
  }
}

}  // namespace
