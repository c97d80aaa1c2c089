// The registry part of the control panel.
#include "platform/posix/registry_store.h"
#include "platform/posix/testing.h"

using standin::detail::registry;

namespace {

const ULONG_PTR kCurrentUser = ULONG_PTR(HKEY_CURRENT_USER);

standin::detail::RegKey* existing_key(const char* key_path) {
  std::vector<std::string> names;
  if (!standin::detail::split_path(key_path, &names)) return nullptr;
  for (std::string& name : names) name = standin::detail::upper_name(name);
  return standin::detail::key_at(kCurrentUser, names);
}

}  // namespace

namespace standin {

void clear_registry() { detail::reset_registry(); }

void registry_write(const char* key_path, const char* value_name, DWORD type, const void* data,
                    size_t size) {
  std::vector<std::string> names;
  if (!detail::split_path(key_path, &names)) return;
  bool created = false;
  detail::RegKey* key = detail::make_key(kCurrentUser, names, false, &created);
  std::string name = value_name == nullptr ? "" : value_name;
  detail::RegValue& value = key->values[detail::upper_name(name)];
  value.name = name;
  value.type = type;
  const BYTE* bytes = static_cast<const BYTE*>(data);
  value.data.assign(bytes, bytes + (bytes == nullptr ? 0 : size));
}

bool registry_read(const char* key_path, const char* value_name, std::vector<BYTE>* data,
                   DWORD* type) {
  detail::RegKey* key = existing_key(key_path);
  if (key == nullptr) return false;
  auto found = key->values.find(detail::upper_name(value_name == nullptr ? "" : value_name));
  if (found == key->values.end()) return false;
  if (data != nullptr) *data = found->second.data;
  if (type != nullptr) *type = found->second.type;
  return true;
}

bool registry_key_exists(const char* key_path) { return existing_key(key_path) != nullptr; }

void fail_registry_call(int nth, LSTATUS error) {
  registry().fail_at = nth <= 0 ? 0 : registry().calls + nth;
  registry().fail_with = error;
}

int registry_call_count() { return registry().calls; }

int registry_open_handles() { return int(registry().handles.size()); }

}  // namespace standin
