// A host of 2010 that does not export FX_GetCurrentWindowInfo. The plug-in binds
// each host function once per process, so this host shape has a process of its
// own.
#include <gtest/gtest.h>

#include "platform/posix/testing.h"
#include "globals/toolkit_globals.h"
#include "support/sim_host_fixture.h"
#include "toolkit/document_view.h"

namespace {

class HostWithoutWindowInfo : public SimHostTest {
 protected:
  void SetUp() override {
    SimHostTest::SetUp();
    sim::InstallOptions options;
    options.omitted_exports = {"FX_GetCurrentWindowInfo"};
    sim::install(host, options);
    standin::reset();
    set_host_version(0x0F000200u);
    Connect2Utils(host.main_window());
  }
};

TEST_F(HostWithoutWindowInfo, ReadsTheViewFromTheWindowTree) {
  host.set_current_page(9);
  EXPECT_EQ(FTX_GetDocumentWindow(), host.windows().document());
  EXPECT_TRUE(FTX_IsPageView());
  EXPECT_EQ(FTX_GetCurrentPage(), 9);

  host.set_page_view(false);
  EXPECT_FALSE(FTX_IsPageView());
  EXPECT_EQ(FTX_GetCurrentPage(), 0);
  EXPECT_EQ(host.log().count("FX_GetCurrentWindowInfo"), 0);
}

}  // namespace
