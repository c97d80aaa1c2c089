// Score files on disk: reading the text, syntax errors with their line and
// column, duplicated fields, the layout of written files, and writing them
// without leaving a partial file behind.
#include "sim/score/score_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <set>
#include <sstream>
#include <vector>

#include "sim/score/score_file_json.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace sim {
namespace {

constexpr size_t kLineWidth = 100;

std::string line_and_column(const std::string& text, size_t byte) {
  size_t line = 1;
  size_t column = 1;
  for (size_t i = 0; i + 1 < byte && i < text.size(); ++i) {
    if (text[i] == '\n') {
      ++line;
      column = 1;
    } else {
      ++column;
    }
  }
  return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

// nlohmann's message without its own prefix and position.
std::string syntax_problem(const char* what) {
  const std::string text = what;
  const size_t at = text.find("syntax error");
  return at == std::string::npos ? text : text.substr(at);
}

// Follows the parse to reject a field given twice in one object, which a
// plain parse would quietly resolve to the last value.
class DuplicateFieldCheck {
 public:
  explicit DuplicateFieldCheck(const std::string& file) : file_(file) {}

  bool operator()(int, Json::parse_event_t event, Json& parsed) {
    switch (event) {
      case Json::parse_event_t::object_start:
      case Json::parse_event_t::array_start:
        frames_.push_back(Frame{event == Json::parse_event_t::object_start, child_path(), "", 0, {}});
        break;
      case Json::parse_event_t::key:
        frames_.back().key = parsed.get<std::string>();
        if (!frames_.back().keys.insert(frames_.back().key).second)
          throw ScoreFileError(file_, child_path(), "field given twice in the same object");
        break;
      case Json::parse_event_t::object_end:
      case Json::parse_event_t::array_end:
        frames_.pop_back();
        next_element();
        break;
      case Json::parse_event_t::value:
        next_element();
        break;
    }
    return true;
  }

 private:
  struct Frame {
    bool object;
    std::string path;
    std::string key;
    size_t index;
    std::set<std::string> keys;
  };

  std::string child_path() const {
    if (frames_.empty()) return "";
    const Frame& f = frames_.back();
    if (!f.object) return f.path + "[" + std::to_string(f.index) + "]";
    return f.path.empty() ? f.key : f.path + "." + f.key;
  }

  void next_element() {
    if (!frames_.empty() && !frames_.back().object) ++frames_.back().index;
  }

  const std::string& file_;
  std::vector<Frame> frames_;
};

std::string compact(const Json& value) {
  if (value.is_array()) {
    std::string text = "[";
    for (size_t i = 0; i < value.size(); ++i) text += (i == 0 ? "" : ", ") + compact(value[i]);
    return text + "]";
  }
  if (value.is_object()) {
    std::string text = "{";
    for (auto it = value.begin(); it != value.end(); ++it)
      text += (it == value.begin() ? "" : ", ") + Json(it.key()).dump() + ": " + compact(it.value());
    return text + "}";
  }
  return value.dump();
}

// Writes `value` starting at `column` of a line indented by `indent`: on that
// line when it fits, else one member or element per line.
void print(const Json& value, size_t indent, size_t column, std::string& out) {
  const std::string one_line = compact(value);
  if (!value.is_structured() || column + one_line.size() <= kLineWidth) {
    out += one_line;
    return;
  }
  const bool object = value.is_object();
  const std::string inner(indent + 2, ' ');
  out += object ? "{\n" : "[\n";
  for (auto it = value.begin(); it != value.end(); ++it) {
    out += inner;
    size_t start = inner.size();
    if (object) {
      const std::string key = Json(it.key()).dump() + ": ";
      out += key;
      start += key.size();
    }
    print(it.value(), indent + 2, start, out);
    out += std::next(it) == value.end() ? "\n" : ",\n";
  }
  out += std::string(indent, ' ') + (object ? "}" : "]");
}

// Puts `from` in the place of `to`, replacing a file already there. The C
// library's rename does that on POSIX; on Windows it refuses an existing
// target, so FINALE.EXE could write a score file only once.
bool replace_file(const std::string& from, const std::string& to) {
#ifdef _WIN32
  if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING)) return true;
  errno = GetLastError() == ERROR_ACCESS_DENIED ? EACCES : EIO;
  return false;
#else
  return std::rename(from.c_str(), to.c_str()) == 0;
#endif
}

}  // namespace

ScoreFile parse_score_text(const std::string& text, const std::string& name) {
  Json document;
  try {
    document = Json::parse(text, DuplicateFieldCheck(name));
  } catch (const Json::parse_error& e) {
    throw ScoreFileError(name, line_and_column(text, e.byte), syntax_problem(e.what()));
  }
  return read_score_json(document, name);
}

ScoreFile load_score_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw ScoreFileError(path, "", std::string("cannot open the file: ") + std::strerror(errno));
  std::ostringstream text;
  text << in.rdbuf();
  if (in.bad()) throw ScoreFileError(path, "", "cannot read the file");
  return parse_score_text(text.str(), path);
}

std::string score_file_text(const ScoreFile& file) {
  std::string out;
  print(write_score_json(file), 0, 0, out);
  return out + "\n";
}

void save_score_file(const ScoreFile& file, const std::string& path) {
  std::string text;
  try {
    text = score_file_text(file);
  } catch (const std::invalid_argument& e) {
    throw ScoreFileError(path, "", std::string("cannot describe the score: ") + e.what());
  }
  const std::string temporary = path + ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) throw ScoreFileError(path, "", std::string("cannot create the file: ") + std::strerror(errno));
    out << text;
    out.close();
    if (!out) {
      std::remove(temporary.c_str());
      throw ScoreFileError(path, "", "cannot write the file");
    }
  }
  if (!replace_file(temporary, path)) {
    const int error = errno;
    std::remove(temporary.c_str());
    throw ScoreFileError(path, "", std::string("cannot write the file: ") + std::strerror(error));
  }
}

}  // namespace sim
