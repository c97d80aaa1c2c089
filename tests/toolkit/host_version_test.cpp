#include "toolkit/host_version.h"

#include <gtest/gtest.h>

#include "globals/toolkit_globals.h"

namespace {

struct YearCase {
  uint32_t word;
  int32_t year;
};

class FinaleVersion : public testing::TestWithParam<YearCase> {
 protected:
  void TearDown() override { PDKTOOLS_StoreVersion(saved_); }

 private:
  int32_t saved_ = PDKTOOLS_RawFXTVersion();
};

TEST_P(FinaleVersion, MapsTheVersionWordToTheHostYear) {
  const YearCase c = GetParam();
  PDKTOOLS_StoreVersion(static_cast<int32_t>(c.word));
  EXPECT_EQ(FTX_FinaleVersion(), c.year) << std::hex << "version word 0x" << c.word;
}

INSTANTIATE_TEST_SUITE_P(
    YearTable, FinaleVersion,
    testing::Values(YearCase{0x04000000u, 1998},  // the one row that breaks the general rule
                    YearCase{0x04FFFFFFu, 1998}, YearCase{0x05000000u, 2000}, YearCase{0x05000005u, 2000},
                    YearCase{0x05FFFFFFu, 2000}, YearCase{0x06000000u, 2001}, YearCase{0x07000000u, 2002},
                    YearCase{0x08000000u, 2003}, YearCase{0x09000000u, 2004}, YearCase{0x0A000000u, 2005},
                    YearCase{0x0B000000u, 2006}, YearCase{0x0F000200u, 2010},
                    YearCase{0x00000000u, 1995},   // before the host has passed its version
                    YearCase{0x03000000u, 1998},   // below 0x04: the general rule only
                    YearCase{0xFF000000u, 1994},
                    YearCase{0xFF800000u, 1995}));  // -0.5 truncates toward zero

}  // namespace
