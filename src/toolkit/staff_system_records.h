// Staff-system records in the layout the caller asks for, whatever layout the
// running host keeps.
//
// Hosts of 2000 and earlier keep the old 20-byte layout and the system's top
// margin in the system's instrument list record; later hosts keep the current
// 24-byte layout as well. The caller names the layout it holds by size and
// version argument: a version of 0x06000200 or more (compared as signed 32-bit)
// with size 24 is the current layout, a smaller one with size 20 the old
// layout; any other pairing fails.
//
// Lengths are EVPU, upward positive; a gap is negative downward. Records
// belong to the caller and are lent to the host by copy.
#ifndef KV_TOOLKIT_STAFF_SYSTEM_RECORDS_H
#define KV_TOOLKIT_STAFF_SYSTEM_RECORDS_H

#include <cstddef>
#include <cstdint>

#include "toolkit/host_version.h"

constexpr uint32_t kFtxCurrentLayoutVersion = 0x06000200u;  // smallest version naming the current layout
constexpr uint32_t kFtxOldLayoutVersion = 0x05000005u;      // the version old-layout records travel with
constexpr int32_t kFtxStaffSystemSize = 24;
constexpr int32_t kFtxStaffSystemOldSize = 20;

constexpr uint16_t kSysFlagWidthUnscaled = 0x0001;
constexpr uint16_t kSysFlagScaled = 0x0002;
constexpr uint16_t kSysFlagOwnStaffList = 0x4000;  // the system's instrument list is numbered like the system

// The current layout, tag 0x4F025353, key (system, 0).
struct EDTStaffSystemRecord {
  int16_t sysTopMargin;     // zero or negative
  int16_t sysLeftMargin;
  int16_t sysRightMargin;
  int16_t sysBottomMargin;  // zero or negative
  int16_t sysFirstMeasure;
  uint16_t sysFlags;
  int16_t sysNextMeasure;   // first measure of the following system
  int16_t reserved14;       // the host's; 0 when made from the old layout
  int16_t reserved16;       // the host's; the low half of the old layout's 32-bit field
  int16_t sysPercent;
  int16_t sysGap;           // offset of the system's top from the system above, negative downward
  int16_t sysStaffHeight;   // 96 when made from the old layout
};
static_assert(sizeof(EDTStaffSystemRecord) == 24);
static_assert(offsetof(EDTStaffSystemRecord, sysTopMargin) == 0);
static_assert(offsetof(EDTStaffSystemRecord, sysLeftMargin) == 2);
static_assert(offsetof(EDTStaffSystemRecord, sysRightMargin) == 4);
static_assert(offsetof(EDTStaffSystemRecord, sysBottomMargin) == 6);
static_assert(offsetof(EDTStaffSystemRecord, sysFirstMeasure) == 8);
static_assert(offsetof(EDTStaffSystemRecord, sysFlags) == 10);
static_assert(offsetof(EDTStaffSystemRecord, sysNextMeasure) == 12);
static_assert(offsetof(EDTStaffSystemRecord, reserved14) == 14);
static_assert(offsetof(EDTStaffSystemRecord, reserved16) == 16);
static_assert(offsetof(EDTStaffSystemRecord, sysPercent) == 18);
static_assert(offsetof(EDTStaffSystemRecord, sysGap) == 20);
static_assert(offsetof(EDTStaffSystemRecord, sysStaffHeight) == 22);

// The old layout, tag 0x534F5353 ('SOSS'), key (system, 0). No top margin.
struct EDTStaffSystemRecordOld {
  int16_t sysGap;
  int16_t sysLeftMargin;
  int16_t sysRightMargin;
  int16_t sysBottomMargin;
  int16_t sysFirstMeasure;
  int16_t sysNextMeasure;
  int32_t reserved12;  // the host's; carried to and from the current layout's offset 16
  int16_t sysPercent;
  uint16_t sysFlags;
};
static_assert(sizeof(EDTStaffSystemRecordOld) == 20);
static_assert(offsetof(EDTStaffSystemRecordOld, sysGap) == 0);
static_assert(offsetof(EDTStaffSystemRecordOld, sysLeftMargin) == 2);
static_assert(offsetof(EDTStaffSystemRecordOld, sysRightMargin) == 4);
static_assert(offsetof(EDTStaffSystemRecordOld, sysBottomMargin) == 6);
static_assert(offsetof(EDTStaffSystemRecordOld, sysFirstMeasure) == 8);
static_assert(offsetof(EDTStaffSystemRecordOld, sysNextMeasure) == 10);
static_assert(offsetof(EDTStaffSystemRecordOld, reserved12) == 12);
static_assert(offsetof(EDTStaffSystemRecordOld, sysPercent) == 16);
static_assert(offsetof(EDTStaffSystemRecordOld, sysFlags) == 18);

// Reads system `system` into `record` (`size` bytes, may be null: then the
// record is still read and success reported, but nothing is copied). False
// when the layout request is malformed, a record is missing or the host
// refuses; `record` is untouched then.
bool FTX_LoadStaffSystemSpec(int16_t system, void* record, int32_t size, uint32_t version);

// Writes `record` (`size` bytes, must not be null) as system `system`. On hosts
// of 2000 and earlier a current-layout record must have kSysFlagOwnStaffList:
// its top margin goes into the system's own instrument list record, which is
// written first and may stay written when the staff-system write then fails.
bool FTX_SaveStaffSystemSpec(int16_t system, const void* record, int32_t size, uint32_t version);

// Field-by-field conversions between the layouts (staff_system_layouts.cpp).
// `topMargin` is the 32-bit top margin kept in the instrument list record.
void FTX_StaffSystemOldToCurrent(const EDTStaffSystemRecordOld* old, int32_t topMargin,
                                 EDTStaffSystemRecord* current);
void FTX_StaffSystemCurrentToOld(const EDTStaffSystemRecord* current, EDTStaffSystemRecordOld* old);

#endif
