// Inside the stand-in: reading a compiled resource file (.res), the form the
// resource compiler writes and the stand-in keeps for a module
// (standin::register_module_resources).
//
// A .res file is a sequence of entries, each a header and its data, both
// starting on 32-bit boundaries. The header: data size (32-bit), header size
// (32-bit), type and name (each either 0xFFFF and a 16-bit ordinal, or a
// zero-terminated UTF-16 string), padding to 32 bits, data version (32-bit),
// memory flags (16-bit), language (16-bit), version and characteristics
// (32-bit each). The file starts with an empty entry (data size 0, type and
// name ordinal 0), which marks it as a 32-bit resource file.
#ifndef KV_PLATFORM_POSIX_RESOURCE_FILE_H
#define KV_PLATFORM_POSIX_RESOURCE_FILE_H

#include <cstddef>
#include <vector>

#include "platform/win32.h"

namespace standin::detail {

struct ResourceData {
  const BYTE* data = nullptr;
  size_t size = 0;
};

// The data of the first resource of type `type` and ordinal name `id` (of any
// language); {null, 0} when there is none or the file is malformed before it.
ResourceData find_resource(const std::vector<unsigned char>& file, WORD type, WORD id);

}  // namespace standin::detail

#endif
