// The registry functions over the in-memory tree. Every call counts toward
// the control panel's "fail the nth call" switch, which makes a call return
// the chosen error before it does anything.
#include <cstring>

#include "platform/posix/registry_store.h"

using standin::detail::RegHandle;
using standin::detail::RegKey;
using standin::detail::registry;

namespace {

bool injected_failure(LSTATUS* error) {
  auto& r = registry();
  ++r.calls;
  if (r.fail_at == 0 || r.calls != r.fail_at) return false;
  r.fail_at = 0;
  *error = r.fail_with;
  return true;
}

// The open handle or predefined root behind hKey.
LSTATUS resolve(HKEY hKey, RegHandle* out) {
  for (const auto& root : standin::detail::kRegRoots) {
    if (ULONG_PTR(hKey) == root.handle) {
      *out = RegHandle{root.handle, {}, KEY_ALL_ACCESS};
      return ERROR_SUCCESS;
    }
  }
  auto found = registry().handles.find(hKey);
  if (found == registry().handles.end()) return ERROR_INVALID_HANDLE;
  *out = found->second;
  return ERROR_SUCCESS;
}

// The key behind hKey, checked for the access a call needs.
LSTATUS open_key(HKEY hKey, REGSAM needed, RegHandle* handle, RegKey** key) {
  LSTATUS status = resolve(hKey, handle);
  if (status != ERROR_SUCCESS) return status;
  if ((handle->access & needed) != needed) return ERROR_ACCESS_DENIED;
  *key = standin::detail::key_at(handle->root, handle->path);
  return *key == nullptr ? ERROR_KEY_DELETED : ERROR_SUCCESS;
}

HKEY new_handle(const RegHandle& base, const std::vector<std::string>& names, REGSAM access) {
  RegHandle h{base.root, base.path, access};
  for (const std::string& name : names) h.path.push_back(standin::detail::upper_name(name));
  HKEY key = reinterpret_cast<HKEY>(registry().next_handle);
  registry().next_handle += 4;
  registry().handles[key] = h;
  return key;
}

std::vector<std::string> upper_path(const RegHandle& base, const std::vector<std::string>& names) {
  std::vector<std::string> path = base.path;
  for (const std::string& name : names) path.push_back(standin::detail::upper_name(name));
  return path;
}

std::string value_key(LPCSTR name) {
  return standin::detail::upper_name(name == nullptr ? "" : name);
}

// The checks RegCreateKeyExA and RegOpenKeyExA share, in call order: the
// injected failure, the result pointer (cleared), the base key and the
// subkey path split into names.
LSTATUS begin_subkey_call(HKEY hKey, LPCSTR lpSubKey, PHKEY phkResult, RegHandle* base,
                          std::vector<std::string>* names) {
  LSTATUS status = ERROR_SUCCESS;
  if (injected_failure(&status)) return status;
  if (phkResult == nullptr) return ERROR_INVALID_PARAMETER;
  *phkResult = nullptr;
  RegKey* key = nullptr;
  if ((status = open_key(hKey, 0, base, &key)) != ERROR_SUCCESS) return status;
  return standin::detail::split_path(lpSubKey, names) ? ERROR_SUCCESS : ERROR_BAD_PATHNAME;
}

}  // namespace

LSTATUS RegCreateKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD /*Reserved*/, LPSTR /*lpClass*/,
                        DWORD dwOptions, REGSAM samDesired,
                        const LPSECURITY_ATTRIBUTES /*lpSecurityAttributes*/, PHKEY phkResult,
                        LPDWORD lpdwDisposition) {
  RegHandle base;
  std::vector<std::string> names;
  LSTATUS status = begin_subkey_call(hKey, lpSubKey, phkResult, &base, &names);
  if (status != ERROR_SUCCESS) return status;
  bool exists = standin::detail::key_at(base.root, upper_path(base, names)) != nullptr;
  if (!exists && !(base.access & KEY_CREATE_SUB_KEY)) return ERROR_ACCESS_DENIED;
  std::vector<std::string> path = base.path;
  path.insert(path.end(), names.begin(), names.end());
  bool created = false;
  standin::detail::make_key(base.root, path, (dwOptions & REG_OPTION_VOLATILE) != 0, &created);
  if (lpdwDisposition != nullptr)
    *lpdwDisposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
  *phkResult = new_handle(base, names, samDesired);
  return ERROR_SUCCESS;
}

