#include <gtest/gtest.h>

#include "host/record_tags.h"
#include "support/host_records.h"
#include "support/sim_host_fixture.h"

namespace {

using MeasureRecord = SimHostTest;

TEST_F(MeasureRecord, TheWordAtOffsetSixteenCarriesTheFlags) {
  host.add_measure(0);
  host.add_measure(0x0800);
  sim::Bytes expected(66, 0);
  expected[16] = 0x00;
  expected[17] = 0x08;
  EXPECT_EQ(host_load(kTagMeasure, 2, 0, 66), expected);
  EXPECT_EQ(host_load(kTagMeasure, 1, 0, 66), sim::Bytes(66, 0));
}

TEST_F(MeasureRecord, TheCountProbeGetsTheShortLayout) {
  host.add_measure(0x0801);
  EXPECT_EQ(host_probe(kTagMeasure, 1, 0, 24, 0x09000000), 24);
  EXPECT_EQ(sim::get_u16(&host_load(kTagMeasure, 1, 0, 24, 0x09000000)->at(16)), 0x0801);
  EXPECT_FALSE(host_probe(kTagMeasure, 2, 0, 24, 0x09000000));
  EXPECT_FALSE(host_probe(kTagMeasure, 0, 0, 24, 0x09000000));
}

TEST_F(MeasureRecord, SaveTakesTheFlagsWord) {
  host.add_measure(0);
  sim::Bytes image(66, 0);
  sim::put_u16(&image[16], 0x1234);
  ASSERT_TRUE(host_save(kTagMeasure, 1, 0, image));
  EXPECT_EQ(host.score().measures[0].flags, 0x1234);
  EXPECT_FALSE(host_save(kTagMeasure, 2, 0, image));
}

}  // namespace
