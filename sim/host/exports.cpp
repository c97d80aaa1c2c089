// Generated from the host function table: each line of fx_entry_table.h
// becomes one function with the line's argument kinds.
#include "sim/host/exports.h"

#include <cstring>
#include <type_traits>

#include "sim/host/dispatch.h"

namespace {

enum ExportIndex {
#define FX_ENTRY(name, ...) kIndex_##name,
#include "host/fx_entry_table.h"
#undef FX_ENTRY
  kExportCount
};

// A word argument travels as itself; a double as the words that hold its
// bytes in memory order, as it lies on the stack of a 32-bit caller.
void append_word(sim::Args& words, FxWord word) { words.push_back(word); }

void append_word(sim::Args& words, double value) {
  FxWord parts[(sizeof(double) + sizeof(FxWord) - 1) / sizeof(FxWord)] = {};
  std::memcpy(parts, &value, sizeof value);
  for (FxWord part : parts) words.push_back(part);
}

template <typename... Arguments>
sim::Args argument_words(Arguments... arguments) {
  sim::Args words;
  words.reserve(sizeof...(Arguments) * 2);  // a double takes two words
  (append_word(words, arguments), ...);
  return words;
}

}  // namespace

#define FX_ENTRY(name, result, missing, answer, written, ...)                          \
  FxWord FXAPI sim_##name(FX_NAMED_PARAMS(FX_HOST_TYPE_, __VA_ARGS__)) {                \
    return sim::detail::dispatch(kIndex_##name, argument_words(FX_PARAM_NAMES(__VA_ARGS__))); \
  }
#include "host/fx_entry_table.h"
#undef FX_ENTRY

namespace sim {
namespace {

// Through void(*)(), the one function pointer type that converts to any other
// without a cast-function-type warning.
template <typename Function>
FARPROC as_farproc(Function* function) {
  return reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(function));
}

const ExportEntry kExports[] = {
#define FX_ENTRY(name, ...) {#name, as_farproc(&sim_##name)},
#include "host/fx_entry_table.h"
#undef FX_ENTRY
};
static_assert(sizeof kExports / sizeof kExports[0] == kExportCount);

}  // namespace

const ExportEntry* export_table() { return kExports; }
size_t export_count() { return kExportCount; }

int export_index(const std::string& name) {
  for (size_t i = 0; i < kExportCount; ++i)
    if (name == kExports[i].name) return int(i);
  return -1;
}

}  // namespace sim
