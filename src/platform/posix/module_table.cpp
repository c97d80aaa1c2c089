// Modules as the stand-in's loader knows them: a name and a table of exported
// functions, registered by whoever plays the host executable in this process.
#include <cstring>
#include <map>
#include <string>

#include "platform/posix/testing.h"
#include "platform/win32.h"

namespace {

struct Module {
  std::map<std::string, FARPROC> exports;
};

// Windows compares module names without regard to case.
std::string upper(const char* text) {
  std::string s(text);
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
  return s;
}

std::map<std::string, Module>& modules() {
  static std::map<std::string, Module> table;
  return table;
}

}  // namespace

HMODULE GetModuleHandleA(LPCSTR name) {
  if (name == nullptr) return nullptr;
  auto found = modules().find(upper(name));
  if (found == modules().end()) return nullptr;
  return reinterpret_cast<HMODULE>(&found->second);
}

FARPROC GetProcAddress(HMODULE module, LPCSTR name) {
  if (module == nullptr || name == nullptr) return nullptr;
  const Module& m = *reinterpret_cast<const Module*>(module);
  auto found = m.exports.find(name);
  return found == m.exports.end() ? nullptr : found->second;
}

namespace standin {

void register_module(const char* name, const ModuleExport* exports, size_t count) {
  Module& m = modules()[upper(name)];
  m.exports.clear();
  for (size_t i = 0; i < count; ++i) m.exports[exports[i].name] = exports[i].address;
}

void unregister_module(const char* name) { modules().erase(upper(name)); }

}  // namespace standin
