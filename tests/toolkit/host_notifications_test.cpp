#include "toolkit/host_notifications.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/posix/testing.h"
#include "globals/toolkit_globals.h"
#include "toolkit/notify_hooks.h"

namespace {

struct Event {
  int32_t code;
  int32_t value;
  int16_t data;  // the 16-bit event data, -1 when none was given
};
std::vector<Event> heard;
std::vector<UINT> host_handled;

int32_t listener(int32_t code, int32_t value, const void* data) {
  heard.push_back({code, value, data != nullptr ? *static_cast<const int16_t*>(data) : int16_t(-1)});
  return 0;
}

LRESULT CALLBACK host_procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  host_handled.push_back(message);
  if (message == WM_CLOSE) return 0;  // the host decides later whether to close
  return DefWindowProcA(window, message, wParam, lParam);
}

class HostNotifications : public testing::Test {
 protected:
  void SetUp() override {
    standin::reset();
    heard.clear();
    host_handled.clear();
    saved_window_ = FinaleWindow;
    host_ = standin::create_window(nullptr, "Host", 0, "Host", 0, RECT{0, 0, 800, 600});
    SetWindowLongPtrA(host_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&host_procedure));
    Connect2Utils(host_);
  }
  void TearDown() override {
    PDKTOOLS_SetNotifyHook(&listener, 0);
    Connect2Utils(saved_window_);
    standin::reset();
  }
  HWND host_ = nullptr;

 private:
  HWND saved_window_ = nullptr;
};

TEST_F(HostNotifications, HostWindowMessagesBecomeEventsBeforeTheHostHandlesThem) {
  ASSERT_EQ(PDKTOOLS_SetNotifyHook(&listener, 1), 1);
  SendMessageA(host_, WM_SETTINGCHANGE, 0, 0);
  SendMessageA(host_, WM_ACTIVATEAPP, TRUE, 0);
  SendMessageA(host_, WM_ACTIVATEAPP, FALSE, 0);
  SendMessageA(host_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Host"));
  SendMessageA(host_, WM_CLOSE, 0, 0);
  ASSERT_EQ(heard.size(), 4u);
  EXPECT_EQ(heard[0].code, 1);
  EXPECT_EQ(heard[1].code, 5);
  EXPECT_EQ(heard[1].data, 1);
  EXPECT_EQ(heard[2].code, 5);
  EXPECT_EQ(heard[2].data, 0);
  EXPECT_EQ(heard[3].code, 52);
  EXPECT_EQ(host_handled,
            (std::vector<UINT>{WM_SETTINGCHANGE, WM_ACTIVATEAPP, WM_ACTIVATEAPP, WM_SETTEXT, WM_CLOSE}));
}

TEST_F(HostNotifications, TheHostsProcedureReturnsWithTheLastHook) {
  PDKTOOLS_SetNotifyHook(&listener, 1);
  EXPECT_NE(GetWindowLongPtrA(host_, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&host_procedure));
  PDKTOOLS_SetNotifyHook(&listener, 0);
  EXPECT_EQ(GetWindowLongPtrA(host_, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&host_procedure));
  SendMessageA(host_, WM_CLOSE, 0, 0);
  EXPECT_TRUE(heard.empty());
  EXPECT_EQ(host_handled, std::vector<UINT>{WM_CLOSE});
}

}  // namespace
