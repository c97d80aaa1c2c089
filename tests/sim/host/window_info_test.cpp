#include "sim/host/window_info.h"

#include <gtest/gtest.h>

#include <cstring>

#include "platform/posix/testing.h"
#include "support/host_call.h"
#include "support/sim_host_fixture.h"

namespace {

class WindowInfo : public SimHostTest {
 protected:
  // Calls the host with a buffer larger than the record and answers the buffer.
  sim::Bytes fill(FxWord* answer) {
    sim::Bytes buffer(300, 0xAA);
    *answer = call_host("FX_GetCurrentWindowInfo", buffer.data(), 0x0F000200);
    return buffer;
  }
};

TEST_F(WindowInfo, FillsTheWholeRecordAndNothingBeyond) {
  host.set_current_page(0x0304);
  FxWord answer = 0;
  const sim::Bytes record = fill(&answer);

  EXPECT_EQ(answer, 1);
  EXPECT_STREQ(reinterpret_cast<const char*>(record.data()), "Score");
  EXPECT_EQ(record[268], 1);
  EXPECT_EQ(record[269], 0);
  EXPECT_EQ(record[272], 0x04);
  EXPECT_EQ(record[273], 0x03);
  for (int offset : {264, 265, 266, 267, 270, 271, 274, 275}) EXPECT_EQ(record[offset], 0) << "offset " << offset;
  EXPECT_EQ(record[276], 0xAA) << "the record is 276 bytes long";
}

TEST_F(WindowInfo, TheHandleAtTwoSixtyIsAChildOfTheActiveDocumentWindow) {
  FxWord answer = 0;
  const sim::Bytes record = fill(&answer);
  HWND view = reinterpret_cast<HWND>(intptr_t(sim::get_i32(&record[260])));

  HWND client = FindWindowExA(host.main_window(), nullptr, "MDIClient", nullptr);
  ASSERT_NE(client, nullptr);
  HWND document = reinterpret_cast<HWND>(SendMessageA(client, WM_MDIGETACTIVE, 0, 0));
  ASSERT_NE(document, nullptr);
  EXPECT_EQ(GetParent(view), document);
}

TEST_F(WindowInfo, ScrollViewClearsTheFlagButKeepsThePage) {
  host.set_current_page(7);
  host.set_page_view(false);
  FxWord answer = 0;
  const sim::Bytes record = fill(&answer);
  EXPECT_EQ(sim::get_u16(&record[268]), 0);
  EXPECT_EQ(sim::get_i16(&record[272]), 7);
}

TEST_F(WindowInfo, WithoutADocumentTheHostAnswersZeroAndLeavesTheRecord) {
  host.set_document_open(false);
  FxWord answer = 1;
  EXPECT_EQ(fill(&answer), sim::Bytes(300, 0xAA));
  EXPECT_EQ(answer, 0);
  EXPECT_EQ(call_host("FX_GetCurrentWindowInfo", nullptr, 0x0F000200), 0);
}

class DocumentWindowTree : public SimHostTest {
 protected:
  HWND document() {
    HWND client = FindWindowExA(host.main_window(), nullptr, "MDIClient", nullptr);
    return reinterpret_cast<HWND>(SendMessageA(client, WM_MDIGETACTIVE, 0, 0));
  }
  HWND view_bar() { return GetDlgItem(document(), sim::kViewBarId); }
};

TEST_F(DocumentWindowTree, ThePageViewMarkerIsVisibleOnlyInPageView) {
  HWND marker = GetDlgItem(view_bar(), sim::kPageViewMarkerId);
  ASSERT_NE(marker, nullptr);
  EXPECT_NE(IsWindowVisible(marker), 0);
  host.set_page_view(false);
  EXPECT_EQ(IsWindowVisible(marker), 0);
}

TEST_F(DocumentWindowTree, ThePageBoxReadsTheCurrentPageAsANumber) {
  host.set_current_page(12);
  EXPECT_EQ(call_host("FX_GetDlgItemVal", view_bar(), sim::kPageBoxId, 3, 0x0F000200), 12);
  host.set_current_page(-3);
  EXPECT_EQ(call_host("FX_GetDlgItemVal", view_bar(), sim::kPageBoxId, 3, 0x0F000200), -3);
}

TEST_F(DocumentWindowTree, WithoutADocumentTheClientHasNoActiveChild) {
  host.set_document_open(false);
  EXPECT_EQ(document(), nullptr);
  host.set_document_open(true);
  EXPECT_NE(document(), nullptr);
}

TEST_F(DocumentWindowTree, IsBuiltAgainAfterTheStandInIsReset) {
  standin::reset();
  EXPECT_EQ(IsWindow(host.main_window()), TRUE);
  EXPECT_NE(GetDlgItem(view_bar(), sim::kPageBoxId), nullptr);
}

}  // namespace
