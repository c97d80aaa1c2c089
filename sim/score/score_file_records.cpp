// Raw records in score files:
//   {"tag": "ot23", "key": [-2, 0], "words": [0, 0, 0, 0, -8, 0]}
//   {"tag": "pfgp", "key": [0, 0], "bytes": "00 00 ... 01 00"}
// A tag is four characters, or "0x" and eight hexadecimal digits when its
// bytes are not all printable. "words" (six signed 16-bit numbers) is the form
// of other records, "bytes" (hexadecimal, spaces allowed) the form of any.
#include "host/record_tags.h"
#include "sim/score/record_encoding.h"
#include "sim/score/score_file_json.h"

namespace sim {
namespace {

bool printable(char c) { return c >= 0x20 && c <= 0x7E; }

int hex_digit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

Bytes read_bytes(const JsonPlace& place) {
  const std::string text = place.string();
  Bytes bytes;
  int high = -1;
  for (char c : text) {
    if (c == ' ') continue;
    const int digit = hex_digit(c);
    if (digit < 0) place.fail(std::string("'") + c + "' is not a hexadecimal digit");
    if (high < 0) {
      high = digit;
    } else {
      bytes.push_back(uint8_t(high * 16 + digit));
      high = -1;
    }
  }
  if (high >= 0) place.fail("an odd number of hexadecimal digits");
  if (bytes.empty()) place.fail("a record needs at least one byte");
  return bytes;
}

Bytes read_words(const JsonPlace& place) {
  place.expect_array();
  if (place.size() != 6) place.fail("an other record holds six words, found " + std::to_string(place.size()));
  Bytes bytes(size_t(kOtherRecordSize), 0);
  for (size_t i = 0; i < 6; ++i) put_u16(&bytes[2 * i], uint16_t(read_i16(place.element(i))));
  return bytes;
}

std::string bytes_text(const Bytes& bytes) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string text;
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (i != 0) text += ' ';
    text += kDigits[bytes[i] >> 4];
    text += kDigits[bytes[i] & 15];
  }
  return text;
}

bool is_other_record(const RecordKey& key, const Bytes& bytes) {
  return (key.tag & 0xFFFF0000u) == kOtherTagBase && bytes.size() == size_t(kOtherRecordSize);
}

}  // namespace

uint32_t read_tag(const JsonPlace& place) {
  const std::string text = place.string();
  if (text.size() == 4 && printable(text[0]) && printable(text[1]) && printable(text[2]) && printable(text[3]))
    return fx_tag(text[0], text[1], text[2], text[3]);
  if (text.size() == 10 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
    return uint32_t(place.unsigned_number(UINT32_MAX));
  place.fail("expected four characters or \"0x\" and eight hexadecimal digits, found " + place.value().dump());
}

std::string tag_text(uint32_t tag) {
  std::string text;
  for (int shift = 24; shift >= 0; shift -= 8) {
    const char c = char(tag >> shift);
    if (!printable(c)) return hex_word(tag, 8);
    text += c;
  }
  return text;
}

RecordKey read_key(const JsonPlace& place, uint32_t tag) {
  place.expect_array();
  if (place.size() != 2) place.fail("a key is two numbers, found " + std::to_string(place.size()));
  return RecordKey{tag, read_i16(place.element(0)), read_i16(place.element(1))};
}

void read_records(Score& score, const JsonPlace& records) {
  records.expect_array();
  for (size_t i = 0; i < records.size(); ++i) {
    const JsonPlace item = records.element(i);
    item.expect_object({"tag", "key", "words", "bytes"});
    const JsonPlace tag_place = item.required("tag");
    const uint32_t tag = read_tag(tag_place);
    if (find_record_codec(tag) != nullptr)
      tag_place.fail("'" + tag_text(tag) + "' records follow from the pages, systems, lists, staves and measures");
    const RecordKey key = read_key(item.required("key"), tag);
    if (score.records.contains(key)) item.fail("this tag and key are already given");
    if (item.has("words") == item.has("bytes")) item.fail("give either \"words\" or \"bytes\"");
    score.records.put(key, item.has("words") ? read_words(item.member("words")) : read_bytes(item.member("bytes")));
  }
}

Json write_records(const Score& score, const std::set<RecordKey>& skip) {
  Json records = Json::array();
  for (const auto& [key, bytes] : score.records.all()) {
    if (skip.count(key) != 0) continue;
    Json record;
    record["tag"] = tag_text(key.tag);
    record["key"] = Json::array({key.first, key.second});
    if (is_other_record(key, bytes)) {
      Json words = Json::array();
      for (size_t i = 0; i < 6; ++i) words.push_back(get_i16(&bytes[2 * i]));
      record["words"] = words;
    } else {
      record["bytes"] = bytes_text(bytes);
    }
    records.push_back(record);
  }
  return records;
}

}  // namespace sim
