// dunvaro-sim run as a user runs it: the program built next to the test
// executable, in a scratch folder of its own, with its settings kept outside
// that folder so that the tests can count the files a run leaves.
#ifndef TESTS_CLI_SIM_PROGRAM_H
#define TESTS_CLI_SIM_PROGRAM_H

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace cli_test {

namespace fs = std::filesystem;

inline fs::path examples_dir() { return fs::path(__FILE__).parent_path().parent_path().parent_path() / "examples"; }
inline std::string example(const char* name) { return (examples_dir() / name).string(); }

inline std::string read_file(const fs::path& path) {
  std::ifstream in(path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

struct ProgramRun {
  int status = -1;  // the exit status; 128 + the signal when a signal ended it
  std::string out;
  std::string err;
};

class DunvaroSim : public testing::Test {
 public:  // the rows of table-driven tests reach the scratch folder too
  void SetUp() override {
    program_ = fs::read_symlink("/proc/self/exe").parent_path() / "dunvaro-sim";
    ASSERT_TRUE(fs::exists(program_)) << program_ << " is built with the tests (target dunvaro-sim)";
    dir_ = fs::temp_directory_path() / ("dunvaro_sim_test_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    fs::remove_all(dir_);
    fs::remove_all(config_dir());
  }
  // Where the program keeps its settings during the test, outside the scratch
  // directory whose files the tests count.
  fs::path config_dir() const { return dir_.string() + "_config"; }

  // Runs the program with `arguments` (shell words) through the shell;
  // `around` wraps the command ("%" stands for it), e.g. "% < in.json".
  ProgramRun run(const std::string& arguments, const std::string& around = "%") {
    const fs::path out = dir_ / "stdout.txt";
    const fs::path err = dir_ / "stderr.txt";
    std::string command = "XDG_CONFIG_HOME='" + config_dir().string() + "' '" + program_.string() + "' " + arguments;
    std::string wrapped = around;
    wrapped.replace(wrapped.find('%'), 1, command);
    const std::string line = "(" + wrapped + ") >'" + out.string() + "' 2>'" + err.string() + "'";
    const int raw = std::system(line.c_str());
    ProgramRun result;
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.out = read_file(out);
    result.err = read_file(err);
    fs::remove(out);
    fs::remove(err);
    return result;
  }

  std::string in_dir(const char* name) const { return (dir_ / name).string(); }
  // Files the runs left in the scratch directory.
  size_t files_written() const {
    size_t n = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir_)) ++n;
    return n;
  }

  fs::path program_;
  fs::path dir_;
};

}  // namespace cli_test

#endif
