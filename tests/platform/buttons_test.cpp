// Button check states, the dialog check helpers and clicks.
#include <gtest/gtest.h>

#include <vector>

#include "platform/posix/testing.h"

namespace {

std::vector<WPARAM> commands;

INT_PTR CALLBACK command_log(HWND, UINT msg, WPARAM wp, LPARAM) {
  if (msg == WM_COMMAND) commands.push_back(wp);
  return TRUE;
}

class Buttons : public ::testing::Test {
 protected:
  void SetUp() override {
    standin::reset();
    commands.clear();
    dialog = standin::create_window(nullptr, "#32770", 0, "", WS_POPUP, RECT{0, 0, 9, 9});
    standin::set_dialog_proc(dialog, command_log);
  }
  HWND add(int id, DWORD style) {
    return standin::create_window(dialog, "Button", id, "", style, RECT{0, 0, 5, 5});
  }
  HWND dialog = nullptr;
};

TEST_F(Buttons, CheckStateIsLimitedToWhatTheButtonTypeShows) {
  struct Case {
    const char* name;
    DWORD type;
    UINT requested;
    UINT stored;
  };
  const Case cases[] = {
      {"push button", BS_PUSHBUTTON, BST_CHECKED, BST_UNCHECKED},
      {"group box", BS_GROUPBOX, BST_CHECKED, BST_UNCHECKED},
      {"check box", BS_AUTOCHECKBOX, BST_CHECKED, BST_CHECKED},
      {"check box, indeterminate", BS_AUTOCHECKBOX, BST_INDETERMINATE, BST_CHECKED},
      {"radio", BS_AUTORADIOBUTTON, 7, BST_CHECKED},
      {"three-state", BS_AUTO3STATE, BST_INDETERMINATE, BST_INDETERMINATE},
      {"three-state, too high", BS_3STATE, 5, BST_INDETERMINATE},
  };
  int id = 100;
  for (const Case& c : cases) {
    add(++id, c.type);
    CheckDlgButton(dialog, id, c.requested);
    EXPECT_EQ(IsDlgButtonChecked(dialog, id), c.stored) << c.name;
  }
  EXPECT_EQ(IsDlgButtonChecked(dialog, 999), 0u);
}

TEST_F(Buttons, RadioButtonIsATabStopExactlyWhileChecked) {
  HWND radio = add(102, BS_AUTORADIOBUTTON | WS_TABSTOP);
  CheckDlgButton(dialog, 102, BST_UNCHECKED);
  EXPECT_EQ(GetWindowLongA(radio, GWL_STYLE) & WS_TABSTOP, 0);
  CheckDlgButton(dialog, 102, BST_CHECKED);
  EXPECT_NE(GetWindowLongA(radio, GWL_STYLE) & WS_TABSTOP, 0);
}

TEST_F(Buttons, CheckRadioButtonChecksOneOfTheRange) {
  for (int id = 123; id <= 126; ++id) add(id, BS_AUTORADIOBUTTON);
  add(127, BS_AUTOCHECKBOX);
  CheckDlgButton(dialog, 127, BST_CHECKED);
  CheckDlgButton(dialog, 123, BST_CHECKED);
  CheckRadioButton(dialog, 123, 126, 125);
  for (int id = 123; id <= 126; ++id)
    EXPECT_EQ(IsDlgButtonChecked(dialog, id), id == 125 ? 1u : 0u) << id;
  EXPECT_EQ(IsDlgButtonChecked(dialog, 127), 1u) << "outside the range";
}

TEST_F(Buttons, ClickingAnAutoRadioClearsItsGroupOnlyAndNotifies) {
  HWND first = add(102, BS_AUTORADIOBUTTON | WS_GROUP);
  add(103, BS_AUTORADIOBUTTON);
  HWND third = add(104, BS_AUTORADIOBUTTON);
  add(123, BS_AUTORADIOBUTTON | WS_GROUP);
  CheckDlgButton(dialog, 102, BST_CHECKED);
  CheckDlgButton(dialog, 123, BST_CHECKED);
  standin::click_button(third);
  EXPECT_EQ(IsDlgButtonChecked(dialog, 102), 0u);
  EXPECT_EQ(IsDlgButtonChecked(dialog, 104), 1u);
  EXPECT_EQ(IsDlgButtonChecked(dialog, 123), 1u) << "another group";
  ASSERT_EQ(commands.size(), 1u);
  EXPECT_EQ(commands[0], MAKEWPARAM(104, BN_CLICKED));
  EXPECT_EQ(GetFocus(), third);
  (void)first;
}

TEST_F(Buttons, ClickingTogglesCheckBoxesAndDisabledButtonsIgnoreIt) {
  HWND box = add(119, BS_AUTOCHECKBOX);
  standin::click_button(box);
  EXPECT_EQ(IsDlgButtonChecked(dialog, 119), 1u);
  SendMessageA(box, BM_CLICK, 0, 0);
  EXPECT_EQ(IsDlgButtonChecked(dialog, 119), 0u);
  EnableWindow(box, FALSE);
  standin::click_button(box);
  EXPECT_EQ(IsDlgButtonChecked(dialog, 119), 0u);
  EXPECT_EQ(commands.size(), 2u);
}

}  // namespace
