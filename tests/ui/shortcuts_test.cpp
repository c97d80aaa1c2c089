#include "ui/shortcuts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/posix/testing.h"

namespace {

class ResolveShortcuts : public testing::Test {
 protected:
  void SetUp() override {
    standin::reset();
    dialog = standin::create_window(nullptr, "#32770", 0, "dialog", WS_POPUP, RECT{0, 0, 300, 200});
  }

  // Adds a control in window order; its id is its position from 1.
  int32_t add(const char* text) {
    const int32_t id = int32_t(standin::children(dialog).size()) + 1;
    standin::create_window(dialog, "Button", id, text, 0, RECT{0, 0, 50, 10});
    return id;
  }

  std::string text(int32_t id) {
    char buffer[300];
    GetDlgItemTextA(dialog, id, buffer, sizeof buffer);
    return buffer;
  }

  int16_t resolve(std::vector<int32_t> ids, int16_t strip = 0, int16_t prefer_capitals = 1) {
    return FTXW_ResolveShortcuts(dialog, ids.data(), int16_t(ids.size()), strip, prefer_capitals);
  }

  HWND dialog = nullptr;
};

TEST_F(ResolveShortcuts, GivesCapitalsFirstThenAnyFreeLetterInArrayOrder) {
  add("&Cancel");
  const int32_t close = add("Close"), all = add("All pages"), single = add("Single page"),
                selected = add("Selected pages"), compact = add("Compact");
  EXPECT_EQ(resolve({close, all, single, selected, compact}), 0);
  EXPECT_EQ(text(close), "C&lose");
  EXPECT_EQ(text(all), "&All pages");
  EXPECT_EQ(text(single), "&Single page");
  EXPECT_EQ(text(selected), "S&elected pages");
  EXPECT_EQ(text(compact), "C&ompact");
}

TEST_F(ResolveShortcuts, TakesTheFirstFreeCharacterOfAnyCaseWithoutThePreference) {
  const int32_t close = add("close"), clear = add("clear");
  EXPECT_EQ(resolve({close, clear}, 0, 0), 0);
  EXPECT_EQ(text(close), "&close");
  EXPECT_EQ(text(clear), "c&lear");
}

TEST_F(ResolveShortcuts, EarlierControlsWinContestedLetters) {
  const int32_t sang = add("Sang"), sing = add("Sing");
  resolve({sing, sang});
  EXPECT_EQ(text(sing), "&Sing");
  EXPECT_EQ(text(sang), "S&ang");
}

TEST_F(ResolveShortcuts, KeepsAListedAmpersandAndCountsItsLetter) {
  const int32_t bottom = add("&Bottom"), beta = add("Beta");
  resolve({beta, bottom});
  EXPECT_EQ(text(bottom), "&Bottom");
  EXPECT_EQ(text(beta), "B&eta");
}

TEST_F(ResolveShortcuts, StripsListedAmpersandsSoThatTheyAreChosenAfresh) {
  const int32_t other = add("&Enter"), bottom = add("&Bottom"), beta = add("Beta");
  resolve({beta, bottom}, 1);
  EXPECT_EQ(text(other), "&Enter") << "unlisted controls keep their letter";
  EXPECT_EQ(text(beta), "&Beta");
  EXPECT_EQ(text(bottom), "B&ottom");
}

TEST_F(ResolveShortcuts, StripsOnlyTheFirstAmpersand) {
  const int32_t both = add("&Fish && Chips");
  resolve({both}, 1);
  EXPECT_EQ(text(both), "Fish && Chips") << "an ampersand is left, so no letter is added";
}

TEST_F(ResolveShortcuts, ComparesLettersByTheirUpperCaseInTheUsersCodePage) {
  add("&\xC4nderung");
  const int32_t lower = add("\xE4pple"), capital = add("\xC4" "bc");
  resolve({lower, capital});
  EXPECT_EQ(text(lower), "\xE4&pple");
  EXPECT_EQ(text(capital), "\xC4&" "bc");
}

TEST_F(ResolveShortcuts, TakesDigitsButNeverPunctuation) {
  const int32_t dashes = add("--"), first = add("1st page"), colon = add(": x");
  EXPECT_EQ(resolve({dashes, first, colon}), 0);
  EXPECT_EQ(text(dashes), "--");
  EXPECT_EQ(text(first), "&1st page");
  EXPECT_EQ(text(colon), ": &x");
}

TEST_F(ResolveShortcuts, LeavesAControlWithoutAFreeCharacterAsItWas) {
  add("&A");
  add("&B");
  const int32_t ab = add("ab ba"), missing = 99;
  EXPECT_EQ(resolve({missing, ab}), 0);
  EXPECT_EQ(text(ab), "ab ba");
}

TEST_F(ResolveShortcuts, InsertsIntoAFullBufferWithoutOverrunningIt) {
  const std::string ninety_nine = "q" + std::string(98, 'x');
  const int32_t full = add(ninety_nine.c_str());
  EXPECT_EQ(resolve({full}), 0);
  EXPECT_EQ(text(full), "&" + ninety_nine);
}

// 100 characters is the first length the 99-character read cannot hold whole.
TEST_F(ResolveShortcuts, NeverCutsATextLongerThanItReads) {
  for (size_t length : {size_t(100), size_t(150)}) {
    SetUp();
    const std::string long_text(length, 'y');
    const std::string long_marked = "&" + std::string(length - 1, 'z');
    const int32_t plain = add(long_text.c_str()), marked = add(long_marked.c_str()), zed = add("Zed");
    EXPECT_EQ(resolve({plain, marked, zed}, 1), 0);
    EXPECT_EQ(text(plain), long_text) << length;
    EXPECT_EQ(text(marked), long_marked) << length << ": its letter still counts";
    EXPECT_EQ(text(zed), "Z&ed") << length;
  }
}

TEST_F(ResolveShortcuts, RefusesMissingArgumentsAndCountsOutsideOneToAHundred) {
  const int32_t id = add("Apply");
  std::vector<int32_t> hundred(101, id);
  EXPECT_EQ(FTXW_ResolveShortcuts(nullptr, hundred.data(), 1, 0, 1), 2);
  EXPECT_EQ(FTXW_ResolveShortcuts(dialog, nullptr, 1, 0, 1), 2);
  EXPECT_EQ(FTXW_ResolveShortcuts(dialog, hundred.data(), 0, 0, 1), 13);
  EXPECT_EQ(FTXW_ResolveShortcuts(dialog, hundred.data(), 101, 0, 1), 13);
  EXPECT_EQ(FTXW_ResolveShortcuts(dialog, hundred.data(), -1, 0, 1), 13);
  EXPECT_EQ(text(id), "Apply");
  EXPECT_EQ(FTXW_ResolveShortcuts(dialog, hundred.data(), 100, 0, 1), 0);
  EXPECT_EQ(text(id), "&Apply");
}

}  // namespace
