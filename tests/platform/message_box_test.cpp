// Message boxes and beeps: the log, scripted answers and default buttons.
#include <gtest/gtest.h>

#include "platform/posix/testing.h"

namespace {

class MessageBox : public ::testing::Test {
 protected:
  void SetUp() override { standin::reset(); }
};

TEST_F(MessageBox, LogsEveryBoxWithItsOwnerTextCaptionAndStyle) {
  HWND owner = standin::create_window(nullptr, "#32770", 0, "", WS_POPUP, RECT{0, 0, 9, 9});
  EXPECT_EQ(MessageBoxA(owner, "Page 4 was not processed.", "Information", MB_ICONINFORMATION),
            IDOK);
  EXPECT_EQ(MessageBoxA(nullptr, nullptr, nullptr, MB_OK), IDOK);
  ASSERT_EQ(standin::message_boxes().size(), 2u);
  const standin::MessageBoxRecord& first = standin::message_boxes()[0];
  EXPECT_EQ(first.owner, owner);
  EXPECT_EQ(first.text, "Page 4 was not processed.");
  EXPECT_EQ(first.caption, "Information");
  EXPECT_EQ(first.style, UINT(MB_ICONINFORMATION));
  EXPECT_EQ(standin::message_boxes()[1].caption, "Error") << "a null caption shows as Error";
}

TEST_F(MessageBox, UnscriptedBoxesAnswerTheirDefaultButton) {
  struct Case {
    UINT style;
    int answer;
  };
  const Case cases[] = {{MB_OK, IDOK},
                        {MB_OKCANCEL | MB_DEFBUTTON2, IDCANCEL},
                        {MB_YESNO, IDYES},
                        {MB_YESNOCANCEL | MB_DEFBUTTON3, IDCANCEL},
                        {MB_ABORTRETRYIGNORE | MB_DEFBUTTON2, IDRETRY},
                        {MB_RETRYCANCEL | MB_DEFBUTTON3, IDRETRY},
                        {MB_ICONERROR, IDOK}};
  for (const Case& c : cases) EXPECT_EQ(MessageBoxA(nullptr, "", "", c.style), c.answer) << c.style;
}

TEST_F(MessageBox, ScriptedAnswersComeInOrderAndZeroMeansNotShown) {
  standin::queue_message_box_answer(IDNO);
  standin::queue_message_box_answer(0);
  EXPECT_EQ(MessageBoxA(nullptr, "a", "", MB_YESNO), IDNO);
  EXPECT_EQ(MessageBoxA(nullptr, "b", "", MB_YESNO), 0);
  EXPECT_EQ(MessageBoxA(nullptr, "c", "", MB_YESNO), IDYES);
}

TEST_F(MessageBox, OwnerThatIsNoWindowCannotShowABox) {
  HWND gone = standin::create_window(nullptr, "Frame", 0, "", 0, RECT{0, 0, 9, 9});
  DestroyWindow(gone);
  standin::queue_message_box_answer(IDCANCEL);
  EXPECT_EQ(MessageBoxA(gone, "x", "y", MB_OKCANCEL), 0);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_WINDOW_HANDLE));
  EXPECT_EQ(MessageBoxA(nullptr, "x", "y", MB_OKCANCEL), IDCANCEL) << "the script was kept";
}

TEST_F(MessageBox, ObserverSeesEachBoxAsItIsShown) {
  int seen = 0;
  standin::set_message_box_observer([&seen](const standin::MessageBoxRecord& box) {
    EXPECT_EQ(box.answer, IDOK);
    ++seen;
  });
  MessageBoxA(nullptr, "x", "y", MB_OK);
  EXPECT_EQ(seen, 1);
  standin::reset();
  MessageBoxA(nullptr, "x", "y", MB_OK);
  EXPECT_EQ(seen, 1) << "reset removes the observer";
}

TEST(MessageBeep, LogsTheSoundAndAnswersFromTheScript) {
  standin::reset();
  standin::queue_beep_result(FALSE);
  EXPECT_FALSE(MessageBeep(MB_ICONEXCLAMATION));
  EXPECT_TRUE(MessageBeep(0xFFFFFFFF));
  EXPECT_EQ(standin::beeps(), (std::vector<UINT>{0x30, 0xFFFFFFFF}));
}

}  // namespace
