// Calls a function of the installed simulated host the way the plug-in does:
// found by name in the "FINALE.EXE" module, every argument a word.
#ifndef TESTS_SUPPORT_HOST_CALL_H
#define TESTS_SUPPORT_HOST_CALL_H

#include <type_traits>

#include "host/host_abi.h"
#include "platform/win32.h"

// A pointer or integer becomes a word; a double stays a double.
template <typename T>
auto host_word(T value) {
  if constexpr (std::is_pointer_v<T>) {
    return reinterpret_cast<FxWord>(value);
  } else if constexpr (std::is_floating_point_v<T>) {
    return double(value);
  } else {
    return FxWord(value);
  }
}

// 0 when the module or the export is missing (the test then fails on the answer).
template <typename... Arguments>
FxWord call_host(const char* function, Arguments... arguments) {
  HMODULE module = GetModuleHandleA("FINALE.EXE");
  FARPROC address = module != nullptr ? GetProcAddress(module, function) : nullptr;
  if (address == nullptr) return 0;
  using Function = FxWord(FXAPI*)(decltype(host_word(arguments))...);
  auto typed = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(address));
  return typed(host_word(arguments)...);
}

#endif
