// The labels of the respacing dialog's controls: one translation table per
// control, English [American] first and Svenska second. The texts carry no
// "&"; accelerators are chosen after the texts are set. Constant data.
#ifndef KV_L10N_DIALOG_TRANSLATIONS_H
#define KV_L10N_DIALOG_TRANSLATIONS_H

#include <cstdint>

#include "l10n/translate_table.h"

constexpr int16_t kDialogTranslationRecords = 2;

extern const FTX_TRANSLATIONRECORD translProcessRange[kDialogTranslationRecords];
extern const FTX_TRANSLATIONRECORD translCurrentPage[kDialogTranslationRecords];
extern const FTX_TRANSLATIONRECORD translAllPages[kDialogTranslationRecords];
extern const FTX_TRANSLATIONRECORD translSinglePage[kDialogTranslationRecords];
extern const FTX_TRANSLATIONRECORD translSelectedPages[kDialogTranslationRecords];
extern const FTX_TRANSLATIONRECORD translExtraMargins[kDialogTranslationRecords];
extern const FTX_TRANSLATIONRECORD translTopWord[kDialogTranslationRecords];
extern const FTX_TRANSLATIONRECORD translBottomWord[kDialogTranslationRecords];
extern const FTX_TRANSLATIONRECORD translMultipleSystems[kDialogTranslationRecords];
extern const FTX_TRANSLATIONRECORD translKeepTopmostStill[kDialogTranslationRecords];
extern const FTX_TRANSLATIONRECORD translIncludeGaps[kDialogTranslationRecords];
extern const FTX_TRANSLATIONRECORD translCompact[kDialogTranslationRecords];
extern const FTX_TRANSLATIONRECORD translSingleSystems[kDialogTranslationRecords];
extern const FTX_TRANSLATIONRECORD translLeaveAlone[kDialogTranslationRecords];
extern const FTX_TRANSLATIONRECORD translTop[kDialogTranslationRecords];
extern const FTX_TRANSLATIONRECORD translCenter[kDialogTranslationRecords];
extern const FTX_TRANSLATIONRECORD translBottom[kDialogTranslationRecords];

#endif
