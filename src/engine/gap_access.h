// One staff system's gap, read and written in whichever staff-system layout the
// running host keeps. The gap is the system's top measured from the bottom of
// the system above (or, for a page's first system, from the page's top
// margin): EVPU, upward positive, so a gap of -120 leaves 120 EVPU of space.
// Gaps are unscaled lengths.
//
// Neither function shows a message: a failure is only the false result, and
// the page driver decides what the user hears.
#ifndef KV_ENGINE_GAP_ACCESS_H
#define KV_ENGINE_GAP_ACCESS_H

#include <cstdint>

// True when the system's record was read; *gap is meaningful only then. A null
// gap pointer reads nothing and answers false.
bool LoadSysGapValue(int16_t system, int16_t* gap);

// Reads the whole record, replaces only its gap and writes it back. True when
// both the read and the write succeeded; nothing is written when the read fails.
bool SaveSysGapValue(int16_t system, int16_t gap);

#endif
