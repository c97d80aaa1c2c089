// Two of the host's settings that the dialog needs.
#ifndef KV_TOOLKIT_HOST_OPTIONS_H
#define KV_TOOLKIT_HOST_OPTIONS_H

#include <cstdint>

// Whether the host's avoid-collision option is selected: bit 0x8000 of the word
// at offset 4 of other record 'otFI' {10, 0}. False when it cannot be read.
bool KVGEN_AvoidCollisionSelected();

// The host's current measurement unit: the word at offset 30 of preference
// record 'pfgp' (key 0, 64 bytes); 1 when it cannot be read.
int16_t KVGEN_GetCurrentUnitStyle();

#endif
