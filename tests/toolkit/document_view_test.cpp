#include "toolkit/document_view.h"

#include <gtest/gtest.h>

#include "platform/posix/testing.h"
#include "globals/toolkit_globals.h"
#include "support/sim_host_fixture.h"
#include "toolkit_test_support.h"

namespace {

using toolkit_test::HostEra;

class DocumentView : public SimHostTest, public testing::WithParamInterface<HostEra> {
 protected:
  void SetUp() override {
    SimHostTest::SetUp();
    standin::reset();
    set_host_version(GetParam().word);
    Connect2Utils(host.main_window());
  }

  bool uses_window_info() const { return GetParam().year > 2003; }
  int window_info_calls() const { return host.log().count("FX_GetCurrentWindowInfo"); }
};

TEST_P(DocumentView, FindsTheActiveDocumentWindow) {
  EXPECT_EQ(FTX_FinaleWindow(), host.main_window());
  EXPECT_EQ(FTX_GetDocumentWindow(), host.windows().document());
  EXPECT_EQ(window_info_calls(), uses_window_info() ? 1 : 0) << "a host of 2003 or earlier uses the window tree";
}

TEST_P(DocumentView, ReadsPageViewAndThePageShown) {
  host.set_current_page(7);
  EXPECT_TRUE(FTX_IsPageView());
  EXPECT_EQ(FTX_GetCurrentPage(), 7);

  host.set_page_view(false);
  EXPECT_FALSE(FTX_IsPageView());
  EXPECT_EQ(FTX_GetCurrentPage(), 0) << "the host still names page 7 outside page view";
}

TEST_P(DocumentView, WithoutADocumentThereIsNoPageView) {
  host.set_document_open(false);
  EXPECT_EQ(FTX_GetDocumentWindow(), nullptr);
  EXPECT_FALSE(FTX_IsPageView());
  EXPECT_EQ(FTX_GetCurrentPage(), 0);
}

TEST_P(DocumentView, ARefusedWindowInfoCallFallsBackOnTheWindowTree) {
  host.override("FX_GetCurrentWindowInfo", [](const sim::Args&) -> FxWord { return 0; });
  host.set_current_page(4);
  EXPECT_EQ(FTX_GetDocumentWindow(), host.windows().document());
  EXPECT_TRUE(FTX_IsPageView());
  EXPECT_EQ(FTX_GetCurrentPage(), 4);
}

// Hosts after 2003 on Windows 95, 98 and Me read the window tree as well.
TEST_P(DocumentView, WindowsNineXUsesTheWindowTree) {
  standin::set_os_version(VER_PLATFORM_WIN32_WINDOWS, 4, 10);
  EXPECT_EQ(CruicalWinVersionFor_FX_GetCurrentWindowInfo(), uses_window_info());
  host.set_current_page(3);
  EXPECT_EQ(FTX_GetCurrentPage(), 3);
  EXPECT_EQ(window_info_calls(), 0);
}

TEST_P(DocumentView, OnlyNineXIsCrucial) {
  for (DWORD platform : {DWORD(VER_PLATFORM_WIN32s), DWORD(VER_PLATFORM_WIN32_NT)}) {
    standin::set_os_version(platform, 5, 1);
    EXPECT_FALSE(CruicalWinVersionFor_FX_GetCurrentWindowInfo()) << "platform " << platform;
  }
}

INSTANTIATE_TEST_SUITE_P(Eras, DocumentView,
                         testing::Values(HostEra{0x04000000u, 1998}, HostEra{0x05000005u, 2000},
                                         HostEra{0x06000000u, 2001}, HostEra{0x07000000u, 2002},
                                         HostEra{0x08000000u, 2003}, HostEra{0x09000000u, 2004},
                                         HostEra{0x0F000200u, 2010}),
                         toolkit_test::era_name);

class WindowTreeView : public DocumentView {};

TEST_P(WindowTreeView, APageBoxWithoutAPositiveNumberReadsMinusOne) {
  for (int16_t page : {int16_t(0), int16_t(-3)}) {
    host.set_current_page(page);
    EXPECT_EQ(FTX_GetCurrentPage(), -1) << "page box " << page;
  }
}

TEST_P(WindowTreeView, ReadsThePageBoxAsANumber) {
  host.set_current_page(12);
  host.log().set_tracing(true);
  FTX_GetCurrentPage();
  const auto reads = host.log().trace_of("FX_GetDlgItemVal");
  ASSERT_EQ(reads.size(), 1u);
  EXPECT_EQ(reads[0].args[1], 1005);
  EXPECT_EQ(reads[0].args[2], 3);
}

INSTANTIATE_TEST_SUITE_P(Eras, WindowTreeView,
                         testing::Values(HostEra{0x05000005u, 2000}, HostEra{0x08000000u, 2003}),
                         toolkit_test::era_name);

// The host fills the whole window-information record; the plug-in clears only
// its first 260 bytes before the call.
class WindowInfoView : public DocumentView {};

TEST_P(WindowInfoView, ClearsTheRecordBeforeTheHostFillsIt) {
  bool cleared = false;
  host.override("FX_GetCurrentWindowInfo", [&cleared](const sim::Args& a) -> FxWord {
    const uint8_t* record = reinterpret_cast<const uint8_t*>(a[0]);
    cleared = true;
    for (int i = 0; i < 260; ++i) cleared = cleared && record[i] == 0;
    return 0;
  });
  FTX_IsPageView();
  EXPECT_TRUE(cleared);
}

INSTANTIATE_TEST_SUITE_P(Eras, WindowInfoView, testing::Values(HostEra{0x0F000200u, 2010}), toolkit_test::era_name);

}  // namespace
