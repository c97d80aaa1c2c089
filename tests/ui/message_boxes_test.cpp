// The fixed messages: each box's text, caption, style and owner as the
// stand-in's MessageBoxA saw them, the dispatch of page results, and the
// beep-only messages.
#include "ui/message_boxes.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/page_results.h"
#include "platform/posix/testing.h"

namespace {

struct BoxCase {
  int16_t result;  // the page result that raises the box; -1: none
  void (*show)(HWND window, int16_t page);
  const char* caption;
  const char* text;  // with page 7
  UINT style;
};

// The boxes without a page number ignore the page.
void system_load(HWND w, int16_t) { KVTR_UI_ErrorSystemLoadMsgBox(w); }
void system_save(HWND w, int16_t) { KVTR_UI_ErrorSystemSaveMsgBox(w); }
void need_update(HWND w, int16_t) { KVTR_UI_ErrorNeedUpdateMsgBox(w); }
void unknown_option(HWND w, int16_t) { KVTR_UI_ErrorUnknownOptionMsgBox(w); }
void system_number(HWND w, int16_t) { KVTR_UI_ErrorSystemNumberMsgBox(w); }

const BoxCase kBoxes[] = {
    {kPageMarginsTooWide, KVTR_UI_NoProcessingMsgBox, "Information",
     "Extra margins are too wide. Page 7 was not processed.", MB_ICONINFORMATION},
    {kPageLoadFailed, KVTR_UI_ErrorPageLoadMsgBox, "Page Load Error", "Internal error while loading page 7.",
     MB_ICONERROR},
    {kSystemLoadFailed, system_load, "System Load Error", "Internal error while loading staff system.",
     MB_ICONERROR},
    {kSystemSaveFailed, system_save, "System Save Error", "Internal error when trying to save staff system.",
     MB_ICONERROR},
    {kPageNotLaidOut, need_update, "Document Not Updated Error",
     "Your music document needs to be updated before correct processing can be done.", MB_ICONERROR},
    {kUnknownSingleOption, unknown_option, "Invalid option",
     "Unknown option for treatment of single staff system. Your registry is probably corrupt.", MB_ICONERROR},
    {kSystemRangeFailed, system_number, "Is the score updated?", "Error when calculating number of staff systems.",
     MB_ICONERROR},
    {kSystemsDoNotFit, KVTR_UI_SystemsDoNotFitMsgBox, "Information",
     "Staff systems are too tall for the page. Page 7 was not processed.", MB_ICONINFORMATION},
    {kPageScalingInvalid, KVTR_UI_InvalidPageScalingMsgBox, "Page Scaling Error",
     "Invalid page scaling percentage. Page 7 was not processed.", MB_ICONERROR},
};

class MessageBoxes : public testing::Test {
 protected:
  void SetUp() override {
    standin::reset();
    owner = standin::create_window(nullptr, "#32770", 0, "KV Dunvaro", 0, RECT{0, 0, 300, 200});
  }

  void expect_one_box(const BoxCase& c) {
    ASSERT_EQ(standin::message_boxes().size(), 1u);
    const standin::MessageBoxRecord& box = standin::message_boxes()[0];
    EXPECT_EQ(box.owner, owner);
    EXPECT_EQ(box.caption, c.caption);
    EXPECT_EQ(box.text, c.text);
    EXPECT_EQ(box.style, c.style);
  }

  HWND owner = nullptr;
};

TEST_F(MessageBoxes, EachMessageShowsItsTextCaptionAndStyle) {
  for (const BoxCase& c : kBoxes) {
    SCOPED_TRACE(c.caption);
    standin::clear_message_boxes();

    c.show(owner, 7);

    expect_one_box(c);
  }
}

TEST_F(MessageBoxes, EachPageResultRaisesItsBox) {
  for (const BoxCase& c : kBoxes) {
    SCOPED_TRACE(c.result);
    standin::clear_message_boxes();

    KVTR_UI_ReportPageResult(owner, 7, c.result);

    expect_one_box(c);
  }
}

TEST_F(MessageBoxes, ResultsWithoutMessageShowNothing) {
  for (const int16_t result : {kPageProcessed, kPageHasNoSystems, int16_t(11), int16_t(-1), int16_t(-32768)}) {
    KVTR_UI_ReportPageResult(owner, 7, result);
  }

  EXPECT_TRUE(standin::message_boxes().empty());
}

TEST_F(MessageBoxes, PageNumberPrintsAsSignedDecimal) {
  KVTR_UI_ErrorPageLoadMsgBox(owner, 32767);
  KVTR_UI_NoProcessingMsgBox(owner, -3);

  ASSERT_EQ(standin::message_boxes().size(), 2u);
  EXPECT_EQ(standin::message_boxes()[0].text, "Internal error while loading page 32767.");
  EXPECT_EQ(standin::message_boxes()[1].text, "Extra margins are too wide. Page -3 was not processed.");
}

TEST_F(MessageBoxes, MessageBoxAnswersTheButtonPressed) {
  standin::queue_message_box_answer(IDOK);
  standin::queue_message_box_answer(0);

  EXPECT_EQ(KVFX_MessageBox(owner, "text", "caption", 0x0040), IDOK);
  EXPECT_EQ(KVFX_MessageBox(owner, "text", "caption", 0x0040), 0) << "a box that could not be shown";
}

TEST_F(MessageBoxes, StyleIsWidenedWithoutSign) {
  KVFX_MessageBox(owner, "text", "caption", 0x8010);

  ASSERT_EQ(standin::message_boxes().size(), 1u);
  EXPECT_EQ(standin::message_boxes()[0].style, 0x8010u);
}

TEST_F(MessageBoxes, BoxThatCannotBeShownIsNotRetried) {
  standin::queue_message_box_answer(0);

  KVTR_UI_ReportPageResult(owner, 3, kPageLoadFailed);
  KVTR_UI_ReportPageResult(owner, 4, kPageLoadFailed);

  ASSERT_EQ(standin::message_boxes().size(), 2u);
  EXPECT_EQ(standin::message_boxes()[0].text, "Internal error while loading page 3.");
  EXPECT_EQ(standin::message_boxes()[1].text, "Internal error while loading page 4.");
}

TEST_F(MessageBoxes, InvalidEntriesOnlyBeep) {
  for (void (*message)(HWND) :
       {KVTR_UI_InvalidPageRangeMsgBox, KVTR_UI_InvalidTopMarginMsgBox, KVTR_UI_InvalidBottomMarginMsgBox}) {
    standin::clear_beeps();

    message(owner);

    ASSERT_FALSE(standin::beeps().empty());
    EXPECT_EQ(standin::beeps()[0], UINT{MB_ICONEXCLAMATION});
  }
  EXPECT_TRUE(standin::message_boxes().empty());
}

}  // namespace
