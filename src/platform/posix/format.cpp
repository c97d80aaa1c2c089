// wsprintfA: the formatting subset Windows offers, with its limit of 1024
// characters including the terminating zero. Conversions: %c, %C (a wide
// character), %d, %i, %u, %x, %X, %s, %S (a wide string, characters above
// 0xFF shown as '?'), and %%. Flags: '-' (left-justify), '#' (0x / 0X before
// hexadecimal), '0' (pad with zeros). Then a width, a precision (minimum
// digits of a number, most characters of a string), and a size: h (short;
// narrow with c and s), l (32-bit as on Windows; wide with c and s) or I64.
// A null string prints as "(null)". An unknown conversion prints nothing.
#include <cstring>
#include <string>

#include "platform/win32.h"

namespace {

constexpr size_t kLimit = 1024;

struct Conversion {
  bool left = false;
  bool prefix = false;
  bool zero = false;
  int width = 0;
  int precision = -1;
  char size = 0;  // 'h', 'l', '6' (I64) or 0
  char conversion = 0;
};

const char* parse_conversion(const char* f, Conversion* s) {
  for (;; ++f) {
    if (*f == '-') s->left = true;
    else if (*f == '#') s->prefix = true;
    else if (*f == '0') s->zero = true;
    else break;
  }
  for (; *f >= '0' && *f <= '9'; ++f) s->width = s->width * 10 + (*f - '0');
  if (*f == '.') {
    s->precision = 0;
    for (++f; *f >= '0' && *f <= '9'; ++f) s->precision = s->precision * 10 + (*f - '0');
  }
  if (*f == 'h' || *f == 'l' || *f == 'w') {
    s->size = *f == 'h' ? 'h' : 'l';
    ++f;
  } else if (std::strncmp(f, "I64", 3) == 0) {
    s->size = '6';
    f += 3;
  }
  s->conversion = *f;
  return *f ? f + 1 : f;
}

std::string digits_of(unsigned long long value, unsigned base, bool upper) {
  const char* set = upper ? "0123456789ABCDEF" : "0123456789abcdef";
  std::string out;
  do {
    out.insert(out.begin(), set[value % base]);
    value /= base;
  } while (value != 0);
  return out;
}

std::string number(const Conversion& s, va_list* args) {
  bool is_signed = s.conversion == 'd' || s.conversion == 'i';
  long long value;
  if (s.size == '6') value = va_arg(*args, long long);
  else if (is_signed) value = s.size == 'h' ? short(va_arg(*args, int)) : va_arg(*args, int);
  else value = s.size == 'h' ? (unsigned short)(va_arg(*args, unsigned)) : va_arg(*args, unsigned);
  bool negative = is_signed && value < 0;
  unsigned long long magnitude =
      negative ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
  if (!is_signed && s.size != '6') magnitude &= 0xFFFFFFFFULL;
  bool hex = s.conversion == 'x' || s.conversion == 'X';
  std::string digits = digits_of(magnitude, hex ? 16 : 10, s.conversion == 'X');
  if (s.precision > int(digits.size())) digits.insert(0, size_t(s.precision) - digits.size(), '0');
  std::string lead = negative ? "-" : "";
  if (hex && s.prefix) lead += s.conversion == 'X' ? "0X" : "0x";
  if (s.zero && !s.left && s.width > int(lead.size() + digits.size()))
    digits.insert(0, size_t(s.width) - lead.size() - digits.size(), '0');
  return lead + digits;
}

char narrow(unsigned unit) { return unit > 0xFF ? '?' : char(unit); }

std::string text(const Conversion& s, va_list* args) {
  bool wide = s.conversion == 'S' || s.conversion == 'C' ? s.size != 'h' : s.size == 'l';
  std::string out;
  if (s.conversion == 'c' || s.conversion == 'C') {
    int c = va_arg(*args, int);
    return std::string(1, wide ? narrow(unsigned(c) & 0xFFFF) : char(c));
  }
  size_t most = s.precision < 0 ? size_t(-1) : size_t(s.precision);
  if (wide) {
    const uint16_t* w = va_arg(*args, const uint16_t*);
    if (w == nullptr) return std::string("(null)").substr(0, most);
    for (; *w && out.size() < most; ++w) out += narrow(*w);
    return out;
  }
  const char* n = va_arg(*args, const char*);
  if (n == nullptr) n = "(null)";
  for (; *n && out.size() < most; ++n) out += *n;
  return out;
}

// The text of one conversion, or false for a conversion that prints nothing.
bool convert(const Conversion& s, va_list* args, std::string* out) {
  switch (s.conversion) {
    case 'd': case 'i': case 'u': case 'x': case 'X':
      *out = number(s, args);
      return true;
    case 'c': case 'C': case 's': case 'S':
      *out = text(s, args);
      return true;
    default:
      return false;
  }
}

struct Output {
  LPSTR at;
  size_t written = 0;
  void put(char c) {
    if (written < kLimit - 1) at[written++] = c;
  }
  void put(const std::string& s) {
    for (char c : s) put(c);
  }
};

}  // namespace

int wvsprintfA(LPSTR lpOut, LPCSTR lpFmt, va_list arglist) {
  if (lpOut == nullptr || lpFmt == nullptr) return 0;
  va_list args;
  va_copy(args, arglist);
  Output out{lpOut};
  for (const char* f = lpFmt; *f;) {
    if (*f != '%') {
      out.put(*f++);
      continue;
    }
    if (f[1] == '%') {
      out.put('%');
      f += 2;
      continue;
    }
    Conversion conversion;
    f = parse_conversion(f + 1, &conversion);
    std::string piece;
    if (!convert(conversion, &args, &piece)) continue;
    std::string pad(conversion.width > int(piece.size()) ? size_t(conversion.width) - piece.size() : 0, ' ');
    out.put(conversion.left ? piece + pad : pad + piece);
  }
  va_end(args);
  lpOut[out.written] = '\0';
  return int(out.written);
}

int WINAPIV wsprintfA(LPSTR lpOut, LPCSTR lpFmt, ...) {
  va_list args;
  va_start(args, lpFmt);
  int written = wvsprintfA(lpOut, lpFmt, args);
  va_end(args);
  return written;
}
