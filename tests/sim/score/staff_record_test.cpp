#include <gtest/gtest.h>

#include "host/record_tags.h"
#include "support/host_records.h"
#include "support/sim_host_fixture.h"

namespace {

using StaffRecord = SimHostTest;

TEST_F(StaffRecord, TheHiddenBitIsBitFourOfByteTwentyTwo) {
  host.add_staff(3, true);
  host.add_staff(4, false);
  sim::Bytes hidden(66, 0);
  hidden[22] = 0x04;
  EXPECT_EQ(host_load(kTagStaff, 3, 0, 66, 0x05000000), hidden);
  EXPECT_EQ(host_load(kTagStaff, 4, 0, 66, 0x05000000), sim::Bytes(66, 0));
  EXPECT_FALSE(host_probe(kTagStaff, 5, 0, 66, 0x05000000));
}

TEST_F(StaffRecord, LaterLayoutVersionsAnswerTheLongRecord) {
  host.add_staff(1, true);
  EXPECT_EQ(host_probe(kTagStaff, 1, 0, 102, 0x08000000), 102);
  EXPECT_EQ(host_probe(kTagStaff, 1, 0, 66, 0x07FFFFFF), 66);
  EXPECT_FALSE(host_load(kTagStaff, 1, 0, 66, 0x08000000)) << "102 bytes do not fit 66";
}

TEST_F(StaffRecord, SaveTakesTheHiddenBit) {
  host.add_staff(1, false);
  sim::Bytes image(66, 0xFF);
  ASSERT_TRUE(host_save(kTagStaff, 1, 0, image, 0x05000000));
  EXPECT_TRUE(host.score().staves.at(1).hidden);
  image[22] = 0xFB;
  ASSERT_TRUE(host_save(kTagStaff, 1, 0, image, 0x05000000));
  EXPECT_FALSE(host.score().staves.at(1).hidden);
  EXPECT_FALSE(host_save(kTagStaff, 1, 0, image, 0x0F000200)) << "66 bytes in the 102-byte layout";
}

}  // namespace
