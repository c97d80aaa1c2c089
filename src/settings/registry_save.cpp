#include "settings/registry_settings.h"

LSTATUS KVTR_REG_SaveSettings(const structUserPrefs* prefs) {
  if (prefs == nullptr) return ERROR_INVALID_PARAMETER;

  HKEY key = nullptr;
  DWORD disposition = 0;
  LSTATUS status = RegCreateKeyExA(HKEY_CURRENT_USER, szRegistryKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                   KEY_WRITE, nullptr, &key, &disposition);
  if (status != ERROR_SUCCESS) return status;

  status = RegSetValueExA(key, szUserDialogReg, 0, REG_BINARY, reinterpret_cast<const BYTE*>(prefs),
                          sizeof(structUserPrefs));
  const LSTATUS closed = RegCloseKey(key);
  return status != ERROR_SUCCESS ? status : closed;
}
