// The MDI client's active child.
#include <gtest/gtest.h>

#include "platform/posix/testing.h"

namespace {

TEST(MdiClient, AnswersItsActiveChildUntilItIsDestroyed) {
  standin::reset();
  HWND main = standin::create_window(nullptr, "Frame", 0, "", 0, RECT{0, 0, 9, 9});
  HWND client = standin::create_window(main, "MDIClient", 0, "", 0, RECT{0, 0, 9, 9});
  HWND first = standin::create_window(client, "Document", 1, "", 0, RECT{0, 0, 9, 9});
  HWND second = standin::create_window(client, "Document", 2, "", 0, RECT{0, 0, 9, 9});
  EXPECT_EQ(SendMessageA(client, WM_MDIGETACTIVE, 0, 0), 0);
  standin::set_mdi_active(client, first);
  EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(client, WM_MDIGETACTIVE, 0, 0)), first);
  SendMessageA(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(second), 0);
  BOOL maximized = TRUE;
  EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(client, WM_MDIGETACTIVE, 0,
                                                reinterpret_cast<LPARAM>(&maximized))),
            second);
  EXPECT_FALSE(maximized);
  DestroyWindow(second);
  EXPECT_EQ(SendMessageA(client, WM_MDIGETACTIVE, 0, 0), 0);
  EXPECT_EQ(SendMessageA(main, WM_MDIGETACTIVE, 0, 0), 0) << "only the client knows";
}

}  // namespace
