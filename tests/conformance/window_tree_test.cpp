// The order in which a dialog's children are visited: creation order, the
// order of a dialog template.
#include <gtest/gtest.h>

#include "conformance/conformance_windows.h"

namespace {

using Win32ChildOrder = conformance::WindowsTest;

TEST_F(Win32ChildOrder, GetTopWindowThenNextVisitsChildrenInCreationOrder) {
  HWND first = child("Button", 101, "Process range");
  HWND second = child("Static", 108, "to");
  HWND third = child("Edit", 109, "");
  ASSERT_TRUE(first && second && third);
  EXPECT_EQ(GetTopWindow(parent_), first);
  EXPECT_EQ(GetWindow(first, GW_HWNDNEXT), second);
  EXPECT_EQ(GetWindow(second, GW_HWNDNEXT), third);
  EXPECT_EQ(GetWindow(third, GW_HWNDNEXT), nullptr);
}

TEST_F(Win32ChildOrder, GetWindowLongAAnswersTheControlId) {
  HWND button = child("Button", 120, "Include");
  EXPECT_EQ(GetWindowLongA(button, GWL_ID), 120);
  EXPECT_EQ(GetDlgItem(parent_, 120), button);
}

TEST_F(Win32ChildOrder, AWindowWithoutChildrenHasNoTopChild) { EXPECT_EQ(GetTopWindow(parent_), nullptr); }

TEST_F(Win32ChildOrder, ADestroyedChildLeavesTheOrderOfTheOthers) {
  HWND first = child("Button", 1, "a");
  HWND second = child("Button", 2, "b");
  HWND third = child("Button", 3, "c");
  DestroyWindow(second);
  EXPECT_EQ(GetTopWindow(parent_), first);
  EXPECT_EQ(GetWindow(first, GW_HWNDNEXT), third);
}

}  // namespace
