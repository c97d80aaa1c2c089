// Lengths are EVPU; a system's margins are stored zero or negative (downward),
// its gap negative downward. Letter paper is 2448 x 3168 EVPU.
#include "sim/score/demo_score.h"

namespace sim {
namespace {

constexpr int16_t kMeasuresPerSystem = 4;

Page letter_page(int16_t percent) {
  Page page;
  page.height = 3168;
  page.width = 2448;
  page.top_margin = -144;
  page.left_margin = 144;
  page.bottom_margin = 144;
  page.right_margin = -144;
  page.flags = percent == 100 ? 0 : 0x0002;
  page.percent = percent;
  return page;
}

// A system of the score's staves, holding the next four measures.
StaffSystem system_on(const Score& score, int16_t page, int16_t gap) {
  StaffSystem system;
  system.page = page;
  system.top_margin = -48;
  system.bottom_margin = -192;
  system.first_measure = score.systems.empty() ? 1 : score.systems.back().next_measure;
  system.next_measure = int16_t(system.first_measure + kMeasuresPerSystem);
  system.gap = gap;
  return system;
}

void add_page(Score& score, int16_t percent, std::initializer_list<int16_t> gaps) {
  score.pages.push_back(letter_page(percent));
  const int16_t page = int16_t(score.pages.size());
  for (int16_t gap : gaps) score.systems.push_back(system_on(score, page, gap));
}

// Staves 1..count, `distance` apart from the system's top down, all visible.
void add_score_list(Score& score, int count, int32_t distance) {
  std::vector<InstrumentListEntry>& list = score.instrument_lists[0];
  for (int i = 0; i < count; ++i) {
    list.push_back(InstrumentListEntry{int16_t(i + 1), 0, -distance * i});
    score.staves[int16_t(i + 1)].hidden = false;
  }
}

void add_measures(Score& score) {
  const int16_t last = score.systems.empty() ? 0 : int16_t(score.systems.back().next_measure - 1);
  score.measures.assign(size_t(last), Measure{0});
}

}  // namespace

ScoreFile demo_score() {
  ScoreFile file;
  file.host_version = kDefaultHostVersion;
  Score& score = file.score;
  add_score_list(score, 2, 288);
  add_page(score, 100, {0, -40, -150, -20, -90});
  add_page(score, 100, {-30, -300, -60, -120});
  add_page(score, 80, {-24, -12, -60, -36, -12, -48});
  add_page(score, 100, {-40});
  add_measures(score);
  return file;
}

ScoreFile generated_score(int pages, int systems_per_page, int staves) {
  ScoreFile file;
  file.host_version = kDefaultHostVersion;
  Score& score = file.score;
  add_score_list(score, staves, 144);
  for (int p = 0; p < pages; ++p) {
    score.pages.push_back(letter_page(35));
    for (int s = 0; s < systems_per_page; ++s) {
      const int16_t gap = int16_t(-((p * 37 + s * 53) % 240));
      score.systems.push_back(system_on(score, int16_t(p + 1), gap));
    }
  }
  add_measures(score);
  return file;
}

}  // namespace sim
