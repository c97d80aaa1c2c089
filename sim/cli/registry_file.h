// The plug-in's stored settings between runs of dunvaro-sim: the stand-in's
// registry kept in a text file (standin::save_registry's format), as the
// Windows registry keeps them between sessions of the host.
#ifndef SIM_CLI_REGISTRY_FILE_H
#define SIM_CLI_REGISTRY_FILE_H

#include "sim/cli/cli_options.h"

namespace cli {

// Replaces the stand-in's registry with the file's; an empty registry when the
// choice is fresh, has no path, or the file does not exist yet. Throws
// std::runtime_error naming the file when it exists and cannot be read as one.
void load_registry_file(const RegistryChoice& choice);

// Writes the stand-in's registry to the file (nothing without a path),
// creating its folder when missing. Throws std::runtime_error naming the file.
void save_registry_file(const RegistryChoice& choice);

}  // namespace cli

#endif
