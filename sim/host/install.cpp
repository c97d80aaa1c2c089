// Installing a host natively: the stand-in's module table plays the loader, so
// the host's exports are registered under the module name the plug-in looks for.
#include <vector>

#include "platform/posix/testing.h"
#include "sim/host/dispatch.h"
#include "sim/host/exports.h"
#include "sim/host/sim_host.h"

namespace sim {

void install(Host& host, const InstallOptions& options) {
  std::vector<standin::ModuleExport> exports;
  for (size_t i = 0; i < export_count(); ++i) {
    const ExportEntry& entry = export_table()[i];
    if (options.omitted_exports.count(entry.name) == 0) exports.push_back({entry.name, entry.address});
  }
  // A module once registered stays: the plug-in keeps its handle for the life
  // of the process, as it may keep the executable's handle on Windows.
  standin::register_module(options.module_name.c_str(), exports.data(), exports.size());
  detail::make_installed(host);
  host.windows();
}

}  // namespace sim
