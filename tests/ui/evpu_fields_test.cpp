#include "ui/evpu_fields.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>

#include "platform/posix/testing.h"
#include "support/sim_host_fixture.h"

namespace {

// A host whose length fields hold EVPU doubles by control id.
class EvpuFields : public SimHostTest {
 protected:
  void SetUp() override {
    SimHostTest::SetUp();
    host.log().set_tracing(true);
    host.override("FX_GetDlgItemUser", [this](const sim::Args& a) -> FxWord {
      if (!readable) return 0;
      std::memcpy(reinterpret_cast<double*>(a[3]), &fields[a[1]], sizeof(double));
      return 1;
    });
    host.override("FX_SetDlgItemUser", [this](const sim::Args& a) -> FxWord {
      double value = 0;
      std::memcpy(&value, &a[3], sizeof value);
      fields[a[1]] = value;
      return 1;
    });
  }

  std::map<FxWord, double> fields;
  bool readable = true;
  HWND dialog = reinterpret_cast<HWND>(0x1234);
};

TEST_F(EvpuFields, SetDlgItemUserPassesWindowControlUnitValueAndVersion) {
  EXPECT_EQ(KVFX_SetDlgItemUser(dialog, 113, 3, 288.5), 1);
  ASSERT_EQ(host.log().trace_of("FX_SetDlgItemUser").size(), 1u);
  const sim::CallRecord call = host.log().trace_of("FX_SetDlgItemUser")[0];
  EXPECT_EQ(call.args[0], FxWord(0x1234));
  EXPECT_EQ(call.args[1], 113);
  EXPECT_EQ(call.args[2], 3);
  EXPECT_EQ(fields[113], 288.5);
  EXPECT_EQ(call.version, 0x0F000200u);
}

struct StepCase {
  double start;
  double step;
  double lowest;
  double highest;
  double expected;
  const char* why;
};

TEST_F(EvpuFields, UpDownStepsWithinTheBoundsWithoutRounding) {
  const StepCase cases[] = {
      {299.5, 1, 0, 300, 300, "stops at the highest"},
      {0, -1, 0, 300, 0, "stops at the lowest"},
      {150.25, 1, 0, 300, 151.25, "a fraction stays"},
      {-100, -1, -100, 700, -100, "the top margin's lowest"},
      {700, 1, -100, 700, 700, "the top margin's highest"},
      {10, 5, 0, 300, 15, "an accelerated step"},
      {7, 0, 10, 5, 10, "crossed bounds: the lowest wins"},
  };
  for (const StepCase& c : cases) {
    fields[116] = c.start;
    EXPECT_EQ(KVFX_UpDownEVPUPressed(dialog, 116, c.step, c.lowest, c.highest, 2), 1) << c.why;
    EXPECT_DOUBLE_EQ(fields[116], c.expected) << c.why;
  }
}

TEST_F(EvpuFields, UpDownReadsAndWritesInTheCallersUnit) {
  fields[113] = 20;
  KVFX_UpDownEVPUPressed(dialog, 113, 1, 0, 700, 5);
  ASSERT_EQ(host.log().trace_of("FX_GetDlgItemUser").size(), 1u);
  EXPECT_EQ(host.log().trace_of("FX_GetDlgItemUser")[0].args[2], 5);
  EXPECT_EQ(host.log().trace_of("FX_SetDlgItemUser")[0].args[2], 5);
}

TEST_F(EvpuFields, UpDownCountsAFieldTheHostCannotReadAsZero) {
  readable = false;
  fields[113] = 55;
  KVFX_UpDownEVPUPressed(dialog, 113, 1, 0, 700, 1);
  EXPECT_EQ(fields[113], 1);
}

}  // namespace
