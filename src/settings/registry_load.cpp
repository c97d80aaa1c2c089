// The stored image is read into a buffer of exactly the record's size, so a
// longer value never fits (the query answers ERROR_MORE_DATA) and a shorter one
// tells its length: only the fields it covers completely are taken.
#include <cstring>

#include "settings/registry_settings.h"

namespace {

constexpr DWORD kImageSize = sizeof(structUserPrefs);
constexpr DWORD kFieldSize = sizeof(int16_t);

LSTATUS read_image(HKEY key, BYTE* image, DWORD* length) {
  DWORD type = REG_NONE;
  *length = kImageSize;
  LSTATUS status = RegQueryValueExA(key, szUserDialogReg, nullptr, &type, image, length);
  if (status == ERROR_SUCCESS && type != REG_BINARY) status = ERROR_INVALID_DATA;
  return status;
}

}  // namespace

LSTATUS KVTR_REG_LoadSettings(structUserPrefs* prefs) {
  if (prefs == nullptr) return ERROR_INVALID_PARAMETER;
  KVTR_REG_SetDefaults(prefs);

  HKEY key = nullptr;
  LSTATUS status = RegOpenKeyExA(HKEY_CURRENT_USER, szRegistryKey, 0, KEY_READ, &key);
  if (status != ERROR_SUCCESS) return status;

  BYTE image[kImageSize] = {};
  DWORD length = 0;
  status = read_image(key, image, &length);
  if (status == ERROR_SUCCESS) {
    const DWORD whole_fields = (length < kImageSize ? length : kImageSize) / kFieldSize * kFieldSize;
    std::memcpy(prefs, image, whole_fields);
  }
  const LSTATUS closed = RegCloseKey(key);
  return status != ERROR_SUCCESS ? status : closed;
}
