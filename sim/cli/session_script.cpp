#include "sim/cli/session_script.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

namespace cli {
namespace {

std::string trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// The words of one line; `text` receives the line without its comment.
std::vector<std::string> words_of(const std::string& line, int number, std::string* text) {
  std::vector<std::string> words;
  std::string word;
  bool in_word = false;
  bool quoted = false;
  size_t at = 0;
  for (; at < line.size(); ++at) {
    const char c = line[at];
    if (quoted) {
      if (c != '"') word += c;
      else if (at + 1 < line.size() && line[at + 1] == '"') word += '"', ++at;
      else quoted = false;
    } else if (c == '"') {
      quoted = in_word = true;
    } else if (c == '#') {
      break;
    } else if (c == ' ' || c == '\t' || c == '\r') {
      if (in_word) words.push_back(word);
      word.clear();
      in_word = false;
    } else {
      word += c;
      in_word = true;
    }
  }
  if (quoted) throw ScriptError(number, "a quote is left open");
  if (in_word) words.push_back(word);
  *text = trimmed(line.substr(0, at));
  return words;
}

}  // namespace

std::vector<ScriptLine> split_script(const std::string& text) {
  std::vector<ScriptLine> lines;
  std::istringstream in(text);
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    ScriptLine step;
    step.number = number;
    step.words = words_of(line, number, &step.text);
    if (!step.words.empty()) lines.push_back(step);
  }
  return lines;
}

std::string read_script(const std::string& path) {
  if (path == "-") return std::string(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error(path + ": cannot read the session script");
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace cli
