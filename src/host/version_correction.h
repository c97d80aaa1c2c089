// The layout version that travels with a record transfer, corrected for the
// size of the caller's buffer: the size names the layout the caller really holds
// (a 24-byte measure record is the 0x09000000 layout whatever version came with
// it). Versions compare as unsigned numbers.
#ifndef KV_HOST_VERSION_CORRECTION_H
#define KV_HOST_VERSION_CORRECTION_H

#include <cstdint>

// Corrects `version` in place for the pair (tag, size); a size of 0 and every
// pair without a rule leave it alone. Three pairs with a version too old for
// their layout also show a warning to the plug-in's developer through
// FX_AlertMessage, once per call. `tag` is never changed.
void HandleEnigmaVersion(uint32_t& tag, int32_t size, uint32_t& version);

#endif
