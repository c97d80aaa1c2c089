// Lengths are EVPU inside the host: 288 to the inch, 4 to the point, 24 to
// the space (the staff-line distance of a standard staff).
#include "sim/ui/units.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

namespace sim {
namespace {

constexpr double kEvpuPerInch = 288.0;

struct UnitInfo {
  int16_t code;
  double evpu;
  int decimals;
  const char* name;
  const char* symbol;  // picas carry their own mark ("2p1")
};

const UnitInfo kUnits[] = {
    {kUnitEvpu, 1.0, 2, "EVPU", " EVPU"},
    {kUnitInches, kEvpuPerInch, 3, "inches", " in"},
    {kUnitCentimetres, kEvpuPerInch / 2.54, 3, "centimetres", " cm"},
    {kUnitPoints, 4.0, 2, "points", " pt"},
    {kUnitPicas, 48.0, 2, "picas", ""},
    {kUnitSpaces, 24.0, 3, "spaces", " sp"},
    {kUnitMillimetres, kEvpuPerInch / 25.4, 2, "millimetres", " mm"},
};

const UnitInfo& info(int16_t unit) {
  for (const UnitInfo& u : kUnits)
    if (u.code == unit) return u;
  return kUnits[0];
}

struct Suffix {
  const char* text;
  int16_t unit;
};

const Suffix kSuffixes[] = {{"evpu", kUnitEvpu}, {"e", kUnitEvpu},   {"in", kUnitInches},
                            {"\"", kUnitInches}, {"cm", kUnitCentimetres}, {"mm", kUnitMillimetres},
                            {"pt", kUnitPoints}, {"sp", kUnitSpaces}, {"s", kUnitSpaces}};

// |scaled| / 10^decimals as text, without trailing zeros.
std::string decimal_text(long long scaled, int decimals) {
  long long power = 1;
  for (int i = 0; i < decimals; ++i) power *= 10;
  const long long magnitude = std::llabs(scaled);
  std::string text = std::to_string(magnitude / power);
  std::string fraction = std::to_string(magnitude % power);
  fraction.insert(0, size_t(decimals) - fraction.size(), '0');
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
  if (!fraction.empty()) text += "." + fraction;
  return text;
}

long long scaled_round(double value, int decimals) { return std::llround(value * std::pow(10.0, decimals)); }

// An unsigned decimal number at text[*at]: digits with at most one '.' or ','.
std::optional<double> read_number(const std::string& text, size_t* at) {
  std::string digits;
  bool separator = false;
  for (; *at < text.size(); ++*at) {
    const char c = text[*at];
    if (std::isdigit(static_cast<unsigned char>(c))) {
      digits += c;
    } else if ((c == '.' || c == ',') && !separator) {
      separator = true;
      digits += '.';
    } else {
      break;
    }
  }
  if (digits.empty() || digits == ".") return std::nullopt;
  return std::strtod(digits.c_str(), nullptr);
}

std::string lower(std::string text) {
  for (char& c : text) c = char(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// The value given in `rest` after the number: a unit suffix, a pica form or nothing.
std::optional<double> apply_suffix(double number, const std::string& rest, int16_t unit) {
  if (rest.empty()) return number * info(unit).evpu;
  if (rest[0] == 'p' && rest.compare(0, 2, "pt") != 0) {
    if (rest.size() == 1) return number * info(kUnitPicas).evpu;
    size_t at = 1;
    const std::optional<double> points = read_number(rest, &at);
    if (!points || at != rest.size()) return std::nullopt;
    return number * info(kUnitPicas).evpu + *points * info(kUnitPoints).evpu;
  }
  for (const Suffix& s : kSuffixes)
    if (rest == s.text) return number * info(s.unit).evpu;
  return std::nullopt;
}

}  // namespace

double evpu_per_unit(int16_t unit) { return info(unit).evpu; }
std::string unit_name(int16_t unit) { return info(unit).name; }
std::string unit_symbol(int16_t unit) { return info(unit).symbol; }

std::string format_length(double evpu, int16_t unit) {
  const UnitInfo& u = info(unit);
  if (u.code == kUnitPicas) {
    const long long hundredths = scaled_round(evpu / info(kUnitPoints).evpu, 2);
    const long long magnitude = std::llabs(hundredths);
    const std::string points = decimal_text(magnitude % 1200, 2);
    return (hundredths < 0 ? "-" : "") + std::to_string(magnitude / 1200) + "p" + points;
  }
  const long long scaled = scaled_round(evpu / u.evpu, u.decimals);
  return (scaled < 0 ? "-" : "") + decimal_text(scaled, u.decimals);
}

std::optional<double> parse_length(const std::string& text, int16_t unit) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return std::nullopt;
  const std::string trimmed = lower(text.substr(first, text.find_last_not_of(" \t") + 1 - first));
  size_t at = 0;
  bool negative = false;
  if (trimmed[0] == '-' || trimmed[0] == '+') negative = trimmed[at++] == '-';
  const std::optional<double> number = read_number(trimmed, &at);
  if (!number) return std::nullopt;
  while (at < trimmed.size() && trimmed[at] == ' ') ++at;
  const std::optional<double> evpu = apply_suffix(*number, trimmed.substr(at), unit);
  if (!evpu) return std::nullopt;
  return negative ? -*evpu : *evpu;
}

}  // namespace sim
