// The entries that only bind and call, one per GENERATED line of the table.
//
// Each entry widens its arguments to words (signed 16-bit ones sign-extended,
// unsigned 16- and 8-bit ones zero-extended: the conversion from its own
// parameter types does exactly that), calls the host function through the
// host's type, and narrows the answer as the table says. A host without the
// function gets the table's answer, without any call; for the entries the host
// is required to export, that answer is 0 as well.
#include "host/fx_binding.h"
#include "host/fx_entries.h"
#include "host/fx_narrowing.h"

#define FX_DEFINE_GENERATED(name, result, answer, ...)                          \
  FxWord name(FX_NAMED_PARAMS(FX_PLUGIN_TYPE_, __VA_ARGS__)) {                  \
    using HostFunction = FX_HOST_FUNCTION_TYPE(__VA_ARGS__);                    \
    FX_BIND_HOST(name, HostFunction);                                           \
    if (fpProc == nullptr) return FxWord(answer);                               \
    return FX_NARROW_##result(fpProc(FX_PARAM_NAMES(__VA_ARGS__)));             \
  }
#define FX_DEFINE_BYHAND(name, result, answer, ...)
#define FX_ENTRY(name, result, missing, answer, written, ...) \
  FX_DEFINE_##written(name, result, answer, __VA_ARGS__)
#include "host/fx_entry_table.h"
#undef FX_ENTRY
#undef FX_DEFINE_BYHAND
#undef FX_DEFINE_GENERATED
