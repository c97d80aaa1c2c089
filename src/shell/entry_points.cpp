#include "shell/entry_points.h"

#include <cstring>
#include <type_traits>

#include "host/host_abi.h"
#include "l10n/system_language.h"
#include "settings/registry_settings.h"
#include "shell/menu_item.h"
#include "globals/toolkit_globals.h"
#include "globals/user_prefs.h"
#include "ui/respacing_dialog.h"

static_assert(kPluginInterfaceVersion == kFxInterfaceVersion);

// The definitions have exactly the types the host calls through.
static_assert(std::is_same_v<decltype(&FinaleExtensionVersion), FinaleExtensionVersionProc>);
static_assert(std::is_same_v<decltype(&FinaleExtensionInit), FinaleExtensionInitProc>);
static_assert(std::is_same_v<decltype(&FinaleExtensionEnumerate), FinaleExtensionEnumerateProc>);
static_assert(std::is_same_v<decltype(&FinaleExtensionGetMenuStatus), FinaleExtensionGetMenuStatusProc>);
static_assert(std::is_same_v<decltype(&FinaleExtensionInvoke), FinaleExtensionInvokeProc>);
static_assert(std::is_same_v<decltype(&FinaleExtensionTerminate), FinaleExtensionTerminateProc>);

uint32_t WINAPI FinaleExtensionVersion(uint32_t hostVersion) {
  PDKTOOLS_StoreVersion(int32_t(hostVersion));
  return kPluginInterfaceVersion;
}

int32_t WINAPI FinaleExtensionInit(HWND mainWindow, uint32_t* initFlags) {
  Connect2Utils(mainWindow);
  KVTR_TakeUserLanguageFromSystem();
  KVTR_REG_LoadSettings(&UserPrefs);
  UserPrefs.firstPage = kFirstPageAtInit;
  UserPrefs.lastPage = kLastPageAtInit;
  if (initFlags != nullptr) *initFlags = 1;
  return 1;
}

int32_t WINAPI FinaleExtensionEnumerate(intptr_t /*unused*/, int16_t index, void* menuItem) {
  if (index > 0 || menuItem == nullptr) return 0;
  FinaleExtensionMenuItem item;
  KVTR_FillMenuItem(&item);
  std::memcpy(menuItem, &item, sizeof item);
  return 1;
}

int32_t WINAPI FinaleExtensionGetMenuStatus(intptr_t /*unused*/) { return 1; }

int32_t WINAPI FinaleExtensionInvoke(HWND window, intptr_t /*unused1*/, intptr_t /*unused2*/,
                                     intptr_t /*unused3*/) {
  KVTR_UI_UserDialog(window, &UserPrefs);
  return 1;
}

int32_t WINAPI FinaleExtensionTerminate(intptr_t /*unused*/) {
  KVTR_UI_Shutdown();
  return int32_t(KVTR_REG_SaveSettings(&UserPrefs));
}
