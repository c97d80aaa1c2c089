// Between the exports and the installed host (host_dispatch.cpp); install()
// makes a host the installed one.
#ifndef SIM_HOST_DISPATCH_H
#define SIM_HOST_DISPATCH_H

#include "sim/host/call_log.h"

namespace sim {
class Host;
namespace detail {

// Logs the call with the installed host and answers what its handler for the
// export at `index` answers; 0 when no host is installed.
FxWord dispatch(int index, const Args& args);

// Makes `host` the one the exports serve (install() calls it).
void make_installed(Host& host);

// Called by a host that goes away, so the exports never reach a dead host.
void forget_host(const Host* host);

}  // namespace detail
}  // namespace sim

#endif
