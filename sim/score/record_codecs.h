// The load and save functions of each tag the score model structures (see
// RecordCodec in record_encoding.h for their contract), one file per record.
#ifndef SIM_SCORE_RECORD_CODECS_H
#define SIM_SCORE_RECORD_CODECS_H

#include "sim/score/record_encoding.h"

namespace sim {

#define SIM_DECLARE_CODEC(record)                                                           \
  std::optional<Bytes> load_##record(const Score& score, const RecordRequest& request);     \
  bool save_##record(Score& score, const RecordRequest& request, const uint8_t* bytes, int32_t size);

SIM_DECLARE_CODEC(page_record)          // 'SOPS'
SIM_DECLARE_CODEC(staff_system_record)  // 'SOSS' and 0x4F025353
SIM_DECLARE_CODEC(instrument_list_record)  // 'SOIu'
SIM_DECLARE_CODEC(staff_record)         // 'SOIS'
SIM_DECLARE_CODEC(measure_record)       // 'SOMS'
SIM_DECLARE_CODEC(definition_record)    // 'SODT', 'otDO', 0x4F044958

#undef SIM_DECLARE_CODEC

// The item numbered by the request's first key number in a list numbered
// from 1, or null when there is none or the second key number is not 0.
template <typename Item>
const Item* numbered_item(const std::vector<Item>& items, const RecordRequest& request) {
  if (request.second != 0 || request.first < 1 || size_t(request.first) > items.size()) return nullptr;
  return &items[size_t(request.first) - 1];
}

}  // namespace sim

#endif
