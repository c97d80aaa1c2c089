// Window existence and restoring: what reopening the dialog relies on.
#include <gtest/gtest.h>

#include "conformance/conformance_windows.h"

namespace {

using Win32WindowState = conformance::WindowsTest;

TEST_F(Win32WindowState, IsWindowAnswersFalseForNoWindowAndForADestroyedOne) {
  HWND label = child("Static", 1, "x");
  EXPECT_TRUE(IsWindow(label));
  DestroyWindow(label);
  EXPECT_FALSE(IsWindow(label));
  EXPECT_FALSE(IsWindow(nullptr));
}

TEST_F(Win32WindowState, DestroyingAParentDestroysItsChildren) {
  HWND label = child("Static", 1, "x");
  DestroyWindow(parent_);
  EXPECT_FALSE(IsWindow(label));
  parent_ = nullptr;
}

TEST_F(Win32WindowState, RestoreShowsAMinimisedWindowAtItsSize) {
  HWND window = CreateWindowExA(0, "Static", "dialog", WS_POPUP | WS_CAPTION | WS_MINIMIZEBOX, 40, 50,
                                200, 120, nullptr, nullptr, nullptr, nullptr);
  ShowWindow(window, SW_SHOW);
  ShowWindow(window, SW_MINIMIZE);
  EXPECT_TRUE(IsIconic(window));
  ShowWindow(window, SW_RESTORE);
  EXPECT_FALSE(IsIconic(window));
  EXPECT_TRUE(IsWindowVisible(window));
  RECT r;
  GetWindowRect(window, &r);
  EXPECT_EQ(r.right - r.left, 200);
  EXPECT_EQ(r.bottom - r.top, 120);
  DestroyWindow(window);
}

// What a second menu pick relies on: restoring the open dialog activates it
// only when it was minimised, so bringing a shown one to the front takes a
// SetActiveWindow of its own.
TEST_F(Win32WindowState, RestoreActivatesOnlyAWindowThatWasMinimised) {
  HWND window = CreateWindowExA(0, "Static", "dialog", WS_POPUP | WS_CAPTION | WS_MINIMIZEBOX, 40, 50,
                                200, 120, nullptr, nullptr, nullptr, nullptr);
  ShowWindow(window, SW_SHOW);
  for (bool minimised : {false, true}) {
    if (minimised) ShowWindow(window, SW_MINIMIZE);
    ShowWindow(parent_, SW_SHOW);
    SetActiveWindow(parent_);
    ASSERT_EQ(GetActiveWindow(), parent_);
    ShowWindow(window, SW_RESTORE);
    EXPECT_EQ(GetActiveWindow(), minimised ? window : parent_) << "minimised " << minimised;
  }
  DestroyWindow(window);
}

}  // namespace
