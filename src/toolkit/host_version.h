// Which host the plug-in runs in, as a year. Every version-dependent choice of
// the toolkit and the engine compares this year; only the record transfers pass
// the host's raw version word on (staff_system_records.cpp).
#ifndef KV_TOOLKIT_HOST_VERSION_H
#define KV_TOOLKIT_HOST_VERSION_H

#include <cstdint>

// The year of the host's version word (CallingFinaleVersion), read by its high
// byte: 0x04 is 1998, 0x05 to 0x0A are 2000 to 2005, any other word gives
// word / 0x01000000 + 1995 (so 0x0F000200 is 2010 and a word of 0, before the
// host has passed its version, is 1995).
int32_t FTX_FinaleVersion();

// Hosts of 2000 and earlier keep staff systems in the old 20-byte layout only,
// with a system's top margin in its instrument list's first record.
bool FTX_HostKeepsOldLayoutOnly();

#endif
