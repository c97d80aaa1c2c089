#include "sim/render/windows_1252.h"

#include <cstdint>

namespace sim {
namespace {

constexpr char32_t kUndefined = 0xFFFD;

// 0x80..0x9F, where the code page departs from Latin-1.
constexpr char32_t kHighControls[32] = {
    0x20AC, kUndefined, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80..0x87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, kUndefined, 0x017D, kUndefined,  // 0x88..0x8F
    kUndefined, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,      // 0x90..0x97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, kUndefined, 0x017E, 0x0178,      // 0x98..0x9F
};

void append_utf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += char(c);
  } else if (c < 0x800) {
    out += char(0xC0 | (c >> 6));
    out += char(0x80 | (c & 0x3F));
  } else {
    out += char(0xE0 | (c >> 12));
    out += char(0x80 | ((c >> 6) & 0x3F));
    out += char(0x80 | (c & 0x3F));
  }
}

}  // namespace

std::string utf8_from_windows_1252(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char byte : text) {
    const auto b = static_cast<uint8_t>(byte);
    append_utf8(out, b >= 0x80 && b < 0xA0 ? kHighControls[b - 0x80] : char32_t(b));
  }
  return out;
}

}  // namespace sim
