#include "l10n/word_forms.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::string form(const char* entry, int16_t count, size_t capacity = 200) {
  char text[200];
  std::strcpy(text, entry);
  _FormForCount(text, capacity, count);
  return text;
}

struct WorkedForm {
  const char* entry;
  const char* one;
  const char* two;
  const char* zero;
  const char* compact;
};

TEST(WordForms, MakesTheWorkedFormsForOneTwoAnyAndCompact) {
  const WorkedForm cases[] = {
      {"sida / sidor", "sida", "sidor", "sida/sidor", "sida/or"},
      {"half / halves", "half", "halves", "half/halves", "half/ves"},
      {"Seite(n)", "Seite", "Seiten", "Seite(n)", "Seite(n)"},
      {"barre(s) transversale(s)", "barre transversale", "barres transversales",
       "barre(s) transversale(s)", "barre(s) transversale(s)"},
      {"page", "page", "pages", "page(s)", "page(s)"},
      {"dbl whl.", "dbl whl.", "dbl whls", "dbl whl(s)", "dbl whl(s)"},
      {"notsystem*", "notsystem", "notsystem", "notsystem", "notsystem"},
  };
  for (const WorkedForm& c : cases) {
    EXPECT_EQ(form(c.entry, 1), c.one) << c.entry;
    EXPECT_EQ(form(c.entry, 2), c.two) << c.entry;
    EXPECT_EQ(form(c.entry, 0), c.zero) << c.entry;
    EXPECT_EQ(form(c.entry, 32766), c.compact) << c.entry;
  }
}

TEST(WordForms, TreatsMinusOneAsOneAndEveryOtherCountAsSeveral) {
  const struct {
    int16_t count;
    const char* expected;
  } cases[] = {{-1, "sida"}, {3, "sidor"}, {-2, "sidor"}, {32767, "sidor"}, {-32768, "sidor"}, {32765, "sidor"}};
  for (const auto& c : cases) EXPECT_EQ(form("sida / sidor", c.count), c.expected) << "count " << c.count;
}

TEST(WordForms, CompactFormDropsTheStartThatThePluralSharesWithTheSingular) {
  EXPECT_EQ(form("pagina / pagine", 32766), "pagina/e");
  EXPECT_EQ(form("n\xF8kkel / n\xF8kler", 32766), "n\xF8kkel/ler");
  EXPECT_EQ(form("bemol / bem\xF3is", 32766), "bemol/\xF3is");
}

TEST(WordForms, CompactFormKeepsTheWholePluralWhenFewerThanThreeLettersAreShared) {
  EXPECT_EQ(form("tom / tons", 32766), "tom/tons");
  EXPECT_EQ(form("maat / maten", 32766), "maat/maten") << "shared: m, a";
  EXPECT_EQ(form("dold / dolda", 32766), "dold/a") << "the whole singular shared";
}

TEST(WordForms, ReadsOnlyASlashWithASpaceOnEachSide) {
  EXPECT_EQ(form("1/1 node(r)", 2), "1/1 noder") << "a fraction is no slash marker";
  EXPECT_EQ(form("/", 2), "/s") << "a lone slash is a plain word";
  EXPECT_EQ(form("a / b / c", 2), "b / c") << "the first slash divides";
  EXPECT_EQ(form("x /", 2), "x /s") << "nothing after the slash";
  EXPECT_EQ(form("x / ", 1), "x / ") << "the slash must lie before the last two characters";
  EXPECT_EQ(form("x/ y", 1), "x/ y");
}

TEST(WordForms, ReadsOnlyAnEndingAttachedToItsWord) {
  EXPECT_EQ(form("pagina('s)", 2), "pagina's");
  EXPECT_EQ(form("page (s)", 2), "page (s)s") << "a space before the parenthesis";
  EXPECT_EQ(form("(s)x", 1), "(s)x") << "a parenthesis first";
  EXPECT_EQ(form("x()", 2), "x()s") << "nothing between the parentheses";
  EXPECT_EQ(form("x)a(b", 2), "x)a(bs") << "closing before opening";
}

TEST(WordForms, AsteriskWinsOverEveryOtherMarker) {
  EXPECT_EQ(form("Dop.Gnze*", 2), "Dop.Gnze");
  EXPECT_EQ(form("a / b*", 1), "a / b");
  EXPECT_EQ(form("x(y)*z", 2), "x(y)");
}

TEST(WordForms, DropsOnlyOneFinalPeriod) {
  EXPECT_EQ(form("etc..", 2), "etc.s");
  EXPECT_EQ(form("kokon.", 0), "kokon(s)");
}

TEST(WordForms, LeavesTheTextAloneWhenTheEndingWouldNotFit) {
  EXPECT_EQ(form("page", 2, 6), "pages");
  EXPECT_EQ(form("page", 2, 5), "page");
  EXPECT_EQ(form("page", 0, 7), "page") << "page(s) needs eight bytes";
}

}  // namespace
