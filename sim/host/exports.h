// The simulated host's exported functions: one per host function of
// fx_entry_table.h, named sim_FX_... (the plug-in's own entries own the FX_...
// names in this process). install() registers them under the host's names.
//
// Each export counts and logs the call and hands the argument words to the
// installed host (sim_host.h); without an installed host it answers 0.
#ifndef SIM_HOST_EXPORTS_H
#define SIM_HOST_EXPORTS_H

#include <cstddef>
#include <string>

#include "host/host_abi.h"
#include "platform/win32.h"

// C names, so that FINALE.EXE's .def can export them under the host's names.
extern "C" {
#define FX_ENTRY(name, result, missing, answer, written, ...) \
  FxWord FXAPI sim_##name(FX_NAMED_PARAMS(FX_HOST_TYPE_, __VA_ARGS__));
#include "host/fx_entry_table.h"
#undef FX_ENTRY
}

namespace sim {

struct ExportEntry {
  const char* name;  // the host's name, FX_...
  FARPROC address;
};

// Every host function, in the order of fx_entry_table.h.
const ExportEntry* export_table();
size_t export_count();
// The position of `name` in export_table(), or -1 when the host has no such function.
int export_index(const std::string& name);

}  // namespace sim

#endif
