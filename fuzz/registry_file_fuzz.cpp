// Fuzz target for the registry file the command line keeps the stand-in's
// registry in (standin::load_registry): any bytes as the file. A file must be
// loaded or refused; one that loads must save to a file that loads back to
// the same registry, saved the same way again. Anything else aborts.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/posix/testing.h"

namespace {

std::string scratch(const char* name) {
  return "/tmp/kv_registry_fuzz_" + std::to_string(getpid()) + "_" + name;
}

std::string contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string input = scratch("input"), saved = scratch("saved"), again = scratch("again");
  {
    std::ofstream out(input, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), std::streamsize(size));
  }
  standin::reset();
  if (standin::load_registry(input.c_str())) {
    if (!standin::save_registry(saved.c_str())) std::abort();
    standin::reset();
    if (!standin::load_registry(saved.c_str())) std::abort();
    if (!standin::save_registry(again.c_str())) std::abort();
    if (contents(saved) != contents(again)) std::abort();
  }
  return 0;
}
