// The registry's in-memory tree. Internal to src/platform/posix.
//
// Keys and values are stored under their upper-cased names (the registry
// ignores case) and keep the spelling they were created with for display and
// for the persistence file.
#ifndef KV_PLATFORM_POSIX_REGISTRY_STORE_H
#define KV_PLATFORM_POSIX_REGISTRY_STORE_H

#include <map>
#include <string>
#include <vector>

#include "platform/win32.h"

namespace standin::detail {

struct RegValue {
  std::string name;
  DWORD type = REG_NONE;
  std::vector<BYTE> data;
};

struct RegKey {
  std::string name;
  bool is_volatile = false;
  std::map<std::string, RegKey> subkeys;
  std::map<std::string, RegValue> values;
};

struct RegRoot {
  ULONG_PTR handle;
  const char* name;
};
// The predefined roots, in the order the persistence file lists them.
extern const RegRoot kRegRoots[4];

struct RegHandle {
  ULONG_PTR root;
  std::vector<std::string> path;  // upper-cased key names below the root
  REGSAM access;
};

struct Registry {
  std::map<ULONG_PTR, RegKey> roots;
  std::map<HKEY, RegHandle> handles;
  uintptr_t next_handle = 0x2000;
  int calls = 0;
  int fail_at = 0;  // the call number that fails, 0 for none
  LSTATUS fail_with = ERROR_SUCCESS;
};

Registry& registry();
std::string upper_name(const std::string& name);
// Splits "A\\B\\C" into its names; false for an empty component other than a
// single trailing one.
bool split_path(const char* path, std::vector<std::string>* names);
// The key a path names below a root, or null.
RegKey* key_at(ULONG_PTR root, const std::vector<std::string>& upper_path);
// The key a path names, created with the given spelling where missing (new
// keys are volatile when asked).
RegKey* make_key(ULONG_PTR root, const std::vector<std::string>& names, bool is_volatile,
                 bool* created);
// Empties the tree and forgets every handle; the call counter restarts.
void reset_registry();

}  // namespace standin::detail

#endif
