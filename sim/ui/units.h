// The host's measurement units: how a length in EVPU (288 to the inch) is
// shown in a dialog's edit field and how a typed text is read back.
//
// Unit codes (the score's preference word, docs/score-format.md):
//   0 EVPU  1 inches  2 centimetres  3 points  4 picas  5 spaces  6 millimetres
// An unknown code is treated as EVPU. 1 (inches) is also the host's default.
//
// Shown: the number in the unit without a suffix, rounded half away from zero
// to the unit's decimals (EVPU 2, inches 3, centimetres 3, points 2, spaces 3,
// millimetres 2: each keeps a one-EVPU step visible), trailing zeros and a
// bare decimal point dropped, a point as the decimal separator, "-" for
// negatives and never "-0". Picas show as picas "p" points, the points with up
// to 2 decimals: 100 EVPU = 25 points = "2p1".
//
// Read: spaces around the text are ignored; an optional sign, then digits with
// at most one decimal point or comma ("1.5", "1,5", ".5", "5."), then
// optionally (spaces allowed before it, letters in any case) a unit suffix
// that overrides the field's unit: "evpu" or "e", "in" or '"', "cm", "mm",
// "pt", "sp" or "s", "p" for picas, which may be followed by points ("1p6" is
// 1 pica 6 points, "-1p6" minus that). A plain number in a picas field counts
// picas. Anything else (empty text, letters alone, two separators, a thousands
// separator, an exponent, an unknown suffix) is unreadable.
#ifndef SIM_UI_UNITS_H
#define SIM_UI_UNITS_H

#include <cstdint>
#include <optional>
#include <string>

namespace sim {

constexpr int16_t kUnitEvpu = 0;
constexpr int16_t kUnitInches = 1;
constexpr int16_t kUnitCentimetres = 2;
constexpr int16_t kUnitPoints = 3;
constexpr int16_t kUnitPicas = 4;
constexpr int16_t kUnitSpaces = 5;
constexpr int16_t kUnitMillimetres = 6;

// How many EVPU one of the unit makes (288 / 2.54 for a centimetre).
double evpu_per_unit(int16_t unit);
// "inches"; an unknown code is EVPU.
std::string unit_name(int16_t unit);
// What follows a length shown in the unit: " in", " EVPU"; "" for picas,
// whose "2p1" carries its own mark.
std::string unit_symbol(int16_t unit);

std::string format_length(double evpu, int16_t unit);
// The length in EVPU, or nothing when the text is unreadable.
std::optional<double> parse_length(const std::string& text, int16_t unit);

}  // namespace sim

#endif
