// Which page of a respacing run the plug-in is processing, told from the host's
// side of the boundary: the simulator credits a message box that names no page
// to the page the run is at when the box comes up.
//
// The page driver reads each page of its range in turn, in increasing order,
// and begins every page by loading that page's record. Then, for a page that
// holds systems (its load succeeded and firstSystem is above 0), it looks
// ahead for the page's last system: it loads the following pages' records one
// after the other, past pages without systems (firstSystem -1), until one that
// holds systems or one it cannot load; a page not yet laid out (firstSystem 0)
// is laid out and its record loaded once more. Those look-ahead loads do not
// move the run. A page record loaded for a lower page than the run is at (a
// walk from page 1 for a system's page) does not move it either.
//
// Feed every host call to observe(), in order, from the press of Apply (after
// start()). Only page-record loads into a buffer count; probes (no buffer) and
// other calls are passed over.
#ifndef SIM_HOST_PAGE_FOLLOWER_H
#define SIM_HOST_PAGE_FOLLOWER_H

#include <cstdint>

#include "sim/host/call_log.h"

namespace sim {

class PageFollower {
 public:
  // A run begins: no page yet.
  void start() { *this = PageFollower{}; }
  void observe(const char* function, const Args& args, FxWord result);
  // The page the run is at; 0 before its first page.
  int16_t page() const { return at_; }

 private:
  void follow_look_ahead(int16_t page, bool loaded, int16_t firstSystem);
  int16_t at_ = 0;
  bool looking_ahead_ = false;
  int16_t ahead_ = 0;             // the page the look-ahead loaded last
  bool awaiting_reload_ = false;  // that page was not laid out: its record is loaded again
};

}  // namespace sim

#endif
