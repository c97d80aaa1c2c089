// The stand-in's control panel: what tests and the simulated host use to set up
// the world the plug-in sees (modules, keys, message-box answers, windows, the
// registry) and to read what it did. Native builds only.
#ifndef KV_PLATFORM_POSIX_TESTING_H
#define KV_PLATFORM_POSIX_TESTING_H

#include <cstddef>

#include "platform/win32.h"

namespace standin {

// Modules: GetModuleHandleA finds a registered name (case-insensitively),
// GetProcAddress its exports. Registering a name again replaces its exports.
struct ModuleExport {
  const char* name;
  FARPROC address;
};
void register_module(const char* name, const ModuleExport* exports, size_t count);
void unregister_module(const char* name);

}  // namespace standin

#endif
