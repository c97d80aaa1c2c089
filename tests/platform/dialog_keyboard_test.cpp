// Keys at a dialog as the dialog manager handles them (standin::press_key).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/posix/testing.h"

namespace {

std::vector<int> clicked;  // the ids of the BN_CLICKED commands the dialog heard

INT_PTR CALLBACK command_log(HWND, UINT msg, WPARAM wp, LPARAM) {
  if (msg == WM_COMMAND && HIWORD(wp) == BN_CLICKED) clicked.push_back(LOWORD(wp));
  return TRUE;
}

enum : int { kLabel = 10, kEdit = 11, kUpDown = 12, kFirstRadio = 13, kSecondRadio = 14, kCheck = 15, kOff = 16 };

class DialogKeyboard : public ::testing::Test {
 protected:
  void SetUp() override {
    standin::reset();
    clicked.clear();
    dialog = standin::create_window(nullptr, "#32770", 0, "", WS_POPUP, RECT{0, 0, 200, 200});
    standin::set_dialog_proc(dialog, command_log);
    add("Static", kLabel, "&Name:", 0);
    add("Edit", kEdit, "5", WS_TABSTOP | WS_BORDER);
    HWND updown = add("msctls_updown32", kUpDown, "", UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_AUTOBUDDY);
    SendMessageA(updown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(GetDlgItem(dialog, kEdit)), 0);
    SendMessageA(updown, UDM_SETRANGE, 0, MAKELPARAM(9, 0));
    add("Button", kFirstRadio, "&First", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP);
    add("Button", kSecondRadio, "&Second", BS_AUTORADIOBUTTON);
    CheckDlgButton(dialog, kFirstRadio, BST_CHECKED);
    add("Button", kCheck, "&Keep", BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP);
    add("Button", IDOK, "&Go", BS_DEFPUSHBUTTON | WS_TABSTOP);
    add("Button", IDCANCEL, "Cancel", BS_PUSHBUTTON | WS_TABSTOP);
    EnableWindow(add("Button", kOff, "&Zap", BS_PUSHBUTTON | WS_TABSTOP), FALSE);
  }
  HWND add(const char* kind, int id, const char* text, DWORD style) {
    return standin::create_window(dialog, kind, id, text, style, RECT{0, 0, 20, 10});
  }
  HWND dialog = nullptr;
};

TEST_F(DialogKeyboard, EachKeyActsAsTheDialogManagerDoes) {
  struct Case {
    const char* name;
    int focus;  // before the key
    int key;
    bool shift, ctrl, alt;
    std::vector<int> clicks;
    int focus_after;
    size_t beeps;
  };
  const Case cases[] = {
      {"Tab to the next tab stop", kEdit, VK_TAB, false, false, false, {}, kFirstRadio, 0},
      {"Shift+Tab back", kFirstRadio, VK_TAB, true, false, false, {}, kEdit, 0},
      {"Tab skips a disabled button and wraps", IDCANCEL, VK_TAB, false, false, false, {}, kEdit, 0},
      {"Enter in an edit: the default button", kEdit, VK_RETURN, false, false, false, {IDOK}, kEdit, 0},
      {"Enter on a push button: that button", IDCANCEL, VK_RETURN, false, false, false, {IDCANCEL}, IDCANCEL, 0},
      {"Escape: the cancel command", kEdit, VK_ESCAPE, false, false, false, {IDCANCEL}, kEdit, 0},
      {"Space on a check box clicks it", kCheck, VK_SPACE, false, false, false, {kCheck}, kCheck, 0},
      {"Alt and a label's letter: its field", kCheck, 'N', false, false, true, {}, kEdit, 0},
      {"Alt and a check box's letter", kEdit, 'K', false, false, true, {kCheck}, kCheck, 0},
      {"Alt and a push button's letter", kEdit, 'G', false, false, true, {IDOK}, kEdit, 0},
      {"Alt and a disabled button's letter beeps", kEdit, 'Z', false, false, true, {}, kEdit, 1},
      {"Alt and nobody's letter beeps", kEdit, 'Q', false, false, true, {}, kEdit, 1},
      {"a letter alone outside an edit is an accelerator", kFirstRadio, 'K', false, false, false, {kCheck}, kCheck, 0},
      {"a letter alone in an edit is typed", kEdit, 'K', false, false, false, {}, kEdit, 0},
      {"Ctrl and a letter is no accelerator", kFirstRadio, 'K', false, true, false, {}, kFirstRadio, 0},
      {"Down on a radio button checks the next", kFirstRadio, VK_DOWN, false, false, false, {kSecondRadio},
       kSecondRadio, 0},
  };
  for (const Case& c : cases) {
    SetUp();
    SetFocus(GetDlgItem(dialog, c.focus));
    standin::press_key(dialog, c.key, c.shift, c.ctrl, c.alt);
    EXPECT_EQ(clicked, c.clicks) << c.name;
    EXPECT_EQ(GetDlgCtrlID(GetFocus()), c.focus_after) << c.name;
    EXPECT_EQ(standin::beeps().size(), c.beeps) << c.name;
    EXPECT_EQ(GetKeyState(VK_CONTROL) & 0x8000, 0) << c.name << ": the modifiers are let go";
  }
}

TEST_F(DialogKeyboard, ArrowKeysInAnEditStepItsUpDownAndEnterSkipsADisabledDefault) {
  SetFocus(GetDlgItem(dialog, kEdit));
  standin::press_key(dialog, VK_UP, false, false, false);
  standin::press_key(dialog, VK_UP, false, false, false);
  standin::press_key(dialog, VK_DOWN, false, false, false);
  char text[16] = {};
  GetDlgItemTextA(dialog, kEdit, text, int(sizeof text));
  EXPECT_STREQ(text, "6");
  EnableWindow(GetDlgItem(dialog, IDOK), FALSE);
  standin::press_key(dialog, VK_RETURN, false, false, false);
  EXPECT_TRUE(clicked.empty());
}

}  // namespace
