// Reading entries out of the dictionary, with borrowing between the variants
// of one word. The results point into the constant dictionary (never null).
#ifndef KV_L10N_DICTIONARY_LOOKUP_H
#define KV_L10N_DICTIONARY_LOOKUP_H

#include "l10n/language.h"
#include "platform/win32.h"

// The 1-based position of the first `character` in `text`, 0 when it does not
// occur; for NUL, the length of the text plus 1.
int pos(const char* text, char character);

// The number of characters of `text`. The window is not used.
int GetWordWidth(const char* text, HWND window);

// The entry of `row` in `language` (0..12), or for kLanguageLongest the longest
// entry of the row (the lower language on equal lengths). A row outside the
// dictionary or any other language gives "".
const char* GetWord(int row, FTX_LANGUAGE language, HWND window);

// GetWord, but an empty entry borrows from the rows above of the same word id,
// then from the rows below; the search never leaves the word (separator rows
// are returned as they are).
const char* ReadFromDict(int row, FTX_LANGUAGE language, HWND window);

#endif
