// The six functions the host calls, exported under their plain names
// (exports.def) with the Windows API calling convention; their types are those
// of host/plugin_entry_abi.h. The host calls them on its user-interface thread:
// Version, Init, Enumerate (index 0, 1, ... until it answers 0), then
// GetMenuStatus and Invoke for each pick of the menu item, and Terminate
// before it unloads the library.
#ifndef KV_SHELL_ENTRY_POINTS_H
#define KV_SHELL_ENTRY_POINTS_H

#include <cstdint>

#include "host/plugin_entry_abi.h"

// The host interface version the plug-in was built for.
constexpr uint32_t kPluginInterfaceVersion = 0x0F000200u;
constexpr int16_t kFirstPageAtInit = 1;
constexpr int16_t kLastPageAtInit = 9999;

extern "C" {

// Stores the host's version word; answers kPluginInterfaceVersion.
uint32_t WINAPI FinaleExtensionVersion(uint32_t hostVersion);

// Keeps the host's window, takes the user's language from Windows, loads the
// settings (defaults when they cannot be read) and sets the page range to
// 1..9999. Writes 1 to *initFlags when it is given. Answers 1.
int32_t WINAPI FinaleExtensionInit(HWND mainWindow, uint32_t* initFlags);

// Index 0 or less: fills the 196-byte menu item record and answers 1. A
// greater index, or no record: writes nothing and answers 0 (no such item).
int32_t WINAPI FinaleExtensionEnumerate(intptr_t unused, int16_t index, void* menuItem);

// The item is always available: 1.
int32_t WINAPI FinaleExtensionGetMenuStatus(intptr_t unused);

// Opens the dialog over `window`, or brings the open one back. Answers 1.
int32_t WINAPI FinaleExtensionInvoke(HWND window, intptr_t unused1, intptr_t unused2, intptr_t unused3);

// Closes the dialog if it is still open (keeping its entries), lets go of the
// host's window, and saves the settings. Answers the save's registry status:
// 0 when the settings were written.
int32_t WINAPI FinaleExtensionTerminate(intptr_t unused);

}

#endif
