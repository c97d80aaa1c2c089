// Inside the stand-in: what the loader keeps of a registered module beyond its
// exports.
#ifndef KV_PLATFORM_POSIX_MODULE_TABLE_H
#define KV_PLATFORM_POSIX_MODULE_TABLE_H

#include <vector>

#include "platform/win32.h"

namespace standin {

// The compiled resource file given to the module (empty when none), or null
// when `module` is no module's handle.
const std::vector<unsigned char>* module_resource_file(HMODULE module);

}  // namespace standin

#endif
