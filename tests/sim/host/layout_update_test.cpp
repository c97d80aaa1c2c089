#include <gtest/gtest.h>

#include "host/record_tags.h"
#include "support/host_call.h"
#include "support/sim_host_fixture.h"

namespace {

class LayoutUpdate : public SimHostTest {
 protected:
  void SetUp() override {
    SimHostTest::SetUp();
    for (int i = 0; i < 4; ++i) host.add_page();
    host.mark_not_laid_out(1);
  }

  std::vector<bool> laid_out() const {
    std::vector<bool> flags;
    for (const sim::Page& p : host.score().pages) flags.push_back(p.laid_out);
    return flags;
  }
};

TEST_F(LayoutUpdate, LaysOutThePageAndThoseAfterIt) {
  EXPECT_EQ(call_host("FX_UpdateLayout", 3, 0, 0x0F000200), 1);
  EXPECT_EQ(laid_out(), (std::vector<bool>{false, false, true, true}));
  call_host("FX_UpdateLayout", 1, 0, 0x0F000200);
  EXPECT_EQ(laid_out(), (std::vector<bool>{true, true, true, true}));
  EXPECT_EQ(host.layout_updates(), (std::vector<int16_t>{3, 1}));
  EXPECT_EQ(host.log().count("FX_UpdateLayout"), 2);
}

TEST_F(LayoutUpdate, APageBelowOneLaysOutEveryPageAndOnePastTheEndNone) {
  call_host("FX_UpdateLayout", 5, 0, 0x0F000200);
  EXPECT_EQ(laid_out(), (std::vector<bool>{false, false, false, false}));
  call_host("FX_UpdateLayout", -1, 0, 0x0F000200);
  EXPECT_EQ(laid_out(), (std::vector<bool>{true, true, true, true}));
}

TEST_F(LayoutUpdate, MarkingFromAPageLeavesTheEarlierOnesLaidOut) {
  call_host("FX_UpdateLayout", 1, 0, 0x0F000200);
  host.mark_not_laid_out(4);
  EXPECT_EQ(laid_out(), (std::vector<bool>{true, true, true, false}));
}

}  // namespace
