// A mode of the simulated host for fuzzing: the host's answers are drawn from
// a run of bytes instead of its score, so the plug-in meets any answer a host
// could give. Every FX_LoadEData and FX_SaveEData call, and the version word,
// take the next bytes of the run; once the run is used up, every such call
// fails.
//
// What one call draws (an odd first byte means success):
//   FX_LoadEData: a byte; on success a byte whose low bit says "as large as
//     the capacity", else a 16-bit number (little-endian) taken modulo
//     capacity + 1, giving the size, then that many bytes for the buffer when
//     the caller passed one. The capacity is the count behind the size
//     pointer on entry (0 when negative). A failure leaves buffer and size
//     untouched; so does a call whose bytes the run cannot give in full.
//   FX_SaveEData: a byte; nothing is stored.
// A call with a null key or size pointer fails without drawing, as the
// built-in behaviour does. Every other function keeps its behaviour.
#ifndef SIM_HOST_DRAWN_ANSWERS_H
#define SIM_HOST_DRAWN_ANSWERS_H

#include <cstddef>
#include <cstdint>

#include "sim/host/sim_host.h"

namespace sim {

// The bytes answers are drawn from; the caller keeps them alive while the
// mode is on.
class AnswerBytes {
 public:
  AnswerBytes(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  // Copies the next `count` bytes to `out`; false, taking nothing, when fewer remain.
  bool take(void* out, size_t count);
  size_t remaining() const { return size_ - at_; }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
};

// Turns the mode on: the host's version word becomes the next four bytes
// (little-endian; 0 when the run is shorter) and FX_LoadEData and FX_SaveEData
// answer from `bytes`. end_drawn_answers brings the built-in behaviour back.
void draw_answers(Host& host, AnswerBytes& bytes);
void end_drawn_answers(Host& host);

}  // namespace sim

#endif
