// Fuzz target for the registry file the command line keeps the stand-in's
// registry in (standin::load_registry): any bytes as the file's text, through
// the in-memory functions the file functions wrap. A text must be loaded or
// refused; one that loads must save to a text that loads back to the same
// registry, saved the same way again. Anything else aborts.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/posix/testing.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  standin::clear_registry();
  if (standin::load_registry_text(std::string(reinterpret_cast<const char*>(data), size))) {
    std::string saved, again;
    if (!standin::save_registry_text(&saved)) std::abort();
    standin::clear_registry();
    if (!standin::load_registry_text(saved)) std::abort();
    if (!standin::save_registry_text(&again)) std::abort();
    if (saved != again) std::abort();
  }
  return 0;
}
