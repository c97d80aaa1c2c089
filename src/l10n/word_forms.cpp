#include "l10n/word_forms.h"

#include <cstring>

#include "l10n/dictionary_lookup.h"

namespace {

bool one_item(int16_t count) { return count == 1 || count == -1; }
bool any_number(int16_t count) { return count == kCountAnyNumber || count == kCountCompact; }

void erase(char* text, size_t at, size_t length) {
  std::memmove(text + at, text + at + length, std::strlen(text + at + length) + 1);
}

// "x*": the text before the first asterisk, whatever the count.
bool asterisk_form(char* text) {
  const int star = pos(text, '*');
  if (star == 0) return false;
  text[star - 1] = '\0';
  return true;
}

// "singular / plural", where the first "/" is not the first character, has a
// space on each side and lies before the last two characters.
bool slash_form(char* text, int16_t count) {
  const int slash = pos(text, '/') - 1;
  const int length = int(std::strlen(text));
  if (slash <= 0 || slash + 2 >= length || text[slash - 1] != ' ' || text[slash + 1] != ' ')
    return false;
  const size_t singular_length = size_t(slash - 1);
  const char* plural = text + slash + 2;
  if (one_item(count)) {
    text[singular_length] = '\0';
  } else if (!any_number(count)) {
    erase(text, 0, size_t(slash) + 2);
  } else {
    size_t shared = 0;
    while (shared < singular_length && plural[shared] == text[shared]) ++shared;
    const size_t skip = count == kCountCompact && shared >= 3 ? shared : 0;
    text[singular_length] = '/';
    std::memmove(text + singular_length + 1, plural + skip, std::strlen(plural + skip) + 1);
  }
  return true;
}

// The first "(" is not the first character and has no space before it, and the
// first ")" lies at least two positions after it.
bool has_ending(const char* text, int& open, int& close) {
  open = pos(text, '(') - 1;
  close = pos(text, ')') - 1;
  return open > 0 && close >= open + 2 && text[open - 1] != ' ';
}

// "x(y)": several parenthesised endings are each treated in turn.
bool parenthesis_form(char* text, int16_t count) {
  int open = 0;
  int close = 0;
  if (!has_ending(text, open, close)) return false;
  if (any_number(count)) return true;
  do {
    if (one_item(count)) {
      erase(text, size_t(open), size_t(close - open + 1));
    } else {
      erase(text, size_t(close), 1);
      erase(text, size_t(open), 1);
    }
  } while (has_ending(text, open, close));
  return true;
}

// A plain word: "s" for several items, "(s)" for any number, a final "."
// (an abbreviation's) dropped before either.
void plain_form(char* text, size_t capacity, int16_t count) {
  if (one_item(count)) return;
  const char* ending = any_number(count) ? "(s)" : "s";
  size_t length = std::strlen(text);
  if (length > 0 && text[length - 1] == '.') --length;
  if (length + std::strlen(ending) >= capacity) return;
  std::strcpy(text + length, ending);
}

}  // namespace

void _FormForCount(char* text, size_t capacity, int16_t count) {
  if (asterisk_form(text) || slash_form(text, count) || parenthesis_form(text, count)) return;
  plain_form(text, capacity, count);
}
