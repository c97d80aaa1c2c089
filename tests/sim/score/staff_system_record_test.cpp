#include <gtest/gtest.h>

#include "host/record_tags.h"
#include "support/host_records.h"
#include "support/sim_host_fixture.h"

namespace {

sim::StaffSystem distinct_system() {
  sim::StaffSystem s;
  s.top_margin = -0x0102;
  s.left_margin = 0x0304;
  s.right_margin = -0x0506;
  s.bottom_margin = -0x0708;
  s.first_measure = 0x090A;
  s.flags = 0xC001;
  s.next_measure = 0x0B0C;
  s.unnamed14 = 0x0D0E;
  s.unnamed16 = 0x00011213;
  s.percent = 0x1415;
  s.gap = -0x1617;
  s.staff_height = 0x1819;
  return s;
}

const sim::Bytes kCurrentImage = {
    0xFE, 0xFE,  // sysTopMargin -0x0102
    0x04, 0x03,  // sysLeftMargin
    0xFA, 0xFA,  // sysRightMargin -0x0506
    0xF8, 0xF8,  // sysBottomMargin -0x0708
    0x0A, 0x09,  // sysFirstMeasure
    0x01, 0xC0,  // sysFlags
    0x0C, 0x0B,  // sysNextMeasure
    0x0E, 0x0D,  // offset 14
    0x13, 0x12,  // offset 16: the low half of 0x00011213
    0x15, 0x14,  // sysPercent
    0xE9, 0xE9,  // sysGap -0x1617
    0x19, 0x18,  // sysStaffHeight
};

const sim::Bytes kOldImage = {
    0xE9, 0xE9,              // sysGap
    0x04, 0x03,              // sysLeftMargin
    0xFA, 0xFA,              // sysRightMargin
    0xF8, 0xF8,              // sysBottomMargin
    0x0A, 0x09,              // sysFirstMeasure
    0x0C, 0x0B,              // sysNextMeasure
    0x13, 0x12, 0x01, 0x00,  // 32-bit field
    0x15, 0x14,              // sysPercent
    0x01, 0xC0,              // sysFlags
};

using StaffSystemRecord = SimHostTest;

TEST_F(StaffSystemRecord, CurrentLayoutEncodesTwelveWordsAtTheirOffsets) {
  host.add_system(distinct_system());
  EXPECT_EQ(host_load(kTagStaffSystemCurrent, 1, 0, 24), kCurrentImage);
}

TEST_F(StaffSystemRecord, OldLayoutEncodesTheGapFirstAndAThirtyTwoBitField) {
  host.add_system(distinct_system());
  EXPECT_EQ(host_load(kTagStaffSystemOld, 1, 0, 20, 0x05000005), kOldImage);
}

struct LayoutCase {
  uint32_t host_word;
  uint32_t tag;
  uint32_t version;
  int32_t expected_size;  // 0: the host has no such record
};

class StaffSystemLayouts : public SimHostTest, public testing::WithParamInterface<LayoutCase> {};

TEST_P(StaffSystemLayouts, TheHostsEraAndTheTransferVersionChooseTheLayout) {
  const LayoutCase c = GetParam();
  set_host_version(c.host_word);
  host.add_system(distinct_system());

  const std::optional<sim::Bytes> image = host_load(c.tag, 1, 0, 28, c.version);
  const std::string name = "host " + std::to_string(c.host_word >> 24) + ", tag " + std::to_string(c.tag) +
                           ", version " + std::to_string(c.version >> 24);
  if (c.expected_size == 0) {
    EXPECT_FALSE(image) << name;
  } else {
    ASSERT_TRUE(image) << name;
    EXPECT_EQ(*image, c.expected_size == 24 ? kCurrentImage : kOldImage) << name;
  }
}

INSTANTIATE_TEST_SUITE_P(
    ByEra, StaffSystemLayouts,
    testing::Values(LayoutCase{0x0F000200u, kTagStaffSystemCurrent, 0x0F000200u, 24},
                    LayoutCase{0x0F000200u, kTagStaffSystemCurrent, 0x06000000u, 24},
                    LayoutCase{0x0F000200u, kTagStaffSystemCurrent, 0x0A000000u, 24},
                    LayoutCase{0x0F000200u, kTagStaffSystemOld, 0x05000005u, 20},
                    LayoutCase{0x0F000200u, kTagStaffSystemOld, 0x05000000u, 20},
                    LayoutCase{0x0F000200u, kTagStaffSystemCurrent, 0x05000005u, 20},
                    LayoutCase{0x07000000u, kTagStaffSystemCurrent, 0x07000000u, 24},
                    LayoutCase{0x06000000u, kTagStaffSystemCurrent, 0x06000000u, 24},
                    LayoutCase{0x06000000u, kTagStaffSystemOld, 0x05000005u, 20},
                    LayoutCase{0x05000005u, kTagStaffSystemCurrent, 0x06000000u, 0},
                    LayoutCase{0x05000005u, kTagStaffSystemCurrent, 0x05000005u, 0},
                    LayoutCase{0x05000005u, kTagStaffSystemOld, 0x05000005u, 20},
                    LayoutCase{0x05000005u, kTagStaffSystemOld, 0x0F000200u, 20},
                    LayoutCase{0x04000000u, kTagStaffSystemOld, 0x05000000u, 20},
                    LayoutCase{0x04000000u, kTagStaffSystemCurrent, 0x0F000200u, 0}));

TEST_F(StaffSystemRecord, ProbesAnswerExistenceBySystemNumber) {
  host.add_system(distinct_system());
  host.add_system(distinct_system());
  EXPECT_EQ(host_probe(kTagStaffSystemOld, 2, 0, 22, 0x05000000), 20);
  EXPECT_FALSE(host_probe(kTagStaffSystemOld, 3, 0, 22, 0x05000000));
  EXPECT_FALSE(host_probe(kTagStaffSystemOld, 0, 0, 22, 0x05000000)) << "no system 0";
}

TEST_F(StaffSystemRecord, ACurrentLayoutSaveSetsEveryFieldAndKeepsSixteenBitsOfOffsetSixteen) {
  host.add_system(sim::StaffSystem{});
  ASSERT_TRUE(host_save(kTagStaffSystemCurrent, 1, 0, kCurrentImage));

  const sim::StaffSystem& s = host.system(1);
  const sim::StaffSystem expected = distinct_system();
  EXPECT_EQ(s.top_margin, expected.top_margin);
  EXPECT_EQ(s.left_margin, expected.left_margin);
  EXPECT_EQ(s.right_margin, expected.right_margin);
  EXPECT_EQ(s.bottom_margin, expected.bottom_margin);
  EXPECT_EQ(s.first_measure, expected.first_measure);
  EXPECT_EQ(s.flags, expected.flags);
  EXPECT_EQ(s.next_measure, expected.next_measure);
  EXPECT_EQ(s.unnamed14, expected.unnamed14);
  EXPECT_EQ(s.unnamed16, 0x1213);
  EXPECT_EQ(s.percent, expected.percent);
  EXPECT_EQ(s.gap, expected.gap);
  EXPECT_EQ(s.staff_height, expected.staff_height);
}

TEST_F(StaffSystemRecord, AnOldLayoutSaveLeavesTheFieldsItDoesNotHold) {
  sim::StaffSystem before;
  before.top_margin = -77;
  before.unnamed14 = 5;
  before.staff_height = 1536;
  host.add_system(before);
  ASSERT_TRUE(host_save(kTagStaffSystemOld, 1, 0, kOldImage, 0x05000005));

  const sim::StaffSystem& s = host.system(1);
  EXPECT_EQ(s.gap, -0x1617);
  EXPECT_EQ(s.unnamed16, 0x00011213) << "all 32 bits of the old layout's field";
  EXPECT_EQ(s.flags, 0xC001);
  EXPECT_EQ(s.top_margin, -77);
  EXPECT_EQ(s.unnamed14, 5);
  EXPECT_EQ(s.staff_height, 1536);
}

TEST_F(StaffSystemRecord, SavesOfTheWrongSizeOrAnUnkeptLayoutAreRefused) {
  host.add_system(sim::StaffSystem{});
  EXPECT_FALSE(host_save(kTagStaffSystemCurrent, 1, 0, kOldImage)) << "20 bytes in the current layout";
  EXPECT_FALSE(host_save(kTagStaffSystemOld, 1, 0, kCurrentImage, 0x05000005)) << "24 bytes in the old layout";
  EXPECT_FALSE(host_save(kTagStaffSystemCurrent, 2, 0, kCurrentImage)) << "no system 2";

  set_host_version(0x05000005);
  EXPECT_FALSE(host_save(kTagStaffSystemCurrent, 1, 0, kCurrentImage, 0x06000000));
  EXPECT_EQ(host.system(1).gap, 0);
}

}  // namespace
