#include "toolkit/error_beep.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/posix/testing.h"

namespace {

class ErrorBeep : public testing::Test {
 protected:
  void SetUp() override { standin::clear_beeps(); }
};

TEST_F(ErrorBeep, PlaysTheExclamationSound) {
  EXPECT_NE(FTX_ErrorBeep(), 0);
  EXPECT_EQ(standin::beeps(), std::vector<UINT>{MB_ICONEXCLAMATION});
}

TEST_F(ErrorBeep, FallsBackOnTheSimpleBeep) {
  standin::queue_beep_result(FALSE);
  standin::queue_beep_result(FALSE);
  EXPECT_EQ(FTX_ErrorBeep(), 0) << "the simple beep's answer";
  EXPECT_EQ(standin::beeps(), (std::vector<UINT>{MB_ICONEXCLAMATION, 0xFFFFFFFFu}));
}

}  // namespace
