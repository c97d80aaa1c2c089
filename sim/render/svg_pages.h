// An SVG drawing of pages before and after a respacing run, side by side: one
// row per page, the page as it was on the left and as it is on the right,
// each with its edge, its margins, the run's extra top and bottom margins and
// every staff system (page_geometry.h): its box, five lines for each visible
// staff (hidden staves are left out) and its number beside it, and its gap as
// a red bar from the line it is measured from, with its value in the left
// margin. A system that reaches past the bottom margin is drawn as
// overflowing. Each page is cut at its edge; its problems (page_problems.h:
// systems below the bottom margin, systems taller than the room, overlapping
// staves, shaded) are listed with their numbers at its foot. A legend under
// the last page names every mark.
//
// The drawing's user units are page EVPU, y downward from the top of the
// drawing; it is shown at one pixel for every six EVPU.
#ifndef SIM_RENDER_SVG_PAGES_H
#define SIM_RENDER_SVG_PAGES_H

#include <cstdint>
#include <map>
#include <string>

#include "sim/score/score.h"

namespace sim {

struct SvgOptions {
  std::string title;
  // The pages drawn, clipped to the pages of the score.
  int16_t first_page = 1;
  int16_t last_page = INT16_MAX;
  // The run's extra margins, page EVPU, drawn inside the page's margins.
  int16_t extra_top = 0;
  int16_t extra_bottom = 0;
  // A line of text under a page's number, such as what the run did with it.
  std::map<int16_t, std::string> notes;
};

// `before` and `after` are the same score at two moments, so they have the
// same pages; a page that only one of them has is drawn on that side only.
std::string before_after_svg(const Score& before, const Score& after, uint32_t host_version,
                             const SvgOptions& options);

}  // namespace sim

#endif
