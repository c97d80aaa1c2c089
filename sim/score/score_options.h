// Score settings that the host keeps in other and preference records, read
// and written as those records' words:
//   extracted part in use: 'ot23' key {-2, 0}, the word at offset 8 is -8;
//   avoid collisions:      'otFI' key {10, 0}, bit 0x8000 of the word at offset 4;
//   measurement unit:      'pfgp' key {0, 0} (64 bytes), the word at offset 30.
// A setter creates its record (zeroed) when the score has none; the other
// words of an existing record are kept.
#ifndef SIM_SCORE_SCORE_OPTIONS_H
#define SIM_SCORE_SCORE_OPTIONS_H

#include <cstdint>
#include <optional>

#include "sim/score/score.h"

namespace sim {

void set_extracted_part(Score& score, bool in_use);
bool extracted_part(const Score& score);

void set_avoid_collision(Score& score, bool selected);
bool avoid_collision(const Score& score);

void set_unit(Score& score, int16_t unit);
std::optional<int16_t> unit(const Score& score);  // empty without the preference record

}  // namespace sim

#endif
