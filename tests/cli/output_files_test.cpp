// dunvaro-sim never loses a file: each row names a kind of target, what the
// run is asked to do with it, and what must be left afterwards. The run is
// the real program; the checks read the scratch folder.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <chrono>
#include <functional>
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
  bool is_score(const char* name) const { return read_file(dir_ / name).find("\"dunvaro-score\"") != std::string::npos; }
  // Every file in the scratch folder whose name has `part` in it.
  size_t files_named(const std::string& part) const {
    size_t n = 0;
    for (const auto& entry : fs::directory_iterator(dir_)) n += entry.path().filename().string().find(part) != std::string::npos;
    return n;
  }
};

TEST_F(OutputFiles, EachTargetIsLeftAsTheReportSays) {
  const std::string piano = read_file(example("piano.json"));
  struct Row {
    const char* target;  // the kind of target
    std::function<void(OutputFiles&)> prepare;
    std::string arguments;  // after "respace", with @ for the scratch folder
    int status;
    const char* message;  // on standard error; "" when nothing may be said there
    std::function<void(OutputFiles&)> left;
  };
  const auto score_at = [&piano](const char* name) {
    return [&piano, name](OutputFiles& t) { std::ofstream(t.in_dir(name)) << piano; };
  };
  const Row rows[] = {
      {"the registry file is the input score, --fresh", score_at("my.json"), "@/my.json --registry @/my.json --fresh", 2,
       "my.json: is the input score (given with --registry)",
       [&piano](OutputFiles& t) { EXPECT_EQ(read_file(t.dir_ / "my.json"), piano); EXPECT_EQ(t.files_written(), 1u); }},
      {"-o and --registry name one file", score_at("p.json"), "@/p.json --registry @/out.json --pages all -o @/out.json", 2,
       "out.json: given with -o and with --registry", [](OutputFiles& t) { EXPECT_EQ(t.files_written(), 1u); }},
      {"--svg names the input through a link and another spelling",
       [&piano](OutputFiles& t) {
         std::ofstream(t.in_dir("p.json")) << piano;
         fs::create_directory_symlink(t.dir_, t.dir_ / "again");
       },
       "@/p.json --registry @/r.txt --svg @/again/./p.json", 2, "is the input score (given with --svg)",
       [&piano](OutputFiles& t) { EXPECT_EQ(read_file(t.dir_ / "p.json"), piano); EXPECT_EQ(t.files_written(), 2u); }},
      {"-o onto the input score: respaced in place", score_at("p.json"), "@/p.json --registry @/r.txt --pages all -o @/p.json",
       0, "", [&piano](OutputFiles& t) { EXPECT_TRUE(t.is_score("p.json")); EXPECT_NE(read_file(t.dir_ / "p.json"), piano); }},
      {"a read-only file (mode 444)",
       [&piano](OutputFiles& t) {
         std::ofstream(t.in_dir("ro.json")) << piano;
         ::chmod(t.in_dir("ro.json").c_str(), 0444);
       },
       "@/ro.json --registry @/r.txt --pages all -o @/ro.json", 2, "ro.json: the file is read-only (mode 444)",
       [&piano](OutputFiles& t) {
         EXPECT_EQ(read_file(t.dir_ / "ro.json"), piano);
         EXPECT_EQ(t.mode("ro.json"), 0444u);
         EXPECT_EQ(t.files_written(), 1u);
       }},
      {"a private file (mode 600)",
       [&piano](OutputFiles& t) {
         std::ofstream(t.in_dir("own.json")) << "{}";
         ::chmod(t.in_dir("own.json").c_str(), 0600);
       },
       "'" + example("piano.json") + "' --registry @/r.txt --pages all -o @/own.json", 0, "",
       [](OutputFiles& t) { EXPECT_TRUE(t.is_score("own.json")); EXPECT_EQ(t.mode("own.json"), 0600u); }},
      {"a symbolic link", [](OutputFiles& t) {
         std::ofstream(t.in_dir("target.json")) << "{}";
         fs::create_symlink("target.json", t.dir_ / "link.json");
       },
       "'" + example("piano.json") + "' --registry @/r.txt --pages all -o @/link.json", 0, "",
       [](OutputFiles& t) {
         EXPECT_TRUE(fs::is_symlink(t.dir_ / "link.json"));
         EXPECT_TRUE(t.is_score("target.json"));
       }},
      {"a folder marked read-only (mode 555)", [](OutputFiles& t) {
         fs::create_directory(t.dir_ / "locked");
         ::chmod(t.in_dir("locked").c_str(), 0555);
       },
       "'" + example("piano.json") + "' --registry @/r.txt -o @/locked/out.json", 2, "cannot write in the folder",
       [](OutputFiles& t) {
         EXPECT_TRUE(fs::is_empty(t.dir_ / "locked"));
         ::chmod(t.in_dir("locked").c_str(), 0755);
       }},
      {"a good file and a full device", nullptr,
       "'" + example("piano.json") + "' --registry @/r.txt -o @/good.json --svg /dev/full", 2,
       "/dev/full: cannot write the file: No space left on device",
       [](OutputFiles& t) { EXPECT_EQ(t.files_written(), 0u); }},
      {"a settings folder that cannot be made", [](OutputFiles& t) { std::ofstream(t.in_dir("home")) << ""; },
       "'" + example("piano.json") + "' --registry @/home/dunvaro-sim/registry.txt -o @/good.json", 2,
       "home is not a folder", [](OutputFiles& t) { EXPECT_EQ(t.files_written(), 1u); }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.target);
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    if (row.prepare) row.prepare(*this);
    std::string arguments = row.arguments;
    for (size_t at = arguments.find('@'); at != std::string::npos; at = arguments.find('@', at))
      arguments.replace(at, 1, dir_.string());
    const ProgramRun r = run("respace " + arguments);
    EXPECT_EQ(r.status, row.status) << r.out << r.err;
    if (*row.message != '\0') {
      EXPECT_NE(r.err.find(row.message), std::string::npos) << r.err;
    } else {
      EXPECT_EQ(r.err, "");
    }
    EXPECT_EQ(files_named(".dunvaro-sim-"), 0u) << "a temporary file left behind";
    row.left(*this);
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
