#include <gtest/gtest.h>

#include "platform/posix/testing.h"
#include "support/host_call.h"
#include "support/sim_host_fixture.h"

namespace {

class DialogItems : public SimHostTest {
 protected:
  void SetUp() override {
    SimHostTest::SetUp();
    dialog = standin::create_window(nullptr, "#32770", 0, "Dialog", WS_POPUP, RECT{0, 0, 200, 200});
    standin::create_window(dialog, "Edit", 10, "42", WS_CHILD, RECT{0, 0, 50, 20});
    standin::create_window(dialog, "Button", 11, "Check", WS_CHILD | BS_AUTOCHECKBOX, RECT{0, 30, 50, 50});
  }
  HWND dialog = nullptr;
};

TEST_F(DialogItems, ANumberIsReadAndWrittenAsTheControlsText) {
  EXPECT_EQ(call_host("FX_GetDlgItemVal", dialog, 10, 3, 0x0F000200), 42);
  EXPECT_EQ(call_host("FX_SetDlgItemVal", dialog, 10, 3, -17, 0x0F000200), 1);
  char text[16] = {};
  GetDlgItemTextA(dialog, 10, text, sizeof text);
  EXPECT_STREQ(text, "-17");
  EXPECT_EQ(call_host("FX_GetDlgItemVal", dialog, 10, 3, 0x0F000200), -17);
}

TEST_F(DialogItems, ACheckBoxIsReadAndWrittenAsItsCheck) {
  EXPECT_EQ(call_host("FX_GetDlgItemVal", dialog, 11, 1, 0x0F000200), 0);
  call_host("FX_SetDlgItemVal", dialog, 11, 1, 1, 0x0F000200);
  EXPECT_EQ(IsDlgButtonChecked(dialog, 11), UINT(BST_CHECKED));
  EXPECT_EQ(call_host("FX_GetDlgItemVal", dialog, 11, 2, 0x0F000200), 1);
}

TEST_F(DialogItems, AMissingControlOrAnUnknownKindAnswersZero) {
  EXPECT_EQ(call_host("FX_GetDlgItemVal", dialog, 99, 3, 0x0F000200), 0);
  EXPECT_EQ(call_host("FX_SetDlgItemVal", dialog, 99, 3, 5, 0x0F000200), 0);
  EXPECT_EQ(call_host("FX_GetDlgItemVal", dialog, 10, 4, 0x0F000200), 0);
  EXPECT_EQ(call_host("FX_SetDlgItemVal", dialog, 10, 0, 5, 0x0F000200), 0);
}

}  // namespace
