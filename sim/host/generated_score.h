// A long score made up for measuring and for tests of host-call counts: letter
// pages scaled to 35 %, the same number of systems on every page, each system
// one measure of `staves` visible staves (the score's instrument list), with
// uneven gaps that differ from page to page.
#ifndef SIM_HOST_GENERATED_SCORE_H
#define SIM_HOST_GENERATED_SCORE_H

#include "sim/host/sim_host.h"

namespace sim {

// Adds the staves, the list, `pages` pages and their systems to `host`'s score.
void add_generated_score(Host& host, int pages, int systemsPerPage, int staves);

}  // namespace sim

#endif
