// Measure records 'SOMS', key {measure, 0}: 66 bytes in layout versions from
// 0x0A000000, 24 bytes before it (the size the host's measure count probes
// with). Both carry the 16-bit word at offset 16; the other bytes read 0.
#include "sim/score/field_table.h"
#include "sim/score/record_codecs.h"

namespace sim {
namespace {

constexpr uint32_t kFirstLongLayoutVersion = 0x0A000000u;

const Field<Measure> kMeasureFields[] = {
    SIM_FIELD(Measure, "flags16", 16, U16, flags),
};

int32_t measure_record_size(const RecordRequest& request) {
  return request.version < kFirstLongLayoutVersion ? 24 : 66;
}

}  // namespace

std::optional<Bytes> load_measure_record(const Score& score, const RecordRequest& request) {
  const Measure* measure = numbered_item(score.measures, request);
  if (measure == nullptr) return std::nullopt;
  return encode_image(kMeasureFields, *measure, size_t(measure_record_size(request)));
}

bool save_measure_record(Score& score, const RecordRequest& request, const uint8_t* bytes, int32_t size) {
  if (numbered_item(score.measures, request) == nullptr || size != measure_record_size(request)) return false;
  decode_fields(kMeasureFields, bytes, score.measures[size_t(request.first) - 1]);
  return true;
}

}  // namespace sim
