#include "globals/toolkit_globals.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

struct GlobalsCase {
  int16_t size;
  int16_t expected_result;
  int last_word_written;  // index of the last 16-bit word filled; 0: none
};

class PdkToolsGlobals : public testing::TestWithParam<GlobalsCase> {};

TEST_P(PdkToolsGlobals, CopiesTheWordsThatFitTheCallersSize) {
  const GlobalsCase c = GetParam();
  const FTX_PDKTOOLSGLOBALS saved = PDKToolsGlobals;
  int16_t source[8] = {0, 102, 104, 106, 108, 110, 112, 114};
  std::memcpy(&PDKToolsGlobals, source, sizeof source);

  int16_t record[8];
  for (int16_t& word : record) word = -7;
  record[0] = c.size;
  EXPECT_EQ(PDKTOOLS_GetGlobals(reinterpret_cast<FTX_PDKTOOLSGLOBALS*>(record)), c.expected_result);

  EXPECT_EQ(record[0], c.size) << "the size word is the caller's";
  for (int word = 1; word < 8; ++word) {
    const int16_t expected = word <= c.last_word_written ? source[word] : -7;
    EXPECT_EQ(record[word], expected) << "size " << c.size << ", word " << word;
  }
  PDKToolsGlobals = saved;
}

INSTANTIATE_TEST_SUITE_P(BySize, PdkToolsGlobals,
                         testing::Values(GlobalsCase{8, 0, 3}, GlobalsCase{12, 0, 5},
                                         GlobalsCase{16, 0, 7}, GlobalsCase{10, 13, 0},
                                         GlobalsCase{0, 13, 0}, GlobalsCase{-16, 13, 0}));

TEST(PdkToolsGlobalsNull, RefusesANullRecord) { EXPECT_EQ(PDKTOOLS_GetGlobals(nullptr), 2); }

TEST(ToolkitVersion, RawVersionIsTheStoredWordUnchanged) {
  const int32_t saved = CallingFinaleVersion;
  for (int32_t word : {0x0F000200, 0x04000000, -1, INT32_MIN}) {
    EXPECT_EQ(PDKTOOLS_StoreVersion(word), word);
    EXPECT_EQ(PDKTOOLS_RawFXTVersion(), word);
  }
  PDKTOOLS_StoreVersion(saved);
}

}  // namespace
