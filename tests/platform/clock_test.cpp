// The simulated clock: GetTickCount and timers that fall due as it moves.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/posix/testing.h"

namespace {

std::vector<std::string> fired;

LRESULT CALLBACK timer_window(HWND hwnd, UINT msg, WPARAM wp, LPARAM) {
  if (msg == WM_TIMER) {
    fired.push_back(std::to_string(GetDlgCtrlID(hwnd)) + ":" + std::to_string(wp) + "@" + std::to_string(GetTickCount()));
    if (wp == 9) KillTimer(hwnd, 9);  // a one-shot timer
  }
  return 0;
}

class Clock : public ::testing::Test {
 protected:
  void SetUp() override {
    standin::reset();
    fired.clear();
    parent = standin::create_window(nullptr, "Frame", 0, "", WS_POPUP, RECT{0, 0, 9, 9});
    a = standin::create_window(parent, "Timed", 1, "", WS_CHILD, RECT{0, 0, 1, 1});
    b = standin::create_window(parent, "Timed", 2, "", WS_CHILD, RECT{0, 0, 1, 1});
    SetWindowLongPtrA(a, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(timer_window));
    SetWindowLongPtrA(b, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(timer_window));
  }
  HWND parent = nullptr, a = nullptr, b = nullptr;
};

TEST_F(Clock, TimersFireInOrderOfDueTimeOncePerPeriod) {
  SetTimer(a, 1, 500, nullptr);
  standin::advance_clock(100);
  SetTimer(b, 7, 300, nullptr);  // due at 400, 700, 1000
  SetTimer(a, 9, 400, nullptr);  // due at 500 with timer 1 (set earlier, so it fires first), then killed
  standin::advance_clock(900);
  EXPECT_EQ(fired, (std::vector<std::string>{"2:7@400", "1:1@500", "1:9@500", "2:7@700", "1:1@1000", "2:7@1000"}));
  EXPECT_EQ(GetTickCount(), 1000u);
}

TEST_F(Clock, ResettingATimerStartsItsPeriodAgainAndDestroyingItsWindowEndsIt) {
  SetTimer(a, 1, 500, nullptr);
  standin::advance_clock(400);
  SetTimer(a, 1, 500, nullptr);
  standin::advance_clock(400);
  EXPECT_TRUE(fired.empty()) << "due at 900 after being set again at 400";
  standin::advance_clock(100);
  EXPECT_EQ(fired, std::vector<std::string>{"1:1@900"});
  DestroyWindow(a);
  standin::advance_clock(5000);
  EXPECT_EQ(fired.size(), 1u);
}

TEST_F(Clock, ResetStartsTheClockAgain) {
  standin::advance_clock(1234);
  EXPECT_EQ(GetTickCount(), 1234u);
  standin::reset();
  EXPECT_EQ(GetTickCount(), 0u);
}

}  // namespace
