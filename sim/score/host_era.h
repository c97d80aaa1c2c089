// The host's era, read from its version word: the high byte counts the
// releases (0x04: 1998, 0x05: 2000, 0x06: 2001, ... 0x0F: 2010).
#ifndef SIM_SCORE_HOST_ERA_H
#define SIM_SCORE_HOST_ERA_H

#include <cstdint>

namespace sim {

inline int host_year(uint32_t version_word) {
  const int release = int(version_word >> 24);
  return release == 0x04 ? 1998 : release + 1995;
}

// Hosts after 2000 keep staff systems in the current 24-byte layout as well as
// the old 20-byte one; older hosts keep only the old layout, with the system's
// top margin in the instrument list record.
inline bool keeps_current_system_layout(uint32_t version_word) { return host_year(version_word) > 2000; }

}  // namespace sim

#endif
