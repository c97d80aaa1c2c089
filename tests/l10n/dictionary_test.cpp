#include "l10n/dictionary.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "l10n/word_forms.h"

namespace {

const char* entry(int row, int language) { return FTX_Dictionary[size_t(row) * kLanguageCount + language]; }

// Expected texts are written as Windows-1252 bytes, independently of the
// conversion that builds the table.
struct FullRow {
  int row;
  const char* texts[kLanguageCount];
};

const FullRow kFullRows[] = {
    {0, {"English [American]", "English [International]", "Deutsch", "Italiano", "Fran\xE7" "ais",
         "Espa\xF1ol", "Portugu\xEAs", "Svenska", "Suomi", "Nederlands", "Vlaams", "Dansk", "Norsk"}},
    {3, {"Apply", "", "\xDC" "bernehmen", "Applica", "Appliquer", "Aplicar", "Aplicar", "Verkst\xE4ll",
         "K\xE4yt\xE4", "Toepassen", "", "Anvend", "Bruk"}},
    {5, {"Close", "", "Schlie\xDF" "en", "Chiudi ", "Fermer", "Cerrar", "Fechar", "St\xE4ng", "Sulje",
         "Sluiten", "", "Luk", "Lukk"}},
    {30, {"to", "", "bis", "-", "\xE0", "hasta", "a", "till", "-", "tot", "", "til", "til"}},
    {35, {"staff / staves", "", "System(e)", "pentagramma / pentagrammi", "port\xE9" "e", "pauta(s)",
          "pauta(s)", "notsystem*", "nuottiviivasto(a)", "balk(en)", "notenbalk(en)", "system(er)",
          "notesystem(er)"}},
    {37, {"page", "", "Seite(n)", "pagina / pagine", "page", "p\xE1gina", "p\xE1gina", "sida / sidor",
          "sivu(a)", "pagina('s)", "bladzijde(n)", "side(r)", "side(r)"}},
    {65, {"dbl whl.", "breve", "Dop.Gnze*", "breve / brevi", "br\xE8ve", "cuad.", "breve", "brevis*",
          "brevis(ta)", "brevis / breves", "", "brevis*", ""}},
    {66, {"double whole", "breve", "Doppelganze*", "breve / brevi", "br\xE8ve", "cuadrada", "breve",
          "brevis*", "kaksoiskokonuotti(a)", "brevis / breves", "", "brevis*",
          "dobbel helnote / doble helnoter"}},
    {67, {"double whole note", "breve", "Doppelganze*", "breve / brevi", "br\xE8ve", "cuadrada ", "breve",
          "brevis*", "kaksoiskokonuotti(a)", "brevis / breves", "", "brevis*", ""}},
    {69, {"", "sembrv.", "", "", "ronde", "red.", "", "hel(a)", "kokon.", "hele(n)", "", "1/1 node(r)", ""}},
    {70, {"whole", "semibreve", "Ganze*", "semibreve / semibrevi", "ronde", "redonda", "semibreve",
          "helnot(er)", "kokonuotti(a)", "hele(n)", "", "helnode(r)", "helnote(r)"}},
    {101, {"EVPU", "", "", "EVPU*", "", "", "", "", "", "EVPU*", "", "EVPU*", ""}},
};

TEST(Dictionary, HoldsTheRowsThatAreFixedByteForByteInWindows1252) {
  for (const FullRow& r : kFullRows)
    for (int language = 0; language < kLanguageCount; ++language)
      EXPECT_STREQ(entry(r.row, language), r.texts[language]) << "row " << r.row << ", language " << language;
}

TEST(Dictionary, HoldsNoUtf8EncodedLetters) {
  for (int row = 0; row < kDictionaryRows; ++row)
    for (int language = 0; language < kLanguageCount; ++language) {
      const unsigned char* text = reinterpret_cast<const unsigned char*>(entry(row, language));
      for (; *text != 0; ++text)
        EXPECT_FALSE((*text == 0xC2 || *text == 0xC3) && (text[1] & 0xC0) == 0x80)
            << "row " << row << ", language " << language << ": " << entry(row, language);
    }
}

struct KeyRow {
  int row;
  int32_t id;
  const char* english;  // American, or International where the American entry is empty
};

const KeyRow kKeyList[] = {
    {0, 0, "English [American]"}, {1, 1, "OK"}, {2, 2, "Cancel"}, {3, 6, "Apply"}, {4, 8, "Go"},
    {5, 7, "Close"}, {6, 5, "Default"}, {7, 3, "Yes"}, {8, 4, "No"}, {9, 9, "Undo"},
    {10, 10, "Redo"}, {11, 11, "Web page"}, {12, 12, "All"}, {13, 13, "None"}, {14, 14, "Play"},
    {15, 15, "Listen"}, {16, 16, "Options"}, {17, 17, "Delete"}, {18, 18, "Remove"},
    {19, 19, "Next"}, {20, 20, "Previous"}, {21, 21, "Revert"}, {22, 22, "Redraw"},
    {23, 23, "Relative"}, {24, 24, "Register"}, {25, 25, "Optimize"}, {26, 26, "More"},
    {27, 27, "Add"}, {28, 28, "Edit"}, {29, 254, "of"}, {30, 255, "to"}, {31, 256, "and"},
    {32, 301, "triplet"}, {33, 302, "tuplet"}, {34, 303, "measure"}, {35, 304, "staff / staves"},
    {36, 305, "system"}, {37, 306, "page"}, {38, 307, "file"}, {39, 308, "pickup"},
    {40, 309, "step"}, {41, 310, "half-step"}, {42, 311, "grace note"}, {43, 312, "chord(s)"},
    {44, 313, "articulation(s)"}, {45, 314, "rest(s)"}, {46, 315, "accidental(s)"},
    {47, 316, "clef(s)"}, {48, 317, "dot(s)"}, {49, 318, "slur(s)"}, {50, 319, "tie(s)"},
    {51, 320, "beam(s)"}, {52, 321, "key signature(s)"}, {53, 322, "natural(s)"},
    {54, 323, "sharp(s)"}, {55, 324, "flat(s)"}, {56, 325, "double-sharp(s)"},
    {57, 326, "double-flat(s)"}, {58, 327, "time signature(s)"}, {59, 250, "upper staff "},
    {60, 251, "lower staff"}, {61, 252, "hidden"}, {62, 253, "optimized"}, {63, 257, "dotted"},
    {64, 258, "double-dotted"}, {65, 101, "dbl whl."}, {66, 101, "double whole"},
    {67, 101, "double whole note"}, {68, -1, ""}, {69, 102, "sembrv."}, {70, 102, "whole"},
    {71, 102, "whole note"}, {72, -1, ""}, {73, 103, ""}, {74, 103, "half / halves"},
    {75, 103, "half note"}, {76, -1, ""}, {77, 104, "qrt."}, {78, 104, "quarter"},
    {79, 104, "quarter note"}, {80, -1, ""}, {81, 105, "8th"}, {82, 105, "eighth"},
    {83, 105, "eighth note"}, {84, -1, ""}, {85, 106, "16th"}, {86, 106, "sixteenth"},
    {87, 106, "sixteenth note"}, {88, -1, ""}, {89, 107, "32nd"}, {90, 107, "32nd"},
    {91, 107, "32nd note"}, {92, -1, ""}, {93, 108, "64th"}, {94, 108, "64th"},
    {95, 108, "64th note"}, {96, -1, ""}, {97, 109, "128th"}, {98, 109, "128th"},
    {99, 109, "128th note"}, {100, -1, ""}, {101, 201, "EVPU"}, {102, 202, "inch(es)"},
    {103, 203, "centimeter"}, {104, 204, "cm*"}, {105, 205, "point"}, {106, 206, "pica"},
    {107, 207, "space"},
};
static_assert(sizeof kKeyList / sizeof kKeyList[0] == kDictionaryRows);

TEST(Dictionary, GivesEveryRowItsWordIdAndEnglishEntry) {
  for (const KeyRow& k : kKeyList) {
    EXPECT_EQ(FTX_DictIndex[k.row], k.id) << "row " << k.row;
    const char* english = *entry(k.row, 0) != '\0' ? entry(k.row, 0) : entry(k.row, 1);
    EXPECT_STREQ(english, k.english) << "row " << k.row;
  }
}

TEST(Dictionary, SeparatorRowsAreEmptyInEveryLanguage) {
  for (int row = 0; row < kDictionaryRows; ++row) {
    if (FTX_DictIndex[row] != kSeparatorWordId) continue;
    for (int language = 0; language < kLanguageCount; ++language)
      EXPECT_STREQ(entry(row, language), "") << "row " << row << ", language " << language;
  }
}

// Only the two languages with a fallback of their own may leave a row empty
// for it; the others have an entry wherever English does, apart from the
// given rows and the variants that borrow within their word.
TEST(Dictionary, EveryWordHasAnEntryInEveryLanguageOrItsVariants) {
  for (int row = 0; row < kDictionaryRows; ++row) {
    if (FTX_DictIndex[row] == kSeparatorWordId || row == 101) continue;
    for (int language = 2; language < kLanguageCount; ++language) {
      if (language == kLanguageVlaams) continue;
      bool found = false;
      for (int other = 0; other < kDictionaryRows; ++other)
        found = found || (FTX_DictIndex[other] == FTX_DictIndex[row] && *entry(other, language) != '\0');
      EXPECT_TRUE(found) << "row " << row << ", language " << language;
    }
  }
}

// A typo in a marker ("balk (en)", "x/ y", "x*y") would leave marker
// characters in the singular or the plural.
TEST(Dictionary, EveryMarkerIsReadByTheFormRules) {
  for (int row = 0; row < kDictionaryRows; ++row)
    for (int language = 0; language < kLanguageCount; ++language) {
      std::string text = entry(row, language);
      while (!text.empty() && text.back() == ' ') text.pop_back();
      if (text.empty()) continue;
      for (int16_t count : {1, 2}) {
        char form[200];
        std::strcpy(form, text.c_str());
        _FormForCount(form, sizeof form, count);
        const std::string result = form;
        EXPECT_TRUE(result.find_first_of("()*") == std::string::npos && result.find(" / ") == std::string::npos)
            << "row " << row << ", language " << language << ", count " << count << ": " << result;
        EXPECT_FALSE(result.empty() || result.front() == ' ' || result.back() == ' ')
            << "row " << row << ", language " << language << ", count " << count << ": [" << result << "]";
      }
    }
}

TEST(Dictionary, EntriesFitTheLookupBuffersWithRoomToSpare) {
  for (int i = 0; i < kDictionaryRows * kLanguageCount; ++i)
    EXPECT_LT(std::strlen(FTX_Dictionary[i]), 100u) << "entry " << i;
}

}  // namespace
