// Visibility, minimizing, enabling and activation of stand-in windows.
#include <gtest/gtest.h>

#include <vector>

#include "platform/posix/testing.h"

namespace {

class WindowState : public ::testing::Test {
 protected:
  void SetUp() override { standin::reset(); }
};

TEST_F(WindowState, ShowWindowAnswersWhetherTheWindowWasVisible) {
  struct Case {
    bool visible_before;
    int command;
    BOOL answer;
    bool visible_after;
  };
  const Case cases[] = {
      {true, SW_HIDE, TRUE, false},      {false, SW_HIDE, FALSE, false},
      {false, SW_SHOW, FALSE, true},     {true, SW_SHOW, TRUE, true},
      {false, SW_SHOWNA, FALSE, true},   {true, SW_RESTORE, TRUE, true},
      {false, SW_RESTORE, FALSE, true},  {false, SW_MINIMIZE, FALSE, true},
      {true, SW_SHOWNORMAL, TRUE, true}, {false, SW_SHOWNOACTIVATE, FALSE, true},
  };
  for (const Case& c : cases) {
    standin::reset();
    HWND main = standin::create_window(nullptr, "Frame", 0, "", 0, RECT{0, 0, 9, 9});
    HWND w = standin::create_window(main, "Static", 1, "", 0, RECT{0, 0, 5, 5}, c.visible_before);
    EXPECT_EQ(ShowWindow(w, c.command) != 0, c.answer != 0)
        << "command " << c.command << " visible before " << c.visible_before;
    EXPECT_EQ(IsWindowVisible(w) != 0, c.visible_after) << "command " << c.command;
  }
}

TEST_F(WindowState, IsWindowVisibleIsFalseUnderAnyHiddenAncestor) {
  struct Case {
    const char* name;
    bool top, middle, leaf;
    bool visible;
  };
  const Case cases[] = {
      {"all shown", true, true, true, true},
      {"leaf hidden", true, true, false, false},
      {"middle hidden", true, false, true, false},
      {"top hidden", false, true, true, false},
  };
  for (const Case& c : cases) {
    standin::reset();
    HWND top = standin::create_window(nullptr, "Frame", 0, "", 0, RECT{0, 0, 9, 9}, c.top);
    HWND middle = standin::create_window(top, "Static", 203, "", 0, RECT{0, 0, 9, 9}, c.middle);
    HWND leaf = standin::create_window(middle, "Static", 1016, "", 0, RECT{0, 0, 9, 9}, c.leaf);
    EXPECT_EQ(IsWindowVisible(leaf) != 0, c.visible) << c.name;
    EXPECT_EQ((GetWindowLongA(leaf, GWL_STYLE) & WS_VISIBLE) != 0, c.leaf) << c.name;
  }
  EXPECT_FALSE(IsWindowVisible(nullptr));
}

TEST_F(WindowState, EnableWindowAnswersWhetherTheWindowWasDisabled) {
  HWND main = standin::create_window(nullptr, "Frame", 0, "", 0, RECT{0, 0, 9, 9});
  HWND w = standin::create_window(main, "Button", 1, "", 0, RECT{0, 0, 5, 5});
  EXPECT_FALSE(EnableWindow(w, FALSE)) << "was enabled";
  EXPECT_FALSE(IsWindowEnabled(w));
  EXPECT_TRUE(EnableWindow(w, FALSE)) << "was disabled";
  EXPECT_TRUE(EnableWindow(w, TRUE)) << "was disabled";
  EXPECT_FALSE(EnableWindow(w, TRUE)) << "was enabled";
  EXPECT_TRUE(IsWindowEnabled(w));
}

TEST_F(WindowState, DisablingTheFocusedWindowDropsTheFocus) {
  HWND main = standin::create_window(nullptr, "Frame", 0, "", 0, RECT{0, 0, 9, 9});
  HWND edit = standin::create_window(main, "Edit", 1, "", 0, RECT{0, 0, 5, 5});
  SetFocus(edit);
  ASSERT_EQ(GetFocus(), edit);
  EnableWindow(edit, FALSE);
  EXPECT_EQ(GetFocus(), nullptr);
  EXPECT_EQ(SetFocus(edit), nullptr) << "a disabled window cannot take the focus";
  EXPECT_EQ(GetFocus(), nullptr);
}

TEST_F(WindowState, MinimizedWindowIsParkedAndRestoredToItsRectangle) {
  HWND w = standin::create_window(nullptr, "#32770", 0, "", WS_POPUP, RECT{20, 40, 220, 190});
  ShowWindow(w, SW_MINIMIZE);
  EXPECT_TRUE(IsIconic(w));
  RECT r;
  GetWindowRect(w, &r);
  EXPECT_EQ(r.left, -32000);
  EXPECT_EQ(r.top, -32000);
  ShowWindow(w, SW_RESTORE);
  EXPECT_FALSE(IsIconic(w));
  GetWindowRect(w, &r);
  EXPECT_EQ(r.left, 20);
  EXPECT_EQ(r.top, 40);
  EXPECT_EQ(r.right, 220);
  EXPECT_EQ(r.bottom, 190);
}

std::vector<std::pair<HWND, WPARAM>> activations;

LRESULT CALLBACK record_activation(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_ACTIVATE) activations.push_back({hwnd, LOWORD(wp)});
  return DefWindowProcA(hwnd, msg, wp, lp);
}

