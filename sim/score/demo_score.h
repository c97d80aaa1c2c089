// Scores made in code: the built-in demo that `dunvaro-sim demo` respaces, and
// the large generated scores of the benchmarks.
#ifndef SIM_SCORE_DEMO_SCORE_H
#define SIM_SCORE_DEMO_SCORE_H

#include "sim/score/score_file.h"

namespace sim {

// Four letter-size pages of piano music on a host of 2010: five systems
// crowded past the bottom margin, four systems with uneven gaps, six systems
// on a page scaled to 80 %, and a last page with a lone system.
ScoreFile demo_score();

// `pages` letter-size pages scaled to 35 %, each holding `systems_per_page`
// systems of the score's `staves` staves (every staff visible), with uneven
// gaps that differ from page to page, four measures a system. Host of 2010,
// every page laid out. Systems and measures count in 16 bits, so pages ×
// systems_per_page × 4 must stay below 32768.
ScoreFile generated_score(int pages, int systems_per_page, int staves);

}  // namespace sim

#endif
