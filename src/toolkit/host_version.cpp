#include "toolkit/host_version.h"

#include "globals/toolkit_globals.h"

namespace {

// Host years by the high byte of the version word, where the general rule of
// word / 0x01000000 + 1995 does not hold or is worth stating.
struct YearOfMajor {
  uint32_t major;
  int32_t year;
};

constexpr YearOfMajor kYearsByMajor[] = {
    {0x04, 1998}, {0x05, 2000}, {0x06, 2001}, {0x07, 2002}, {0x08, 2003}, {0x09, 2004}, {0x0A, 2005},
};

}  // namespace

int32_t FTX_FinaleVersion() {
  const int32_t word = PDKTOOLS_RawFXTVersion();
  const uint32_t major = static_cast<uint32_t>(word) >> 24;
  for (const YearOfMajor& row : kYearsByMajor) {
    if (row.major == major) return row.year;
  }
  return word / 0x01000000 + 1995;
}

bool FTX_HostKeepsOldLayoutOnly() { return FTX_FinaleVersion() <= 2000; }
