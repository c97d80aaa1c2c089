// Lengths in the host's units: shown texts, typed texts, round trips.
#include <gtest/gtest.h>

#include <cmath>

#include "sim/ui/units.h"

namespace {

using namespace sim;

TEST(Units, LengthsAreShownInTheUnitWithItsDecimals) {
  struct Case {
    double evpu;
    int16_t unit;
    const char* text;
  };
  const Case cases[] = {
      {100, kUnitEvpu, "100"},       {12.9, kUnitEvpu, "12.9"},        {-100, kUnitEvpu, "-100"},
      {0.004, kUnitEvpu, "0"},       {-0.004, kUnitEvpu, "0"},         {288, kUnitInches, "1"},
      {100, kUnitInches, "0.347"},   {-100, kUnitInches, "-0.347"},    {144, kUnitInches, "0.5"},
      {100, kUnitCentimetres, "0.882"}, {1, kUnitCentimetres, "0.009"}, {100, kUnitMillimetres, "8.82"},
      {101, kUnitPoints, "25.25"},   {100, kUnitPicas, "2p1"},         {101, kUnitPicas, "2p1.25"},
      {-72, kUnitPicas, "-1p6"},     {0, kUnitPicas, "0p0"},           {36, kUnitSpaces, "1.5"},
      {100, kUnitSpaces, "4.167"},   {100, 99, "100"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(format_length(c.evpu, c.unit), c.text) << c.evpu << " EVPU in unit " << c.unit;
}

TEST(Units, TypedTextsAreReadInTheFieldsUnitOrTheirSuffix) {
  struct Case {
    const char* text;
    int16_t unit;
    double evpu;
  };
  const Case cases[] = {
      {"100", kUnitEvpu, 100},      {" 12.9 ", kUnitEvpu, 12.9},   {"-12.9", kUnitEvpu, -12.9},
      {"+7", kUnitEvpu, 7},         {"1", kUnitInches, 288},        {"0,5", kUnitInches, 144},
      {".5", kUnitInches, 144},     {"5.", kUnitPoints, 20},        {"2.54", kUnitCentimetres, 288},
      {"25.4", kUnitMillimetres, 288}, {"1p6", kUnitInches, 72},   {"-1p6", kUnitEvpu, -72},
      {"2p", kUnitEvpu, 96},        {"1.5", kUnitPicas, 72},        {"2 cm", kUnitInches, 2 * 288 / 2.54},
      {"1IN", kUnitEvpu, 288},      {"1\"", kUnitEvpu, 288},        {"3pt", kUnitPicas, 12},
      {"2sp", kUnitInches, 48},     {"2s", kUnitInches, 48},        {"50e", kUnitInches, 50},
      {"50 evpu", kUnitCentimetres, 50}, {"3", 99, 3},
  };
  for (const Case& c : cases) {
    const std::optional<double> evpu = parse_length(c.text, c.unit);
    ASSERT_TRUE(evpu.has_value()) << '"' << c.text << "\" in unit " << c.unit;
    EXPECT_NEAR(*evpu, c.evpu, 1e-9) << '"' << c.text << "\" in unit " << c.unit;
  }
}

TEST(Units, UnreadableTextsGiveNothing) {
  for (const char* text : {"", "   ", "abc", "-", ".", "1.2.3", "1,2.3", "1 000", "1e3", "12abc", "1 p 6",
                           "1p6pt", "1px", "--1", "p6", "1pp"})
    EXPECT_FALSE(parse_length(text, kUnitInches).has_value()) << '"' << text << '"';
}

TEST(Units, WholeEvpuSurviveTheRoundTripAndOneEvpuStepsStayVisible) {
  // Half of the last shown digit, in EVPU.
  const struct {
    int16_t unit;
    double error;
  } units[] = {{kUnitEvpu, 0.005},   {kUnitInches, 0.144}, {kUnitCentimetres, 0.057}, {kUnitPoints, 0.02},
               {kUnitPicas, 0.02},   {kUnitSpaces, 0.012}, {kUnitMillimetres, 0.057}};
  for (const auto& u : units)
    for (int evpu : {-100, -1, 0, 1, 13, 299, 700}) {
      const std::string shown = format_length(evpu, u.unit);
      const std::optional<double> back = parse_length(shown, u.unit);
      ASSERT_TRUE(back.has_value()) << shown;
      EXPECT_NEAR(*back, evpu, u.error) << "unit " << u.unit << " shows " << shown;
      EXPECT_NE(format_length(*back + 1, u.unit), shown) << "unit " << u.unit << " loses a step at " << shown;
    }
}

}  // namespace
