#include <gtest/gtest.h>

#include "host/record_tags.h"
#include "support/host_call.h"
#include "support/host_records.h"
#include "support/sim_host_fixture.h"

namespace {

class PageRecord : public SimHostTest {
 protected:
  static sim::Page distinct_page() {
    sim::Page p;
    p.height = 0x01020304;
    p.width = -2;
    p.flags = 0x8002;
    p.top_margin = -0x0506;
    p.left_margin = 0x0708;
    p.bottom_margin = 0x090A;
    p.right_margin = -1;
    p.percent = 75;
    return p;
  }
};

TEST_F(PageRecord, EncodesEveryFieldLittleEndianAtItsOffset) {
  host.add_page(distinct_page());
  host.add_system(sim::StaffSystem{});

  const sim::Bytes expected = {
      0x04, 0x03, 0x02, 0x01,  // pageHeight
      0xFE, 0xFF, 0xFF, 0xFF,  // pageWidth
      0x01, 0x00,              // firstSystem
      0x02, 0x80,              // pageFlags
      0xFA, 0xFA,              // topMargin -0x0506
      0x08, 0x07,              // leftMargin
      0x0A, 0x09,              // bottomMargin
      0xFF, 0xFF,              // rightMargin
      0x4B, 0x00,              // pagePercent
  };
  EXPECT_EQ(host_load(kTagPageSpec, 1, 0, 22), expected);
}

TEST_F(PageRecord, FirstSystemFollowsTheSystemsPages) {
  for (int i = 0; i < 4; ++i) host.add_page();
  for (int16_t page : {1, 1, 2, 4}) host.add_system([&] {
      sim::StaffSystem s;
      s.page = page;
      return s;
    }());

  const int16_t expected[] = {1, 3, -1, 4};
  for (int16_t page = 1; page <= 4; ++page) {
    const auto image = host_load(kTagPageSpec, page, 0, 22);
    ASSERT_TRUE(image) << "page " << page;
    EXPECT_EQ(sim::get_i16(&(*image)[8]), expected[page - 1]) << "page " << page;
  }
}

TEST_F(PageRecord, APageNotLaidOutReadsFirstSystemZeroUntilALayoutUpdateReachesIt) {
  for (int i = 0; i < 3; ++i) host.add_page();
  for (int16_t page = 1; page <= 3; ++page) {
    sim::StaffSystem s;
    s.page = page;
    host.add_system(s);
  }
  host.mark_not_laid_out(1);

  auto first_system = [](int16_t page) { return sim::get_i16(&host_load(kTagPageSpec, page, 0, 22)->at(8)); };
  EXPECT_EQ(first_system(2), 0);
  call_host("FX_UpdateLayout", 3, 0, 0x0F000200);
  EXPECT_EQ(first_system(2), 0) << "a page before the update's page stays as it was";
  EXPECT_EQ(first_system(3), 3);
  call_host("FX_UpdateLayout", 2, 0, 0x0F000200);
  EXPECT_EQ(first_system(1), 0);
  EXPECT_EQ(first_system(2), 2);
}

TEST_F(PageRecord, ExistsOnlyForNumberedPagesWithSecondKeyZero) {
  host.add_page();
  host.add_page();
  EXPECT_EQ(host_probe(kTagPageSpec, 2, 0, 22), 22);
  EXPECT_FALSE(host_probe(kTagPageSpec, 0, 0, 22));
  EXPECT_FALSE(host_probe(kTagPageSpec, 3, 0, 22));
  EXPECT_FALSE(host_probe(kTagPageSpec, 1, 1, 22));
  EXPECT_FALSE(host_load(kTagPageSpec, 1, 0, 21)) << "a 21-byte buffer cannot hold the record";
}

TEST_F(PageRecord, SaveTakesEveryFieldButTheDerivedFirstSystem) {
  host.add_page();
  sim::Bytes image = *host_load(kTagPageSpec, 1, 0, 22);
  image = {0x04, 0x03, 0x02, 0x01, 0xFE, 0xFF, 0xFF, 0xFF, 0x09, 0x00, 0x02, 0x80,
           0xFA, 0xFA, 0x08, 0x07, 0x0A, 0x09, 0xFF, 0xFF, 0x4B, 0x00};

  ASSERT_TRUE(host_save(kTagPageSpec, 1, 0, image));
  const sim::Page& p = host.page(1);
  const sim::Page expected = distinct_page();
  EXPECT_EQ(p.height, expected.height);
  EXPECT_EQ(p.width, expected.width);
  EXPECT_EQ(p.flags, expected.flags);
  EXPECT_EQ(p.top_margin, expected.top_margin);
  EXPECT_EQ(p.left_margin, expected.left_margin);
  EXPECT_EQ(p.bottom_margin, expected.bottom_margin);
  EXPECT_EQ(p.right_margin, expected.right_margin);
  EXPECT_EQ(p.percent, expected.percent);
  EXPECT_EQ(sim::get_i16(&host_load(kTagPageSpec, 1, 0, 22)->at(8)), -1) << "still no system on the page";

  image.pop_back();
  EXPECT_FALSE(host_save(kTagPageSpec, 1, 0, image)) << "21 bytes";
}

}  // namespace