LSTATUS RegOpenKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD /*ulOptions*/, REGSAM samDesired,
                      PHKEY phkResult) {
  RegHandle base;
  std::vector<std::string> names;
  LSTATUS status = begin_subkey_call(hKey, lpSubKey, phkResult, &base, &names);
  if (status != ERROR_SUCCESS) return status;
  if (standin::detail::key_at(base.root, upper_path(base, names)) == nullptr)
    return ERROR_FILE_NOT_FOUND;
  *phkResult = new_handle(base, names, samDesired);
  return ERROR_SUCCESS;
}

LSTATUS RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType,
                         LPBYTE lpData, LPDWORD lpcbData) {
  LSTATUS status = ERROR_SUCCESS;
  if (injected_failure(&status)) return status;
  RegHandle handle;
  RegKey* key = nullptr;
  if ((status = open_key(hKey, KEY_QUERY_VALUE, &handle, &key)) != ERROR_SUCCESS) return status;
  if (lpReserved != nullptr || (lpData != nullptr && lpcbData == nullptr))
    return ERROR_INVALID_PARAMETER;
  auto found = key->values.find(value_key(lpValueName));
  if (found == key->values.end()) return ERROR_FILE_NOT_FOUND;
  const standin::detail::RegValue& value = found->second;
  DWORD size = DWORD(value.data.size());
  if (lpType != nullptr) *lpType = value.type;
  if (lpData != nullptr && *lpcbData < size) {
    *lpcbData = size;
    return ERROR_MORE_DATA;
  }
  if (lpData != nullptr && size > 0) std::memcpy(lpData, value.data.data(), size);
  if (lpcbData != nullptr) *lpcbData = size;
  return ERROR_SUCCESS;
}

LSTATUS RegSetValueExA(HKEY hKey, LPCSTR lpValueName, DWORD /*Reserved*/, DWORD dwType,
                       const BYTE* lpData, DWORD cbData) {
  LSTATUS status = ERROR_SUCCESS;
  if (injected_failure(&status)) return status;
  RegHandle handle;
  RegKey* key = nullptr;
  if ((status = open_key(hKey, KEY_SET_VALUE, &handle, &key)) != ERROR_SUCCESS) return status;
  if (lpData == nullptr && cbData != 0) return ERROR_NOACCESS;
  standin::detail::RegValue& value = key->values[value_key(lpValueName)];
  value.name = lpValueName == nullptr ? "" : lpValueName;
  value.type = dwType;
  value.data.assign(lpData, lpData + cbData);
  return ERROR_SUCCESS;
}

LSTATUS RegDeleteValueA(HKEY hKey, LPCSTR lpValueName) {
  LSTATUS status = ERROR_SUCCESS;
  if (injected_failure(&status)) return status;
  RegHandle handle;
  RegKey* key = nullptr;
  if ((status = open_key(hKey, KEY_SET_VALUE, &handle, &key)) != ERROR_SUCCESS) return status;
  return key->values.erase(value_key(lpValueName)) == 0 ? ERROR_FILE_NOT_FOUND : ERROR_SUCCESS;
}

LSTATUS RegDeleteKeyA(HKEY hKey, LPCSTR lpSubKey) {
  LSTATUS status = ERROR_SUCCESS;
  if (injected_failure(&status)) return status;
  RegHandle handle;
  RegKey* key = nullptr;
  if ((status = open_key(hKey, 0, &handle, &key)) != ERROR_SUCCESS) return status;
  std::vector<std::string> names;
  if (lpSubKey == nullptr || *lpSubKey == '\0' || !standin::detail::split_path(lpSubKey, &names))
    return ERROR_INVALID_PARAMETER;
  std::vector<std::string> path = upper_path(handle, names);
  RegKey* doomed = standin::detail::key_at(handle.root, path);
  if (doomed == nullptr) return ERROR_FILE_NOT_FOUND;
  if (!doomed->subkeys.empty()) return ERROR_ACCESS_DENIED;
  std::string last = path.back();
  path.pop_back();
  standin::detail::key_at(handle.root, path)->subkeys.erase(last);
  return ERROR_SUCCESS;
}

LSTATUS RegCloseKey(HKEY hKey) {
  LSTATUS status = ERROR_SUCCESS;
  if (injected_failure(&status)) return status;
  for (const auto& root : standin::detail::kRegRoots)
    if (ULONG_PTR(hKey) == root.handle) return ERROR_SUCCESS;
  return registry().handles.erase(hKey) == 0 ? ERROR_INVALID_HANDLE : ERROR_SUCCESS;
}
