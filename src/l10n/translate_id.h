// Looking a word up in the dictionary by its id, in a language, in the form
// for a count of items.
//
// The text returned lives in translaterawtxt, which every lookup overwrites: a
// caller that keeps the text copies it. A failed lookup returns "" (never null)
// and reports through the error pointer, when one is given:
//   0 text found; 3 invalid language; 17 no row for the id (or fewer variants
//   than asked for, or a row number outside the dictionary); 19 no entry in the
//   language nor in its fallbacks (Vlaams: Nederlands; all: English [American]).
#ifndef KV_L10N_TRANSLATE_ID_H
#define KV_L10N_TRANSLATE_ID_H

#include <cstdint>

#include "l10n/dictionary.h"
#include "l10n/language.h"
#include "l10n/word_forms.h"
#include "platform/win32.h"

constexpr int kTranslateBufferSize = 1000;
extern char translaterawtxt[kTranslateBufferSize];

// `word` is a word id and `variant` picks among the rows of that id (from 0, in
// row order); with `rowFlag` nonzero, `word` is a row number (0..107) and
// `variant` is ignored. The window is not used.
const char* pFTX_TranslateID(int16_t word, int16_t count, FTX_LANGUAGE language, int16_t* error,
                             int16_t variant, HWND window, int16_t rowFlag);

// The first variant of `word`.
const char* FTX_TranslateID(FTX_WORDIDS word, int16_t count, FTX_LANGUAGE language, int16_t* error);

#endif
