#include "sim/render/page_problems.h"

#include <algorithm>
#include <cmath>

namespace sim {
namespace {

// Less than half an EVPU is rounding, not a fault of the layout.
bool beyond(double a, double b) { return std::lround(a - b) > 0; }

std::optional<Overflow> overflow_of(const PageGeometry& page) {
  for (const SystemBox& box : page.systems)
    if (beyond(box.bottom, page.margin_bottom))
      return Overflow{box.number, page.systems.back().number, std::lround(-page.room_below())};
  return std::nullopt;
}

}  // namespace

PageProblems page_problems(const PageGeometry& page) {
  PageProblems problems;
  problems.overflow = overflow_of(page);
  const double room = page.margin_bottom - page.margin_top;
  for (const SystemBox& box : page.systems)
    if (beyond(box.bottom - box.top, room))
      problems.too_tall.push_back(TooTall{box.number, std::lround(box.bottom - box.top), std::lround(room)});
  for (size_t i = 1; i < page.systems.size(); ++i) {
    const SystemBox& upper = page.systems[i - 1];
    const SystemBox& lower = page.systems[i];
    if (upper.staff_tops.empty() || lower.staff_tops.empty()) continue;
    const double upper_lowest_line = *std::max_element(upper.staff_tops.begin(), upper.staff_tops.end()) + upper.staff_height;
    const double lower_top_line = *std::min_element(lower.staff_tops.begin(), lower.staff_tops.end());
    if (beyond(upper_lowest_line, lower_top_line))
      problems.overlaps.push_back(Overlap{upper.number, lower.number, std::lround(upper_lowest_line - lower_top_line)});
  }
  return problems;
}

}  // namespace sim
