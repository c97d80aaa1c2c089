// The plug-in's stored settings between runs of dunvaro-sim: the stand-in's
// registry kept in a text file (standin::save_registry's format), as the
// Windows registry keeps them between sessions of the host.
#ifndef SIM_CLI_REGISTRY_FILE_H
#define SIM_CLI_REGISTRY_FILE_H

#include <string>

#include "sim/cli/cli_options.h"

namespace cli {

// Replaces the stand-in's registry with the file's; an empty registry when the
// choice is fresh, has no path, or the file does not exist yet. Throws
// std::runtime_error naming the file when it exists and cannot be read as one.
void load_registry_file(const RegistryChoice& choice);

// The stand-in's registry as the file keeps it. Throws std::runtime_error
// naming the file when it cannot be put in one.
std::string registry_file_text(const RegistryChoice& choice);

}  // namespace cli

#endif
