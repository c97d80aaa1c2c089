// Windows-1252 text made at compile time from readable UTF-8 source.
//
// Every text the plug-in shows is an 8-bit Windows-1252 string, but the
// sources keep their words readable ("Schließen", not "Schlie\xDF" "en"). A
// block of texts is written as one UTF-8 string literal in which each text is
// followed by "\0"; cp1252_block<Count>(literal) decodes it during compilation
// into a record of Windows-1252 bytes and the offset of each text, so the
// binary holds only the converted bytes.
//
// The result's `ok` is false when the literal is not well-formed UTF-8, holds a
// character that Windows-1252 cannot represent, or does not hold exactly
// `Count` texts; callers static_assert on it, so a bad text does not compile.
#ifndef KV_L10N_CP1252_TEXT_H
#define KV_L10N_CP1252_TEXT_H

#include <cstddef>
#include <cstdint>

// Source files are read as UTF-8 and narrow literals keep UTF-8 bytes; the
// conversion below relies on it.
static_assert(sizeof("\u00C4") == 3, "narrow string literals must hold UTF-8");

template <size_t Size, size_t Count>
struct Cp1252Block {
  char bytes[Size];         // the texts, each NUL-terminated, one after another
  uint16_t offset[Count];   // where each text starts in `bytes`
  bool ok;
};

// The Windows-1252 byte for a Unicode code point, or -1 when there is none.
constexpr int cp1252_byte(uint32_t code_point) {
  if (code_point < 0x80 || (code_point >= 0xA0 && code_point <= 0xFF)) return int(code_point);
  constexpr uint16_t kHighHalf[32] = {
      0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,       // 0x88
      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,  // 0x98
  };
  for (int i = 0; i < 32; ++i)
    if (kHighHalf[i] != 0 && kHighHalf[i] == code_point) return 0x80 + i;
  return -1;
}

// Decodes one UTF-8 character at `at`; returns its length in bytes and stores
// the code point, or returns 0 for a malformed sequence.
constexpr size_t utf8_decode(const char* text, size_t at, size_t end, uint32_t& code_point) {
  const auto byte = [&](size_t i) { return uint32_t(static_cast<unsigned char>(text[i])); };
  const uint32_t lead = byte(at);
  size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3 : 0;
  if (length == 0 || at + length > end) return 0;
  code_point = length == 1 ? lead : length == 2 ? lead & 0x1F : lead & 0x0F;
  for (size_t i = 1; i < length; ++i) {
    if ((byte(at + i) & 0xC0) != 0x80) return 0;
    code_point = (code_point << 6) | (byte(at + i) & 0x3F);
  }
  if (length == 3 && code_point < 0x800) return 0;
  return length;
}

template <size_t Count, size_t Size>
constexpr Cp1252Block<Size, Count> cp1252_block(const char (&utf8)[Size]) {
  static_assert(Size < 0x10000, "offsets are 16-bit");
  Cp1252Block<Size, Count> block{};
  const size_t end = Size - 1;  // the literal's own terminator is not a text end
  size_t out = 0;
  size_t texts = 0;
  bool at_text_start = true;
  for (size_t in = 0; in < end;) {
    if (at_text_start) {
      if (texts == Count) return block;  // more texts than expected: ok stays false
      block.offset[texts] = uint16_t(out);
      at_text_start = false;
    }
    uint32_t code_point = 0;
    const size_t length = utf8_decode(utf8, in, end, code_point);
    const int converted = length == 0 ? -1 : cp1252_byte(code_point);
    if (converted < 0) return block;
    block.bytes[out++] = char(converted);
    in += length;
    if (converted == 0) {
      ++texts;
      at_text_start = true;
    }
  }
  block.ok = texts == Count;
  return block;
}

#endif
