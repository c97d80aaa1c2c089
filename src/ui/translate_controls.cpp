#include "ui/translate_controls.h"

#include "host/fx_entries.h"
#include "l10n/dialog_translations.h"
#include "l10n/translate_id.h"
#include "ui/shortcuts.h"

namespace {

struct WordControl {
  int16_t control;
  FTX_WORDIDS word;
};

const WordControl kWordControls[] = {{1, kWordApply}, {8, kWordClose}, {108, kWordTo}};

struct LabelControl {
  int16_t control;
  const FTX_TRANSLATIONRECORD* table;
};

const LabelControl kLabelControls[] = {
    {101, translProcessRange},   {103, translAllPages},         {104, translSinglePage},
    {105, translSelectedPages},  {111, translExtraMargins},     {112, translTopWord},
    {115, translBottomWord},     {118, translMultipleSystems},  {119, translKeepTopmostStill},
    {120, translIncludeGaps},    {121, translCompact},          {122, translSingleSystems},
    {123, translLeaveAlone},     {124, translTop},              {125, translCenter},
    {126, translBottom},
};

// In order of precedence for contested letters.
const int32_t kShortcutControls[] = {8, 103, 104, 105, 119, 120, 121, 112, 115};

}  // namespace

void _TranslateOneControl(HWND window, int16_t control, const FTX_TRANSLATIONRECORD* table,
                          int16_t records) {
  const char* text = FTX_TranslateFromTable(table, records, nullptr, kLanguageUser, nullptr);
  FX_SetDlgString(fx_word(window), control, fx_word(text), kFxInterfaceVersion);
}

void KVTR_UI_TranslateControls(HWND dialog) {
  for (const WordControl& c : kWordControls)
    FX_SetDlgString(fx_word(dialog), c.control, fx_word(FTX_TranslateID(c.word, 1, kLanguageUser, nullptr)),
                    kFxInterfaceVersion);
  for (const LabelControl& c : kLabelControls)
    _TranslateOneControl(dialog, c.control, c.table, kDialogTranslationRecords);
  FTXW_ResolveShortcuts(dialog, kShortcutControls, int16_t(sizeof kShortcutControls / sizeof kShortcutControls[0]),
                        0, 1);
}
