// dunvaro-sim never loses a file: each row names a kind of target, what the
// run is asked to do with it, and what must be left afterwards. The run is
// the real program; the checks read the scratch folder.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <chrono>
#include <thread>
#include <vector>

#include "cli/sim_program.h"

namespace {

using namespace cli_test;

class OutputFiles : public DunvaroSim {
 public:
  // Starts `respace ARGUMENTS` with its standard output on `out`, its errors
  // on `err`.
  pid_t start(const std::vector<std::string>& arguments, int out, int err = STDERR_FILENO) const {
    const pid_t child = ::fork();
    if (child != 0) return child;
    ::dup2(out, STDOUT_FILENO);
    ::dup2(err, STDERR_FILENO);
    std::vector<std::string> words = {"dunvaro-sim", "respace"};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    ::execv(program_.c_str(), argv.data());
    ::_exit(127);
  }
  unsigned mode(const char* name) const {
    struct stat info {};
    ::stat(in_dir(name).c_str(), &info);
    return info.st_mode & 07777;
  }
  static unsigned new_file_mode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
  }
  bool is_score(const char* name) const { return read_file(dir_ / name).find("\"dunvaro-score\"") != std::string::npos; }
  // Every file in the scratch folder whose name has `part` in it.
  size_t files_named(const std::string& part) const {
    size_t n = 0;
    for (const auto& entry : fs::directory_iterator(dir_)) n += entry.path().filename().string().find(part) != std::string::npos;
    return n;
  }
};

// What a row makes in the scratch folder before the run, and what it must
// find there after: a file as it was made, a score the run wrote, a link.
enum Kind { SCORE, STUB, LINK, FOLDER };
enum Left { AS_MADE, RESPACED, STILL_A_LINK };
struct Made {
  const char* name;
  Kind kind;
  unsigned mode = 0;            // 0: as created
  const char* link_to = "";     // LINK
};
struct Found {
  const char* name;
  Left left;
};

TEST_F(OutputFiles, EachTargetIsLeftAsTheReportSays) {
  const std::string piano = read_file(example("piano.json"));
  const struct {
    const char* target;
    std::vector<Made> made;
    const char* arguments;  // after "respace"; @ is the scratch folder, $ the example piano score
    int status;
    const char* message;  // on standard error; "" when nothing may be said there
    std::vector<Found> found;
    size_t files;  // in the scratch folder afterwards
  } rows[] = {
      {"the registry file is the input score, --fresh", {{"my.json", SCORE}}, "@/my.json --registry @/my.json --fresh",
       2, "my.json: is the input score (given with --registry)", {{"my.json", AS_MADE}}, 1},
      {"-o and --registry name one file", {}, "$ --registry @/out.json -o @/out.json", 2,
       "out.json: given with -o and with --registry", {}, 0},
      {"--svg names the input through a link and another spelling", {{"p.json", SCORE}, {"again", LINK, 0, "."}},
       "@/p.json --registry @/r.txt --svg @/again/./p.json", 2, "is the input score (given with --svg)",
       {{"p.json", AS_MADE}}, 2},
      {"-o onto the input score: respaced in place", {{"p.json", SCORE}}, "@/p.json --registry @/r.txt -o @/p.json", 0,
       "", {{"p.json", RESPACED}}, 2},
      {"a read-only file (mode 444)", {{"ro.json", SCORE, 0444}}, "@/ro.json --registry @/r.txt -o @/ro.json", 2,
       "ro.json: the file is read-only (mode 444)", {{"ro.json", AS_MADE}}, 1},
      {"a private file (mode 600)", {{"own.json", STUB, 0600}}, "$ --registry @/r.txt -o @/own.json", 0, "",
       {{"own.json", RESPACED}}, 2},
      {"a symbolic link", {{"target.json", STUB}, {"link.json", LINK, 0, "target.json"}},
       "$ --registry @/r.txt -o @/link.json", 0, "", {{"link.json", STILL_A_LINK}, {"target.json", RESPACED}}, 3},
      {"a folder marked read-only (mode 555)", {{"locked", FOLDER, 0555}}, "$ --registry @/r.txt -o @/locked/out.json", 2,
       "cannot write in the folder", {}, 1},
      {"a good file and a full device", {}, "$ --registry @/r.txt -o @/good.json --svg /dev/full", 2,
       "/dev/full: cannot write the file: No space left on device", {}, 0},
      {"a settings folder that cannot be made", {{"home", STUB}},
       "$ --registry @/home/dunvaro-sim/registry.txt -o @/good.json", 2, "home is not a folder", {{"home", AS_MADE}}, 1},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.target);
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    for (const Made& m : row.made) {
      const fs::path path = dir_ / m.name;
      if (m.kind == LINK) fs::create_symlink(m.link_to, path);
      else if (m.kind == FOLDER) fs::create_directory(path);
      else std::ofstream(path) << (m.kind == SCORE ? piano : "{}");
      if (m.mode != 0) ::chmod(path.c_str(), m.mode);
    }
    std::string arguments = row.arguments;
    for (size_t at = arguments.find_first_of("@$"); at != std::string::npos; at = arguments.find_first_of("@$", at))
      arguments.replace(at, 1, arguments[at] == '@' ? dir_.string() : "'" + example("piano.json") + "' --pages all");
    const ProgramRun r = run("respace " + arguments);
    EXPECT_EQ(r.status, row.status) << r.out << r.err;
    if (*row.message != '\0') {
      EXPECT_NE(r.err.find(row.message), std::string::npos) << r.err;
    } else {
      EXPECT_EQ(r.err, "");
    }
    EXPECT_EQ(files_named(".dunvaro-sim-"), 0u) << "a temporary file left behind";
    for (const Found& f : row.found) {
      const Made* made = nullptr;
      for (const Made& m : row.made) made = std::string(m.name) == f.name ? &m : made;
      ASSERT_NE(made, nullptr) << f.name;
      if (f.left == STILL_A_LINK) {
        EXPECT_TRUE(fs::is_symlink(dir_ / f.name)) << f.name;
        continue;
      }
      EXPECT_EQ(mode(f.name), made->mode != 0 ? made->mode : new_file_mode()) << f.name;
      const std::string text = read_file(dir_ / f.name);
      if (f.left == AS_MADE) {
        EXPECT_EQ(text, made->kind == SCORE ? piano : "{}") << f.name;
      } else {
        EXPECT_TRUE(is_score(f.name) && text != piano) << f.name;
      }
    }
    for (const Made& m : row.made) {
      if (m.kind != FOLDER) continue;
      EXPECT_TRUE(fs::is_empty(dir_ / m.name)) << m.name;
      ::chmod(in_dir(m.name).c_str(), 0755);
    }
    EXPECT_EQ(files_written(), row.files);
  }
}

