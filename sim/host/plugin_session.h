// One plug-in library as the host drives it from its plug-in menu: loaded with
// LoadLibraryA, its six entry points found with GetProcAddress by their plain
// names (types in host/plugin_entry_abi.h), and called in the host's order:
// version(), init(), enumerate(), then invoke() for each menu pick, and
// terminate() before the host unloads it.
//
// The session remembers the library in the host (Host::set_plugin_module), so
// FX_Dialog finds the plug-in's dialog templates. Destroying the session frees
// the library and forgets it in the host; it does not call terminate() (a test
// that wants the settings saved calls it, as the host does before unloading).
#ifndef SIM_HOST_PLUGIN_SESSION_H
#define SIM_HOST_PLUGIN_SESSION_H

#include <cstdint>
#include <string>
#include <vector>

#include "host/plugin_entry_abi.h"
#include "platform/win32.h"
#include "sim/host/sim_host.h"

namespace sim {

// One item of the plug-in's menu, read from the 196-byte record the plug-in
// fills: three NUL-padded 64-byte texts, then two little-endian 16-bit words.
struct MenuItem {
  std::string text;
  std::string short_name;
  std::string full_name;
  int16_t word192 = 0;
  int16_t word194 = 0;
};

// Reads a menu item record; a text without a NUL in its 64 bytes is cut at 64.
MenuItem decode_menu_item(const unsigned char (&record)[kPluginMenuItemSize]);

class PluginSession {
 public:
  // Throws std::runtime_error naming the library or the entry point that is missing.
  explicit PluginSession(Host& host, const char* library = "kvdunvaro.dll");
  ~PluginSession();
  PluginSession(const PluginSession&) = delete;
  PluginSession& operator=(const PluginSession&) = delete;

  HMODULE module() const { return module_; }

  uint32_t version();  // FinaleExtensionVersion(host.version_word())
  // FinaleExtensionInit(host.main_window(), &flags); flags() is what it left.
  int32_t init();
  uint32_t flags() const { return flags_; }
  // FinaleExtensionEnumerate with index 0, 1, ... until the plug-in answers 0
  // (at most kMostMenuItems items, as a host menu has room for).
  std::vector<MenuItem> enumerate();
  // A pick of the menu item: FinaleExtensionGetMenuStatus, then, when it
  // answers nonzero (the item is enabled), FinaleExtensionInvoke(main window,
  // 0, 0, 0) and its answer; 0 without the invoke for a disabled item.
  int32_t invoke();
  int32_t terminate();  // FinaleExtensionTerminate(0)
  // The dialog FX_Dialog created and that still exists, else null.
  HWND dialog() const;

  static constexpr int kMostMenuItems = 64;

 private:
  Host& host_;
  HMODULE module_ = nullptr;
  uint32_t flags_ = 0;
  FinaleExtensionVersionProc version_ = nullptr;
  FinaleExtensionInitProc init_ = nullptr;
  FinaleExtensionEnumerateProc enumerate_ = nullptr;
  FinaleExtensionGetMenuStatusProc menu_status_ = nullptr;
  FinaleExtensionInvokeProc invoke_ = nullptr;
  FinaleExtensionTerminateProc terminate_ = nullptr;
};

}  // namespace sim

#endif
