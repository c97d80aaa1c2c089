// Installing a host in FINALE.EXE: the executable itself exports the host's
// functions (finale_exports.def), so installing only makes the host the one
// they serve. A real executable cannot leave exports out or change its name.
#include <stdexcept>

#include "sim/host/dispatch.h"
#include "sim/host/sim_host.h"

namespace sim {

void install(Host& host, const InstallOptions& options) {
  if (!options.omitted_exports.empty())
    throw std::invalid_argument("FINALE.EXE exports every host function; none can be left out");
  if (GetModuleHandleA(options.module_name.c_str()) != GetModuleHandleA(nullptr))
    throw std::invalid_argument("this executable is not named " + options.module_name);
  detail::make_installed(host);
  host.windows();
}

}  // namespace sim
