// Staff records (tag 0x534F4953 'SOIS', key {staff, 0}, 66 bytes): the toolkit
// reads only whether the staff is hidden.
#ifndef KV_TOOLKIT_STAFF_RECORDS_H
#define KV_TOOLKIT_STAFF_RECORDS_H

#include <cstdint>

// Loads staff `staff` and sets `*visible` from its hidden bit; false (and
// `*visible` untouched) when the record cannot be loaded.
bool FTX_LoadStaffVisibility(int16_t staff, bool* visible);

#endif
