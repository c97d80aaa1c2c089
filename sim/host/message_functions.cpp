// FX_AlertMessage: arguments 0, 0, 0, the text, the version. The host shows the
// text; here it is kept for tests to read (Host::alerts()).
#include "sim/host/sim_host.h"

namespace sim {

void add_message_functions(Host& host) {
  host.set_builtin("FX_AlertMessage", [&host](const Args& a) -> FxWord {
    const char* text = reinterpret_cast<const char*>(a[3]);
    host.add_alert(text != nullptr ? text : "");
    return 1;
  });
}

}  // namespace sim
