// The other direction of the host boundary: the six functions that the host
// finds by name in the plug-in's library and calls, and the size of the menu
// item record that one of them fills. Both sides include this header: the
// plug-in to define the functions, the host to call them.
//
// The entry points use the Windows API calling convention (the called
// function removes its arguments) and are exported under their plain names.
// The host calls them in this order: Version, Init, Enumerate (index 0, 1,
// ... until it answers 0), then GetMenuStatus and Invoke for each menu pick,
// and Terminate before it unloads the library.
#ifndef KV_HOST_PLUGIN_ENTRY_ABI_H
#define KV_HOST_PLUGIN_ENTRY_ABI_H

#include <cstddef>
#include <cstdint>

#include "platform/win32.h"

// The menu item record: menu text, short name and full name (64 bytes each,
// NUL-padded), then two 16-bit words.
constexpr size_t kPluginMenuItemSize = 196;

typedef uint32_t(WINAPI* FinaleExtensionVersionProc)(uint32_t hostVersion);
typedef int32_t(WINAPI* FinaleExtensionInitProc)(HWND mainWindow, uint32_t* initFlags);
typedef int32_t(WINAPI* FinaleExtensionEnumerateProc)(intptr_t unused, int16_t index, void* menuItem);
typedef int32_t(WINAPI* FinaleExtensionGetMenuStatusProc)(intptr_t unused);
typedef int32_t(WINAPI* FinaleExtensionInvokeProc)(HWND window, intptr_t unused1, intptr_t unused2,
                                                   intptr_t unused3);
typedef int32_t(WINAPI* FinaleExtensionTerminateProc)(intptr_t unused);

#endif
