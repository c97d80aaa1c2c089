#include "sim/score/score_options.h"

#include <gtest/gtest.h>

#include "host/record_tags.h"

namespace {

TEST(ScoreOptions, ExtractedPartIsWordFourOfOt23) {
  sim::Score score;
  EXPECT_FALSE(sim::extracted_part(score));
  sim::set_extracted_part(score, true);
  EXPECT_EQ(*score.records.find({kTagPartOther, -2, 0}),
            (sim::Bytes{0, 0, 0, 0, 0, 0, 0, 0, 0xF8, 0xFF, 0, 0}));
  EXPECT_TRUE(sim::extracted_part(score));
  sim::set_extracted_part(score, false);
  EXPECT_FALSE(sim::extracted_part(score));
}

TEST(ScoreOptions, AvoidCollisionIsTheTopBitOfWordTwoAndKeepsTheOtherBits) {
  sim::Score score;
  score.records.put_other({kTagFlagsOther, 10, 0}, {1, 2, 0x0123, 4, 5, 6});
  sim::set_avoid_collision(score, true);
  EXPECT_EQ(score.records.other({kTagFlagsOther, 10, 0})->at(2), int16_t(0x8123));
  EXPECT_EQ(score.records.other({kTagFlagsOther, 10, 0})->at(5), 6);
  EXPECT_TRUE(sim::avoid_collision(score));
  sim::set_avoid_collision(score, false);
  EXPECT_EQ(score.records.other({kTagFlagsOther, 10, 0})->at(2), 0x0123);
}

TEST(ScoreOptions, UnitIsTheWordAtOffsetThirtyOfTheGeneralPreferences) {
  sim::Score score;
  EXPECT_FALSE(sim::unit(score));
  sim::set_unit(score, 6);
  const sim::Bytes& record = *score.records.find({kTagGeneralPrefs, 0, 0});
  ASSERT_EQ(record.size(), 64u);
  EXPECT_EQ(record[30], 6);
  EXPECT_EQ(record[31], 0);
  EXPECT_EQ(sim::unit(score), 6);
}

}  // namespace
