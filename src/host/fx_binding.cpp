#include "host/fx_binding.h"

HMODULE GetFinaleHandle() {
  static bool looked = false;
  static HMODULE handle = nullptr;
  if (!looked) {
    handle = GetModuleHandleA("FINALE.EXE");
    if (handle == nullptr) handle = GetModuleHandleA("FINDEMO.EXE");
    looked = true;
  }
  return handle;
}

FxHostProc FX_FindHostFunction(const char* name) {
  HMODULE module = GetFinaleHandle();
  if (module == nullptr) return nullptr;
  // Through void(*)(), the one function type that converts to and from any
  // other without a cast-function-type warning.
  return reinterpret_cast<FxHostProc>(GetProcAddress(module, name));
}
