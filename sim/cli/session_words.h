// The words of a session script, read: numbers, times, keys, languages and
// the names of the dialog's controls as a person reads them. Each reader
// throws std::invalid_argument naming what it could not read, which the
// session turns into an error at the script's line.
#ifndef SIM_CLI_SESSION_WORDS_H
#define SIM_CLI_SESSION_WORDS_H

#include <string>
#include <vector>

#include "platform/win32.h"

namespace cli {

using Words = std::vector<std::string>;

std::string lower(std::string text);

// The words from `from` up to (not including) `to`, joined by single spaces.
std::string joined(const Words& words, size_t from = 0, size_t to = std::string::npos);

// A whole number; `what` names it in the error ("the page").
int number(const std::string& word, const std::string& what);

// "700" or "700ms"; never negative.
int milliseconds(const std::string& word);

// Throws unless `word` is one of `choices` (in any case).
void one_of(const std::string& word, const Words& choices, const std::string& what);

// A key with its modifiers (sim::Person::kCtrl, kShift, kAlt).
struct KeyPress {
  int key = 0;
  int modifiers = 0;
};

// "Alt+A", "Ctrl+Enter", "Shift+Tab", "Esc", "Down", "7".
KeyPress key_press(const std::string& written);

// The plug-in's language numbers 0..12, also by their Windows names ("swedish").
int language_number(const std::string& word);

// Whether `window` is of the window class `name` (lower case).
bool is_class(HWND window, const char* name);

// The id of the up-down control whose buddy is the edit `edit`.
int updown_of(HWND dialog, int edit);

// The dialog's control that `words` name: its id ("103"), its label as shown
// without the accelerator marker, in any case, without a page number in
// parentheses ("all pages", "Current page", "Top"), or an edit's field name
// ("from", "to", "top margin", "bottom margin"). A label ("Top:") names the
// edit after it. Throws std::invalid_argument when none matches.
int control_named(HWND dialog, const Words& words);

}  // namespace cli

#endif
