// Where the host puts things on a page: the page's edges and margins and each
// staff system's box, computed from the score model as the host lays it out.
//
// Lengths are EVPU. The host's records grow upward; the positions here grow
// downward from the page's top edge, as a drawing wants them. System lengths
// (gaps, heights) are unscaled; on a scaled page (page flag 0x0002) they take
// percent / 100 of their length on the page, while the page's own size and
// margins are page lengths.
//
// Layout: the first system's top lies its gap below the page's top margin;
// every later system's top lies its gap below the previous system's bottom;
// a system reaches its height below its top. A gap is negative downward, so
// the space above a system is the negated gap.
#ifndef SIM_RENDER_PAGE_GEOMETRY_H
#define SIM_RENDER_PAGE_GEOMETRY_H

#include <cstdint>
#include <vector>

#include "sim/score/score.h"

namespace sim {

// A staff system's height, unscaled, as the plug-in's layout summary computes
// it from the records this host answers: the top staff's offset, the span of
// the visible staves and the system's top and bottom margins, by the formula
// of the host's era (docs/score-format.md). 0 when the plug-in could not
// compute it either: no such system, its instrument list, a staff record or
// (after 2000) its first measure missing, or no visible staff.
int32_t system_height(const Score& score, uint32_t host_version, int16_t system);

struct SystemBox {
  int16_t number = 0;
  int16_t gap = 0;
  int32_t height = 0;  // unscaled
  int visible_staves = 0;
  // The top line of each visible staff, top first, in page lengths from the
  // page's top edge: the system's top plus its top margin plus the staff's
  // depth in the system's list (the negated position the list records).
  std::vector<double> staff_tops;
  double staff_height = 0;  // top line to bottom line, page lengths
  double top = 0;  // page lengths from the page's top edge, downward
  double bottom = 0;
  double left = 0;  // from the page's left edge
  double right = 0;
};

struct PageGeometry {
  int16_t number = 0;
  double width = 0;
  double height = 0;
  // The margin lines, from the top and left edges.
  double margin_top = 0;
  double margin_bottom = 0;
  double margin_left = 0;
  double margin_right = 0;
  // The factor system lengths take on this page: percent / 100 on a scaled
  // page (1 when its percentage is not positive and cannot be drawn), else 1.
  double scale = 1;
  std::vector<SystemBox> systems;

  // The space between the last system's bottom and the bottom margin, in page
  // lengths; negative when the systems run past the margin. The whole space
  // between the margins on a page without systems.
  double room_below() const;
};

// The page numbered `page` (from 1); throws std::out_of_range without it.
PageGeometry page_geometry(const Score& score, uint32_t host_version, int16_t page);

}  // namespace sim

#endif
