// What the dialog's controls do on their own when a person uses them: automatic
// radio groups and check boxes, digit-only edits with a text limit, up-downs
// that keep a buddy's number and ask the parent before moving, and the
// WM_COMMAND and WM_NOTIFY codes the parent receives.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "conformance/conformance_windows.h"

namespace {

using conformance::Received;
using Win32Buttons = conformance::WindowsTest;

std::string text_of(HWND window) {
  char text[100];
  GetWindowTextA(window, text, sizeof text);
  return text;
}

TEST_F(Win32Buttons, AClickedAutoRadioButtonClearsTheOthersOfItsGroupOnly) {
  const DWORD radio = WS_VISIBLE | BS_AUTORADIOBUTTON;
  HWND a = child("Button", 102, "a", radio | WS_GROUP);
  HWND b = child("Button", 103, "b", radio);
  HWND c = child("Button", 104, "c", radio);
  HWND other = child("Button", 123, "d", radio | WS_GROUP);
  SendMessageA(a, BM_SETCHECK, BST_CHECKED, 0);
  SendMessageA(c, BM_SETCHECK, BST_CHECKED, 0);
  SendMessageA(other, BM_SETCHECK, BST_CHECKED, 0);
  click(b);
  EXPECT_EQ(SendMessageA(a, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(SendMessageA(b, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageA(c, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(SendMessageA(other, BM_GETCHECK, 0, 0), BST_CHECKED) << "the next group keeps its choice";
  EXPECT_EQ(received_, (std::vector<Received>{{WM_COMMAND, 103, BN_CLICKED, 0, 0}}));
}

TEST_F(Win32Buttons, AClickedAutoCheckBoxTogglesAndNotifiesEachTime) {
  HWND box = child("Button", 119, "Keep topmost", WS_VISIBLE | BS_AUTOCHECKBOX);
  click(box);
  EXPECT_EQ(IsDlgButtonChecked(parent_, 119), UINT(BST_CHECKED));
  click(box);
  EXPECT_EQ(IsDlgButtonChecked(parent_, 119), UINT(BST_UNCHECKED));
  EXPECT_EQ(received_.size(), 2u);
  for (const Received& r : received_) EXPECT_EQ(r, (Received{WM_COMMAND, 119, BN_CLICKED, 0, 0}));
}

// BM_CLICK is a message, not a person: it clicks a disabled button too (only
// mouse input is kept from disabled windows).
TEST_F(Win32Buttons, BmClickClicksEvenADisabledButton) {
  HWND box = child("Button", 121, "Compact", WS_VISIBLE | BS_AUTOCHECKBOX | WS_DISABLED);
  click(box);
  EXPECT_EQ(IsDlgButtonChecked(parent_, 121), UINT(BST_CHECKED));
  EXPECT_EQ(received_, (std::vector<Received>{{WM_COMMAND, 121, BN_CLICKED, 0, 0}}));
}

using Win32Edits = conformance::WindowsTest;

TEST_F(Win32Edits, ANumberEditTakesDigitsOnlyUpToItsLimit) {
  HWND edit = child("Edit", 106, "", WS_VISIBLE | ES_NUMBER);
  SendMessageA(edit, EM_LIMITTEXT, 4, 0);
  type(edit, "1a2-3 456");
  EXPECT_EQ(text_of(edit), "1234");
}

TEST_F(Win32Edits, TypingReplacesTheSelectionAndNotifiesEveryChange) {
  HWND edit = child("Edit", 113, "250", WS_VISIBLE);
  SendMessageA(edit, EM_SETSEL, 0, -1);
  received_.clear();
  type(edit, "-7");
  EXPECT_EQ(text_of(edit), "-7");
  int changes = 0;
  for (const Received& r : received_) changes += r.id == 113 && r.code == EN_CHANGE;
  EXPECT_EQ(changes, 2);
}

TEST_F(Win32Edits, SetWindowTextOfAnEditSendsEnChange) {
  HWND edit = child("Edit", 109, "", WS_VISIBLE);
  received_.clear();
  SetWindowTextA(edit, "12");
  EXPECT_EQ(received_.empty() ? Received{} : received_.back(), (Received{WM_COMMAND, 109, EN_CHANGE, 0, 0}));
}

using Win32UpDownArrows = conformance::WindowsTest;

TEST_F(Win32UpDownArrows, ABuddyIntUpDownWritesItsPositionIntoTheBuddy) {
  HWND edit = child("Edit", 106, "", WS_VISIBLE);
  HWND updown = child(UPDOWN_CLASSA, 107, nullptr, WS_VISIBLE | UDS_SETBUDDYINT | UDS_NOTHOUSANDS, 16, 24);
  SendMessageA(updown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
  SendMessageA(updown, UDM_SETRANGE, 0, MAKELPARAM(9999, 1));
  SendMessageA(updown, UDM_SETPOS, 0, MAKELPARAM(1234, 0));
  EXPECT_EQ(text_of(edit), "1234");
  SendMessageA(updown, UDM_SETPOS, 0, MAKELPARAM(20000, 0));
  EXPECT_EQ(text_of(edit), "9999") << "a position beyond the range is clamped";
}

TEST_F(Win32UpDownArrows, AnArrowClickAsksTheParentThenMovesAndReportsThePosition) {
  HWND edit = child("Edit", 106, "", WS_VISIBLE);
  HWND updown = child(UPDOWN_CLASSA, 107, nullptr, WS_VISIBLE | UDS_SETBUDDYINT | UDS_NOTHOUSANDS, 16, 24);
  SendMessageA(updown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
  SendMessageA(updown, UDM_SETRANGE, 0, MAKELPARAM(10, 1));
  SetWindowTextA(edit, "5");
  received_.clear();
  click_arrow(updown, true);
  EXPECT_EQ(text_of(edit), "6") << "the buddy's typed number is where the step starts";
  EXPECT_EQ(GetFocus(), edit) << "a click on the arrows hands the focus to the buddy edit";
  std::vector<Received> seen;
  for (const Received& r : received_)
    if (r.message != WM_COMMAND) seen.push_back(r);
  EXPECT_EQ(seen, (std::vector<Received>{{WM_NOTIFY, 107, int(UDN_DELTAPOS), 5, 1},
                                         {WM_VSCROLL, 0, SB_THUMBPOSITION, 6, 0},
                                         {WM_VSCROLL, 0, SB_ENDSCROLL, 6, 0}}));
}

TEST_F(Win32UpDownArrows, AParentThatAnswersDeltaPosKeepsThePosition) {
  HWND edit = child("Edit", 114, "", WS_VISIBLE);
  HWND updown = child(UPDOWN_CLASSA, 115, nullptr, WS_VISIBLE | UDS_SETBUDDYINT, 16, 24);
  SendMessageA(updown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
  SendMessageA(updown, UDM_SETRANGE, 0, MAKELPARAM(300, 0));
  SendMessageA(updown, UDM_SETPOS, 0, MAKELPARAM(0, 0));
  notify_answer_ = 1;
  click_arrow(updown, false);
  EXPECT_EQ(LOWORD(SendMessageA(updown, UDM_GETPOS, 0, 0)), 0);
  EXPECT_EQ(text_of(edit), "0");
}

TEST_F(Win32UpDownArrows, TheUpArrowOfAReversedRangeCountsDown) {
  HWND updown = child(UPDOWN_CLASSA, 117, nullptr, WS_VISIBLE, 16, 24);
  SendMessageA(updown, UDM_SETPOS, 0, MAKELPARAM(50, 0));
  click_arrow(updown, true);
  ASSERT_FALSE(received_.empty());
  EXPECT_EQ(received_.front(), (Received{WM_NOTIFY, 117, int(UDN_DELTAPOS), 50, -1}));
  EXPECT_EQ(LOWORD(SendMessageA(updown, UDM_GETPOS, 0, 0)), 49);
}

}  // namespace
