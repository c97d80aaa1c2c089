#include "shell/posix/plugin_module.h"

#include "shell/entry_points.h"

// The .res image of the plug-in's resource scripts (kv_plugin_resources).
extern const unsigned char kvPluginResourceFile[];
extern const size_t kvPluginResourceFileSize;

namespace {

// Through the generic function pointer type, as the loader hands out addresses.
template <typename Function>
FARPROC export_address(Function function) {
  return reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(function));
}

}  // namespace

const standin::ModuleExport kvPluginModuleExports[] = {
    {"FinaleExtensionVersion", export_address(&FinaleExtensionVersion)},
    {"FinaleExtensionInit", export_address(&FinaleExtensionInit)},
    {"FinaleExtensionEnumerate", export_address(&FinaleExtensionEnumerate)},
    {"FinaleExtensionGetMenuStatus", export_address(&FinaleExtensionGetMenuStatus)},
    {"FinaleExtensionInvoke", export_address(&FinaleExtensionInvoke)},
    {"FinaleExtensionTerminate", export_address(&FinaleExtensionTerminate)},
};
const size_t kvPluginModuleExportCount = sizeof kvPluginModuleExports / sizeof kvPluginModuleExports[0];

namespace {

struct PluginModuleRegistration {
  PluginModuleRegistration() {
    standin::register_module(kPluginModuleName, kvPluginModuleExports, kvPluginModuleExportCount);
    standin::register_module_resources(kPluginModuleName, kvPluginResourceFile, kvPluginResourceFileSize);
  }
};

const PluginModuleRegistration registration;

}  // namespace
