// Natively the plug-in is linked into the program that plays the host, and
// this module stands in for the loader: before main() it registers the module
// "kvdunvaro.dll" with the Win32 stand-in, with the six entry points under
// their plain names and the plug-in's compiled resources, so that the host
// finds the plug-in with LoadLibraryA and GetProcAddress as it would find the
// DLL file on Windows.
#ifndef KV_SHELL_POSIX_PLUGIN_MODULE_H
#define KV_SHELL_POSIX_PLUGIN_MODULE_H

#include <cstddef>

#include "platform/posix/testing.h"

constexpr const char* kPluginModuleName = "kvdunvaro.dll";

// The exports the module was registered with (what exports.def lists for the DLL).
extern const standin::ModuleExport kvPluginModuleExports[];
extern const size_t kvPluginModuleExportCount;

#endif
