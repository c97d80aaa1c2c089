#include "toolkit/focus.h"

#include <gtest/gtest.h>

#include "platform/posix/testing.h"
#include "globals/toolkit_globals.h"

namespace {

class SetFinaleInFocus : public testing::Test {
 protected:
  void SetUp() override {
    standin::reset();
    host_window_ = standin::create_window(nullptr, "HostFrame", 0, "Host", 0, RECT{0, 0, 800, 600});
    other_window_ = standin::create_window(nullptr, "Other", 0, "Other", 0, RECT{0, 0, 200, 100});
    saved_window_ = FinaleWindow;
    saved_globals_ = PDKToolsGlobals;
    Connect2Utils(host_window_);
    SetActiveWindow(other_window_);
  }
  void TearDown() override {
    Connect2Utils(saved_window_);
    PDKToolsGlobals = saved_globals_;
    standin::reset();
  }

  HWND host_window_ = nullptr;
  HWND other_window_ = nullptr;

 private:
  HWND saved_window_ = nullptr;
  FTX_PDKTOOLSGLOBALS saved_globals_ = {};
};

TEST_F(SetFinaleInFocus, ForcedActivatesTheHostsWindow) {
  FTX_SetFinaleInFocus(true);
  EXPECT_EQ(GetActiveWindow(), host_window_);
}

TEST_F(SetFinaleInFocus, UnforcedLeavesTheFocusWhileTheReturnFocusWordIsZero) {
  EXPECT_EQ(FTX_ReturnFocusToFinale(), 0);
  FTX_SetFinaleInFocus(false);
  EXPECT_EQ(GetActiveWindow(), other_window_);
}

TEST_F(SetFinaleInFocus, UnforcedFollowsTheReturnFocusWord) {
  PDKToolsGlobals.returnFocusToHost = -2;
  EXPECT_EQ(FTX_ReturnFocusToFinale(), -2);
  FTX_SetFinaleInFocus(false);
  EXPECT_EQ(GetActiveWindow(), host_window_);
}

}  // namespace
