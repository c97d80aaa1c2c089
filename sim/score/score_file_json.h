// The pieces that reading and writing score files share: the JSON type, the
// format's name and defaults, and JsonPlace, a value together with the path
// that leads to it, so that every complaint names its place.
#ifndef SIM_SCORE_SCORE_FILE_JSON_H
#define SIM_SCORE_SCORE_FILE_JSON_H

#include <cstdint>
#include <initializer_list>
#include <set>
#include <string>

#include <nlohmann/json.hpp>

#include "sim/score/score_file.h"

namespace sim {

// Objects keep their members in the order of the file (and of writing).
using Json = nlohmann::ordered_json;

constexpr const char* kScoreFormatName = "dunvaro-score";
constexpr int kScoreFormatVersion = 1;

// The format's defaults. They are the format's own, independent of the score
// model's initial values, so that a file means the same whatever the model does.
Page default_page();
StaffSystem default_system(int16_t first_measure);
constexpr uint16_t kScaledPageFlag = 0x0002;
constexpr uint16_t kOwnStaffListFlag = 0x4000;

class JsonPlace {
 public:
  JsonPlace(const Json& value, std::string path, const std::string& file)
      : value_(&value), path_(std::move(path)), file_(&file) {}

  const Json& value() const { return *value_; }
  const std::string& path() const { return path_; }

  [[noreturn]] void fail(const std::string& problem) const;

  // The value must be an object whose members are all among `known` (and
  // "comment", which is allowed anywhere and ignored).
  void expect_object(std::initializer_list<const char*> known) const;
  void expect_array() const;
  bool has(const char* key) const { return value_->contains(key); }
  // A member of an object; required() fails when it is missing.
  JsonPlace member(const std::string& key) const;
  JsonPlace required(const char* key) const;
  JsonPlace element(size_t index) const;
  size_t size() const { return value_->size(); }

  int64_t integer(int64_t lowest, int64_t highest) const;
  // An integer, or a string "0x..." of hexadecimal digits; both within 0..highest.
  uint64_t unsigned_number(uint64_t highest) const;
  bool boolean() const;
  std::string string() const;

 private:
  const Json* value_;
  std::string path_;
  const std::string* file_;
};

// Plain integers of the model's widths, with their ranges in the complaint.
int16_t read_i16(const JsonPlace& place);
uint16_t read_u16(const JsonPlace& place);
int32_t read_i32(const JsonPlace& place);

// Reads an optional member into `target`, leaving it alone when absent.
void read_member(const JsonPlace& object, const char* key, int16_t& target);
void read_member(const JsonPlace& object, const char* key, uint16_t& target);
void read_member(const JsonPlace& object, const char* key, int32_t& target);
void read_member(const JsonPlace& object, const char* key, bool& target);

// The JSON document of a score and back. read_score_json() throws ScoreFileError.
ScoreFile read_score_json(const Json& document, const std::string& file);
Json write_score_json(const ScoreFile& file);

// "0x0F000200"
std::string hex_word(uint32_t value, int digits);

// The raw records under "records": other and preference records, and any
// record of a tag that the score model does not structure. The writer leaves
// out the keys in `skip`.
void read_records(Score& score, const JsonPlace& records);
Json write_records(const Score& score, const std::set<RecordKey>& skip);
// A record's tag and key as the file gives them: four characters or "0x" and
// eight hexadecimal digits; two signed 16-bit numbers.
uint32_t read_tag(const JsonPlace& place);
std::string tag_text(uint32_t tag);
RecordKey read_key(const JsonPlace& place, uint32_t tag);

// "host_faults" (score_file_faults.cpp). The writer answers an empty object
// when nothing is declared.
DeclaredFaults read_host_faults(const JsonPlace& faults);
Json write_host_faults(const DeclaredFaults& faults);

}  // namespace sim

#endif
