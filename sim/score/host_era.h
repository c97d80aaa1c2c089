// The host's era, read from its version word: the high byte counts the
// releases (0x04: 1998, 0x05: 2000, 0x06: 2001, ... 0x0F: 2010). The word is
// read as a signed 32-bit number divided toward zero, as the plug-in reads it,
// so a word of 0x80000000 or above is a year before 1995 (0x80000000: 1867),
// never one after 2122.
#ifndef SIM_SCORE_HOST_ERA_H
#define SIM_SCORE_HOST_ERA_H

#include <cstdint>

namespace sim {

inline int host_year(uint32_t version_word) {
  if ((version_word >> 24) == 0x04) return 1998;
  return int(int32_t(version_word) / 0x01000000) + 1995;
}

// Hosts after 2000 keep staff systems in the current 24-byte layout as well as
// the old 20-byte one; older hosts keep only the old layout, with the system's
// top margin in the instrument list record.
inline bool keeps_current_system_layout(uint32_t version_word) { return host_year(version_word) > 2000; }

}  // namespace sim

#endif
