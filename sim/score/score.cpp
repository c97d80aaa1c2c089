#include "sim/score/score.h"

namespace sim {

int16_t first_system_on_page(const Score& score, int page) {
  for (size_t i = 0; i < score.systems.size(); ++i)
    if (score.systems[i].page == page) return int16_t(i + 1);
  return -1;
}

}  // namespace sim
