// The only door to Windows names for the plug-in.
//
// On Windows this is <windows.h>. Elsewhere it is the stand-in of
// platform/posix/: the subset of Win32 the plug-in uses, with Windows' own type
// widths and constant values (LONG and DWORD are 32-bit everywhere), implemented
// in memory so that the whole plug-in runs and is tested on Linux.
#ifndef KV_PLATFORM_WIN32_H
#define KV_PLATFORM_WIN32_H

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <commctrl.h>
#else
#include "platform/posix/win32_api.h"
#endif

#endif
