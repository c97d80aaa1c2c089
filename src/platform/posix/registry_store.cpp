// The registry tree shared by the registry functions and the control panel.
#include "platform/posix/registry_store.h"

#include <cstring>

namespace standin::detail {

const RegRoot kRegRoots[4] = {
    {ULONG_PTR(HKEY_CLASSES_ROOT), "HKEY_CLASSES_ROOT"},
    {ULONG_PTR(HKEY_CURRENT_USER), "HKEY_CURRENT_USER"},
    {ULONG_PTR(HKEY_LOCAL_MACHINE), "HKEY_LOCAL_MACHINE"},
    {ULONG_PTR(HKEY_USERS), "HKEY_USERS"},
};

Registry& registry() {
  static Registry r = [] {
    Registry fresh;
    for (const RegRoot& root : kRegRoots) fresh.roots[root.handle].name = root.name;
    return fresh;
  }();
  return r;
}

void reset_registry() {
  Registry& r = registry();
  uintptr_t next_handle = r.next_handle;
  r = Registry{};
  r.next_handle = next_handle;
  for (const RegRoot& root : kRegRoots) r.roots[root.handle].name = root.name;
}

std::string upper_name(const std::string& name) {
  std::string upper(name);
  if (!upper.empty()) CharUpperBuffA(&upper[0], DWORD(upper.size()));
  return upper;
}

bool split_path(const char* path, std::vector<std::string>* names) {
  names->clear();
  if (path == nullptr || *path == '\0') return true;
  const char* start = path;
  for (;;) {
    const char* stop = std::strchr(start, '\\');
    size_t length = stop == nullptr ? std::strlen(start) : size_t(stop - start);
    bool trailing = stop == nullptr && length == 0 && start != path;
    if (length == 0 && !trailing) return false;
    if (length > 0) names->emplace_back(start, length);
    if (stop == nullptr) return true;
    start = stop + 1;
  }
}

RegKey* key_at(ULONG_PTR root, const std::vector<std::string>& upper_path) {
  auto found_root = registry().roots.find(root);
  if (found_root == registry().roots.end()) return nullptr;
  RegKey* key = &found_root->second;
  for (const std::string& name : upper_path) {
    auto found = key->subkeys.find(name);
    if (found == key->subkeys.end()) return nullptr;
    key = &found->second;
  }
  return key;
}

RegKey* make_key(ULONG_PTR root, const std::vector<std::string>& names, bool is_volatile,
                 bool* created) {
  *created = false;
  RegKey* key = &registry().roots[root];
  for (const std::string& name : names) {
    // try_emplace makes no node for a key that exists: paths are mostly walked, not made.
    auto inserted = key->subkeys.try_emplace(upper_name(name));
    if (inserted.second) {
      inserted.first->second.name = name;
      inserted.first->second.is_volatile = is_volatile;
      *created = true;
    }
    key = &inserted.first->second;
  }
  return key;
}

}  // namespace standin::detail
