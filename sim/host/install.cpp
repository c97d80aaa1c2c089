// Which host the exports serve, and the module that makes them visible to the
// plug-in's binding code (GetModuleHandleA + GetProcAddress).
#include <vector>

#include "platform/posix/testing.h"
#include "sim/host/dispatch.h"
#include "sim/host/exports.h"
#include "sim/host/sim_host.h"

namespace sim {
namespace {

Host* current_host = nullptr;

}  // namespace

void install(Host& host, const InstallOptions& options) {
  std::vector<standin::ModuleExport> exports;
  for (size_t i = 0; i < export_count(); ++i) {
    const ExportEntry& entry = export_table()[i];
    if (options.omitted_exports.count(entry.name) == 0) exports.push_back({entry.name, entry.address});
  }
  // A module once registered stays: the plug-in keeps its handle for the life
  // of the process, as it may keep the executable's handle on Windows.
  standin::register_module(options.module_name.c_str(), exports.data(), exports.size());
  current_host = &host;
  host.windows();
}

Host* installed_host() { return current_host; }

namespace detail {

FxWord dispatch(int index, const Args& args) {
  if (current_host == nullptr) return 0;
  Host& host = *current_host;
  const size_t traced = host.log().begin(export_table()[index].name, args);
  const FxWord result = host.faults().on_call(index, args) ? failing_answer(index) : host.answer(index, args);
  host.log().finish(traced, result);
  return result;
}

void forget_host(const Host* host) {
  if (current_host == host) current_host = nullptr;
}

}  // namespace detail
}  // namespace sim
