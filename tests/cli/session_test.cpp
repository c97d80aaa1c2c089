// dunvaro-sim session end to end: the example sessions hold their own expect
// lines, and a script at fault is refused with its line before anything is
// written.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

const fs::path kExamples = fs::path(__FILE__).parent_path().parent_path().parent_path() / "examples";

std::string read_file(const fs::path& path) {
  std::ifstream in(path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

struct Played {
  int status = -1;
  std::string out;
  std::string err;
};

class Session : public testing::Test {
 protected:
  void SetUp() override {
    program_ = fs::read_symlink("/proc/self/exe").parent_path() / "dunvaro-sim";
    ASSERT_TRUE(fs::exists(program_)) << program_;
    dir_ = fs::temp_directory_path() / ("dunvaro_session_test_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_ / "out");
  }
  void TearDown() override { fs::remove_all(dir_); }

  // Plays `script` (a path) over `score` with a registry of the test's own,
  // writing the score and the drawing into the folder out/.
  Played play(const fs::path& score, const fs::path& script, const std::string& more = "") {
    const fs::path out = dir_ / "stdout.txt", err = dir_ / "stderr.txt";
    const fs::path files = dir_ / "out";
    const std::string command = "'" + program_.string() + "' session '" + score.string() + "' '" + script.string() +
                                "' --fresh --registry '" + (files / "registry.txt").string() + "' -o '" +
                                (files / "score.json").string() + "' --svg '" + (files / "dialog.svg").string() +
                                "' " + more + " >'" + out.string() + "' 2>'" + err.string() + "'";
    const int raw = std::system(command.c_str());
    return Played{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, read_file(out), read_file(err)};
  }
  Played play_text(const std::string& script, const char* score = "piano.json") {
    std::ofstream(dir_ / "script.txt") << script;
    return play(kExamples / score, dir_ / "script.txt");
  }
  size_t files_written() const {
    return size_t(std::distance(fs::directory_iterator(dir_ / "out"), fs::directory_iterator()));
  }

  fs::path program_;
  fs::path dir_;
};

// Each example names its score in a line "# dunvaro-sim session examples/SCORE examples/SCRIPT".
TEST_F(Session, EveryExampleHoldsItsExpectationsAndDrawsEachChange) {
  int examples = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(kExamples)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind("session-", 0) != 0) continue;
    ++examples;
    const std::string script = read_file(entry.path());
    const size_t at = script.find("# dunvaro-sim session examples/");
    ASSERT_NE(at, std::string::npos) << name << " names its score";
    std::istringstream words(script.substr(at + 22));
    std::string score;
    words >> score;
    const Played played = play(kExamples.parent_path() / score, entry.path());
    EXPECT_EQ(played.status, 0) << name << "\n" << played.err;
    EXPECT_EQ(played.err, "") << name;
    // Every expect line was reached and checked.
    size_t expects = 0, reached = 0;
    for (size_t p = script.find("\nexpect "); p != std::string::npos; p = script.find("\nexpect ", p + 1)) ++expects;
    for (size_t p = played.out.find(": expect "); p != std::string::npos; p = played.out.find(": expect ", p + 1))
      ++reached;
    EXPECT_GE(expects, 3u) << name;
    EXPECT_EQ(reached, expects) << name;
    // One drawing when the dialog opened and one for each step that changed it.
    const std::string svg = read_file(dir_ / "out" / "dialog.svg");
    size_t frames = 0;
    for (size_t p = svg.find("<svg x="); p != std::string::npos; p = svg.find("<svg x=", p + 1)) ++frames;
    EXPECT_GT(frames, 2u) << name;
    EXPECT_EQ(files_written(), 3u) << name;
  }
  EXPECT_EQ(examples, 4);
}

TEST_F(Session, AnExpectationThatFailsStopsTheSessionWithItsLine) {
  const Played played = play_text("view scroll\ntick\nexpect Apply enabled\nclick All pages\n");
  EXPECT_EQ(played.status, 1);
  EXPECT_EQ(played.err, "dunvaro-sim: line 3: expect Apply enabled: Apply [1] is not enabled\n");
  EXPECT_NE(played.out.find("EXPECTATION FAILED"), std::string::npos);
  EXPECT_EQ(played.out.find("line 4:"), std::string::npos) << "the session stopped at the failure";
  EXPECT_NE(played.out.find("3 pages, no message box"), std::string::npos) << "the gaps still end it";
}

// A script at fault: exit 2, its line and problem on stderr, nothing on
// stdout and no file written (not even the registry).
TEST_F(Session, AScriptAtFaultIsRefusedWithItsLineAndNothingIsWritten) {
  const struct {
    const char* script;
    const char* message;
  } kCases[] = {
      {"# a comment\n\njump 3\n", "line 3: unknown step \"jump\""},
      {"click \"All pages\n", "line 1: a quote is left open"},
      {"page two\n", "line 1: the page \"two\" is not a whole number"},
      {"view sideways\n", "line 1: the view \"sideways\" is none of page scroll"},
      {"tick 3\n", "line 1: the step is \"tick"},
      {"key Hyper+A\n", "line 1: \"hyper\" is not Ctrl, Shift or Alt"},
      {"key F13\n", "line 1: the key \"F13\" is none of"},
      {"arrow top sideways\n", "line 1: the arrow \"sideways\" is none of up down"},
      {"language 13\n", "line 1: the language 13 is outside 0..12"},
      {"wait -5\n", "line 1: the time -5 is negative"},
      {"expect Apply shiny\n", "line 1: the state \"shiny\" is none of"},
      {"tick\nclick Print\n", "line 2: no control is named \"Print\"; the dialog has Process range [101]"},
      {"click 999\n", "line 1: the dialog has no control 999"},
      {"page 4\n", "line 1: page 4 is outside the score (pages 1..3)"},
      {"expect page 0 gaps 1\n", "line 1: page 0 is outside the score"},
      {"arrow Compact up\n", "line 1: control 121 has no up-down arrows"},
      {"click Close\nclick Apply\n", "line 2: the dialog is not open"},
      {"score missing.json\n", "line 1: "},
  };
  for (const auto& c : kCases) {
    const Played played = play_text(c.script);
    EXPECT_EQ(played.status, 2) << c.script;
    EXPECT_EQ(played.err.rfind(std::string("dunvaro-sim: ") + c.message, 0), 0u) << c.script << played.err;
    EXPECT_EQ(played.out, "") << c.script;
    EXPECT_EQ(files_written(), 0u) << c.script;
  }
}

}  // namespace
