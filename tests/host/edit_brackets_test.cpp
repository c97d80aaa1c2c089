#include "host/edit_brackets.h"

#include <gtest/gtest.h>

#include "host/fx_entries.h"
#include "support/sim_host_fixture.h"

namespace {

// FinaleEditDepth belongs to the process: each test starts it at 0 and puts
// back what it found, so the tests hold in any order.
class EditBrackets : public SimHostTest {
 protected:
  void SetUp() override {
    SimHostTest::SetUp();
    saved_depth_ = FinaleEditDepth;
    FinaleEditDepth = 0;
    host.log().set_tracing(true);
    host.override("FX_StartFinaleEdit", [](const sim::Args&) { return FxWord(0x00010005); });
    host.override("FX_EndFinaleEdit", [](const sim::Args&) { return FxWord(0x00018001); });
    host.override("FX_CancelFinaleEdit", [](const sim::Args&) { return FxWord(0x00010007); });
  }
  void TearDown() override { FinaleEditDepth = saved_depth_; }

 private:
  int32_t saved_depth_ = 0;
};

TEST_F(EditBrackets, ASecondEndAfterOneStartNeverReachesTheHostAndAnswers1) {
  EXPECT_EQ(FX_StartFinaleEdit(9, FxWord(kFxInterfaceVersion)), 0x00010005);
  EXPECT_EQ(FinaleEditDepth, 1);
  EXPECT_EQ(FX_EndFinaleEdit(FxWord(kFxInterfaceVersion)), -32767) << "the host's answer, 16-bit";
  EXPECT_EQ(FX_EndFinaleEdit(FxWord(kFxInterfaceVersion)), 1);
  EXPECT_EQ(FinaleEditDepth, 0);
  EXPECT_EQ(host.log().count("FX_EndFinaleEdit"), 1);
  const auto start = host.log().trace_of("FX_StartFinaleEdit");
  ASSERT_EQ(start.size(), 1u);
  EXPECT_EQ(start[0].args, (sim::Args{9, FxWord(kFxInterfaceVersion)}));
}

TEST_F(EditBrackets, ACancelWithoutAnOpenEditDoesNothing) {
  EXPECT_EQ(FX_CancelFinaleEdit(FxWord(kFxInterfaceVersion)), 0);
  EXPECT_EQ(FinaleEditDepth, 0);
  EXPECT_EQ(host.log().total(), 0);
}

TEST_F(EditBrackets, NestedEditsCloseInTurnThroughEndsAndCancels) {
  FX_StartFinaleEdit(0, FxWord(kFxInterfaceVersion));
  FX_StartFinaleEdit(0, FxWord(kFxInterfaceVersion));
  EXPECT_EQ(FinaleEditDepth, 2);
  EXPECT_EQ(FX_CancelFinaleEdit(FxWord(kFxInterfaceVersion)), 0x00010007);
  EXPECT_EQ(FinaleEditDepth, 1);
  FX_EndFinaleEdit(FxWord(kFxInterfaceVersion));
  EXPECT_EQ(FinaleEditDepth, 0);
  FX_CancelFinaleEdit(FxWord(kFxInterfaceVersion));
  FX_EndFinaleEdit(FxWord(kFxInterfaceVersion));
  EXPECT_EQ(FinaleEditDepth, 0);
  EXPECT_EQ(host.log().count("FX_CancelFinaleEdit"), 1);
  EXPECT_EQ(host.log().count("FX_EndFinaleEdit"), 1);
}

TEST_F(EditBrackets, ANegativeDepthIsTreatedAsNoOpenEdit) {
  FinaleEditDepth = -3;
  EXPECT_EQ(FX_EndFinaleEdit(FxWord(kFxInterfaceVersion)), 1);
  EXPECT_EQ(FX_CancelFinaleEdit(FxWord(kFxInterfaceVersion)), 0);
  EXPECT_EQ(FinaleEditDepth, -3);
  EXPECT_EQ(host.log().total(), 0);
}

}  // namespace
