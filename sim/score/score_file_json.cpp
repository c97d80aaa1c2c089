#include "sim/score/score_file_json.h"

#include <cstdio>

namespace sim {
namespace {

std::string describe(const Json& value) {
  switch (value.type()) {
    case Json::value_t::object: return "an object";
    case Json::value_t::array: return "an array";
    case Json::value_t::string: return "the string " + value.dump();
    case Json::value_t::boolean: return value.get<bool>() ? "true" : "false";
    case Json::value_t::null: return "null";
    default: return "the number " + value.dump();
  }
}

std::string range_text(int64_t lowest, int64_t highest) {
  return std::to_string(lowest) + ".." + std::to_string(highest);
}

bool parse_hex(const std::string& text, uint64_t* value) {
  if (text.size() < 3 || text.size() > 18 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X')) return false;
  uint64_t result = 0;
  for (size_t i = 2; i < text.size(); ++i) {
    const char c = text[i];
    int digit;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    else return false;
    result = result * 16 + uint64_t(digit);
  }
  *value = result;
  return true;
}

}  // namespace

ScoreFileError::ScoreFileError(const std::string& file, const std::string& place, const std::string& problem)
    : std::runtime_error(file + ": " + (place.empty() ? "" : place + ": ") + problem),
      file_(file),
      place_(place),
      problem_(problem) {}

Page default_page() {
  Page page;
  page.height = 3168;
  page.width = 2448;
  page.flags = 0;
  page.top_margin = -144;
  page.left_margin = 144;
  page.bottom_margin = 144;
  page.right_margin = -144;
  page.percent = 100;
  page.laid_out = true;
  return page;
}

StaffSystem default_system(int16_t first_measure) {
  StaffSystem system;
  system.top_margin = 0;
  system.left_margin = 0;
  system.right_margin = 0;
  system.bottom_margin = 0;
  system.first_measure = first_measure;
  system.next_measure = int16_t(first_measure + 1);
  system.flags = 0;
  system.unnamed14 = 0;
  system.unnamed16 = 0;
  system.percent = 100;
  system.gap = 0;
  system.staff_height = 96;
  return system;
}

void JsonPlace::fail(const std::string& problem) const { throw ScoreFileError(*file_, path_, problem); }

void JsonPlace::expect_object(std::initializer_list<const char*> known) const {
  if (!value_->is_object()) fail("expected an object, found " + describe(*value_));
  for (auto it = value_->begin(); it != value_->end(); ++it) {
    if (it.key() == "comment") continue;
    bool found = false;
    for (const char* name : known) found = found || it.key() == name;
    if (!found) member(it.key()).fail("unknown field");
  }
}

void JsonPlace::expect_array() const {
  if (!value_->is_array()) fail("expected an array, found " + describe(*value_));
}

JsonPlace JsonPlace::member(const std::string& key) const {
  // The key as JSON writes it (quotes aside), so that a name with a NUL or a
  // control character shows whole in a message.
  const std::string dumped = Json(key).dump(-1, ' ', false, Json::error_handler_t::replace);
  const std::string shown = dumped.substr(1, dumped.size() - 2);
  return JsonPlace((*value_)[key], path_.empty() ? shown : path_ + "." + shown, *file_);
}

JsonPlace JsonPlace::required(const char* key) const {
  if (!value_->contains(key)) fail(std::string("missing required field \"") + key + "\"");
  return member(key);
}

JsonPlace JsonPlace::element(size_t index) const {
  return JsonPlace((*value_)[index], path_ + "[" + std::to_string(index) + "]", *file_);
}

int64_t JsonPlace::integer(int64_t lowest, int64_t highest) const {
  const Json& v = *value_;
  if (!v.is_number_integer()) fail("expected an integer, found " + describe(v));
  if (v.is_number_unsigned() && v.get<uint64_t>() > uint64_t(INT64_MAX))
    fail(v.dump() + " is outside " + range_text(lowest, highest));
  const int64_t number = v.get<int64_t>();
  if (number < lowest || number > highest) fail(v.dump() + " is outside " + range_text(lowest, highest));
  return number;
}

uint64_t JsonPlace::unsigned_number(uint64_t highest) const {
  const Json& v = *value_;
  uint64_t number = 0;
  if (v.is_string()) {
    if (!parse_hex(v.get<std::string>(), &number)) fail("expected a number such as \"0x4000\", found " + describe(v));
  } else if (v.is_number_unsigned() || (v.is_number_integer() && v.get<int64_t>() >= 0)) {
    number = v.get<uint64_t>();
  } else if (v.is_number_integer()) {
    fail(v.dump() + " is outside 0.." + std::to_string(highest));
  } else {
    fail("expected an integer, found " + describe(v));
  }
  if (number > highest) fail(v.dump() + " is outside 0.." + std::to_string(highest));
  return number;
}

bool JsonPlace::boolean() const {
  if (!value_->is_boolean()) fail("expected true or false, found " + describe(*value_));
  return value_->get<bool>();
}

std::string JsonPlace::string() const {
  if (!value_->is_string()) fail("expected a string, found " + describe(*value_));
  return value_->get<std::string>();
}

int16_t read_i16(const JsonPlace& place) { return int16_t(place.integer(INT16_MIN, INT16_MAX)); }
uint16_t read_u16(const JsonPlace& place) { return uint16_t(place.unsigned_number(UINT16_MAX)); }
int32_t read_i32(const JsonPlace& place) { return int32_t(place.integer(INT32_MIN, INT32_MAX)); }

void read_member(const JsonPlace& object, const char* key, int16_t& target) {
  if (object.has(key)) target = read_i16(object.member(key));
}

void read_member(const JsonPlace& object, const char* key, uint16_t& target) {
  if (object.has(key)) target = read_u16(object.member(key));
}

void read_member(const JsonPlace& object, const char* key, int32_t& target) {
  if (object.has(key)) target = read_i32(object.member(key));
}

void read_member(const JsonPlace& object, const char* key, bool& target) {
  if (object.has(key)) target = object.member(key).boolean();
}

std::string hex_word(uint32_t value, int digits) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%0*X", digits, unsigned(value));
  return text;
}

}  // namespace sim
