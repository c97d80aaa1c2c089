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

#include "toolkit/staff_system_records.h"

// One system's record as the gap accessors read it, in the layout of the
// running host's era: held so that its gap can be read and, later, written
// back with the other fields as read.
struct KVTR_GAPRECORD {
  int16_t current;  // 1: the 24-byte layout (hosts after 2001); 0: the 20-byte one
  union {
    EDTStaffSystemRecord currentLayout;
    EDTStaffSystemRecordOld oldLayout;
    unsigned char bytes[sizeof(EDTStaffSystemRecord)];
  } record;
};

// Reads the system's record in the host era's layout; false when it cannot
// be read (*held is then unspecified).
bool KVTR_LoadGapRecord(int16_t system, KVTR_GAPRECORD* held);
int16_t KVTR_GapOf(const KVTR_GAPRECORD* held);
// Puts `gap` into the held record and writes it as system `system`.
bool KVTR_SaveGapRecord(int16_t system, KVTR_GAPRECORD* held, int16_t gap);

// True when the system's record was read; *gap is meaningful only then. A null
// gap pointer reads nothing and answers false.
bool LoadSysGapValue(int16_t system, int16_t* gap);

// Reads the whole record, replaces only its gap and writes it back. True when
// both the read and the write succeeded; nothing is written when the read fails.
bool SaveSysGapValue(int16_t system, int16_t gap);

#endif
