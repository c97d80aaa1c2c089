// Staff records 'SOIS', key {staff, 0}: 66 bytes in layout versions before
// 0x08000000, 102 bytes from it on. Bit 0x04 of byte 22 is the hidden bit;
// the other bytes read 0.
#include "sim/score/field_table.h"
#include "sim/score/record_codecs.h"

namespace sim {
namespace {

constexpr uint32_t kFirstLongLayoutVersion = 0x08000000u;

const Field<Staff> kStaffFields[] = {
    SIM_BIT_FIELD(Staff, "hidden", 22, 0x04, hidden),
};

int32_t staff_record_size(const RecordRequest& request) {
  return request.version < kFirstLongLayoutVersion ? 66 : 102;
}

const Staff* staff_of(const Score& score, const RecordRequest& request) {
  auto found = score.staves.find(request.first);
  return found == score.staves.end() || request.second != 0 ? nullptr : &found->second;
}

}  // namespace

std::optional<Bytes> load_staff_record(const Score& score, const RecordRequest& request) {
  const Staff* staff = staff_of(score, request);
  if (staff == nullptr) return std::nullopt;
  return encode_image(kStaffFields, *staff, size_t(staff_record_size(request)));
}

bool save_staff_record(Score& score, const RecordRequest& request, const uint8_t* bytes, int32_t size) {
  if (staff_of(score, request) == nullptr || size != staff_record_size(request)) return false;
  decode_fields(kStaffFields, bytes, score.staves[request.first]);
  return true;
}

}  // namespace sim
