// What is wrong with a page as it stands, in numbers: systems that end below
// the bottom margin, systems taller than the room between the margins, and
// neighbouring systems whose staves overlap. The report states them under the
// page and the drawing marks them. Lengths are page EVPU, rounded.
#ifndef SIM_RENDER_PAGE_PROBLEMS_H
#define SIM_RENDER_PAGE_PROBLEMS_H

#include <cstdint>
#include <optional>
#include <vector>

#include "sim/render/page_geometry.h"

namespace sim {

struct Overflow {
  int16_t first = 0;  // the first system that ends below the bottom margin
  int16_t last = 0;   // the page's last system
  long below = 0;     // how far the last one ends below the margin
};

struct TooTall {
  int16_t system = 0;
  long height = 0;  // on the page
  long room = 0;    // between the page's margins
};

// The lowest staff line of `upper` lies `by` below the top staff line of
// `lower`, the system after it.
struct Overlap {
  int16_t upper = 0;
  int16_t lower = 0;
  long by = 0;
};

struct PageProblems {
  std::optional<Overflow> overflow;
  std::vector<TooTall> too_tall;
  std::vector<Overlap> overlaps;
  bool empty() const { return !overflow && too_tall.empty() && overlaps.empty(); }
};

PageProblems page_problems(const PageGeometry& page);

}  // namespace sim

#endif
