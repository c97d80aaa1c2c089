#include "sim/cli/output_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <stdexcept>

#include "sim/cli/cli_options.h"

namespace cli {
namespace {

namespace fs = std::filesystem;

[[noreturn]] void fail(const std::string& path, const std::string& problem, int error) {
  throw std::runtime_error(path + ": " + problem + ": " + std::strerror(error));
}

std::string folder_of(const std::string& path) {
  const fs::path parent = fs::path(path).parent_path();
  return parent.empty() ? "." : parent.string();
}

bool is_special(const std::string& path) {
  struct stat info;
  return ::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode);
}

bool write_all(int fd, const std::string& text) {
  size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += size_t(n);
  }
  return true;
}

void write_in_place(const std::string& path, const std::string& text) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC);
  if (fd < 0) fail(path, "cannot open the file", errno);
  const bool written = write_all(fd, text);
  const int error = errno;
  if (::close(fd) != 0 || !written) fail(path, "cannot write the file", written ? errno : error);
}

// A new file beside `path`, created with the permissions a new file gets.
std::string temporary_beside(const std::string& path) {
  std::string name = path + ".XXXXXX";
  const int fd = ::mkstemp(name.data());
  if (fd < 0) fail(path, "cannot create a file in " + folder_of(path), errno);
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(fd, 0666 & ~mask);
  ::close(fd);
  return name;
}

}  // namespace

void check_output_path(const std::string& path) {
  const std::string folder = folder_of(path);
  std::error_code error;
  if (fs::is_directory(path, error)) throw UsageError(path + ": is a folder, not a file");
  if (!fs::is_directory(folder, error)) throw UsageError(path + ": the folder " + folder + " does not exist");
  if (!is_special(path) && ::access(folder.c_str(), W_OK) != 0)
    throw UsageError(path + ": cannot write in the folder " + folder + ": " + std::strerror(errno));
}

void write_file_with(const std::string& path, const std::function<bool(const std::string&)>& writer) {
  std::error_code error;
  if (fs::is_directory(path, error)) throw std::runtime_error(path + ": is a folder, not a file");
  const std::string temporary = temporary_beside(path);
  if (!writer(temporary)) {
    const int code = errno;
    std::remove(temporary.c_str());
    fail(path, "cannot write the file", code != 0 ? code : EIO);
  }
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    const int code = errno;
    std::remove(temporary.c_str());
    fail(path, "cannot write the file", code);
  }
}

void write_file(const std::string& path, const std::string& text) {
  if (is_special(path)) return write_in_place(path, text);
  write_file_with(path, [&text](const std::string& temporary) {
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_TRUNC);
    if (fd < 0) return false;
    const bool written = write_all(fd, text) && ::fsync(fd) == 0;
    const int error = errno;
    const bool closed = ::close(fd) == 0;
    errno = written ? errno : error;
    return written && closed;
  });
}

}  // namespace cli
