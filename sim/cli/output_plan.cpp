// plan_outputs(): which file each output path really names, and whether it
// may be written (output_files.h).
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>

#include "sim/cli/cli_options.h"
#include "sim/cli/output_files.h"

namespace cli {
namespace {

namespace fs = std::filesystem;

constexpr int kMostLinks = 40;  // as the kernel follows them

// What a path names: an existing file by device and inode, a file still to be
// made by its folder's canonical path and its name.
struct Identity {
  bool exists = false;
  dev_t device = 0;
  ino_t inode = 0;
  std::string spelled;
  bool operator==(const Identity& other) const {
    return exists == other.exists && (exists ? device == other.device && inode == other.inode : spelled == other.spelled);
  }
};

std::string folder_of(const fs::path& path) {
  const fs::path parent = path.parent_path();
  return parent.empty() ? "." : parent.string();
}

// `path` with every symbolic link followed, also one that points nowhere
// (then the file it names is made).
std::string follow_links(const std::string& path) {
  fs::path at = path;
  for (int i = 0; i < kMostLinks; ++i) {
    struct stat info;
    if (::lstat(at.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return at.string();
    const fs::path target = fs::read_symlink(at);
    at = target.is_absolute() ? target : at.parent_path() / target;
  }
  throw UsageError(path + ": too many levels of symbolic links");
}

Identity identity_of(const std::string& path) {
  Identity id;
  struct stat info;
  if (::stat(path.c_str(), &info) == 0) {
    id.exists = true;
    id.device = info.st_dev;
    id.inode = info.st_ino;
    return id;
  }
  std::error_code error;
  const fs::path spelled = fs::weakly_canonical(fs::absolute(path, error), error);
  id.spelled = error ? path : spelled.string();
  return id;
}

std::optional<Identity> input_identity(const std::string& input) {
  if (input.empty()) return std::nullopt;
  if (input != "-") return identity_of(input);
  struct stat info;
  if (::fstat(STDIN_FILENO, &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  Identity id;
  id.exists = true;
  id.device = info.st_dev;
  id.inode = info.st_ino;
  return id;
}

// Writable as the user means it: the system allows it (access()) and the mode
// grants write permission to someone, so that a file or folder marked
// read-only is not written even by root.
bool writable(const std::string& path, const struct stat& info) {
  return ::access(path.c_str(), W_OK) == 0 && (info.st_mode & 0222) != 0;
}

std::string mode_text(mode_t mode) {
  char text[8];
  std::snprintf(text, sizeof text, "%03o", unsigned(mode & 07777));
  return text;
}

// The folder a new file goes into must exist (or be made, for a file that
// creates its folders: then its nearest existing folder) and be writable.
void check_folder(const OutputFile& file, const std::string& target) {
  fs::path folder = folder_of(target);
  struct stat info;
  while (::stat(folder.c_str(), &info) != 0) {
    if (!file.creates_folders) throw UsageError(file.path + ": the folder " + folder.string() + " does not exist");
    const fs::path up = folder.parent_path();
    folder = up.empty() || up == folder ? fs::path(".") : up;
  }
  if (!S_ISDIR(info.st_mode)) throw UsageError(file.path + ": " + folder.string() + " is not a folder");
  if (!writable(folder.string(), info))
    throw UsageError(file.path + ": cannot write in the folder " + folder.string() +
                     ((info.st_mode & 0222) == 0 ? " (it is read-only, mode " + mode_text(info.st_mode) + ")"
                                                 : ": " + std::string(std::strerror(errno))));
}

PlannedFile plan_one(const OutputFile& file) {
  PlannedFile planned;
  planned.given = file;
  struct stat info;
  // A device or pipe is opened by the path given, whose links the system
  // follows (/dev/stdout leads to a pipe that no path names).
  const bool in_place = ::stat(file.path.c_str(), &info) == 0 && !S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode);
  planned.target = in_place ? file.path : follow_links(file.path);
  if (::stat(planned.target.c_str(), &info) == 0) {
    planned.exists = true;
    planned.mode = info.st_mode & 07777;
    planned.owner = info.st_uid;
    planned.group = info.st_gid;
    if (S_ISDIR(info.st_mode)) throw UsageError(file.path + ": is a folder, not a file");
    if (!writable(planned.target, info))
      throw UsageError(file.path + ": the file is read-only (mode " + mode_text(info.st_mode) +
                       "); it is not replaced");
    if (!S_ISREG(info.st_mode)) return planned;  // a device or pipe, written in place
  }
  check_folder(file, planned.target);
  planned.temporary = planned.target + ".dunvaro-sim-" + std::to_string(::getpid());
  if (planned.temporary.size() >= PATH_MAX) throw UsageError(file.path + ": the path is too long");
  return planned;
}

}  // namespace

OutputPlan plan_outputs(const std::string& input, const std::vector<OutputFile>& files) {
  OutputPlan plan;
  std::vector<Identity> seen;
  const std::optional<Identity> read = input_identity(input);
  for (const OutputFile& file : files) {
    if (file.path.empty()) continue;
    PlannedFile planned = plan_one(file);
    const Identity id = identity_of(planned.target);
    const bool device = planned.exists && planned.temporary.empty();
    if (read && *read == id && !device && !file.replaces_input)
      throw UsageError(file.path + ": is the input score (given with " + file.option +
                       "); only -o may write over the input score");
    for (size_t i = 0; i < seen.size(); ++i)
      if (seen[i] == id && !device)
        throw UsageError(file.path + ": given with " + plan.files[i].given.option + " and with " + file.option +
                         ": these must be different files");
    seen.push_back(id);
    plan.files.push_back(std::move(planned));
  }
  return plan;
}

}  // namespace cli
