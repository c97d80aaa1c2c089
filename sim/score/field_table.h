// Field tables: where each field of a model struct lives in a record image.
// One table per layout; encode_fields() and decode_fields() walk it byte by
// byte (little-endian), so a record's layout is written down exactly once.
#ifndef SIM_SCORE_FIELD_TABLE_H
#define SIM_SCORE_FIELD_TABLE_H

#include <cstdint>

#include "sim/score/bytes.h"

namespace sim {

enum class FieldKind {
  I16,   // signed 16-bit
  U16,   // unsigned 16-bit
  I32,   // signed 32-bit
  BIT8,  // one bit (the mask) of the byte at the offset
};

template <typename R>
struct Field {
  const char* name;
  int offset;
  FieldKind kind;
  uint8_t mask;  // BIT8 only
  int32_t (*get)(const R& record);
  void (*set)(R& record, int32_t value);
};

// SIM_FIELD(Page, "pageHeight", 0, I32, height): the model member `height`
// at byte 0 as a signed 32-bit number.
#define SIM_FIELD(R, name, offset, kind, member)                                            \
  sim::Field<R> {                                                                         \
    name, offset, sim::FieldKind::kind, 0, [](const R& r) -> int32_t { return int32_t(r.member); }, \
        [](R& r, int32_t v) { r.member = static_cast<decltype(r.member)>(v); }             \
  }
#define SIM_BIT_FIELD(R, name, offset, mask, member)                                              \
  sim::Field<R> {                                                                               \
    name, offset, sim::FieldKind::BIT8, mask, [](const R& r) -> int32_t { return r.member ? 1 : 0; }, \
        [](R& r, int32_t v) { r.member = v != 0; }                                               \
  }

// Writes every field of `record` into `image`, which must be as long as the layout.
template <typename R, typename Table>
void encode_fields(const Table& table, const R& record, uint8_t* image) {
  for (const Field<R>& f : table) {
    const int32_t value = f.get(record);
    uint8_t* at = image + f.offset;
    switch (f.kind) {
      case FieldKind::I16:
      case FieldKind::U16: put_u16(at, uint16_t(value)); break;
      case FieldKind::I32: put_u32(at, uint32_t(value)); break;
      case FieldKind::BIT8: *at = uint8_t(value != 0 ? (*at | f.mask) : (*at & ~f.mask)); break;
    }
  }
}

// A zeroed image of `size` bytes, the layout's length, holding every field of `record`.
template <typename R, typename Table>
Bytes encode_image(const Table& table, const R& record, size_t size) {
  Bytes image(size, 0);
  encode_fields(table, record, image.data());
  return image;
}

// Reads every field of `table` from `image` into `record`.
template <typename R, typename Table>
void decode_fields(const Table& table, const uint8_t* image, R& record) {
  for (const Field<R>& f : table) {
    const uint8_t* at = image + f.offset;
    switch (f.kind) {
      case FieldKind::I16: f.set(record, get_i16(at)); break;
      case FieldKind::U16: f.set(record, get_u16(at)); break;
      case FieldKind::I32: f.set(record, get_i32(at)); break;
      case FieldKind::BIT8: f.set(record, (*at & f.mask) != 0); break;
    }
  }
}

}  // namespace sim

#endif