TEST_F(WindowState, ActivationTellsTheLosingAndTheGainingWindow) {
  HWND main = standin::create_window(nullptr, "Frame", 0, "", 0, RECT{0, 0, 9, 9});
  HWND dialog = standin::create_window(nullptr, "Frame", 0, "", WS_POPUP, RECT{0, 0, 9, 9});
  SetWindowLongPtrA(main, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(record_activation));
  SetWindowLongPtrA(dialog, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(record_activation));
  ASSERT_EQ(GetActiveWindow(), dialog) << "a visible top-level window is activated when created";
  activations.clear();
  EXPECT_EQ(SetActiveWindow(main), dialog);
  ASSERT_EQ(activations.size(), 2u);
  EXPECT_EQ(activations[0], (std::pair<HWND, WPARAM>{dialog, WA_INACTIVE}));
  EXPECT_EQ(activations[1], (std::pair<HWND, WPARAM>{main, WA_ACTIVE}));
  activations.clear();
  SetActiveWindow(main);
  EXPECT_TRUE(activations.empty()) << "activating the active window sends nothing";
}

TEST_F(WindowState, ChildWindowsAreNotActivated) {
  HWND main = standin::create_window(nullptr, "Frame", 0, "", 0, RECT{0, 0, 9, 9});
  HWND control = standin::create_window(main, "Button", 1, "", 0, RECT{0, 0, 5, 5});
  EXPECT_EQ(SetActiveWindow(control), main);
  EXPECT_EQ(GetActiveWindow(), main);
}

TEST_F(WindowState, HidingOrDestroyingTheActiveWindowActivatesItsOwner) {
  HWND main = standin::create_window(nullptr, "Frame", 0, "", 0, RECT{0, 0, 9, 9});
  HWND dialog = CreateWindowExA(0, "#32770", "", WS_POPUP | WS_VISIBLE, 0, 0, 5, 5, main, nullptr,
                                nullptr, nullptr);
  ASSERT_EQ(GetActiveWindow(), dialog);
  ShowWindow(dialog, SW_HIDE);
  EXPECT_EQ(GetActiveWindow(), main);
  ShowWindow(dialog, SW_SHOW);
  EXPECT_EQ(GetActiveWindow(), dialog);
  DestroyWindow(dialog);
  EXPECT_EQ(GetActiveWindow(), main);
}

TEST_F(WindowState, FocusOnAControlActivatesItsTopLevelWindow) {
  HWND main = standin::create_window(nullptr, "Frame", 0, "", 0, RECT{0, 0, 9, 9});
  HWND dialog = standin::create_window(nullptr, "#32770", 0, "", WS_POPUP, RECT{0, 0, 9, 9});
  HWND edit = standin::create_window(main, "Edit", 1, "", 0, RECT{0, 0, 5, 5});
  ASSERT_EQ(GetActiveWindow(), dialog);
  SetFocus(edit);
  EXPECT_EQ(GetActiveWindow(), main);
  EXPECT_EQ(GetFocus(), edit);
}

TEST_F(WindowState, ChildRectanglesFollowTheirParentOnScreen) {
  HWND dialog = standin::create_window(nullptr, "#32770", 0, "", WS_POPUP, RECT{100, 50, 300, 250});
  HWND edit = standin::create_window(dialog, "Edit", 1, "", 0, RECT{10, 20, 40, 32});
  RECT r;
  GetWindowRect(edit, &r);
  EXPECT_EQ(r.left, 110);
  EXPECT_EQ(r.top, 70);
  MoveWindow(dialog, 0, 0, 200, 200, TRUE);
  GetWindowRect(edit, &r);
  EXPECT_EQ(r.left, 10);
  EXPECT_EQ(r.bottom, 32);
  GetClientRect(dialog, &r);
  EXPECT_EQ(r.right, 200);
  SetWindowPos(dialog, nullptr, 5, 6, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  GetWindowRect(dialog, &r);
  EXPECT_EQ(r.left, 5);
  EXPECT_EQ(r.right, 205) << "SWP_NOSIZE keeps the width";
}

}  // namespace

namespace {

std::vector<UINT> dying_messages;

LRESULT CALLBACK record_dying(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_ACTIVATE || msg == WM_DESTROY) dying_messages.push_back(msg);
  return DefWindowProcA(hwnd, msg, wp, lp);
}

TEST_F(WindowState, DestroyedActiveWindowIsDeactivatedBeforeItsDestroyMessage) {
  HWND main = standin::create_window(nullptr, "Frame", 0, "", 0, RECT{0, 0, 9, 9});
  HWND dialog = CreateWindowExA(0, "Frame", "", WS_POPUP | WS_VISIBLE, 0, 0, 5, 5, main, nullptr,
                                nullptr, nullptr);
  SetWindowLongPtrA(dialog, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(record_dying));
  dying_messages.clear();
  DestroyWindow(dialog);
  EXPECT_EQ(dying_messages, (std::vector<UINT>{WM_ACTIVATE, WM_DESTROY}));
  EXPECT_EQ(GetActiveWindow(), main);
}

}  // namespace
