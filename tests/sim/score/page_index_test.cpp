// The first system of a page as the page record reports it, while systems are
// added, copied and edited.
#include <gtest/gtest.h>

#include "sim/score/score.h"

namespace {

sim::StaffSystem on_page(int16_t page) {
  sim::StaffSystem system;
  system.page = page;
  return system;
}

TEST(PageIndex, FollowsSystemsAsTheyAreAddedAndEdited) {
  sim::Score score;
  EXPECT_EQ(sim::first_system_on_page(score, 1), -1);
  for (int16_t page : {1, 1, 3, 3, 3}) score.systems.push_back(on_page(page));
  EXPECT_EQ(sim::first_system_on_page(score, 1), 1);
  EXPECT_EQ(sim::first_system_on_page(score, 2), -1);
  EXPECT_EQ(sim::first_system_on_page(score, 3), 3);
  EXPECT_EQ(sim::first_system_on_page(score, 4), -1);

  score.systems.push_back(on_page(4));
  EXPECT_EQ(sim::first_system_on_page(score, 4), 6);
  score.systems[2].page = 2;  // the first system of page 3 moves to page 2
  EXPECT_EQ(sim::first_system_on_page(score, 3), 4);

  const sim::Score copy = score;
  EXPECT_EQ(sim::first_system_on_page(copy, 3), 4);
  EXPECT_EQ(sim::first_system_on_page(copy, 0), -1);
}

}  // namespace
