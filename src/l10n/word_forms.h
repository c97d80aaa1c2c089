// The form of a dictionary word for a count of items: singular, plural, or a
// form that covers both, made from the markers of the entry (see
// dictionary_rows.h).
#ifndef KV_L10N_WORD_FORMS_H
#define KV_L10N_WORD_FORMS_H

#include <cstddef>
#include <cstdint>

// Counts: 1 and -1 ask for one item, 0 for any number of items, 32766 for the
// compact form that covers both; every other count asks for several items.
constexpr int16_t kCountAnyNumber = 0;
constexpr int16_t kCountCompact = 32766;

// Rewrites `text` (a NUL-terminated entry without trailing spaces, in a buffer
// of `capacity` bytes) into its form for `count`. A form that would not fit
// the buffer leaves the text as it was.
void _FormForCount(char* text, size_t capacity, int16_t count);

#endif
