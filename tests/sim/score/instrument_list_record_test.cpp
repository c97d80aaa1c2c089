#include <gtest/gtest.h>

#include "host/record_tags.h"
#include "support/host_records.h"
#include "support/sim_host_fixture.h"

namespace {

class InstrumentListRecord : public SimHostTest {
 protected:
  // System 1 without a list of its own, system 2 with list 2.
  void add_two_systems() {
    sim::StaffSystem shared;
    shared.top_margin = -11;
    host.add_system(shared);
    sim::StaffSystem own;
    own.flags = 0x4000;
    own.top_margin = -0x00010203;
    host.add_system(own);
    host.add_instrument_list(0, {{1, 0, -40}, {2, 0, -300}});
    host.add_instrument_list(2, {{1, 0, -50}, {3, 0, -400}});
  }
};

TEST_F(InstrumentListRecord, EncodesStaffWordAndPositionAtTheirOffsets) {
  host.add_instrument_list(-8, {{0x0102, 0xF304, -0x05060708}});
  const sim::Bytes expected = {0x02, 0x01, 0x04, 0xF3, 0x00, 0x00, 0x00, 0x00, 0xF8, 0xF8, 0xF9, 0xFA,
                               0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
  EXPECT_EQ(host_load(kTagInstrumentList, -8, 0, 24, 0x05000005), expected);
  EXPECT_EQ(host_load(kTagInstrumentList, -8, 0, 24, 0x0F000200), expected) << "one layout for every version";
}

TEST_F(InstrumentListRecord, RecordsAreKeyedByListAndIndex) {
  host.add_instrument_list(0, {{1, 0, 0}, {2, 0, -200}, {3, 0, -400}});
  host.add_instrument_list(-36, {{4, 0, 0}});
  EXPECT_EQ(host_probe(kTagInstrumentList, 0, 2, 24), 24);
  EXPECT_FALSE(host_probe(kTagInstrumentList, 0, 3, 24));
  EXPECT_FALSE(host_probe(kTagInstrumentList, 0, -1, 24));
  EXPECT_EQ(host_probe(kTagInstrumentList, -36, 0, 24), 24);
  EXPECT_FALSE(host_probe(kTagInstrumentList, -29, 0, 24));
  EXPECT_EQ(sim::get_i16(host_load(kTagInstrumentList, 0, 2, 24)->data()), 3);
}

TEST_F(InstrumentListRecord, AfterTwoThousandOffsetEightIsTheStaffPosition) {
  add_two_systems();
  EXPECT_EQ(sim::get_i32(&host_load(kTagInstrumentList, 2, 0, 24)->at(8)), -50);
  EXPECT_EQ(sim::get_i32(&host_load(kTagInstrumentList, 0, 0, 24)->at(8)), -40);
}

TEST_F(InstrumentListRecord, OnOldHostsRecordZeroOfASystemsOwnListHoldsItsTopMargin) {
  set_host_version(0x05000005);
  add_two_systems();
  EXPECT_EQ(sim::get_i32(&host_load(kTagInstrumentList, 2, 0, 24)->at(8)), -0x00010203);
  EXPECT_EQ(sim::get_i32(&host_load(kTagInstrumentList, 2, 1, 24)->at(8)), -400) << "only record 0";
  EXPECT_EQ(sim::get_i32(&host_load(kTagInstrumentList, 0, 0, 24)->at(8)), -40)
      << "list 0 is no system's own list: systems without one share its position";
}

TEST_F(InstrumentListRecord, OnOldHostsSavingRecordZeroSetsTheSystemsTopMargin) {
  set_host_version(0x05000005);
  add_two_systems();
  sim::Bytes image = *host_load(kTagInstrumentList, 2, 0, 24);
  sim::put_u32(&image[8], uint32_t(-0x0203));
  sim::put_u16(&image[0], 7);

  ASSERT_TRUE(host_save(kTagInstrumentList, 2, 0, image, 0x0F000200));
  EXPECT_EQ(host.system(2).top_margin, -0x0203);
  EXPECT_EQ(host.score().instrument_lists.at(2)[0].position, -50) << "the staff position is not the margin";
  EXPECT_EQ(host.score().instrument_lists.at(2)[0].staff, 7);
}

TEST_F(InstrumentListRecord, SavesOutsideTheListsOrOfTheWrongSizeAreRefused) {
  host.add_instrument_list(0, {{1, 0, 0}});
  sim::Bytes image(24, 0);
  EXPECT_FALSE(host_save(kTagInstrumentList, 0, 1, image));
  EXPECT_FALSE(host_save(kTagInstrumentList, 5, 0, image));
  image.resize(20);
  EXPECT_FALSE(host_save(kTagInstrumentList, 0, 0, image));
  EXPECT_EQ(host.score().instrument_lists.at(0)[0].staff, 1);
}

}  // namespace