// A signal while the files are written: the run ends by the signal, no
// temporary file is left and no file is replaced. The drawing goes to a pipe
// that nobody reads yet, so the run waits there with the score's and the
// registry's temporary files complete.
TEST_F(OutputFiles, ASignalWhileTheFilesAreWrittenLeavesEveryFileAsItWas) {
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
    SCOPED_TRACE(signal);
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    std::ofstream(in_dir("out.json")) << "{}";
    ASSERT_EQ(::mkfifo(in_dir("pipe.svg").c_str(), 0600), 0);
    const int null = ::open("/dev/null", O_WRONLY);
    const pid_t child = start({example("piano.json"), "--pages", "all", "--registry", in_dir("r.txt"), "-o",
                               in_dir("out.json"), "--svg", in_dir("pipe.svg")},
                              null);
    ::close(null);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (files_named(".dunvaro-sim-") < 2 && std::chrono::steady_clock::now() < deadline)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(files_named(".dunvaro-sim-"), 2u) << "the score's and the registry's temporaries";
    ::kill(child, signal);
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
    EXPECT_EQ(files_named(".dunvaro-sim-"), 0u);
    EXPECT_EQ(read_file(dir_ / "out.json"), "{}");
    EXPECT_FALSE(fs::exists(dir_ / "r.txt"));
  }
}

// A reader that goes away before the report ends (| head, less quit early)
// costs no file: the run writes them all, says on standard error that the
// report was cut, and exits 3.
TEST_F(OutputFiles, AReportReaderThatGoesAwayCostsNoFile) {
  int pipe_ends[2];
  ASSERT_EQ(::pipe(pipe_ends), 0);
  ::close(pipe_ends[0]);  // gone before the first line
  const int err = ::open(in_dir("err.txt").c_str(), O_WRONLY | O_CREAT, 0644);
  const pid_t child = start({example("piano.json"), "--pages", "all", "--registry", in_dir("r.txt"), "-o",
                             in_dir("o.json"), "--svg", in_dir("o.svg")},
                            pipe_ends[1], err);
  ::close(pipe_ends[1]);
  ::close(err);
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 3) << status;
  EXPECT_NE(read_file(dir_ / "err.txt").find("the report could not be written in full"), std::string::npos);
  EXPECT_TRUE(is_score("o.json"));
  EXPECT_TRUE(fs::exists(dir_ / "o.svg"));
  EXPECT_TRUE(fs::exists(dir_ / "r.txt"));
}

}  // namespace
