#include "l10n/dictionary.h"

#include <cstddef>
#include <utility>

#include "l10n/cp1252_text.h"

namespace {

constexpr size_t kEntries = size_t(kDictionaryRows) * kLanguageCount;

// Every entry of every row as one UTF-8 literal, each entry followed by "\0".
#define DICT_ENTRY(text) text "\0"
#define DICT_ROW(id, en, intl, de, it, fr, es, pt, sv, fi, nl, vls, da, no)                  \
  DICT_ENTRY(en) DICT_ENTRY(intl) DICT_ENTRY(de) DICT_ENTRY(it) DICT_ENTRY(fr) DICT_ENTRY(es) \
  DICT_ENTRY(pt) DICT_ENTRY(sv) DICT_ENTRY(fi) DICT_ENTRY(nl) DICT_ENTRY(vls) DICT_ENTRY(da)  \
  DICT_ENTRY(no)
#define DICT_SEPARATOR() DICT_ROW(-1, "", "", "", "", "", "", "", "", "", "", "", "", "")
constexpr auto kTexts = cp1252_block<kEntries>(
#include "l10n/dictionary_rows.h"
);
#undef DICT_SEPARATOR
#undef DICT_ROW
#undef DICT_ENTRY

static_assert(kTexts.ok, "every dictionary entry is Windows-1252 text, 13 to a row, 108 rows");

template <size_t... Index>
constexpr std::array<const char*, kEntries> entry_pointers(std::index_sequence<Index...>) {
  return {{(kTexts.bytes + kTexts.offset[Index])...}};
}

}  // namespace

constexpr std::array<const char*, kEntries> FTX_Dictionary =
    entry_pointers(std::make_index_sequence<kEntries>());

#define DICT_ROW(id, ...) id,
#define DICT_SEPARATOR() kSeparatorWordId,
const int32_t FTX_DictIndex[kDictionaryRows] = {
#include "l10n/dictionary_rows.h"
};
#undef DICT_SEPARATOR
#undef DICT_ROW
