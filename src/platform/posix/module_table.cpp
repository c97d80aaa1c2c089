// Modules as the stand-in's loader knows them: a name and a table of exported
// functions, registered by whoever plays the host executable in this process.
//
// A module's record is never freed: callers keep module handles for as long
// as they like (the plug-in's binding cache does), so unregistering only marks
// the module as gone. GetModuleHandleA then no longer finds it and
// GetProcAddress through a kept handle finds nothing; registering the name
// again brings the same handle back.
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "platform/posix/module_table.h"
#include "platform/posix/testing.h"
#include "platform/win32.h"

namespace {

struct Module {
  bool loaded = false;
  std::map<std::string, FARPROC> exports;
  std::vector<unsigned char> resource_file;  // a compiled .res image, empty when none
};

// Windows compares module names without regard to case.
std::string upper(const char* text) {
  std::string s(text);
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
  return s;
}

// The system's own module, there from the start with the functions the
// plug-in looks up at run time instead of importing them.
std::map<std::string, Module> system_modules() {
  std::map<std::string, Module> table;
  Module& kernel = table["KERNEL32.DLL"];
  kernel.loaded = true;
  typedef void (*AnyProc)();  // converts to and from any function type without a warning
  kernel.exports["GetUserDefaultUILanguage"] =
      reinterpret_cast<FARPROC>(reinterpret_cast<AnyProc>(&GetUserDefaultUILanguage));
  return table;
}

std::map<std::string, Module>& modules() {
  static std::map<std::string, Module> table = system_modules();
  return table;
}

}  // namespace

HMODULE GetModuleHandleA(LPCSTR name) {
  if (name == nullptr) return nullptr;
  auto found = modules().find(upper(name));
  if (found == modules().end() || !found->second.loaded) return nullptr;
  return reinterpret_cast<HMODULE>(&found->second);
}

// Exports are looked up by name only; an ordinal or a handle that is not a
// module's finds nothing.
FARPROC GetProcAddress(HMODULE module, LPCSTR name) {
  if (module == nullptr || name == nullptr || IS_INTRESOURCE(name)) return nullptr;
  for (const auto& entry : modules()) {
    if (reinterpret_cast<HMODULE>(const_cast<Module*>(&entry.second)) != module) continue;
    auto found = entry.second.exports.find(name);
    if (found == entry.second.exports.end()) return nullptr;
    if (entry.first == "KERNEL32.DLL" && !standin::system_has_function(name)) return nullptr;
    return found->second;
  }
  return nullptr;
}

HMODULE LoadLibraryA(LPCSTR name) {
  HMODULE module = GetModuleHandleA(name);
  if (module == nullptr) SetLastError(ERROR_MOD_NOT_FOUND);
  return module;
}

BOOL FreeLibrary(HMODULE module) {
  for (const auto& entry : modules())
    if (reinterpret_cast<HMODULE>(const_cast<Module*>(&entry.second)) == module) return TRUE;
  return FALSE;
}

namespace standin {

const std::vector<unsigned char>* module_resource_file(HMODULE module) {
  for (const auto& entry : modules())
    if (reinterpret_cast<HMODULE>(const_cast<Module*>(&entry.second)) == module) return &entry.second.resource_file;
  return nullptr;
}

void register_module_resources(const char* name, const void* res_file, size_t size) {
  const auto* bytes = static_cast<const unsigned char*>(res_file);
  modules()[upper(name)].resource_file.assign(bytes, bytes + size);
}

void register_module(const char* name, const ModuleExport* exports, size_t count) {
  Module& m = modules()[upper(name)];
  m.loaded = true;
  m.exports.clear();
  for (size_t i = 0; i < count; ++i) m.exports[exports[i].name] = exports[i].address;
}

void unregister_module(const char* name) {
  auto found = modules().find(upper(name));
  if (found == modules().end()) return;
  found->second.loaded = false;
  found->second.exports.clear();
}

}  // namespace standin
