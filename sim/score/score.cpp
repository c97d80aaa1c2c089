#include "sim/score/score.h"

namespace sim {
namespace {

void build_page_index(const Score& score) {
  Score::PageIndex& index = score.page_index;
  index.systems = score.systems.data();
  index.system_count = score.systems.size();
  index.first_system.clear();
  for (size_t i = 0; i < score.systems.size(); ++i) {
    const int page = score.systems[i].page;
    if (page < 1) continue;
    if (index.first_system.size() < size_t(page)) index.first_system.resize(size_t(page), -1);
    if (index.first_system[size_t(page) - 1] == -1) index.first_system[size_t(page) - 1] = int16_t(i + 1);
  }
}

int16_t indexed_first_system(const Score& score, int page) {
  const Score::PageIndex& index = score.page_index;
  if (page < 1 || size_t(page) > index.first_system.size()) return -1;
  return index.first_system[size_t(page) - 1];
}

// The indexed answer still names a system of that page that no earlier system
// of the same page precedes.
bool answer_holds(const Score& score, int page, int16_t answer) {
  if (answer == -1) return true;
  const size_t i = size_t(answer) - 1;
  return i < score.systems.size() && score.systems[i].page == page && (i == 0 || score.systems[i - 1].page != page);
}

}  // namespace

int16_t first_system_on_page(const Score& score, int page) {
  const Score::PageIndex& index = score.page_index;
  if (index.systems != score.systems.data() || index.system_count != score.systems.size()) build_page_index(score);
  int16_t answer = indexed_first_system(score, page);
  if (!answer_holds(score, page, answer)) {
    build_page_index(score);
    answer = indexed_first_system(score, page);
  }
  return answer;
}

}  // namespace sim
