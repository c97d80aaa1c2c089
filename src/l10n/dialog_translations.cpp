#include "l10n/dialog_translations.h"

#include "l10n/cp1252_text.h"

// table, English [American], Svenska (UTF-8 here, Windows-1252 in the binary)
#define DIALOG_TRANSLATIONS(TABLE)                                            \
  TABLE(translProcessRange, "Process range", "Arbetsavsnitt")                 \
  TABLE(translCurrentPage, "Current Page", "Nuvarande sida")                  \
  TABLE(translAllPages, "All pages", "Alla sidor")                            \
  TABLE(translSinglePage, "Single page", "Enstaka sida")                      \
  TABLE(translSelectedPages, "Selected pages", "Valda sidor")                 \
  TABLE(translExtraMargins, "Extra page margins", "Extra sidmarginaler")      \
  TABLE(translTopWord, "Top:", "Överst:")                                     \
  TABLE(translBottomWord, "Bottom:", "Nederst:")                              \
  TABLE(translMultipleSystems, "Multiple systems", "Flera system")            \
  TABLE(translKeepTopmostStill, "Keep topmost system still",                  \
        "Håll översta systemet still")                                        \
  TABLE(translIncludeGaps, "Include existing gaps in calc.",                  \
        "Ta med befintliga mellanrum")                                        \
  TABLE(translCompact, "Compact", "Kompakt")                                  \
  TABLE(translSingleSystems, "Single systems", "Ensamma system")              \
  TABLE(translLeaveAlone, "Leave alone", "Gör ingenting")                     \
  TABLE(translTop, "Top", "Överst")                                           \
  TABLE(translCenter, "Center", "Centrera")                                   \
  TABLE(translBottom, "Bottom", "Nederst")

namespace {

#define TABLE_INDEX(table, english, swedish) table##_index,
enum TableIndex { DIALOG_TRANSLATIONS(TABLE_INDEX) kTableCount };
#undef TABLE_INDEX

#define TABLE_TEXTS(table, english, swedish) english "\0" swedish "\0"
constexpr auto kTexts = cp1252_block<2 * kTableCount>(DIALOG_TRANSLATIONS(TABLE_TEXTS));
#undef TABLE_TEXTS
static_assert(kTexts.ok, "every label is Windows-1252 text");

constexpr const char* text(int index) { return kTexts.bytes + kTexts.offset[index]; }

}  // namespace

#define TABLE_RECORDS(table, english, swedish)                        \
  constexpr FTX_TRANSLATIONRECORD table[kDialogTranslationRecords] = { \
      {text(2 * table##_index), kLanguageEnglishAmerican},              \
      {text(2 * table##_index + 1), kLanguageSvenska}};
DIALOG_TRANSLATIONS(TABLE_RECORDS)
#undef TABLE_RECORDS
