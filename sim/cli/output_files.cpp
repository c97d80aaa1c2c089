#include "sim/cli/output_files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "sim/cli/cli_options.h"

namespace cli {

void check_output_directory(const std::string& path) {
  const std::filesystem::path parent = std::filesystem::path(path).parent_path();
  std::error_code error;
  if (!parent.empty() && !std::filesystem::is_directory(parent, error))
    throw UsageError(path + ": the directory " + parent.string() + " does not exist");
}

void write_file(const std::string& path, const std::string& text) {
  const std::string temporary = path + ".tmp";
  std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
  if (!out) throw std::runtime_error(path + ": cannot create the file: " + std::strerror(errno));
  out << text;
  out.close();
  if (!out || std::rename(temporary.c_str(), path.c_str()) != 0) {
    const int error = errno;
    std::remove(temporary.c_str());
    throw std::runtime_error(path + ": cannot write the file: " + std::strerror(error));
  }
}

}  // namespace cli
