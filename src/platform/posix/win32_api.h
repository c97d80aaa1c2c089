// Declarations of the Win32 subset the plug-in and the simulated host use, for
// the POSIX stand-in. Types and constants have Windows' exact widths and
// values. Include platform/win32.h, never this file.
#ifndef KV_PLATFORM_POSIX_WIN32_API_H
#define KV_PLATFORM_POSIX_WIN32_API_H

#include "platform/posix/win32_types.h"
#include "platform/posix/win32_windows.h"
#include "platform/posix/win32_controls.h"
#include "platform/posix/win32_registry.h"
#include "platform/posix/win32_system.h"

// Modules (module_table.cpp): only the modules registered through
// standin::register_module exist; GetModuleHandleA(null) finds nothing.
// LoadLibraryA finds a registered module as GetModuleHandleA does (nothing is
// read from disk); a name that is not registered fails with
// ERROR_MOD_NOT_FOUND. FreeLibrary keeps the module registered.
#define ERROR_MOD_NOT_FOUND 126L
HMODULE GetModuleHandleA(LPCSTR name);
FARPROC GetProcAddress(HMODULE module, LPCSTR name);
HMODULE LoadLibraryA(LPCSTR name);
BOOL FreeLibrary(HMODULE module);

#endif
