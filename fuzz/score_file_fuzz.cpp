// Fuzz target for the score-file reader, the one parser of bytes that come from
// outside (a user's JSON file). Any input must either load or be refused with a
// ScoreFileError; one that loads must survive a save and a second load
// unchanged. Anything else (another exception, a crash, a sanitizer report)
// is a finding.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "sim/score/score_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  sim::ScoreFile loaded;
  try {
    loaded = sim::parse_score_text(text, "input.json");
  } catch (const sim::ScoreFileError&) {
    return 0;
  }

  std::string saved;
  try {
    saved = sim::score_file_text(loaded);
  } catch (const std::invalid_argument&) {
    return 0;  // a model no file can hold; the reader accepted it, the writer says why not
  }
  const std::string again = sim::score_file_text(sim::parse_score_text(saved, "saved.json"));
  if (again != saved) std::abort();
  return 0;
}
