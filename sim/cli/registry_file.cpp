#include "sim/cli/registry_file.h"

#include <filesystem>
#include <stdexcept>

#include "platform/posix/testing.h"
#include "sim/cli/output_files.h"

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

void save_registry_file(const RegistryChoice& choice) {
  if (choice.path.empty()) return;
  const std::filesystem::path folder = std::filesystem::path(choice.path).parent_path();
  std::error_code error;
  if (!folder.empty()) std::filesystem::create_directories(folder, error);
  if (error) throw std::runtime_error(choice.path + ": cannot create the folder " + folder.string() + ": " + error.message());
  write_file_with(choice.path, [](const std::string& temporary) { return standin::save_registry(temporary.c_str()); });
}

}  // namespace cli
