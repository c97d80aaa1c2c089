// Fuzz target for the dictionary and the translation lookups: any row, word
// id, variant, language, user language and count; translation tables of any
// texts, languages and record counts; and word forms rewritten in buffers of
// any size. Every lookup must answer a text (never null) that ends inside what
// it points to, with one of its documented error numbers; a form must stay
// inside its buffer. A broken rule aborts.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz/fuzz_input.h"
#include "l10n/dictionary_lookup.h"
#include "l10n/translate_id.h"
#include "l10n/translate_table.h"
#include "l10n/word_forms.h"
#include "globals/toolkit_globals.h"

namespace {

void require(bool condition) {
  if (!condition) std::abort();
}

FTX_LANGUAGE any_language(FuzzInput& in) {
  const uint8_t pick = in.value<uint8_t>();
  if (pick < 200) return FTX_LANGUAGE(pick % 16);
  if (pick < 220) return kLanguageLongest;
  if (pick < 240) return kLanguageUser;
  return in.value<int16_t>();
}

void lookup_dictionary(FuzzInput& in) {
  const int row = in.value<uint8_t>() < 230 ? int(in.value<uint8_t>() % 112) : int(in.value<int16_t>());
  const FTX_LANGUAGE language = any_language(in);
  const char* word = GetWord(row, language, nullptr);
  require(word != nullptr);
  const char* read = ReadFromDict(row, language, nullptr);
  require(read != nullptr);
  require(GetWordWidth(read, nullptr) == int(std::strlen(read)));

  int16_t error = -1;
  const int16_t id = in.value<uint8_t>() < 230 ? int16_t(in.value<uint8_t>() % 80 - 2) : in.value<int16_t>();
  const int16_t variant = int16_t(in.value<uint8_t>() % 6 - 1);
  const char* text = pFTX_TranslateID(id, in.value<int16_t>(), any_language(in), &error, variant, nullptr,
                                      int16_t(in.value<uint8_t>() & 1));
  require(text != nullptr && std::strlen(text) < size_t(kTranslateBufferSize));
  require(error == 0 || error == 3 || error == 17 || error == 19);
}

void lookup_table(FuzzInput& in) {
  std::string texts[kMaxTranslationRecords];
  FTX_TRANSLATIONRECORD table[kMaxTranslationRecords];
  for (int i = 0; i < kMaxTranslationRecords; ++i) {
    const uint8_t shape = in.value<uint8_t>();
    texts[i] = in.text(40);
    table[i] = {shape < 40 ? nullptr : texts[i].c_str(), shape % 2 ? int32_t(shape % 15) : in.value<int32_t>()};
  }
  const std::string fallback_text = in.text(40);
  const char* fallback = in.value<uint8_t>() < 128 ? nullptr : fallback_text.c_str();
  int16_t records = in.value<int16_t>();
  if (in.value<uint8_t>() < 200) records = int16_t(records % 16);
  int16_t error = -1;
  const char* text = FTX_TranslateFromTable(table, records, fallback, any_language(in), &error);
  require(text != nullptr);
  require(error == 0 || error == 2 || error == 3 || error == 4 || error == 17);
  if (error == 0 && text != fallback) {
    bool from_table = false;
    for (int i = 0; i < records && i < kMaxTranslationRecords; ++i) from_table |= text == table[i].text;
    require(from_table);
  }
}

void form_for_count(FuzzInput& in) {
  std::string entry = in.text(120);
  while (!entry.empty() && entry.back() == ' ') entry.pop_back();
  const size_t capacity = entry.size() + 1 + in.below(24);
  std::vector<char> buffer(capacity, '\x7F');
  std::memcpy(buffer.data(), entry.c_str(), entry.size() + 1);
  _FormForCount(buffer.data(), capacity, in.value<int16_t>());
  require(std::memchr(buffer.data(), '\0', capacity) != nullptr);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput in(data, size);
  PDKToolsGlobals.userLanguage = in.value<int16_t>();
  switch (in.value<uint8_t>() % 3) {
    case 0: lookup_dictionary(in); break;
    case 1: lookup_table(in); break;
    default: form_for_count(in); break;
  }
  return 0;
}
