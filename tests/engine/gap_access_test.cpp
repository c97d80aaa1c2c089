// One system's gap through the toolkit's staff-system records, on simulated
// hosts of every layout era.
#include "engine/gap_access.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "engine/engine_fixture.h"

namespace {

struct HostLayout {
  uint32_t word;
  uint32_t tag;  // the record the gap travels in
  int32_t size;
};

// Hosts up to 2001 move the gap in the 20-byte layout, later ones in the
// 24-byte layout.
const HostLayout kHosts[] = {
    {kHost2000, kTagStaffSystemOld, 20},
    {kHost2001, kTagStaffSystemOld, 20},
    {kHost2002, kTagStaffSystemCurrent, 24},
    {kHost2010, kTagStaffSystemCurrent, 24},
};

void PrintTo(const HostLayout& h, std::ostream* os) { *os << std::hex << "host word 0x" << h.word; }

class GapAccess : public EngineTest, public testing::WithParamInterface<HostLayout> {};

TEST_P(GapAccess, SaveChangesOnlyTheGapInTheHostsLayout) {
  set_host_version(GetParam().word);
  sim::StaffSystem system;
  system.left_margin = 11;
  system.right_margin = -22;
  system.bottom_margin = -333;
  system.percent = 85;
  system.flags = 0x0002;
  system.gap = -100;
  host.add_page(sim::Page{});
  host.add_system(system);
  host.log().set_tracing(true);

  ASSERT_TRUE(SaveSysGapValue(1, -1234));

  const sim::StaffSystem& after = host.system(1);
  EXPECT_EQ(after.gap, -1234);
  EXPECT_EQ(after.left_margin, 11);
  EXPECT_EQ(after.right_margin, -22);
  EXPECT_EQ(after.bottom_margin, -333);
  EXPECT_EQ(after.percent, 85);
  EXPECT_EQ(after.flags, 0x0002);
  const std::vector<sim::CallRecord> saves = host.log().trace_of("FX_SaveEData");
  ASSERT_EQ(saves.size(), 1u) << host.log().describe();
  EXPECT_EQ(saves[0].tag, GetParam().tag) << saves[0].describe();
  EXPECT_EQ(saves[0].size, GetParam().size) << saves[0].describe();
}

TEST_P(GapAccess, LoadReadsTheGap) {
  set_host_version(GetParam().word);
  host.add_page(sim::Page{});
  add_system(1, 2000, -4321);

  int16_t gap = 0;
  ASSERT_TRUE(LoadSysGapValue(1, &gap));

  EXPECT_EQ(gap, -4321);
}

TEST_P(GapAccess, MissingSystemIsNeitherReadNorWritten) {
  set_host_version(GetParam().word);
  host.add_page(sim::Page{});
  add_system(1, 2000);

  int16_t gap = 0;
  EXPECT_FALSE(LoadSysGapValue(2, &gap));
  EXPECT_FALSE(SaveSysGapValue(2, -10));
  EXPECT_EQ(host.log().count("FX_SaveEData"), 0);
}

INSTANTIATE_TEST_SUITE_P(Hosts, GapAccess, testing::ValuesIn(kHosts),
                         [](const testing::TestParamInfo<HostLayout>& info) {
                           return "Word" + std::to_string(info.param.word >> 24);
                         });

using GapTransfer = EngineTest;

TEST_F(GapTransfer, RefusedWriteIsReported) {
  host.add_page(sim::Page{});
  add_system(1, 2000, -100);
  refuse_system_saves_after(0);

  EXPECT_FALSE(SaveSysGapValue(1, -200));
  EXPECT_EQ(host.system(1).gap, -100);
}

TEST_F(GapTransfer, LoadWithoutDestinationReadsNothing) {
  host.add_page(sim::Page{});
  add_system(1, 2000);

  EXPECT_FALSE(LoadSysGapValue(1, nullptr));
  EXPECT_EQ(host.log().count("FX_LoadEData"), 0);
}

}  // namespace
