// Score files on disk: reading the text, syntax errors with their line and
// column, duplicated fields, the layout of written files, and writing them
// without leaving a partial file behind.
#include "sim/score/score_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
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
// Limits far beyond any score (a 1000-page score is about 1 MB and six levels
// deep) that keep a wrong file from costing memory and time out of measure.
constexpr uintmax_t kLargestFile = 32u << 20;
constexpr size_t kDeepest = 64;

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

// Bytes that are not printable ASCII as \xNN, so that a message quoting a
// broken file prints as text.
std::string printable(const std::string& text) {
  std::string out;
  for (unsigned char c : text) {
    if (c >= 0x20 && c < 0x7F) {
      out += char(c);
    } else {
      char escaped[5];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
      out += escaped;
    }
  }
  return out;
}

// nlohmann's message without its own prefix ("[json.exception...] ") and
// position.
std::string json_problem(const char* what) {
  const std::string text = what;
  size_t at = text.find("syntax error");
  if (at == std::string::npos) at = text.find("] ") == std::string::npos ? 0 : text.find("] ") + 2;
  return printable(text.substr(at));
}

// Finds where a parse stopped when the parser's exception does not say (a
// number too large for a double): a second, event-only pass over the text
// reports the position of its error.
class ErrorLocator : public nlohmann::json_sax<Json> {
 public:
  size_t byte = 0;
  bool found = false;

  bool null() override { return true; }
  bool boolean(bool) override { return true; }
  bool number_integer(number_integer_t) override { return true; }
  bool number_unsigned(number_unsigned_t) override { return true; }
  bool number_float(number_float_t, const string_t&) override { return true; }
  bool string(string_t&) override { return true; }
  bool binary(binary_t&) override { return true; }
  bool start_object(std::size_t) override { return true; }
  bool key(string_t&) override { return true; }
  bool end_object() override { return true; }
  bool start_array(std::size_t) override { return true; }
  bool end_array() override { return true; }
  bool parse_error(std::size_t position, const std::string&, const nlohmann::detail::exception&) override {
    byte = position;
    found = true;
    return false;
  }
};

// Follows the parse to reject a field given twice in one object, which a
// plain parse would quietly resolve to the last value.
class DuplicateFieldCheck {
 public:
  explicit DuplicateFieldCheck(const std::string& file) : file_(file) {}

  bool operator()(int, Json::parse_event_t event, Json& parsed) {
    switch (event) {
      case Json::parse_event_t::object_start:
      case Json::parse_event_t::array_start:
        if (frames_.size() >= kDeepest)
          throw ScoreFileError(file_, child_path().substr(0, 30) + "...",
                               "nested more than " + std::to_string(kDeepest) + " levels deep");
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
  if (text.empty()) throw ScoreFileError(name, "", "the file is empty");
  if (text.size() >= 2 && ((text[0] == '\xFF' && text[1] == '\xFE') || (text[0] == '\xFE' && text[1] == '\xFF')))
    throw ScoreFileError(name, "", "the file is UTF-16; score files are UTF-8");
  Json document;
  try {
    document = Json::parse(text, DuplicateFieldCheck(name));
  } catch (const Json::parse_error& e) {
    throw ScoreFileError(name, line_and_column(text, e.byte), json_problem(e.what()));
  } catch (const Json::exception& e) {
    ErrorLocator locator;
    Json::sax_parse(text, &locator);
    throw ScoreFileError(name, locator.found ? line_and_column(text, locator.byte) : "", json_problem(e.what()));
  }
  return read_score_json(document, name);
}

ScoreFile load_score_file(const std::string& path) {
  const bool standard_input = path == "-";
  const std::string name = standard_input ? kStandardInputName : path;
  std::error_code error;
  if (!standard_input && std::filesystem::is_directory(path, error))
    throw ScoreFileError(path, "", "is a folder, not a score file");
  const uintmax_t size = standard_input ? 0 : std::filesystem::file_size(path, error);
  if (!error && size > kLargestFile)
    throw ScoreFileError(path, "", "the file is " + std::to_string(size >> 20) + " MB; score files are refused above " +
                                       std::to_string(kLargestFile >> 20) + " MB");
  std::FILE* in = standard_input ? stdin : std::fopen(path.c_str(), "rb");
  if (in == nullptr) throw ScoreFileError(path, "", std::string("cannot open the file: ") + std::strerror(errno));
  std::string text;
  char buffer[1 << 16];
  size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, in)) > 0 && text.size() <= kLargestFile) text.append(buffer, n);
  const int read_error = std::ferror(in) ? errno : 0;
  if (!standard_input) std::fclose(in);
  if (read_error != 0) throw ScoreFileError(name, "", std::string("cannot read the file: ") + std::strerror(read_error));
  if (text.size() > kLargestFile)
    throw ScoreFileError(name, "", "the file is larger than " + std::to_string(kLargestFile >> 20) + " MB");
  return parse_score_text(text, name);
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
