// Score files: the simulated host's score, its version word and its document
// view as a JSON document (docs/score-format.md describes the format).
//
// Loading is strict: a file that is not valid JSON, has a value of the wrong
// type or range, misses a required field or carries an unknown one is
// rejected as a whole with a ScoreFileError naming the file, the place (line
// and column for syntax, a path such as pages[2].systems[0].gap otherwise)
// and the problem. Nothing is half-loaded.
//
// Saving writes the complete model; fields equal to the format's defaults are
// left out. A file is written to a temporary name next to it and renamed, so a
// failed save leaves no partial file behind.
#ifndef SIM_SCORE_SCORE_FILE_H
#define SIM_SCORE_SCORE_FILE_H

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "sim/host/document_window.h"
#include "sim/host/host_faults.h"
#include "sim/score/score.h"

namespace sim {

constexpr uint32_t kDefaultHostVersion = 0x0F000200u;

// Faults a score file tells the simulated host to inject when the plug-in
// runs on it ("host_faults" in the file), in the order the file gives them.
struct DeclaredFaults {
  std::vector<RecordFault> records;            // loads and/or saves of these records fail
  std::vector<std::string> missing_functions;  // host names of functions the host does not export
  // Host calls that fail, numbered from the press of Apply: call 1 is the
  // first host call the dialog makes once Apply is pressed.
  std::vector<int64_t> failing_calls;
  bool empty() const { return records.empty() && missing_functions.empty() && failing_calls.empty(); }
};

// Everything a score file holds: what the host keeps in its records, which
// host it is, what its document window shows, and the faults it is told to inject.
struct ScoreFile {
  Score score;
  uint32_t host_version = kDefaultHostVersion;
  DocumentView view;
  DeclaredFaults host_faults;
};

class ScoreFileError : public std::runtime_error {
 public:
  // what() reads "FILE: PLACE: PROBLEM" (or "FILE: PROBLEM" without a place).
  ScoreFileError(const std::string& file, const std::string& place, const std::string& problem);
  const std::string& file() const { return file_; }
  const std::string& place() const { return place_; }
  const std::string& problem() const { return problem_; }

 private:
  std::string file_;
  std::string place_;
  std::string problem_;
};

// Reads and checks the file at `path`; "-" reads standard input, which the
// errors call kStandardInputName. Throws ScoreFileError.
constexpr const char* kStandardInputName = "standard input";
ScoreFile load_score_file(const std::string& path);
// The same for text already in memory; `name` stands for the file in errors.
ScoreFile parse_score_text(const std::string& text, const std::string& name);

// The document as text: two-space indentation, short objects and arrays on
// one line, a final newline. Throws std::invalid_argument for a score that a
// file cannot hold: a system on a page that does not exist, or systems out of
// page order.
std::string score_file_text(const ScoreFile& file);
// Writes score_file_text() to `path`. Throws ScoreFileError when the file
// cannot be written; an existing file at `path` is then left as it was.
void save_score_file(const ScoreFile& file, const std::string& path);

}  // namespace sim

#endif
