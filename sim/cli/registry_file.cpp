#include "sim/cli/registry_file.h"

#include <filesystem>
#include <stdexcept>

#include "platform/posix/testing.h"

namespace cli {

void load_registry_file(const RegistryChoice& choice) {
  standin::clear_registry();
  std::error_code error;
  if (choice.fresh || choice.path.empty() || !std::filesystem::exists(choice.path, error)) return;
  if (std::filesystem::is_directory(choice.path, error))
    throw std::runtime_error(choice.path + ": is a folder, not a registry file");
  if (!standin::load_registry(choice.path.c_str()))
    throw std::runtime_error(choice.path +
                             ": cannot be read as a registry file (--fresh starts from no stored settings)");
}

std::string registry_file_text(const RegistryChoice& choice) {
  std::string text;
  if (!standin::save_registry_text(&text))
    throw std::runtime_error(choice.path + ": the registry holds a value name that the file cannot keep");
  return text;
}

}  // namespace cli
