// A session script as written: one step a line, its words separated by
// spaces; a word in double quotes may hold spaces (and "" inside stands for
// one quote); "#" outside quotes starts a comment; blank lines are skipped.
// What the words mean is the step table's business (session_steps.h).
#ifndef SIM_CLI_SESSION_SCRIPT_H
#define SIM_CLI_SESSION_SCRIPT_H

#include <stdexcept>
#include <string>
#include <vector>

namespace cli {

struct ScriptLine {
  int number = 0;          // counted from 1 in the file
  std::string text;        // the line without its comment, trimmed
  std::vector<std::string> words;
};

// A script that cannot run: the line and what was wrong with it. what() is
// "line N: problem".
class ScriptError : public std::runtime_error {
 public:
  ScriptError(int line, const std::string& problem)
      : std::runtime_error("line " + std::to_string(line) + ": " + problem), line_(line) {}
  int line() const { return line_; }

 private:
  int line_;
};

// The lines that hold a step. Throws ScriptError for a quote left open.
std::vector<ScriptLine> split_script(const std::string& text);

// The script's text from a file, or from standard input for "-". Throws
// std::runtime_error naming the file when it cannot be read.
std::string read_script(const std::string& path);

}  // namespace cli

#endif
