// write_outputs(): all files of a plan written together (output_files.h).
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <filesystem>
#include <stdexcept>

#include "sim/cli/output_files.h"

namespace cli {
namespace {

namespace fs = std::filesystem;

// The temporary files a signal must remove, in storage the handler may read:
// the paths are copied in before any file is made, and a slot counts only
// while its file exists.
constexpr size_t kMostFiles = 8;
char g_temporaries[kMostFiles][PATH_MAX];
volatile sig_atomic_t g_made[kMostFiles];
constexpr int kCleanUpSignals[] = {SIGINT, SIGTERM, SIGHUP};

extern "C" void remove_temporaries(int signal) {
  for (size_t i = 0; i < kMostFiles; ++i)
    if (g_made[i] != 0) ::unlink(g_temporaries[i]);
  // The handler was reset on entry (SA_RESETHAND): the signal now ends the
  // program as it would have without us.
  ::raise(signal);
}

// Blocks the clean-up signals while it lives, so that a step runs whole.
class SignalsHeld {
 public:
  SignalsHeld() {
    sigset_t set;
    sigemptyset(&set);
    for (int s : kCleanUpSignals) sigaddset(&set, s);
    sigprocmask(SIG_BLOCK, &set, &previous_);
  }
  ~SignalsHeld() { sigprocmask(SIG_SETMASK, &previous_, nullptr); }
  SignalsHeld(const SignalsHeld&) = delete;
  SignalsHeld& operator=(const SignalsHeld&) = delete;

 private:
  sigset_t previous_;
};

// The handler installed for the time the files are written.
class CleanUpOnSignals {
 public:
  CleanUpOnSignals() {
    struct sigaction action {};
    action.sa_handler = remove_temporaries;
    action.sa_flags = SA_RESETHAND | SA_NODEFER;
    sigemptyset(&action.sa_mask);
    for (size_t i = 0; i < std::size(kCleanUpSignals); ++i) sigaction(kCleanUpSignals[i], &action, &previous_[i]);
  }
  ~CleanUpOnSignals() {
    for (size_t i = 0; i < std::size(kCleanUpSignals); ++i) sigaction(kCleanUpSignals[i], &previous_[i], nullptr);
  }
  CleanUpOnSignals(const CleanUpOnSignals&) = delete;
  CleanUpOnSignals& operator=(const CleanUpOnSignals&) = delete;

 private:
  struct sigaction previous_[std::size(kCleanUpSignals)];
};

[[noreturn]] void fail(const std::string& path, const std::string& problem, int error) {
  throw std::runtime_error(path + ": " + problem + ": " + std::strerror(error));
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

void write_in_place(const PlannedFile& file, const std::string& text) {
  const int fd = ::open(file.target.c_str(), O_WRONLY | O_TRUNC);
  if (fd < 0) fail(file.given.path, "cannot open the file", errno);
  const bool written = write_all(fd, text);
  const int error = errno;
  if (::close(fd) != 0 || !written) fail(file.given.path, "cannot write the file", written ? errno : error);
}

// The file's temporary, complete on disk, with the mode and owner of the file
// it replaces.
void write_temporary(size_t slot, const PlannedFile& file, const std::string& text) {
  int fd = -1;
  {
    const SignalsHeld held;
    fd = ::open(file.temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
    if (fd >= 0) g_made[slot] = 1;
  }
  if (fd < 0) fail(file.given.path, "cannot create a file in " + fs::path(file.target).parent_path().string(), errno);
  bool ok = true;
  if (file.exists) {
    ok = ::fchmod(fd, mode_t(file.mode)) == 0;
    if (::fchown(fd, uid_t(file.owner), gid_t(file.group)) != 0) {
      // Only root may give a file away; the user's own file keeps its owner anyway.
    }
  }
  ok = ok && write_all(fd, text) && ::fsync(fd) == 0;
  const int error = errno;
  if (::close(fd) != 0 || !ok) fail(file.given.path, "cannot write the file", ok ? errno : error);
}

void make_folders(const PlannedFile& file) {
  if (!file.given.creates_folders) return;
  const fs::path folder = fs::path(file.target).parent_path();
  std::error_code error;
  if (!folder.empty()) fs::create_directories(folder, error);
  if (error) throw std::runtime_error(file.given.path + ": cannot create the folder " + folder.string() + ": " + error.message());
}

void remove_made() {
  const SignalsHeld held;
  for (size_t i = 0; i < kMostFiles; ++i)
    if (g_made[i] != 0) {
      ::unlink(g_temporaries[i]);
      g_made[i] = 0;
    }
}

// Renames every temporary into place, none interrupted by a signal. A
// rename that fails (after the checks made, only a fault of the system) stops
// there, saying which files were replaced already.
void rename_all(const std::vector<const PlannedFile*>& files) {
  const SignalsHeld held;
  std::string done;
  for (size_t i = 0; i < files.size(); ++i) {
    const PlannedFile& file = *files[i];
    if (file.temporary.empty()) continue;
    if (std::rename(file.temporary.c_str(), file.target.c_str()) != 0) {
      const int error = errno;
      remove_made();
      fail(file.given.path, "cannot replace the file" + (done.empty() ? "" : " (written already:" + done + ")"), error);
    }
    g_made[i] = 0;
    done += " " + file.given.path;
  }
}

}  // namespace

void write_outputs(const OutputPlan& plan, const std::map<std::string, std::string>& texts, std::ostream& out) {
  std::vector<const PlannedFile*> files;
  std::vector<const std::string*> contents;
  for (const PlannedFile& file : plan.files) {
    const auto text = texts.find(file.given.option);
    if (text == texts.end()) continue;
    files.push_back(&file);
    contents.push_back(&text->second);
  }
  if (files.size() > kMostFiles) throw std::logic_error("write_outputs: more files than slots");
  for (size_t i = 0; i < files.size(); ++i) {
    std::strncpy(g_temporaries[i], files[i]->temporary.c_str(), PATH_MAX - 1);
    g_made[i] = 0;
  }
  const CleanUpOnSignals clean_up;
  try {
    for (size_t i = 0; i < files.size(); ++i) {
      if (files[i]->temporary.empty()) continue;
      make_folders(*files[i]);
      write_temporary(i, *files[i], *contents[i]);
    }
    // A device cannot be put back: it is written when everything else is
    // ready, so that its failure still leaves every file as it was.
    for (size_t i = 0; i < files.size(); ++i)
      if (files[i]->temporary.empty()) write_in_place(*files[i], *contents[i]);
  } catch (...) {
    remove_made();
    throw;
  }
  rename_all(files);
  for (const PlannedFile* file : files) out << "Wrote " << file->given.path << "\n";
}

}  // namespace cli
