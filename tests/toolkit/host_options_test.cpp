#include "toolkit/host_options.h"

#include <gtest/gtest.h>

#include "host/record_tags.h"
#include "sim/score/bytes.h"
#include "support/sim_host_fixture.h"

namespace {

using HostOptions = SimHostTest;

TEST_F(HostOptions, AvoidCollisionIsTheTopBitOfTheSecondWord) {
  const sim::RecordKey flags{kTagFlagsOther, 10, 0};
  EXPECT_FALSE(KVGEN_AvoidCollisionSelected()) << "no record";
  host.records().put_other(flags, {0, 0, int16_t(0x8000), 0, 0, 0});
  EXPECT_TRUE(KVGEN_AvoidCollisionSelected());
  host.records().put_other(flags, {int16_t(0x8000), 0, 0x7FFF, 0, 0, 0});
  EXPECT_FALSE(KVGEN_AvoidCollisionSelected());
}

TEST_F(HostOptions, TheUnitStyleIsReadFromTheGeneralPreferences) {
  EXPECT_EQ(KVGEN_GetCurrentUnitStyle(), 1) << "no record";
  sim::Bytes prefs(64, 0);
  sim::put_u16(prefs.data() + 30, 5);
  host.records().put({kTagGeneralPrefs, 0, 0}, prefs);
  EXPECT_EQ(KVGEN_GetCurrentUnitStyle(), 5);
}

}  // namespace
