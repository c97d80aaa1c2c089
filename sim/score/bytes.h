// Little-endian reading and writing of the host's record images, one byte at a
// time, so that nothing depends on the machine's own byte order or alignment.
#ifndef SIM_SCORE_BYTES_H
#define SIM_SCORE_BYTES_H

#include <cstddef>
#include <cstdint>
#include <vector>

namespace sim {

using Bytes = std::vector<uint8_t>;

inline void put_u16(uint8_t* at, uint16_t value) {
  at[0] = uint8_t(value);
  at[1] = uint8_t(value >> 8);
}

inline void put_u32(uint8_t* at, uint32_t value) {
  for (int i = 0; i < 4; ++i) at[i] = uint8_t(value >> (8 * i));
}

inline uint16_t get_u16(const uint8_t* at) { return uint16_t(at[0] | (at[1] << 8)); }

inline uint32_t get_u32(const uint8_t* at) {
  return uint32_t(at[0]) | (uint32_t(at[1]) << 8) | (uint32_t(at[2]) << 16) | (uint32_t(at[3]) << 24);
}

inline int16_t get_i16(const uint8_t* at) { return int16_t(get_u16(at)); }
inline int32_t get_i32(const uint8_t* at) { return int32_t(get_u32(at)); }

}  // namespace sim

#endif
